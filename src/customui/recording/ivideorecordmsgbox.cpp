#include "customui/recording/ivideorecordmsgbox.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

}  // namespace

IVideoRecordMsgBox::IVideoRecordMsgBox(QWidget* parent)
    : ICustomDialog(tr("Screen recording"), true, parent)
{
    setMovable(true);
    setRoundedBackground(true);
    setWindowModality(Qt::ApplicationModal);

    text_ = newLabel(QString(), this);
    text_->setWordWrap(true);
    text_->setMinimumSize(scaled(400), scaled(60));
    text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* row = new QHBoxLayout;
    const char* labels[] = {QT_TR_NOOP("Open file"), QT_TR_NOOP("Open directory"),
                            QT_TR_NOOP("Close")};
    for (int id = OpenFile; id <= CloseBox; ++id) {
        auto* button = new IIToolButton(id, tr(labels[id]), 150, 35, AllCorners, false, this);
        button->nameAfterId(QStringLiteral("recordbox"), QMetaEnum::fromType<ButtonId>());
        connect(button, &IIToolButton::sgButtonClick, this, &IVideoRecordMsgBox::onButtonClick);
        row->addWidget(button);
        buttons_ << button;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaled(20), scaled(50), scaled(20), scaled(20));
    layout->setSpacing(scaled(20));
    layout->addWidget(text_);
    layout->addLayout(row);
    adjustSize();
}

void IVideoRecordMsgBox::showMessage(const QString& path)
{
    path_ = path;
    text_->setText(tr("Video is saved: %1").arg(QDir::toNativeSeparators(path)));
    adjustSize();
    show();
    raise();
    activateWindow();
}

IIToolButton* IVideoRecordMsgBox::button(int id) const
{
    return buttons_.value(id);
}

void IVideoRecordMsgBox::onButtonClick(bool, const QVariant& id)
{
    close();
    switch (id.toInt()) {
        case OpenFile:
            open(path_);
            break;
        case OpenDirectory:
            // The folder the recording went to, even if the video folder was changed since.
            open(QFileInfo(path_).absolutePath());
            break;
        default:
            break;
    }
}

void IVideoRecordMsgBox::open(const QString& target)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(target))) {
        qDebug() << "cannot open the recording:" << target;
    }
}
