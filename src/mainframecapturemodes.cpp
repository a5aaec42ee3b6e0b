// The main window's capture modes beyond a single photo: the capture-mode panel, timing capture,
// time-lapse video and partial capture.
#include "mainframe.h"

#include <QDebug>
#include <QTimer>

#include "board/iboard.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/capture/icaptureframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/capture/itimercapturecontrolframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/kit/itimemsgbox.h"
#include "customui/kit/uiscale.h"
#include "customui/recording/ivideorecordmsgbox.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/imaintitlewidget.h"
#include "customui/shell/irighttoolbar.h"
#include "ffmpeg/iffmpegapi.h"
#include "service/iconfigureservice.h"

namespace {

// The widest picture a time-lapse video takes.
constexpr int kTimelapseMaxWidth = 1920;
constexpr int kTimelapseFrameRate = 30;
// How long the time-lapse controls stay off after a stop, so a double click cannot restart it.
constexpr int kTimelapseControlsPauseMs = 1000;

}  // namespace

void MainFrame::createCapturePanels()
{
    captureModeFrame_ = new ICaptureModeFrame(app_, this);
    captureModeFrame_->setAnchor(cameraToolBar_);
    captureModeFrame_->hide();
    panelHost_.registerPanel(IPanelHost::Panel::CaptureMode, captureModeFrame_);
    connect(captureModeFrame_, &ICaptureModeFrame::sgButtonClick, this,
            &MainFrame::onCaptureModeChanged);

    timelapseFrame_ = new ITimelapseFrame(app_, this);
    timelapseFrame_->setObjectName(QStringLiteral("panel.timelapse"));
    timelapseFrame_->setAnchor(cameraToolBar_);
    timelapseFrame_->hide();
    connect(timelapseFrame_, &ITimelapseFrame::sgCaptureImage, this,
            &MainFrame::onTimelapseRequest);

    timerCaptureFrame_ = new ITimerCaptureFrame(app_, this);
    timerCaptureFrame_->setObjectName(QStringLiteral("panel.timing"));
    timerCaptureFrame_->setAnchor(cameraToolBar_);
    timerCaptureFrame_->hide();
    connect(timerCaptureFrame_, &ITimerCaptureFrame::sgCaptureRequested, this,
            [this]() { captureWithType(NormalImage); });
}

CaptureMode MainFrame::captureMode() const
{
    return captureModeFrame_ ? CaptureMode(captureModeFrame_->mode()) : DefaultCapture;
}

void MainFrame::startTimerCapture()
{
    timerCaptureFrame_->openSettings(true);
}

void MainFrame::showTimelapsePanel()
{
    if (!timelapseFrame_->isVisible()) {
        timelapseFrame_->showPanel(true);
    }
}

void MainFrame::onCaptureModeChanged(CaptureMode mode)
{
    if (mode == TimelapseCapture) {
        return;
    }
    // Also while only the counter shows: a series must not run on under another mode.
    if (timelapseFrame_->isCapturing()) {
        stopTimelapse();
    }
    timelapseFrame_->showPanel(false);
}

void MainFrame::onTimelapseRequest(OperateType type)
{
    switch (type) {
        case TimelapseShot:
            timelapseShot_ = true;
            captureWithType(NormalImage);
            break;
        case TimelapseStart:
            startTimelapse();
            break;
        case TimelapseStop:
            stopTimelapse();
            break;
        case TimelapsePause:
            timelapseFrame_->pause();
            break;
        case TimelapseResume:
            timelapseFrame_->resume();
            break;
    }
}

void MainFrame::startTimelapse()
{
    if (config()->cameraResolution().width() > kTimelapseMaxWidth) {
        // Given back when the video ends.
        resolutionBeforeTimelapse_ = config()->cameraResolution();
        cameraToolBar_->setChecked(ICameraToolBar::Freeze, false);
        freeze(false);
        pixRateFrame_->setResolution(QSizeF(kTimelapseMaxWidth, 1080), false);
        // Top right of the window, below the title bar's buttons; the tip keeps itself inside.
        ITimeMsgBox::instance()->showMessage(
            tr("Current resolution: 1920*1080"), 1000, width() - static_cast<int>(460 * uiScale),
            titleWidget_->height() + static_cast<int>(10 * uiScale));
    }
    timelapseFrame_->start();
    setTimelapseButtonsEnabled(false);
    QSize size = config()->cameraResolution();
    if (board_->rotation() % 180 != 0) {
        size.transpose();
    }
    if (!IFFmpegApi::instance()->startTimelapseVideo(config()->videoPath(), size,
                                                     kTimelapseFrameRate)) {
        qDebug() << "time-lapse video could not start";
        timelapseFrame_->stop();
        setTimelapseButtonsEnabled(true);
        showTip(tr("Save failed."));
    }
}

