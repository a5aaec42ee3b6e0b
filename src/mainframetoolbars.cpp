// The main window's toolbar dispatch and keyboard shortcuts, and the panels its buttons open.
#include "mainframe.h"

#include <QDebug>
#include <QKeyEvent>

#include "appdata.h"
#include "board/iboard.h"
#include "customui/boardpanels/icolorframe.h"
#include "customui/boardpanels/ieraseframe.h"
#include "customui/boardpanels/ifigureframe.h"
#include "customui/boardpanels/ithicknessframe.h"
#include "customui/boardpanels/itransparentframe.h"
#include "customui/camera/ifocusframe.h"
#include "customui/camera/iparameterframe.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/recording/ivideorecordframe.h"
#include "customui/settings/isettingframe.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/imaintitlewidget.h"
#include "customui/shell/irighttoolbar.h"
#include "customui/viewer/imageview.h"
#include "customui/viewer/imagnifierframe.h"
#include "customui/viewer/ismallcameraframe.h"
#include "icamera.h"
#include "ocr/iocrframe.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

using Panel = IPanelHost::Panel;

void MainFrame::slHideSecondWidget(int barType, QVariant flag)
{
    titleWidget_->hideCameraChooser();
    pip_->hideCameraList();
    panelHost_.hideAllBut(IPanelHost::keptPanel(barType, flag.toInt()));
}

void MainFrame::slHideSecondWidget(int barType)
{
    slHideSecondWidget(barType, 0);
}

void MainFrame::slHideSecondWidget()
{
    slHideSecondWidget(IPanelHost::NoBar, 0);
}

void MainFrame::slCameratoolbarClick(bool checked, QVariant id)
{
    slHideSecondWidget(IPanelHost::CameraBar, id);
    switch (id.toInt()) {
        case ICameraToolBar::FocusExposure:
            togglePanel(Panel::FocusExposure);
            break;
        case ICameraToolBar::Resolution:
            togglePanel(Panel::Resolution);
            break;
        case ICameraToolBar::ZoomIn:
            board_->zoomBy(1.1);
            break;
        case ICameraToolBar::ZoomOut:
            board_->zoomBy(0.9);
            break;
        case ICameraToolBar::Rotate:
            board_->rotateBy(90);
            break;
        case ICameraToolBar::Freeze:
            freeze(checked);
            break;
        case ICameraToolBar::ColorAdjusting:
            togglePanel(Panel::Parameter);
            break;
        case ICameraToolBar::SelfAdapting:
            board_->resetView();
            break;
        case ICameraToolBar::AutoEdge:
            setAutoEdge(checked);
            break;
        case ICameraToolBar::Snap:
            snap();
            break;
        case ICameraToolBar::PhotoMode:
            togglePanel(Panel::CaptureMode);
            break;
        case ICameraToolBar::VideoRecording:
            showRecordingPanel();
            break;
        case ICameraToolBar::Ocr:
            toggleOcrDialog();
            break;
        case ICameraToolBar::Pdf:
            exportPdf();
            break;
        case ICameraToolBar::PictureInPicture:
            togglePictureInPicturePanel();
            break;
        case ICameraToolBar::SplitScreen:
            togglePictureViewer();
            break;
        case ICameraToolBar::Mirror:
            turnOver(Qt::Horizontal, checked);
            break;
        case ICameraToolBar::Flip:
            turnOver(Qt::Vertical, checked);
            break;
        default:
            break;
    }
}

void MainFrame::slRightToolBarClick(bool, QVariant id)
{
    slHideSecondWidget(IPanelHost::RightBar, id);
    switch (id.toInt()) {
        case IRightToolBar::Board:
            enterBoardMode();
            break;
        case IRightToolBar::Magnifier:
            togglePanel(Panel::Magnifier);
            break;
        case IRightToolBar::ZoomIn:
            board_->zoomBy(1.1);
            break;
        case IRightToolBar::ZoomOut:
            board_->zoomBy(0.9);
            break;
        case IRightToolBar::Rotate:
            board_->rotateBy(90);
            break;
        case IRightToolBar::SelfAdapting:
            board_->resetView();
            break;
        default:
            break;
    }
}

