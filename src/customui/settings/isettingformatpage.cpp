#include "customui/settings/isettingformatpage.h"

#include <QDebug>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

namespace {

// Index 1 to 4 pictures, 5 to 8 videos; the index is stored on each button.
const char* const kFormats[] = {"png", "jpeg", "tiff", "bmp", "mp4", "flv", "avi", "mov"};
constexpr int kFirstPicture = 1;
constexpr int kFirstVideo = 5;
constexpr int kGroupSize = 4;

}  // namespace

ISettingFormatPage::ISettingFormatPage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(20 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addWidget(createGroup(tr("Picture"), kFirstPicture));
    column->addSpacing(margin);
    column->addWidget(createGroup(tr("Video"), kFirstVideo));
    column->addStretch();
    refresh();
}

QGroupBox* ISettingFormatPage::createGroup(const QString& title, int firstIndex)
{
    auto* group = new QGroupBox(title, this);
    group->setFont(appFont(12, 75));
    group->setStyleSheet(QStringLiteral("color:white;background-color: transparent;"));
    auto* row = new QHBoxLayout(group);
    const int margin = static_cast<int>(15 * uiScale);
    row->setContentsMargins(margin, margin, margin, margin);
    for (int index = firstIndex; index < firstIndex + kGroupSize; ++index) {
        row->addWidget(createFormatButton(index, QString::fromLatin1(kFormats[index - 1]), group));
    }
    return group;
}

QRadioButton* ISettingFormatPage::createFormatButton(int index, const QString& format,
                                                     QWidget* parent)
{
    QRadioButton* button = newRadioButton(format, parent);
    button->setProperty("index", index);
    button->setProperty("format", format);
    // A picture format this system has no writer for is shown but cannot be chosen.
    if (index < kFirstVideo && !QImageWriter::supportedImageFormats().contains(format.toLatin1())) {
        button->setEnabled(false);
        button->setToolTip(tr("Not available on this system"));
    }
    connect(button, SIGNAL(clicked()), this, SLOT(slRadioButtonClicked()));
    buttons_.append(button);
    return button;
}

QRadioButton* ISettingFormatPage::formatButton(const QString& format) const
{
    for (QRadioButton* button : buttons_) {
        if (button->property("format").toString() == format) {
            return button;
        }
    }
    return nullptr;
}

void ISettingFormatPage::refresh()
{
    IConfigureService* config = IConfigureService::instance();
    checkStored(kFirstPicture, config->photoFormat());
    checkStored(kFirstVideo, config->videoFormat());
}

void ISettingFormatPage::checkStored(int firstIndex, const QString& stored)
{
    QRadioButton* chosen = buttons_.at(firstIndex - 1);
    for (int index = firstIndex; index < firstIndex + kGroupSize; ++index) {
        QRadioButton* button = buttons_.at(index - 1);
        if (button->property("format").toString() == stored && button->isEnabled()) {
            chosen = button;
        }
    }
    chosen->setChecked(true);
}

void ISettingFormatPage::slRadioButtonClicked()
{
    auto* button = qobject_cast<QRadioButton*>(sender());
    if (!button) {
        return;
    }
    const QString format = button->property("format").toString();
    IConfigureService* config = IConfigureService::instance();
    if (button->property("index").toInt() >= kFirstVideo) {
        config->setVideoFormat(format);
        qDebug() << "video format: " << format;
    } else {
        config->setPhotoFormat(format);
        qDebug() << "picture format: " << format;
    }
}