void MainFrame::stopTimelapse()
{
    timelapseFrame_->setControlsEnabled(false);
    QPointer<ITimelapseFrame> panel = timelapseFrame_;
    QTimer::singleShot(kTimelapseControlsPauseMs, timelapseFrame_, [panel]() {
        if (panel) {
            panel->setControlsEnabled(true);
        }
    });
    timelapseFrame_->stop();
    int seconds = 0;
    const QString name = IFFmpegApi::instance()->finishTimelapseVideo(seconds);
    if (name.isEmpty()) {
        showTip(tr("Save failed."));
    } else {
        qDebug() << "video times: " << seconds << name;
        offerTimelapseVideo(name);
    }
    setTimelapseButtonsEnabled(true);
    restoreResolution();
}

void MainFrame::restoreResolution()
{
    if (resolutionBeforeTimelapse_.isEmpty()) {
        return;
    }
    const QSize previous = resolutionBeforeTimelapse_;
    resolutionBeforeTimelapse_ = QSize();
    qDebug() << "resolution given back after the time-lapse:" << previous;
    if (closing_) {
        // The camera closes next; the next start opens it at the size it had.
        config()->setCameraResolution(previous);
    } else if (pixRateFrame_->offers(QSizeF(previous))) {
        pixRateFrame_->setResolution(QSizeF(previous), false);
    }
}

void MainFrame::offerTimelapseVideo(const QString& path)
{
    // No box while the window closes or switches cameras (disabled): a tip says it all.
    if (closing_ || !isEnabled()) {
        showTip(tr("Video is saved."));
        return;
    }
    if (!timelapseBox_) {
        timelapseBox_ = new IVideoRecordMsgBox(this);
        timelapseBox_->setObjectName(QStringLiteral("dialog.timelapsevideo"));
        timelapseBox_->setTitle(tr("Time-lapse video"));
    }
    timelapseBox_->showMessage(path);
}

void MainFrame::setTimelapseButtonsEnabled(bool enabled)
{
    // The video keeps one size and orientation, and a frozen picture would repeat itself.
    const bool frozen = cameraToolBar_->isChecked(ICameraToolBar::Freeze);
    cameraToolBar_->setEnabled(ICameraToolBar::Resolution, enabled && !frozen);
    cameraToolBar_->setEnabled(ICameraToolBar::Freeze, enabled);
    cameraToolBar_->setEnabled(ICameraToolBar::Rotate, enabled);
    rightToolBar_->setEnabled(IRightToolBar::Rotate, enabled);
}

void MainFrame::seriesShotLost(bool timelapseShot)
{
    if (timelapseShot && timelapseFrame_->isCapturing()) {
        timelapseFrame_->nextShot();
    } else if (!timelapseShot && timerCaptureFrame_->isCapturing()) {
        timerCaptureFrame_->skipPicture();
    } else {
        return;
    }
    if (!seriesShotLost_) {
        showTip(tr("Save failed."));
    }
    seriesShotLost_ = true;
}

void MainFrame::stopCaptureSeries()
{
    if (timelapseFrame_->isCapturing()) {
        stopTimelapse();
    }
    timelapseFrame_->showPanel(false);
    timerCaptureFrame_->stopCapture();
    captureModeFrame_->setMode(DefaultCapture);
}

void MainFrame::placeCaptureBars()
{
    timelapseFrame_->updatePosition();
    if (timerCaptureFrame_->isCapturing()) {
        timerCaptureFrame_->controlBar()->updatePosition();
    }
}

void MainFrame::showPartialCapture()
{
    board_->zoomToActualSize();
    const QRectF background = board_->backgroundGlobalRect();
    const QRect picture(mapFromGlobal(background.topLeft().toPoint()), background.size().toSize());
    // Only the part of the picture the board shows can be chosen.
    const QRect view(board_->viewport()->mapTo(this, QPoint()), board_->viewport()->size());
    const QRect area = picture & view;
    if (area.isEmpty()) {
        qDebug() << "partial capture: no picture in view";
        return;
    }
    partialFrameOrigin_ = area.topLeft();
    if (!captureFrame_) {
        captureFrame_ = new ICaptureFrame(app_, this);
        captureFrame_->setObjectName(QStringLiteral("panel.partial"));
        connect(captureFrame_, &ICaptureFrame::sgActiveChanged, this,
                [this](bool active) { setBarsEnabled(!active); });
        connect(captureFrame_, &ICaptureFrame::sgCaptureRequested, this,
                [this]() { captureWithType(NormalImage); });
    }
    captureFrame_->coverRect(area);
    captureFrame_->showPanel(true);
}

void MainFrame::setBarsEnabled(bool enabled)
{
    titleWidget_->setEnabled(enabled);
    boardToolBar_->setEnabled(enabled);
    rightToolBar_->setEnabled(enabled);
    cameraToolBar_->setEnabled(enabled);
}
