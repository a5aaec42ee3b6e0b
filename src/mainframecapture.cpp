// The main window's capture path: Snap modes to capture jobs and their results, PDF export.
#include "mainframe.h"

#include <QClipboard>
#include <QDateTime>
#include <QDebug>
#include <QFileDialog>
#include <QGuiApplication>
#include <QSoundEffect>
#include <QTimer>

#include "board/iboard.h"
#include "capturejob.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/gallery/iimglistwidget.h"
#include "customui/shell/icameratoolbar.h"
#include "ffmpeg/iffmpegapi.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "service/iconfigureservice.h"

void MainFrame::startCaptureThread()
{
    if (captureThread_) {
        return;
    }
    captureThread_ = new IImageTansformThread(app_, this);
    connect(captureThread_, &IImageTansformThread::sgCaptureImage, this,
            &MainFrame::slCaputerImage);
    connect(captureThread_, &IImageTansformThread::sgCaptureFailed, this,
            &MainFrame::onCaptureFailed);
    connect(captureThread_, &IImageTansformThread::sgSaveFilesSuccess, this,
            [this]() { showTip(tr("Save Successful.")); });
    connect(captureThread_, &IImageTansformThread::sgSaveFilesFailed, this,
            [this](const QString& path) {
                qDebug() << "export failed:" << path;
                showTip(tr("Save failed."));
            });
    connect(captureThread_, &IImageTansformThread::sgPhotoFormatChanged, config(),
            &IConfigureService::setPhotoFormat);
    connect(captureThread_, &IImageTansformThread::sgFileDialogPathChanged, config(),
            &IConfigureService::setFileDialogPath);
    captureThread_->start(QThread::InheritPriority);
}

void MainFrame::snap()
{
    // A shortcut must not start a second capture while one is on its way.
    if (!cameraToolBar_->isButtonEnabled(ICameraToolBar::Snap)) {
        qDebug() << "snap ignored: a capture is in progress";
        return;
    }
    switch (captureMode()) {
        case DefaultCapture:
            captureWithType(NormalImage);
            break;
        case ScreenCapture:
            grabWindowToGallery();
            break;
        case PartialCapture:
            showPartialCapture();
            break;
        case TimingCapture:
            startTimerCapture();
            break;
        case TimelapseCapture:
            showTimelapsePanel();
            break;
        case ClipboardCapture:
            copyWindowToClipboard();
            break;
        case BlackWhiteCapture:
            captureWithType(BlackWhiteImage);
            break;
        case GrayCapture:
            captureWithType(GrayImage);
            break;
        default:
            qDebug() << "unknown capture mode" << captureMode();
            break;
    }
}

void MainFrame::setSnapEnabled(bool enabled)
{
    cameraToolBar_->setEnabled(ICameraToolBar::Snap, enabled);
}

void MainFrame::grabWindowToGallery()
{
    setSnapEnabled(false);
    QTimer::singleShot(1000, this, [this]() { setSnapEnabled(true); });
    playShutterSound();
    addToGallery(grab().toImage(), QString());
}

void MainFrame::copyWindowToClipboard()
{
    playShutterSound();
    QGuiApplication::clipboard()->setImage(grab().toImage());
    showTip(tr("Succeed!"));
}

void MainFrame::captureWithType(ImageType type)
{
    if (config()->wifiMode && config()->cameraResolution().width() > 1920) {
        if (!camera()->setCaptureFalg(type)) {
            showTip(tr("Saving, please wait!"));
        }
        return;
    }
    setSnapEnabled(false);
    processCapture(camera()->captureImage(type));
}

QRect MainFrame::partialCaptureSceneRect() const
{
    const QRect inWindow = config()->freeCaptureRect.translated(partialFrameOrigin_);
    const QRect inView =
        QRect(board_->viewport()->mapFrom(this, inWindow.topLeft()), inWindow.size());
    return board_->mapToScene(inView).boundingRect().toRect();
}

