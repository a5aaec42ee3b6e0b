#include "mainframe.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSoundEffect>
#include <QTimer>
#include <QVBoxLayout>

#include "appdata.h"
#include "board/iboard.h"
#include "board/ipixmapitem.h"
#include "board/islide.h"
#include "capturejob.h"
#include "customui/iboardtoolbar.h"
#include "customui/icameratoolbar.h"
#include "customui/imaintitlewidget.h"
#include "customui/imsgbox.h"
#include "customui/irighttoolbar.h"
#include "customui/itimemsgbox.h"
#include "ffmpeg/iffmpegapi.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "iwinusbdevice.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "uiscale.h"

namespace {

// Which bar a click came from, for slHideSecondWidget.
enum BarType { NoBar = 0, RightBar = 1, BoardBar = 2, CameraBar = 3 };

constexpr int kTipMs = 1000;
constexpr int kBackgroundZ = -9999999;

// How long closing waits for a stopped screen recording to hand over its file.
constexpr int kRecordingStopGraceMs = 5000;

IConfigureService* config()
{
    return IConfigureService::instance();
}

ICamera* camera()
{
    return ICamera::instance();
}

}  // namespace

MainFrame::MainFrame(IApplication* app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      app_(app)
{
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
}

IBoard* MainFrame::board() const
{
    return board_;
}

void MainFrame::createBoard()
{
    board_ = new IBoard(0, this);
    board_->setStyleSheet(QStringLiteral("background-color:rgb(105,105,105)"));
    board_->setSceneRect(-1073741824.0, -1073741824.0, 2147483647.0, 2147483647.0);
    boardTip_ = new ITimeMsgBox(board_);
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
    // The gallery panel is built elsewhere; until then its place in the layout stays empty.
    gallery_ = new ICustomWidget(this);
    gallery_->setObjectName(QStringLiteral("gallery"));
    gallery_->setFixedWidth(static_cast<int>(200 * uiScale));
    boardToolBar_->hide();
    buildLayout();

    connect(rightToolBar_, &IRightToolBar::sgButtonClick, this, &MainFrame::slRightToolBarClick);
    connect(boardToolBar_, &IBoardToolBar::sgButtonClick, this, &MainFrame::slBoardToolBarClick);
    connect(cameraToolBar_, &ICameraToolBar::sgButtonClick, this, &MainFrame::slCameratoolbarClick);
    connect(titleWidget_, &IMainTitleWidget::sgMove, this, &MainFrame::onTitleMoved);
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
        emit camera()->sgError(1);
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
    connect(camera(), &ICamera::sgCameraFrame, board_, &IBoard::setBackgroundImage,
            Qt::UniqueConnection);
    connect(camera(), &ICamera::sgCaptureImage, this, &MainFrame::processCapture,
            Qt::UniqueConnection);
    connect(camera(), &ICamera::sgChangeResolutionFromOtherApp, this,
            &MainFrame::onResolutionFromOtherApp, Qt::UniqueConnection);
}

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

void MainFrame::startHotplugWatcher()
{
    if (usbWatcher_) {
        return;
    }
    usbWatcher_ = new IWinUsbDevice;
    connect(usbWatcher_, &IWinUsbDevice::connectionChanged, this, &MainFrame::onUsbDeviceChanged);
}

// ---- camera status and hot-plug ----

void MainFrame::onCameraError(int code)
{
    if (closing_) {
        return;
    }
    qDebug() << "camera status:" << code;
    if (code == 0) {
        // The device may have streamed at another size than asked for.
        board_->setPictureSize(config()->cameraResolution());
    }
    if (firstOpenPending_ && code == 0) {
        firstOpenPending_ = false;
        resetDevicePanels();
        setToolBarsEnabled(true);
        everShown_ = true;
        showMaximized();
        QTimer::singleShot(200, board_, &IBoard::resetView);
        // The gallery keeps no stored state, so there is nothing to reload.
    }
    setEnabled(true);
    if (code == 1) {
        showNoDeviceBox();
    } else if (code == 3) {
        showTip(
            tr("The camera is not available, or it is caused by power failure, poor contact and "
               "being pulled out. Please check the equipment."));
    }
}

void MainFrame::showNoDeviceBox()
{
    if (noDeviceBoxOpen_) {
        qDebug() << "no device box already open";
        return;
    }
    noDeviceBoxOpen_ = true;
    // Over the window when it is up, else in the middle of the screen.
    IMsgBox::message(tr("No orvella device is found! The possible reasons could be: 1. Orvella "
                        "is not connected properly. 2. Driver program is not installed "
                        "successfully. 3. The device is damaged."),
                     IMsgBox::OkBox, config()->productName, everShown_ ? this : nullptr);
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
            emit camera()->sgError(3);
        } else if (!name.isEmpty() && name == pictureInPictureDevicePath()) {
            togglePictureInPicturePanel();
        }
        return;
    }
    if (!camera()->hasCaptureThread() && camera()->reopen()) {
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

// ---- layout reactions ----

void MainFrame::onFullScreen(bool fullScreen)
{
    titleWidget_->setVisible(!fullScreen);
    gallery_->setVisible(!fullScreen);
    QWidget* bar = boardMode_ ? static_cast<QWidget*>(boardToolBar_) : rightToolBar_;
    bar->setVisible(!fullScreen);
}

void MainFrame::onTitleMoved()
{
    slHideSecondWidget();
}

void MainFrame::onResolutionFromOtherApp(const QSize& size)
{
    // The camera changed its size itself: remember it without sending it back.
    qDebug() << "resolution changed by the camera:" << size;
    config()->setCameraResolution(size);
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
    ITimeMsgBox::instance()->showMessage(text, kTipMs, -1000, -1000);
}

// ---- panel hiding ----

MainFrame::SecondaryPanel MainFrame::keptPanel(int barType, int id)
{
    static const QMap<QPair<int, int>, SecondaryPanel> kept = {
        {{RightBar, IRightToolBar::Magnifier}, SecondaryPanel::Magnifier},
        {{BoardBar, IBoardToolBar::Thickness}, SecondaryPanel::Thickness},
        {{BoardBar, IBoardToolBar::Color}, SecondaryPanel::Color},
        {{BoardBar, IBoardToolBar::Transparency}, SecondaryPanel::Transparency},
        {{BoardBar, IBoardToolBar::Shape}, SecondaryPanel::Shape},
        {{BoardBar, IBoardToolBar::Eraser}, SecondaryPanel::Eraser},
        {{CameraBar, ICameraToolBar::FocusExposure}, SecondaryPanel::FocusExposure},
        {{CameraBar, ICameraToolBar::Resolution}, SecondaryPanel::Resolution},
        {{CameraBar, ICameraToolBar::ColorAdjusting}, SecondaryPanel::Parameter},
        {{CameraBar, ICameraToolBar::PhotoMode}, SecondaryPanel::CaptureMode},
        {{CameraBar, ICameraToolBar::Ocr}, SecondaryPanel::Ocr},
        {{CameraBar, ICameraToolBar::PictureInPicture}, SecondaryPanel::PictureInPicture},
        {{CameraBar, ICameraToolBar::SplitScreen}, SecondaryPanel::Viewer},
    };
    return kept.value(qMakePair(barType, id), SecondaryPanel::None);
}

void MainFrame::registerSecondaryPanel(SecondaryPanel which, QWidget* panel)
{
    if (which == SecondaryPanel::None || which >= SecondaryPanel::Magnifier) {
        qDebug() << "not a panel that closes with the others:" << which;
        return;
    }
    secondaryPanels_.insert(which, panel);
}

void MainFrame::hideSecondaryPanels(SecondaryPanel kept)
{
    titleWidget_->hideCameraChooser();
    for (auto it = secondaryPanels_.cbegin(); it != secondaryPanels_.cend(); ++it) {
        QWidget* panel = it.value();
        if (!panel || it.key() == kept || !panel->isVisible()) {
            continue;
        }
        // A panel stores its values when it is hidden through showPanel(false).
        if (panel->metaObject()->indexOfMethod("showPanel(bool)") >= 0) {
            QMetaObject::invokeMethod(panel, "showPanel", Q_ARG(bool, false));
        } else {
            panel->hide();
        }
    }
}

void MainFrame::slHideSecondWidget(int barType, QVariant flag)
{
    hideSecondaryPanels(keptPanel(barType, flag.toInt()));
}

void MainFrame::slHideSecondWidget(int barType)
{
    slHideSecondWidget(barType, 0);
}

void MainFrame::slHideSecondWidget()
{
    slHideSecondWidget(NoBar, 0);
}

// ---- toolbar dispatch ----

void MainFrame::slCameratoolbarClick(bool checked, QVariant id)
{
    slHideSecondWidget(CameraBar, id);
    switch (id.toInt()) {
        case ICameraToolBar::FocusExposure:
            toggleFocusExposurePanel();
            break;
        case ICameraToolBar::Resolution:
            toggleResolutionPanel();
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
            toggleParameterPanel();
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
            toggleCaptureModePanel();
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
        default:
            break;
    }
}

void MainFrame::slRightToolBarClick(bool, QVariant id)
{
    slHideSecondWidget(RightBar, id);
    switch (id.toInt()) {
        case IRightToolBar::Board:
            enterBoardMode();
            break;
        case IRightToolBar::Magnifier:
            toggleMagnifierPanel();
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
    slHideSecondWidget(BoardBar, id);
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
            toggleThicknessPanel();
            break;
        case IBoardToolBar::Color:
            toggleColorPanel();
            break;
        case IBoardToolBar::Transparency:
            toggleTransparencyPanel();
            break;
        case IBoardToolBar::Text:
            service->textMode(0);
            break;
        case IBoardToolBar::Shape:
            toggleShapePanel();
            break;
        case IBoardToolBar::Eraser:
            service->eraserMode(100, 0);
            toggleEraserPanel();
            break;
        case IBoardToolBar::Clear:
            service->clearStrokesAndText();
            break;
        case IBoardToolBar::Home:
            leaveBoardMode();
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
    cameraToolBar_->setEnabled(ICameraToolBar::Resolution, !frozen);
    cameraToolBar_->setEnabled(ICameraToolBar::AutoEdge, !frozen);
}

void MainFrame::setAutoEdge(bool on)
{
    autoEdgeOn_ = on;
    camera()->setAutoEdge(on);
}

// ---- keyboard ----

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

// ---- capture ----

int MainFrame::captureMode() const
{
    return 0;
}

void MainFrame::snap()
{
    // A shortcut must not start a second capture while one is on its way.
    if (!cameraToolBar_->isButtonEnabled(ICameraToolBar::Snap)) {
        qDebug() << "snap ignored: a capture is in progress";
        return;
    }
    switch (captureMode()) {
        case 0:
            captureWithType(NormalImage);
            break;
        case 1:
            grabWindowToGallery();
            break;
        case 2:
            showPartialCapture();
            break;
        case 3:
            startTimerCapture();
            break;
        case 4:
            showTimelapsePanel();
            break;
        case 5:
            copyWindowToClipboard();
            break;
        case 6:
            captureWithType(BlackWhiteImage);
            break;
        case 7:
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

void MainFrame::showPartialCapture()
{
    board_->zoomToActualSize();
    partialFrameOrigin_ = mapFromGlobal(board_->backgroundGlobalRect().topLeft().toPoint());
    panelUnavailable(QStringLiteral("partial-capture frame"));
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

QPointF MainFrame::overlayFactors(const QSizeF& picture, const QSizeF& background)
{
    if (picture.isEmpty() || background.isEmpty()) {
        return QPointF(0, 0);
    }
    return QPointF(picture.width() / background.width(), picture.height() / background.height());
}

QRect MainFrame::captureRectInPicture(const QRectF& sceneRect, const QRectF& background,
                                      const QPointF& factors, const QSize& picture)
{
    if (sceneRect.isEmpty() || !(factors.x() > 0) || !(factors.y() > 0)) {
        return QRect();
    }
    const QRectF inPicture((sceneRect.left() - background.left()) * factors.x(),
                           (sceneRect.top() - background.top()) * factors.y(),
                           sceneRect.width() * factors.x(), sceneRect.height() * factors.y());
    return inPicture.toRect().intersected(QRect(QPoint(0, 0), picture));
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
    if (picture.isNull()) {
        qDebug() << "no picture to capture";
        setSnapEnabled(true);
        return;
    }
    if (!captureThread_) {
        qDebug() << "no capture thread: picture dropped";
        setSnapEnabled(true);
        return;
    }
    const QRectF background = board_->backgroundRect();
    const QPointF factors = overlayFactors(picture.size(), background.size());
    const int mode = captureMode();
    CaptureJob job;
    job.picture = picture;
    job.rotation = board_->rotation();
    job.folder = timelapseShot_ ? QString() : config()->photoPath();
    if (mode == 2) {
        job.captureRect =
            captureRectInPicture(partialCaptureSceneRect(), background, factors, picture.size());
    }
    if (autoEdgeOn_ && !timelapseShot_ && mode != 2) {
        job.edge = camera()->autoEdgeResult();
    }
    if (!factors.isNull()) {
        job.overlay = board_->renderOverlay(factors.x(), factors.y());
    }
    captureThread_->addCaptureJob(job);
    timelapseShot_ = false;
}

void MainFrame::slCaputerImage(QImage picture, QString path)
{
    if (path.isEmpty()) {
        IFFmpegApi::instance()->addTimelapsePicture(picture);
    } else {
        playShutterSound();
        addToGallery(picture, path);
    }
    setSnapEnabled(true);
}

void MainFrame::onCaptureFailed(const QString& path)
{
    qDebug() << "capture not saved:" << path;
    showTip(tr("Save failed."));
    setSnapEnabled(true);
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
        ITimeMsgBox::instance()->showMessage(tr("请先选择左边列表文件"), kTipMs, -1000, -1000);
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
    if (!name.endsWith(QLatin1String(".pdf"))) {
        name += QLatin1String(".pdf");
    }
    if (captureThread_) {
        captureThread_->setSaveFilesJob(name, paths, 1);
    }
}

QStringList MainFrame::galleryCheckedPaths() const
{
    return {};
}

// ---- camera switch ----

void MainFrame::onCameraSelected(const ICameraInfo& info)
{
    setEnabled(false);
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

// ---- recording ----

void MainFrame::onRecordMessage(int code)
{
    recording_ = code == 2;
}

void MainFrame::onRecordVideo(const QString& path)
{
    qDebug() << "recording finished:" << path;
    recording_ = false;
}

void MainFrame::stopRecording()
{
    if (!recording_) {
        return;
    }
    qDebug() << "stopping the screen recording";
    IFFmpegApi::instance()->stopRecord();
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

// ---- window events ----

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
            slHideSecondWidget();
        }
    }
    QWidget::changeEvent(event);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    if (!shutDown_) {
        shutdown();
        waitProcessingEvents(200);
    }
    event->accept();
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
            panelUnavailable(QStringLiteral("magnifier panel"));
            break;
        case ShutdownStep::HidePanels:
            slHideSecondWidget();
            break;
        case ShutdownStep::WriteSettings:
            config()->writeConfigure();
            break;
        case ShutdownStep::EndOcr:
            panelUnavailable(QStringLiteral("OCR dialog"));
            break;
        case ShutdownStep::DrainCaptures:
            // Every queued photo is written before the thread goes.
            delete captureThread_;
            captureThread_ = nullptr;
            break;
        case ShutdownStep::StopTimelapse:
            panelUnavailable(QStringLiteral("time-lapse panel"));
            break;
        case ShutdownStep::StopTimerCapture:
            panelUnavailable(QStringLiteral("timer-capture panel"));
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
            panelUnavailable(QStringLiteral("picture-in-picture panel"));
            break;
    }
}

// ---- panels built elsewhere ----

void MainFrame::panelUnavailable(const QString& panel)
{
    qDebug() << panel << "is not available yet";
}

void MainFrame::toggleFocusExposurePanel()
{
    panelUnavailable(QStringLiteral("focus-and-exposure panel"));
}

void MainFrame::toggleResolutionPanel()
{
    panelUnavailable(QStringLiteral("resolution panel"));
}

void MainFrame::toggleParameterPanel()
{
    panelUnavailable(QStringLiteral("colour-adjusting panel"));
}

void MainFrame::toggleCaptureModePanel()
{
    panelUnavailable(QStringLiteral("capture-mode panel"));
}

void MainFrame::showRecordingPanel()
{
    panelUnavailable(QStringLiteral("recording panel"));
}

void MainFrame::toggleOcrDialog()
{
    panelUnavailable(QStringLiteral("OCR dialog"));
}

void MainFrame::togglePictureInPicturePanel()
{
    panelUnavailable(QStringLiteral("picture-in-picture panel"));
}

void MainFrame::togglePictureViewer()
{
    panelUnavailable(QStringLiteral("picture viewer"));
}

void MainFrame::toggleMagnifierPanel()
{
    panelUnavailable(QStringLiteral("magnifier panel"));
}

void MainFrame::toggleThicknessPanel()
{
    panelUnavailable(QStringLiteral("thickness panel"));
}

void MainFrame::toggleColorPanel()
{
    panelUnavailable(QStringLiteral("colour panel"));
}

void MainFrame::toggleTransparencyPanel()
{
    panelUnavailable(QStringLiteral("transparency panel"));
}

void MainFrame::toggleShapePanel()
{
    panelUnavailable(QStringLiteral("shape panel"));
}

void MainFrame::toggleEraserPanel()
{
    panelUnavailable(QStringLiteral("eraser panel"));
}

void MainFrame::startTimerCapture()
{
    panelUnavailable(QStringLiteral("timer-capture panel"));
}

void MainFrame::showTimelapsePanel()
{
    panelUnavailable(QStringLiteral("time-lapse panel"));
}

void MainFrame::showSettingsDialog()
{
    panelUnavailable(QStringLiteral("settings dialog"));
}

QString MainFrame::pictureInPictureDevicePath() const
{
    return QString();
}

void MainFrame::addToGallery(const QImage&, const QString& path)
{
    qDebug() << "captured:" << path;
    panelUnavailable(QStringLiteral("gallery"));
}

void MainFrame::resetDevicePanels()
{
    panelUnavailable(QStringLiteral("resolution, colour-adjusting and focus panels"));
}

void MainFrame::initBoardPanels()
{
    panelUnavailable(QStringLiteral("colour, thickness, transparency and eraser panels"));
}