void MainFrame::slBoardToolBarClick(bool, QVariant id)
{
    slHideSecondWidget(IPanelHost::BoardBar, id);
    IBoardService* service = IBoardService::instance();
    switch (id.toInt()) {
        case IBoardToolBar::Move:
            service->selectMode(0);
            break;
        case IBoardToolBar::Pencil:
            service->penMode(config()->pencilColor(), config()->pencilThickness(),
                             config()->pencilTransparent(), 0);
            break;
        case IBoardToolBar::Thickness:
            togglePanel(Panel::Thickness);
            break;
        case IBoardToolBar::Color:
            togglePanel(Panel::Color);
            break;
        case IBoardToolBar::Transparency:
            togglePanel(Panel::Transparency);
            break;
        case IBoardToolBar::Text:
            service->textMode(0);
            break;
        case IBoardToolBar::Shape:
            togglePanel(Panel::Shape);
            break;
        case IBoardToolBar::Eraser:
            // The board erases at the size the panel shows, not at a fixed one.
            service->eraserMode(eraseFrame_->size(), 0);
            togglePanel(Panel::Eraser);
            break;
        case IBoardToolBar::Clear:
            service->clearStrokesAndText();
            if (!clearTipShown_) {
                clearTipShown_ = true;
                showTip(tr("Page cleared. Ctrl+Z brings it back."));
            }
            break;
        case IBoardToolBar::Home:
            leaveBoardMode();
            break;
        case IBoardToolBar::Desktop:
            // Steps aside so the presenter can show another program; the taskbar brings the
            // window back with its annotations and panels as they were.
            showMinimized();
            break;
        default:
            boardKeyCommand(id.toInt());
            break;
    }
}

void MainFrame::boardKeyCommand(int id)
{
    switch (id) {
        case IBoardToolBar::Undo:
            board_->undo();
            break;
        case IBoardToolBar::Redo:
            board_->redo();
            break;
        case IBoardToolBar::ZoomIn:
            board_->zoomBy(1.1);
            break;
        case IBoardToolBar::ZoomOut:
            board_->zoomBy(0.9);
            break;
        case IBoardToolBar::DeleteSelection:
            board_->deleteSelection();
            break;
        case IBoardToolBar::LastShape:
            figureFrame_->applyFigure(figureFrame_->currentFigure());
            break;
        default:
            break;
    }
}

void MainFrame::enterBoardMode()
{
    rightToolBar_->hide();
    boardToolBar_->show();
    boardMode_ = true;
}

void MainFrame::leaveBoardMode()
{
    boardToolBar_->hide();
    rightToolBar_->show();
    boardToolBar_->selectButton(IBoardToolBar::Move, true);
    IBoardService::instance()->selectMode(0);
    boardMode_ = false;
}

void MainFrame::freeze(bool frozen)
{
    if (frozen && autoEdgeOn_) {
        // A frozen picture keeps no edge search running, and a stale edge must not crop it.
        camera()->setAutoEdge(false);
        waitProcessingEvents(100);
        cameraToolBar_->setChecked(ICameraToolBar::AutoEdge, false);
        autoEdgeOn_ = false;
    }
    camera()->setStreamRunning(!frozen);
    // A running time-lapse keeps its size.
    cameraToolBar_->setEnabled(ICameraToolBar::Resolution,
                               !frozen && !timelapseFrame_->isCapturing());
    cameraToolBar_->setEnabled(ICameraToolBar::AutoEdge, !frozen);
}

void MainFrame::setAutoEdge(bool on)
{
    autoEdgeOn_ = on;
    camera()->setAutoEdge(on);
}

int MainFrame::cameraButtonForKey(const QKeySequence& keys)
{
    static const struct {
        const char* keys;
        int id;
    } table[] = {
        {"Ctrl+Alt+Num+-", ICameraToolBar::ZoomOut}, {"Ctrl+Alt+-", ICameraToolBar::ZoomOut},
        {"Ctrl+Alt+7", ICameraToolBar::ZoomOut},     {"Ctrl+Alt+Num++", ICameraToolBar::ZoomIn},
        {"Ctrl+Alt+=", ICameraToolBar::ZoomIn},      {"Ctrl+Alt+6", ICameraToolBar::ZoomIn},
        {"Ctrl+Alt+5", ICameraToolBar::Snap},
    };
    for (const auto& entry : table) {
        if (keys == QKeySequence(QLatin1String(entry.keys))) {
            return entry.id;
        }
    }
    return -1;
}