void MainFrame::processCapture(const QImage& picture)
{
    // Whatever happens to this picture, the next one is not taken for the video by mistake.
    const bool timelapseShot = timelapseShot_;
    timelapseShot_ = false;
    if (picture.isNull() || !captureThread_) {
        qDebug() << (picture.isNull() ? "no picture to capture" : "no capture thread: dropped");
        setSnapEnabled(true);
        seriesShotLost(timelapseShot);
        return;
    }
    const QRectF background = board_->backgroundRect();
    const QPointF factors = overlayFactors(picture.size(), background.size());
    const CaptureMode mode = captureMode();
    CaptureJob job;
    job.picture = picture;
    job.rotation = board_->rotation();
    job.folder = timelapseShot ? QString() : config()->photoPath();
    if (mode == PartialCapture) {
        job.captureRect =
            captureRectInPicture(partialCaptureSceneRect(), background, factors, picture.size());
    }
    if (autoEdgeOn_ && !timelapseShot && mode != PartialCapture) {
        job.edge = camera()->autoEdgeResult();
    }
    // The camera's picture as delivered; the annotations, drawn on the turned-over view, are
    // turned back to match it.
    job.mirror = orientation_;
    if (!factors.isNull()) {
        job.overlay = board_->renderOverlay(factors.x(), factors.y())
                          .mirrored(orientation_.testFlag(Qt::Horizontal),
                                    orientation_.testFlag(Qt::Vertical));
    }
    captureThread_->addCaptureJob(job);
}

void MainFrame::slCaputerImage(QImage picture, QString path)
{
    seriesShotLost_ = false;
    if (path.isEmpty()) {
        IFFmpegApi::instance()->addTimelapsePicture(picture);
        if (timelapseFrame_->isCapturing()) {
            timelapseFrame_->nextShot();
        }
    } else {
        playShutterSound();
        addToGallery(picture, path);
        timerCaptureFrame_->countPicture(timerCaptureFrame_->isCapturing());
    }
    setSnapEnabled(true);
}

void MainFrame::onCaptureFailed(const QString& path)
{
    qDebug() << "capture not saved:" << path;
    setSnapEnabled(true);
    // Time-lapse frames are never written, so they fail without a path.
    const bool timelapseShot = path.isEmpty() && timelapseFrame_->isCapturing();
    if (timelapseShot || timerCaptureFrame_->isCapturing()) {
        seriesShotLost(timelapseShot);
        return;
    }
    showTip(tr("Save failed."));
}

void MainFrame::playShutterSound()
{
    if (!config()->photoSound) {
        return;
    }
    if (!shutter_) {
        // Without a sound device the effect stays silent; the capture goes on regardless.
        shutter_ = new QSoundEffect(this);
        shutter_->setSource(QUrl(QStringLiteral("qrc:/root/root/photoSound.wav")));
    }
    shutter_->play();
}

void MainFrame::exportPdf()
{
    const QStringList paths = galleryCheckedPaths();
    if (paths.isEmpty()) {
        showTip(tr("请先选择左边列表文件"));
        return;
    }
    // The last folder of a file dialog, stored with or without its "/"; the photo folder before any
    // dialog was used.
    QString folder = config()->fileDialogPath();
    if (folder.isEmpty()) {
        folder = config()->photoPath();
    }
    while (folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    const QString suggested =
        folder + QLatin1Char('/') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
    QString name =
        QFileDialog::getSaveFileName(this, tr("Save"), suggested, tr("PDF File (*.pdf)"));
    if (name.isEmpty()) {
        return;
    }
    // "Notes.PDF" is already a PDF name.
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        name += QLatin1String(".pdf");
    }
    if (captureThread_) {
        captureThread_->setSaveFilesJob(name, paths, 1);
    }
}

QStringList MainFrame::galleryCheckedPaths() const
{
    return gallery_->itemPaths(true);
}

void MainFrame::addToGallery(const QImage& picture, const QString& path)
{
    // A window grab comes without a file: the gallery saves it in the photo folder first.
    if (path.isEmpty()) {
        gallery_->saveImage(picture);
    } else {
        gallery_->addImageItem(picture, path);
    }
}
