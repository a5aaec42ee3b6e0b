// The main window: construction, layout, and reactions to camera status, hot-plug and switches.
#include "mainframe.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QTimer>
#include <QUndoGroup>
#include <QVBoxLayout>

#include "board/iboard.h"
#include "board/ipixmapitem.h"
#include "board/islide.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/gallery/iimglistwidget.h"
#include "customui/kit/imsgbox.h"
#include "customui/kit/itimemsgbox.h"
#include "customui/kit/uiscale.h"
#include "customui/recording/ivideorecordframe.h"
#include "customui/settings/isettingframe.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/imaintitlewidget.h"
#include "customui/shell/irighttoolbar.h"
#include "customui/viewer/imageview.h"
#include "customui/viewer/ismallcameraframe.h"
#include "ffmpeg/iffmpegapi.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "iwinusbdevice.h"
#include "ocr/iocrframe.h"
#include "platform/video/ivideosystem.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

namespace {

constexpr int kBackgroundZ = -9999999;

}  // namespace

IConfigureService* MainFrame::config()
{
    return IConfigureService::instance();
}

ICamera* MainFrame::camera()
{
    return ICamera::instance();
}

MainFrame::MainFrame(IApplication* app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      app_(app)
{
    ITimeMsgBox::setAnchorWindow(this);
    config()->readConfigure();
    setWindowTitle(config()->productName);
    camera()->initData();
    IFFmpegApi::instance()->init();
    connect(IFFmpegApi::instance(), &IFFmpegApi::recordMessage, this, &MainFrame::onRecordMessage);
    connect(IFFmpegApi::instance(), &IFFmpegApi::sgRecordVideo, this, &MainFrame::onRecordVideo);
    createBoard();
    CreateUI();
    qDebug() << "Windows MainFrame used!";
}

MainFrame::~MainFrame()
{
    // A window that was never closed (start-up without a camera) still stops its workers.
    shutdown();
    delete recordFrame_;
}

IBoard* MainFrame::board() const
{
    return board_;
}

void MainFrame::createBoard()
{
    board_ = new IBoard(0, this);
    board_->setObjectName(QStringLiteral("board.view"));
    board_->setStyleSheet(QStringLiteral("background-color:rgb(105,105,105)"));
    board_->setSceneRect(-1073741824.0, -1073741824.0, 2147483647.0, 2147483647.0);
    boardTip_ = new ITimeMsgBox(board_);
    // The zoom tip sits in the middle of the picture: a click there is meant for the board.
    boardTip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    boardTip_->hide();
    board_->setTipHandler([this](const QString& text, int msec, const QPoint& pos) {
        boardTip_->showMessage(text, msec, pos.x(), pos.y());
    });
    connect(board_, &IBoard::sgClickOnBoard, this, QOverload<>::of(&MainFrame::slHideSecondWidget));
    connect(board_, &IBoard::sgIsFullScreen, this, &MainFrame::onFullScreen);
}

void MainFrame::CreateUI()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    rightToolBar_ = new IRightToolBar(this);
    boardToolBar_ = new IBoardToolBar(this);
    cameraToolBar_ = new ICameraToolBar(this);
    titleWidget_ = new IMainTitleWidget(this);
    gallery_ = new IImgListWidget(this);
    boardToolBar_->hide();
    createBoardPanels();
    viewer_ = new ImageView(this);
    viewer_->setObjectName(QStringLiteral("panel.viewer"));
    viewer_->hide();
    viewer_->setCheckedPaths([this]() { return galleryCheckedPaths(); });
    settingFrame_ = new ISettingFrame(app_, this);
    settingFrame_->setObjectName(QStringLiteral("dialog.settings"));
    settingFrame_->hide();
    ocrFrame_ = new IOcrFrame(this);
    ocrFrame_->setObjectName(QStringLiteral("panel.ocr"));
    ocrFrame_->hide();
    createCameraPanels();
    createCapturePanels();
    buildLayout();
    createKeys();
    pip_ = new ISmallCameraFrame(this);
    pip_->setObjectName(QStringLiteral("panel.pictureinpicture"));
    pip_->hide();

    connect(rightToolBar_, &IRightToolBar::sgButtonClick, this, &MainFrame::slRightToolBarClick);
    connect(boardToolBar_, &IBoardToolBar::sgButtonClick, this, &MainFrame::slBoardToolBarClick);
    // The history also reports while the window is torn down: reach only the bar, never `this`.
    IBoardToolBar* bar = boardToolBar_;
    connect(board_->history(), &QUndoGroup::canUndoChanged, bar,
            [bar](bool can) { bar->setEnabled(IBoardToolBar::Undo, can); });
    connect(board_->history(), &QUndoGroup::canRedoChanged, bar,
            [bar](bool can) { bar->setEnabled(IBoardToolBar::Redo, can); });
    connect(cameraToolBar_, &ICameraToolBar::sgButtonClick, this, &MainFrame::slCameratoolbarClick);
    connect(titleWidget_, &IMainTitleWidget::sgMove, this, &MainFrame::onTitleMoved);
    connect(titleWidget_, &IMainTitleWidget::sgCameraChooserOpening, this,
            &MainFrame::onCameraChooserOpening);
    connect(titleWidget_, &IMainTitleWidget::sgCameraChosen, this, &MainFrame::onCameraSelected);
    connect(titleWidget_, &IMainTitleWidget::sgSettingsAsked, this, &MainFrame::showSettingsDialog);
    connect(titleWidget_, &IMainTitleWidget::sgWindowResized, board_, &IBoard::centerOnBackground);
    connect(gallery_, &IImgListWidget::sgTip, this, &MainFrame::showTip);
    connect(viewer_, &ImageView::sgTip, this, &MainFrame::showTip);
    connect(pip_, &ISmallCameraFrame::sgTip, this, &MainFrame::showTip);
    connect(pip_, &ISmallCameraFrame::sgCameraListOpening, this,
            QOverload<>::of(&MainFrame::slHideSecondWidget));
    connect(pip_, &ISmallCameraFrame::sgCameraOpen, cameraToolBar_, [this](bool open) {
        cameraToolBar_->setEnabled(ICameraToolBar::PictureInPicture, !open);
    });
    connect(gallery_, &IImgListWidget::sgSaveFiles, this,
            [this](const QString& output, const QStringList& pictures, int layout) {
                if (captureThread_) {
                    captureThread_->setSaveFilesJob(output, pictures, layout);
                }
            });
}

