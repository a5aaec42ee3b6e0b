// The main window's fixed shutdown order, and the screen recording it stops on the way.
#include "mainframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>

#include "appdata.h"
#include "customui/viewer/imagnifierframe.h"
#include "customui/viewer/ismallcameraframe.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/recording/ivideorecordframe.h"
#include "ffmpeg/iffmpegapi.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "iwinusbdevice.h"
#include "ocr/iocrframe.h"
#include "service/iconfigureservice.h"

namespace {

// How long closing waits for a stopped screen recording to hand over its file.
constexpr int kRecordingStopGraceMs = 5000;

}  // namespace

void MainFrame::closeEvent(QCloseEvent* event)
{
    closeOpenBoxes();
    if (!shutDown_) {
        shutdown();
        waitProcessingEvents(200);
    }
    event->accept();
}

// A close can reach the window while a box waits for an answer (a termination signal, a restart
// from the settings dialog). Each box is answered with "no" so that none outlives the window and
// keeps the program running without it.
void MainFrame::closeOpenBoxes()
{
    constexpr int kMostNested = 16;
    for (int depth = 0; depth < kMostNested; ++depth) {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) {
            return;
        }
        qDebug() << "closing the open box" << box->metaObject()->className();
        if (auto* dialog = qobject_cast<QDialog*>(box)) {
            dialog->reject();
        } else {
            box->close();
        }
        if (QApplication::activeModalWidget() == box) {
            qWarning() << "the box" << box->metaObject()->className() << "refused to close";
            box->hide();
        }
    }
}

void MainFrame::shutdown()
{
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    closing_ = true;
    for (ShutdownStep step :
         {ShutdownStep::MagnifierOff, ShutdownStep::HidePanels, ShutdownStep::WriteSettings,
          ShutdownStep::EndOcr, ShutdownStep::DrainCaptures, ShutdownStep::StopTimelapse,
          ShutdownStep::StopTimerCapture, ShutdownStep::StopRecording,
          ShutdownStep::ReleaseRecorder, ShutdownStep::CloseCameras,
          ShutdownStep::ClosePictureInPicture}) {
        runShutdownStep(step);
    }
}

void MainFrame::runShutdownStep(ShutdownStep step)
{
    switch (step) {
        case ShutdownStep::MagnifierOff:
            magnifierFrame_->showPanel(false);
            break;
        case ShutdownStep::HidePanels:
            slHideSecondWidget();
            break;
        case ShutdownStep::WriteSettings:
            config()->writeConfigure();
            break;
        case ShutdownStep::EndOcr:
            ocrFrame_->endWork();
            break;
        case ShutdownStep::DrainCaptures:
            // Every queued photo is written before the thread goes.
            delete captureThread_;
            captureThread_ = nullptr;
            break;
        case ShutdownStep::StopTimelapse:
            if (timelapseFrame_->isCapturing()) {
                stopTimelapse();
            }
            break;
        case ShutdownStep::StopTimerCapture:
            timerCaptureFrame_->stopCapture();
            break;
        case ShutdownStep::StopRecording:
            stopRecording();
            break;
        case ShutdownStep::ReleaseRecorder:
            IFFmpegApi::instance()->shutdown();
            break;
        case ShutdownStep::CloseCameras:
            delete usbWatcher_.data();
            camera()->closeAll();
            break;
        case ShutdownStep::ClosePictureInPicture:
            pip_->showPanel(false);
            break;
    }
}

void MainFrame::stopRecording()
{
    // Through the panel while it shows, so that its timer, bars and buttons are reset too; this
    // also closes it while the presenter is still choosing an area.
    const bool throughPanel =
        recordFrame_ && (recordFrame_->isVisible() || recordFrame_->isRecording());
    if (throughPanel) {
        recordFrame_->stopRecording();
    }
    if (!recording_) {
        return;
    }
    qDebug() << "stopping the screen recording";
    if (!throughPanel) {
        IFFmpegApi::instance()->stopRecord();
    }
    QElapsedTimer clock;
    clock.start();
    while (recording_ && clock.elapsed() < kRecordingStopGraceMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (recording_) {
        qDebug() << "the recorder did not report its file in time";
        recording_ = false;
    }
}

void MainFrame::onRecordMessage(int code)
{
    recording_ = code == 2;
}

void MainFrame::onRecordVideo(const QString& path)
{
    qDebug() << "recording finished:" << path;
    recording_ = false;
}