void MainFrame::keyPressEvent(QKeyEvent* event)
{
    const int id = cameraButtonForKey(QKeySequence(int(event->modifiers()) | event->key()));
    if (id >= 0) {
        slCameratoolbarClick(true, id);
    }
    QWidget::keyPressEvent(event);
}

void MainFrame::togglePanel(Panel which)
{
    // Every panel a button toggles is registered when the window is built.
    const bool registered = panelHost_.toggle(which);
    Q_ASSERT(registered);
    Q_UNUSED(registered)
}

void MainFrame::toggleOcrDialog()
{
    if (ocrFrame_->isVisible()) {
        ocrFrame_->open(false);
    } else {
        ocrFrame_->open(true, galleryCheckedPaths());
    }
}

void MainFrame::showRecordingPanel()
{
    if (!recordFrame_) {
        recordFrame_ = new IVideoRecordFrame(board_);
        recordFrame_->setObjectName(QStringLiteral("panel.recording"));
        connect(recordFrame_, &IVideoRecordFrame::sgActiveChanged, this, [this](bool active) {
            cameraToolBar_->setEnabled(ICameraToolBar::VideoRecording, !active);
            cameraToolBar_->setChecked(ICameraToolBar::VideoRecording, active);
        });
        connect(recordFrame_, &IVideoRecordFrame::sgTip, this, &MainFrame::showTip);
        // No file offer while the window switches cameras (disabled) or closes.
        recordFrame_->setFileOfferGate([this] { return isEnabled() && !closing_; });
    }
    recordFrame_->showPanel(true);
}

void MainFrame::showSettingsDialog()
{
    settingFrame_->showPanel(true);
}

QString MainFrame::pictureInPictureDevicePath() const
{
    return pip_ ? pip_->cameraDevicePath() : QString();
}

void MainFrame::togglePictureViewer()
{
    viewer_->showPanel(!viewer_->isVisible());
}

void MainFrame::togglePictureInPicturePanel()
{
    // The button is not checkable: it is disabled while the panel shows a camera instead.
    pip_->showPanel(!pip_->isVisible());
}

void MainFrame::createCameraPanels()
{
    pixRateFrame_ = new IPixRateFrame(app_, this);
    pixRateFrame_->setAnchor(cameraToolBar_);
    pixRateFrame_->hide();
    parameterFrame_ = new IParameterFrame(app_, this);
    parameterFrame_->setAnchor(cameraToolBar_);
    parameterFrame_->hide();
    magnifierFrame_ = new IMagnifierFrame(app_, this);
    magnifierFrame_->hide();
    focusFrame_ = new IFocusFrame(app_, this);
    focusFrame_->setAnchor(cameraToolBar_);
    focusFrame_->hide();
    panelHost_.registerPanel(Panel::Resolution, pixRateFrame_);
    panelHost_.registerPanel(Panel::Parameter, parameterFrame_);
    panelHost_.registerPanel(Panel::Magnifier, magnifierFrame_);
    panelHost_.registerPanel(Panel::FocusExposure, focusFrame_);
}

void MainFrame::resetDevicePanels()
{
    pixRateFrame_->reload();
    parameterFrame_->initDefaultValues();
    focusFrame_->initDefaultValues();
}

void MainFrame::createBoardPanels()
{
    figureFrame_ = new IFigureFrame(app_, this);
    addBoardPanel(Panel::Shape, figureFrame_);
    colorFrame_ = new IColorFrame(app_, this);
    addBoardPanel(Panel::Color, colorFrame_);
    thicknessFrame_ = new IThicknessFrame(app_, this);
    addBoardPanel(Panel::Thickness, thicknessFrame_);
    transparentFrame_ = new ITransparentFrame(app_, this);
    addBoardPanel(Panel::Transparency, transparentFrame_);
    eraseFrame_ = new IEraseFrame(app_, this);
    addBoardPanel(Panel::Eraser, eraseFrame_);
}

void MainFrame::addBoardPanel(Panel which, IBoardPanel* panel)
{
    panel->hide();
    panel->setToolBar(boardToolBar_);
    panelHost_.registerPanel(which, panel);
}

void MainFrame::initBoardPanels()
{
    colorFrame_->setColor(config()->pencilColor());
    thicknessFrame_->setThickness(config()->pencilThickness());
    transparentFrame_->setValue(config()->pencilTransparent());
    eraseFrame_->setSize(config()->eraseSize());
    IBoardService::instance()->setShapeFilled(config()->shapeFilled());
}