void MainFrame::buildLayout()
{
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(gallery_);
    middle->addWidget(board_, 1);
    middle->addWidget(rightToolBar_);
    middle->addWidget(boardToolBar_);

    auto* column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(titleWidget_);
    column->addLayout(middle, 1);
    column->addWidget(cameraToolBar_);
}

void MainFrame::initScene()
{
    auto* page = new ISlide;
    board_->insertSlide(page, true);
    auto* background = new IPixmapItem(board_->size());
    background->setZValue(kBackgroundZ);
    board_->setBackgroundItem(background);
    board_->setPictureSize(config()->cameraResolution());
    board_->update();
    InitData();
}

void MainFrame::InitData()
{
    connect(camera(), &ICamera::sgError, this, &MainFrame::onCameraError, Qt::UniqueConnection);
    if (!camera()->openCamera(config()->currentCamera.index)) {
        qDebug() << "open error---->";
        emit camera()->sgError(CameraOpenFailed);
        return;
    }
    IBoardService::instance()->selectMode(0);
    initBoardPanels();
    connectCamera();
    startCaptureThread();
    startHotplugWatcher();
}

void MainFrame::connectCamera()
{
    connect(camera(), &ICamera::sgRunCopyImage, board_, &IBoard::detachBackgroundImage,
            Qt::UniqueConnection);
    connect(camera(), &ICamera::sgCameraFrame, this, &MainFrame::onCameraFrame,
            Qt::UniqueConnection);
    connect(camera(), &ICamera::sgCaptureImage, this, &MainFrame::processCapture,
            Qt::UniqueConnection);
    connect(camera(), &ICamera::sgChangeResolutionFromOtherApp, this,
            &MainFrame::onResolutionFromOtherApp, Qt::UniqueConnection);
    connect(board_, &IBoard::sgPictureShownSize, camera(), &ICamera::setViewSize,
            Qt::UniqueConnection);
    camera()->setViewSize(board_->shownPictureSize());
}

