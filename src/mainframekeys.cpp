// The main window's keys beyond the toolbar shortcuts: Escape steps back out of whatever is open,
// F11 toggles full screen, where the camera toolbar waits below the bottom edge.
#include "mainframe.h"

#include <QComboBox>
#include <QCursor>
#include <QDebug>
#include <QShortcut>
#include <QTimer>

#include "board/iboard.h"
#include "customui/capture/icaptureframe.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/recording/ivideorecordframe.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/imaintitlewidget.h"
#include "customui/viewer/imageview.h"
#include "customui/viewer/ismallcameraframe.h"
#include "ocr/iocrframe.h"

namespace {

// How often full screen looks whether the pointer reached the bottom edge.
constexpr int kEdgePollMs = 150;

}  // namespace

void MainFrame::createKeys()
{
    // Application-wide, so that they also act while the recording layer (a window of its own) is
    // active; a modal box still keeps them from acting behind it.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::ApplicationShortcut);
    connect(escape, &QShortcut::activated, this, &MainFrame::onEscape);
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::ApplicationShortcut);
    connect(fullScreen, &QShortcut::activated, board_, &IBoard::toggleFullScreen);
    edgeTimer_ = new QTimer(this);
    edgeTimer_->setInterval(kEdgePollMs);
    connect(edgeTimer_, &QTimer::timeout, this, &MainFrame::revealCameraToolBar);
}

// One step back per press: the board's text editing or selection frame, an area being chosen,
// then the open panels, then full screen.
void MainFrame::onEscape()
{
    if (boardMode_ && board_->escape()) {
        qDebug() << "escape: board editing or selection ended";
    } else if (captureFrame_ && captureFrame_->isVisible()) {
        captureFrame_->showPanel(false);
    } else if (recordFrame_ && recordFrame_->isVisible() && !recordFrame_->isRecording() &&
               !recordFrame_->isStarting()) {
        recordFrame_->showPanel(false);
    } else if (closeOpenPanels()) {
        qDebug() << "escape: panels closed";
    } else if (fullScreen_) {
        board_->toggleFullScreen();
    }
}

bool MainFrame::closeOpenPanels()
{
    bool any = panelHost_.hideAll();
    if (titleWidget_->cameraChooser() && titleWidget_->cameraChooser()->isVisible()) {
        titleWidget_->hideCameraChooser();
        any = true;
    }
    if (viewer_->isVisible()) {
        viewer_->showPanel(false);
        any = true;
    }
    if (pip_->isVisible()) {
        pip_->showPanel(false);
        any = true;
    }
    if (ocrFrame_->isVisible()) {
        ocrFrame_->open(false);
        any = true;
    }
    // A running time-lapse keeps its controls.
    if (timelapseFrame_->isVisible() && !timelapseFrame_->isCapturing()) {
        timelapseFrame_->showPanel(false);
        any = true;
    }
    return any;
}

// In full screen the camera toolbar shows while the pointer is at the bottom edge or on it.
void MainFrame::revealCameraToolBar()
{
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    const bool inside = rect().contains(pointer);
    if (!cameraToolBar_->isVisible()) {
        cameraToolBar_->setVisible(inside && pointer.y() >= height() - 2);
    } else if (!inside || pointer.y() < cameraToolBar_->y()) {
        cameraToolBar_->hide();
    }
}
