#include "customui/settings/isettingstoragepage.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>

#include "appdata.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/imsgbox.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/itimemsgbox.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

ISettingStoragePage::ISettingStoragePage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(20 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addWidget(createFolderGroup(PictureFolder));
    column->addSpacing(margin);
    column->addWidget(createFolderGroup(VideoFolder));
    column->addStretch();
}

QGroupBox* ISettingStoragePage::createFolderGroup(Folder which)
{
    const bool picture = which == PictureFolder;
    auto* group = new QGroupBox(picture ? tr("Picture") : tr("Video"), this);
    group->setFont(appFont(12, 75));
    group->setStyleSheet(QStringLiteral("color:white;background-color: transparent;"));

    QLineEdit* field = newLineEdit(storedFolder(which), group);
    field->setReadOnly(true);
    field->setFixedHeight(static_cast<int>(30 * uiScale));
    field->setStyleSheet(
        QStringLiteral("border:none;color:black;background-color:white;border-radius:%1px;")
            .arg(6 * uiScale));
    fields_[which] = field;

    auto* view =
        new IIToolButton(0, picture ? tr("View picture file path") : tr("View video file path"),
                         180, 35, AllCorners, false, group);
    view->setToolTip(QString());
    auto* setup =
        new IIToolButton(0, picture ? tr("Setup picture file path") : tr("Setup video file path"),
                         250, 35, AllCorners, false, group);
    connect(view, &IIToolButton::sgButtonClick, this, [this, which]() { viewFolder(which); });
    connect(setup, &IIToolButton::sgButtonClick, this, [this, which]() { setupFolder(which); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(view);
    buttons->addWidget(setup);
    buttons->addStretch();
    auto* form = new QFormLayout(group);
    form->addRow(field);
    form->addRow(buttons);
    return group;
}

QLineEdit* ISettingStoragePage::folderField(Folder which) const
{
    return fields_[which];
}

void ISettingStoragePage::refresh()
{
    fields_[PictureFolder]->setText(storedFolder(PictureFolder));
    fields_[VideoFolder]->setText(storedFolder(VideoFolder));
}

QString ISettingStoragePage::storedFolder(Folder which) const
{
    IConfigureService* config = IConfigureService::instance();
    return which == PictureFolder ? config->photoPath() : config->videoPath();
}

void ISettingStoragePage::storeFolder(Folder which, const QString& path)
{
    IConfigureService* config = IConfigureService::instance();
    if (which == PictureFolder) {
        config->setPhotoPath(path);
    } else {
        config->setVideoPath(path);
    }
    fields_[which]->setText(path);
}

QString ISettingStoragePage::withTrailingSeparator(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))) {
        return path;
    }
    return path + QLatin1Char('/');
}

void ISettingStoragePage::viewFolder(Folder which)
{
    QString folder = storedFolder(which);
    if (!QDir(folder).exists()) {
        folder = appDataDir(which == PictureFolder ? QStringLiteral("photo/")
                                                   : QStringLiteral("video/"));
        qDebug() << "folder missing, reset to default:" << folder;
        storeFolder(which, folder);
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
        qDebug() << "cannot open folder:" << folder;
        showTip(tr("The folder cannot be opened: %1").arg(QDir::toNativeSeparators(folder)));
    }
}

void ISettingStoragePage::setupFolder(Folder which)
{
    const QString chosen = QFileDialog::getExistingDirectory(window(), tr("Open"), QString(),
                                                             QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) {
        return;
    }
    const int answer = IMsgBox::message(tr("Confirm modification?"), IMsgBox::OkCancelBox,
                                        IConfigureService::instance()->productName, window());
    if (answer != QMessageBox::Ok) {
        return;
    }
    storeFolder(which, withTrailingSeparator(chosen));
    qDebug() << "folder changed:" << which << storedFolder(which);
}

void ISettingStoragePage::showTip(const QString& text)
{
    if (!tip_) {
        tip_ = new ITimeMsgBox(this);
    }
    tip_->showMessage(text, 1000, -1000, -1000);
}