void MainFrame::onCameraFrame(const QImage& frame)
{
    board_->setBackgroundImage(orientation_ ? frame.mirrored(orientation_.testFlag(Qt::Horizontal),
                                                             orientation_.testFlag(Qt::Vertical))
                                            : frame);
}

// The Wi-Fi camera has no device path; its name stands for it.
QString MainFrame::cameraKey()
{
    const ICameraInfo& current = config()->currentCamera;
    return current.devicePath.isEmpty() ? current.friendlyName : current.devicePath;
}

void MainFrame::loadOrientation()
{
    orientation_ = config()->cameraOrientation(cameraKey());
    cameraToolBar_->setChecked(ICameraToolBar::Mirror, orientation_.testFlag(Qt::Horizontal));
    cameraToolBar_->setChecked(ICameraToolBar::Flip, orientation_.testFlag(Qt::Vertical));
}

void MainFrame::turnOver(Qt::Orientation which, bool on)
{
    orientation_.setFlag(which, on);
    config()->setCameraOrientation(cameraKey(), orientation_);
    qDebug() << "camera orientation:" << cameraKey() << int(orientation_);
}

void MainFrame::startHotplugWatcher()
{
    if (usbWatcher_) {
        return;
    }
    usbWatcher_ = new IWinUsbDevice;
    connect(usbWatcher_, &IWinUsbDevice::connectionChanged, this, &MainFrame::onUsbDeviceChanged);
}

void MainFrame::onCameraError(int code)
{
    if (closing_) {
        return;
    }
    qDebug() << "camera status:" << code;
    if (code == CameraOpened) {
        // The device may have streamed at another size than asked for.
        board_->setPictureSize(config()->cameraResolution());
        pixRateFrame_->setResolution(config()->cameraResolution(), true);
        loadOrientation();
    }
    if (firstOpenPending_ && code == CameraOpened) {
        firstOpenPending_ = false;
        resetDevicePanels();
        setToolBarsEnabled(true);
        everShown_ = true;
        showMaximized();
        QTimer::singleShot(200, board_, &IBoard::resetView);
        gallery_->reload();
    }
    setEnabled(true);
    if (code == CameraOpenFailed) {
        showNoDeviceBox();
    } else if (code == CameraUnplugged) {
        showTip(
            tr("The camera is not available, or it is caused by power failure, poor contact and "
               "being pulled out. Please check the equipment."));
    }
}

// A camera node the user may not open is the likely cause on Linux; say so rather than blaming
// the connection.
QString MainFrame::noDeviceText() const
{
    const QStringList denied = IVideoSystem::instance()->deniedDevices();
    if (denied.isEmpty()) {
        return tr(
            "No orvella device is found! The possible reasons could be: 1. Orvella is not "
            "connected properly. 2. Driver program is not installed successfully. 3. The "
            "device is damaged.");
    }
    qWarning() << "camera access denied:" << denied << "- the user is not in the video group";
    const QString user = qEnvironmentVariable("USER", QStringLiteral("$USER"));
    return tr("%1 may not open the camera %2 (permission denied). Add your user to the \"video\" "
              "group with \"sudo usermod -aG video %3\", then log out and in again.")
        .arg(config()->productName, denied.join(QStringLiteral(", ")), user);
}

void MainFrame::showNoDeviceBox()
{
    if (noDeviceBoxOpen_) {
        qDebug() << "no device box already open";
        return;
    }
    noDeviceBoxOpen_ = true;
    // Over the window when it is up, else in the middle of the screen.
    IMsgBox::message(noDeviceText(), IMsgBox::OkBox, config()->productName,
                     everShown_ ? this : nullptr);
    noDeviceBoxOpen_ = false;
    config()->currentCamera.index = -1;
    if (!everShown_) {
        // Start-up waits only a second for the camera; a report after that would otherwise leave a
        // process without a window.
        qDebug() << "not find device quit app.";
        QCoreApplication::exit(0);
    }
}

void MainFrame::onUsbDeviceChanged(bool connected, const QString& name)
{
    if (closing_) {
        return;
    }
    const QString current = config()->currentCamera.devicePath;
    qDebug() << "usb device change " << connected << name << current;
    if (!connected) {
        if (!current.isEmpty() && name.compare(current, Qt::CaseInsensitive) == 0) {
            slHideSecondWidget();
            clearBackgroundPicture();
            camera()->closeCurrent();
            stopRecording();
            setToolBarsEnabled(false);
            emit camera()->sgError(CameraUnplugged);
        } else if (!name.isEmpty() && name == pictureInPictureDevicePath()) {
            pip_->closeCameraWithTip(tr("The picture-in-picture camera was disconnected."));
        }
        return;
    }
    if (camera()->hasCaptureThread()) {
        return;
    }
    // The reopen takes the first supported camera; the picture-in-picture panel lets go of it.
    const QString next = camera()->companyCameraList().value(0).devicePath;
    if (!next.isEmpty() && next.compare(pictureInPictureDevicePath(), Qt::CaseInsensitive) == 0) {
        pip_->showPanel(false);
    }
    if (camera()->reopen()) {
        firstOpenPending_ = true;
    }
}

void MainFrame::clearBackgroundPicture()
{
    // The item keeps its last frame when given none; a transparent one of the same size leaves the
    // grey board showing and the view where it is.
    auto* picture = dynamic_cast<IPixmapItem*>(board_->backgroundItem());
    if (!picture || picture->image().isNull()) {
        return;
    }
    QImage blank(picture->image().size(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    board_->setBackgroundImage(blank);
}

void MainFrame::onFullScreen(bool fullScreen)
{
    titleWidget_->setVisible(!fullScreen);
    gallery_->setVisible(!fullScreen);
    QWidget* bar = boardMode_ ? static_cast<QWidget*>(boardToolBar_) : rightToolBar_;
    bar->setVisible(!fullScreen);
    // The camera toolbar comes up when the pointer reaches the bottom edge.
    fullScreen_ = fullScreen;
    cameraToolBar_->setVisible(!fullScreen);
    if (fullScreen) {
        edgeTimer_->start();
    } else {
        edgeTimer_->stop();
    }
}

void MainFrame::onTitleMoved()
{
    slHideSecondWidget();
    if (!timelapseFrame_->isCapturing()) {
        timelapseFrame_->showPanel(false);
    }
}

void MainFrame::onCameraChooserOpening()
{
    slHideSecondWidget();
    titleWidget_->setExcludedCameraPath(pictureInPictureDevicePath());
}

void MainFrame::onResolutionFromOtherApp(const QSize& size)
{
    // The camera changed its size itself: remember it without sending it back.
    qDebug() << "resolution changed by the camera:" << size;
    config()->setCameraResolution(size);
    pixRateFrame_->setResolution(size, true);
    board_->setPictureSize(size);
}

void MainFrame::setToolBarsEnabled(bool enabled)
{
    boardToolBar_->setEnabled(enabled);
    gallery_->setEnabled(enabled);
    rightToolBar_->setEnabled(enabled);
    cameraToolBar_->setEnabled(enabled);
}

void MainFrame::showTip(const QString& text)
{
    ITimeMsgBox::instance()->showMessage(text, 1000, -1000, -1000);
}

void MainFrame::onCameraSelected(const ICameraInfo& info)
{
    setEnabled(false);
    stopCaptureSeries();
    stopRecording();
    camera()->switchCamera(info);
    firstOpenPending_ = true;
    IBoardService::instance()->clearStrokesAndText();
    cameraToolBar_->setChecked(ICameraToolBar::Freeze, false);
    cameraToolBar_->setChecked(ICameraToolBar::AutoEdge, false);
    autoEdgeOn_ = false;
    cameraToolBar_->setEnabled(ICameraToolBar::Freeze, true);
    cameraToolBar_->setEnabled(ICameraToolBar::Resolution, true);
    cameraToolBar_->setEnabled(ICameraToolBar::AutoEdge, true);
    rightToolBar_->setEnabled(IRightToolBar::Rotate, true);
}

void MainFrame::showEvent(QShowEvent* event)
{
    setAttribute(Qt::WA_Mapped);
    QWidget::showEvent(event);
}

void MainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        if (windowState() & Qt::WindowMaximized) {
            cameraToolBar_->hide();
            cameraToolBar_->show();
        }
        if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            placeCaptureBars();
            slHideSecondWidget();
        }
    }
    QWidget::changeEvent(event);
}
