#include <QtTest>

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTcpServer>

#include "board/boardtesthelpers.h"
#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/ipixmapitem.h"
#include "customui/boardpanels/ieraseframe.h"
#include "customui/boardpanels/itransparentframe.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/capture/icaptureframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/itimelapsebutton.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/capture/itimelapsetimes.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/gallery/iimglist.h"
#include "customui/gallery/iimglistitem.h"
#include "customui/gallery/iimglistwidget.h"
#include "customui/kit/icustomslider.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/itimemsgbox.h"
#include "customui/kit/uiscale.h"
#include "customui/recording/ivideorecordframe.h"
#include "customui/recording/ivideorecordmsgbox.h"
#include "customui/settings/isettingaboutpage.h"
#include "customui/settings/isettingframe.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/imaintitlewidget.h"
#include "customui/shell/irighttoolbar.h"
#include "customui/viewer/imageview.h"
#include "customui/viewer/ismallcameraframe.h"
#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "iapplication.h"
#include "icamera.h"
#include "icapturebackend.h"
#include "iimagetansformthread.h"
#include "kittesthelpers.h"
#include "mainframe.h"
#include "modalanswerer.h"
#include "ocr/iocrframe.h"
#include "ocr/iocrprogressbar.h"
#include "ocrtesthelpers.h"
#include "platform/video/iv4l2systemio.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/ivirtualcamerahub.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"
#include "videoprobe.h"

using Step = MainFrame::ShutdownStep;

// The main window with its hooks opened: which shutdown steps ran, and a capture mode and gallery
// choice set by the test.
class ProbeFrame : public MainFrame {
public:
    using MainFrame::MainFrame;

    QList<Step> steps;
    std::function<void(Step)> beforeStep;
    int mode = 0;
    QStringList checked;
    QString pipPath;

    // The window's parts, found by name as a test from outside finds them; the recording panel
    // is a window of its own.
    template <typename T>
    T* part(const QString& name = QString()) const
    {
        T* found = findChild<T*>(name);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            found = found || window->objectName() != name ? found : qobject_cast<T*>(window);
        }
        return found;
    }

    QString pictureInPictureDevicePath() const override
    {
        return pipPath.isEmpty() ? MainFrame::pictureInPictureDevicePath() : pipPath;
    }

protected:
    void runShutdownStep(Step step) override
    {
        steps << step;
        if (beforeStep) {
            beforeStep(step);
        }
        MainFrame::runShutdownStep(step);
    }
    CaptureMode captureMode() const override { return CaptureMode(mode); }
    QStringList galleryCheckedPaths() const override
    {
        return checked.isEmpty() ? MainFrame::galleryCheckedPaths() : checked;
    }
};

// The main window against the virtual cameras (two of them), the real capture-saving thread
// and the real board: dispatch tables, shortcuts, status codes, hot-plug, camera switch,
// capture modes and the shutdown order.
class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void layout();
    void dispatch_data();
    void dispatch();
    void freezeStopsTheStreamAndEdging();
    void shortcutTable_data();
    void shortcutTable();
    void keyboardSnapRespectsTheSnapButton();
    void snapStaysDisabledUntilSaved();
    void snapWithShutterSoundOn();
    void captureModes_data();
    void captureModes();
    void failedSaveShowsTipAndEnablesSnap();
    void timelapseVideo();
    void timingCaptureSurvivesLostPicture();
    void partialCapture_data();
    void partialCapture();
    void pdfExportOfCheckedPictures();
    // Before the case that ends the event loop: nested loops return at once after it.
    void ocrDialogAndClosingDuringJob();
    void closingAnswersOpenBoxes_data();
    void closingAnswersOpenBoxes();
    void panelsCloseTogether();
    void closingPanelsStoreTheirValue_data();
    void closingPanelsStoreTheirValue();
    void fullScreenHidesTheFrame();
    void statusCodes_data();
    void statusCodes();
    void noDeviceAfterStartupWaitEndsProcess_data();
    void noDeviceAfterStartupWaitEndsProcess();
    void unplugAndReplugCurrentCamera();
    void unplugOtherCameraChangesNothing();
    void cameraChooserSwitchesCamera();
    void pictureInPicture();
    void shutdownOrder();
    void cameraSwitchAndCloseStopTheRecording();

private:
    ProbeFrame* startFrame(bool waitForOpen = true);
    // The window of the current row: the one of the previous row of the same case if any.
    ProbeFrame* sharedFrame();
    void closeFrame();
    QStringList photos() const;
    QString tipText() const;
    QStringList outcome(const std::function<void()>& action);
    void waitForFrames(int count);

    QTemporaryDir dir_;
    QString photoDir_;
    ProbeFrame* frame_ = nullptr;
    QByteArray sharedFor_;  // the case whose rows share frame_
    QTcpServer wifiControl_;
};

namespace {

IApplication* app()
{
    return static_cast<IApplication*>(qApp);
}

QStringList shownPanels(MainFrame* frame)
{
    QStringList shown;
    for (int i = int(IPanelHost::Panel::FocusExposure); i <= int(IPanelHost::Panel::Viewer); ++i) {
        if (frame->panelHost()->isVisible(IPanelHost::Panel(i))) {
            shown << "shown:" + IPanelHost::panelName(IPanelHost::Panel(i));
        }
    }
    return shown;
}

IPixmapItem* picture(MainFrame* frame)
{
    return dynamic_cast<IPixmapItem*>(frame->board()->backgroundItem());
}

QLabel* tipLabel()
{
    return ITimeMsgBox::instance()->findChild<QLabel*>();
}

}  // namespace

void TestMainFrame::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY(dir_.isValid());
    qRegisterMetaType<QVariant>();
}

void TestMainFrame::cleanupTestCase()
{
    closeFrame();
}

void TestMainFrame::init()
{
    photoDir_ = dir_.filePath(QString::fromLatin1(QTest::currentTestFunction()) + "_" +
                              QString::fromLatin1(QTest::currentDataTag()));
    QDir().mkpath(photoDir_);
    if (sharedFor_ != QTest::currentTestFunction()) {
        closeFrame();
    } else if (frame_) {
        IConfigureService::instance()->setPhotoPath(photoDir_);
    }
    IVirtualCameraHub* hub = IVirtualCameraHub::instance();
    for (int i = 0; i < 2; ++i) {
        hub->setFailOpen(i, false);
        hub->replug(i);
    }
}

void TestMainFrame::cleanup()
{
    // Rows of a data-driven case may share one window; whatever follows them closes it.
    if (sharedFor_.isEmpty() || QTest::currentTestFailed()) {
        closeFrame();
    }
    IConfigureService::instance()->photoSound = false;
    ITimeMsgBox::instance()->hide();
}

ProbeFrame* TestMainFrame::sharedFrame()
{
    if (!frame_) {
        startFrame();
        sharedFor_ = QTest::currentTestFunction();
    }
    return frame_;
}

void TestMainFrame::closeFrame()
{
    sharedFor_.clear();
    if (frame_) {
        frame_->close();
        delete frame_;
        frame_ = nullptr;
    }
}

ProbeFrame* TestMainFrame::startFrame(bool waitForOpen)
{
    // As IApplication::exec builds it, with this window in place of the application's.
    frame_ = new ProbeFrame(app());
    IBoardService::instance()->attach(app());
    IBoardService::instance()->attachBoard(frame_->board());
    IBoardService::instance()->init();
    IConfigureService::instance()->attach(app());
    IConfigureService::instance()->setPhotoPath(photoDir_);
    frame_->initScene();
    if (waitForOpen) {
        [&]() { QTRY_VERIFY(frame_->isVisible()); }();
        waitForFrames(2);
        // The view is fitted 200 ms after the window appears.
        QTest::qWait(300);
    }
    return frame_;
}

void TestMainFrame::waitForFrames(int count)
{
    QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
    QTRY_VERIFY(frames.size() >= count);
}

QStringList TestMainFrame::photos() const
{
    return QDir(photoDir_).entryList(QDir::Files, QDir::Name);
}

// The tip last shown and not yet faded out; it lives in the window, so a hidden window hides it.
QString TestMainFrame::tipText() const
{
    return ITimeMsgBox::instance()->isHidden() ? QString() : tipLabel()->text();
}

// What an action visibly did: panels shown, view changes, input mode, toolbars, photos.
QStringList TestMainFrame::outcome(const std::function<void()>& action)
{
    IBoard* board = frame_->board();
    ICameraToolBar* bar = frame_->part<ICameraToolBar>("camera");
    const double scale = board->viewScale();
    const int rotation = board->rotation();
    const int mode = board->modeType();
    const bool boardMode = !frame_->part<IBoardToolBar>("board")->isHidden();
    const bool edge = frame_->part<ICameraToolBar>("camera")->isChecked(ICameraToolBar::AutoEdge);
    const bool resolution = bar->isButtonEnabled(ICameraToolBar::Resolution);
    const int elements = board->currentSlide()->elements().size();
    const QStringList shown = shownPanels(frame_);
    const int files = photos().size();
    ITimeMsgBox::instance()->hide();

    action();
    if (!QTest::qWaitFor([bar]() { return bar->isButtonEnabled(ICameraToolBar::Snap); }, 5000)) {
        return {"snap stays disabled"};
    }

    QStringList seen;
    for (const QString& panel : shownPanels(frame_)) {
        if (!shown.contains(panel)) {
            seen << panel;
        }
    }
    if (board->viewScale() > scale * 1.01) {
        seen << "zoom in";
    } else if (board->viewScale() < scale * 0.99) {
        seen << "zoom out";
    }
    if (board->rotation() != rotation) {
        seen << QStringLiteral("rotate %1").arg(board->rotation());
    }
    if (board->modeType() != mode) {
        seen << QStringLiteral("mode %1").arg(board->modeType());
    }
    if (!frame_->part<IBoardToolBar>("board")->isHidden() != boardMode) {
        seen << (!frame_->part<IBoardToolBar>("board")->isHidden() ? "board toolbar"
                                                                   : "right toolbar");
    }
    if (frame_->part<ICameraToolBar>("camera")->isChecked(ICameraToolBar::AutoEdge) != edge) {
        seen << (frame_->part<ICameraToolBar>("camera")->isChecked(ICameraToolBar::AutoEdge)
                     ? "edging on"
                     : "edging off");
    }
    if (bar->isButtonEnabled(ICameraToolBar::Resolution) != resolution) {
        seen << (resolution ? "resolution locked" : "resolution free");
    }
    if (frame_->isMinimized()) {
        seen << "minimized";
        frame_->showMaximized();
    }
    if (board->currentSlide()->elements().size() < elements) {
        seen << "cleared";
    }
    if (photos().size() > files) {
        seen << "photo";
    }
    if (!tipText().isEmpty()) {
        seen << "tip:" + tipText();
    }
    if (IVideoRecordFrame* recording = frame_->part<IVideoRecordFrame>("panel.recording");
        recording && recording->isVisible()) {
        // It holds the Record button while it shows.
        const int id = ICameraToolBar::VideoRecording;
        seen << (bar->isChecked(id) && !bar->isButtonEnabled(id) ? "recording"
                                                                 : "recording, 12 free");
        recording->showPanel(false);
    }
    return seen;
}

void TestMainFrame::layout()
{
    startFrame();
    QVERIFY(frame_->isMaximized());
    QCOMPARE(frame_->windowFlags() & 0xFFFF, Qt::WindowFlags(0xE801));
    const QRect title = frame_->part<IMainTitleWidget>("title")->geometry();
    const QRect gallery = frame_->part<IImgListWidget>("gallery")->geometry();
    const QRect board = frame_->board()->geometry();
    const QRect right = frame_->part<IRightToolBar>("right")->geometry();
    const QRect camera = frame_->part<ICameraToolBar>("camera")->geometry();
    QCOMPARE(title.top(), 0);
    QCOMPARE(title.width(), frame_->width());
    QCOMPARE(gallery.top(), title.bottom() + 1);
    QCOMPARE(gallery.width(), 200);
    QCOMPARE(board.left(), gallery.right() + 1);
    QCOMPARE(right.left(), board.right() + 1);
    QCOMPARE(right.right(), frame_->width() - 1);
    QCOMPARE(camera.top(), board.bottom() + 1);
    QCOMPARE(camera.bottom(), frame_->height() - 1);
    QVERIFY(!frame_->part<IBoardToolBar>("board")->isVisible());
    // The live picture is on the board.
    QTRY_VERIFY(!picture(frame_)->image().isNull());
    QCOMPARE(frame_->board()->pictureSize(),
             QSizeF(IConfigureService::instance()->cameraResolution()));
    // The camera panels were filled from the camera that opened.
    QCOMPARE(frame_->part<IPixRateFrame>("panel.resolution")->buttons().size(), 7);
    // A size the camera reports itself moves the check mark and goes nowhere.
    QSignalSpy statuses(ICamera::instance(), &ICamera::sgError);
    emit ICamera::instance()->sgChangeResolutionFromOtherApp(QSize(1280, 720));
    QVERIFY(frame_->part<IPixRateFrame>("panel.resolution")->buttons().at(2)->isChecked());
    QCOMPARE(IConfigureService::instance()->cameraResolution(), QSize(1280, 720));
    QVERIFY(!statuses.wait(500));
}

void TestMainFrame::dispatch_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char* bar, int id, bool checked, const QStringList& expected) {
        QTest::addRow("%s %d", bar, id) << QString::fromLatin1(bar) << id << checked << expected;
    };
    row("camera", 0, false, {"shown:focus-and-exposure panel"});
    row("camera", 1, false, {});
    row("camera", 2, false, {"shown:resolution panel"});
    row("camera", 3, false, {"zoom in"});
    row("camera", 4, false, {"zoom out"});
    row("camera", 5, false, {"rotate 180"});
    row("camera", 6, true, {"resolution locked"});
    row("camera", 7, false, {"shown:colour-adjusting panel"});
    row("camera", 8, false, {"zoom out", "rotate 0"});
    row("camera", 9, true, {"edging on"});
    row("camera", 10, false, {"photo"});
    row("camera", 11, false, {"shown:capture-mode panel"});
    row("camera", 12, false, {"zoom out", "recording"});  // the picture at actual size
    row("camera", 13, false, {"modal:IOcrFrame"});
    row("camera", 14, false, {QString::fromUtf8("tip:请先选择左边列表文件")});
    row("camera", 15, false, {});
    row("camera", 16, false, {"ISmallCameraFrame"});
    row("camera", 17, false, {"ImageView"});
    row("camera", 99, false, {});
    row("right", 0, false, {"board toolbar"});
    row("right", 1, false, {"shown:magnifier panel"});
    row("right", 2, false, {"zoom in"});
    row("right", 3, false, {"zoom out"});
    row("right", 4, false, {"rotate 180"});
    row("right", 5, false, {"zoom out", "rotate 0"});
    // Board rows start in board mode with the line tool (mode 9), which no button sets.
    row("board", 0, true, {"mode 1"});
    row("board", 1, true, {"mode 5"});
    row("board", 2, false, {"shown:thickness panel"});
    row("board", 3, false, {"shown:colour panel"});
    row("board", 4, false, {"shown:transparency panel"});
    row("board", 5, true, {"mode 2"});
    row("board", 6, true, {"shown:shape panel"});
    row("board", 7, true, {"shown:eraser panel", "mode 3"});
    row("board", 8, false, {"cleared", "tip:Page cleared. Ctrl+Z brings it back."});
    row("board", 9, false, {"mode 1", "right toolbar"});
    row("board", 10, false, {"minimized"});
}

void TestMainFrame::dispatch()
{
    QFETCH(QString, bar);
    QFETCH(int, id);
    QFETCH(bool, checked);
    QFETCH(QStringList, expected);
    sharedFrame();
    // Back to the picture view with nothing switched on.
    if (!frame_->part<IBoardToolBar>("board")->isHidden()) {
        frame_->slBoardToolBarClick(false, IBoardToolBar::Home);
    }
    ICameraToolBar* cameraBar = frame_->part<ICameraToolBar>("camera");
    cameraBar->setChecked(ICameraToolBar::Freeze, false);
    frame_->slCameratoolbarClick(false, ICameraToolBar::Freeze);
    cameraBar->setChecked(ICameraToolBar::AutoEdge, false);
    frame_->slCameratoolbarClick(false, ICameraToolBar::AutoEdge);
    IBoard* board = frame_->board();
    board->resetView();
    board->zoomBy(1.5);
    board->rotateBy(90);
    if (bar == "board") {
        frame_->slRightToolBarClick(false, IRightToolBar::Board);
        IBoardService::instance()->linePathMode(0);
        board->currentSlide()->addElement(new TestPathElement(QRectF(10, 10, 50, 50)), true);
    }
    QString modal;
    if (bar == "camera" && id == ICameraToolBar::Ocr) {
        answerNextModal([&](QWidget* widget) {
            modal = "modal:" + QString::fromLatin1(widget->metaObject()->className());
            widget->close();
        });
    }
    QVERIFY(QImage(80, 60, QImage::Format_RGB32).save(dir_.filePath("stored.png")));
    frame_->checked = id == 17 ? QStringList(dir_.filePath("stored.png")) : QStringList();
    QStringList seen = outcome([&]() {
        IToolBarBase* toolbar =
            bar == "camera"  ? static_cast<IToolBarBase*>(frame_->part<ICameraToolBar>("camera"))
            : bar == "right" ? static_cast<IToolBarBase*>(frame_->part<IRightToolBar>("right"))
                             : frame_->part<IBoardToolBar>("board");
        if (IIToolButton* button = toolbar->button(id)) {
            // The real button where it is shown; hidden ones are reached through their id.
            if (button->isVisible() && button->isCheckable() == checked) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        emit toolbar->sgButtonClick(checked, id);
    });
    if (!modal.isEmpty()) {
        seen << modal;
    }
    if (bar == "camera" && id == ICameraToolBar::SplitScreen) {  // read on a worker thread
        QTRY_VERIFY(frame_->part<ImageView>("panel.viewer")->isVisible());
    }
    for (QWidget* panel :
         QList<QWidget*>{frame_->part<ImageView>("panel.viewer"),
                         frame_->part<ISmallCameraFrame>("panel.pictureinpicture")}) {
        if (panel->isVisible() && panel->close()) {
            seen << panel->metaObject()->className();
        }
    }
    QCOMPARE(seen.join(" | "), expected.join(" | "));
}

void TestMainFrame::freezeStopsTheStreamAndEdging()
{
    startFrame();
    ICameraToolBar* bar = frame_->part<ICameraToolBar>("camera");
    QTest::mouseClick(bar->button(ICameraToolBar::AutoEdge), Qt::LeftButton);
    QVERIFY(frame_->part<ICameraToolBar>("camera")->isChecked(ICameraToolBar::AutoEdge));
    QTest::mouseClick(bar->button(ICameraToolBar::Freeze), Qt::LeftButton);
    QVERIFY(bar->isChecked(ICameraToolBar::Freeze));
    // Edging is switched off, and so is the flag a capture would crop by.
    QVERIFY(!frame_->part<ICameraToolBar>("camera")->isChecked(ICameraToolBar::AutoEdge));
    QVERIFY(!bar->isChecked(ICameraToolBar::AutoEdge));
    QVERIFY(!bar->isButtonEnabled(ICameraToolBar::AutoEdge));
    QVERIFY(!bar->isButtonEnabled(ICameraToolBar::Resolution));
    QTest::qWait(300);
    QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
    QTest::qWait(500);
    QCOMPARE(frames.size(), 0);
    // A frozen Snap still saves the picture that is shown.
    QTest::mouseClick(bar->button(ICameraToolBar::Snap), Qt::LeftButton);
    QTRY_COMPARE(photos().size(), 1);
    QTest::mouseClick(bar->button(ICameraToolBar::Freeze), Qt::LeftButton);
    QVERIFY(bar->isButtonEnabled(ICameraToolBar::AutoEdge));
    QVERIFY(bar->isButtonEnabled(ICameraToolBar::Resolution));
    QTRY_VERIFY(frames.size() >= 2);
}

void TestMainFrame::shortcutTable_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("id");
    QTest::newRow("Ctrl+Alt+Num+-") << "Ctrl+Alt+Num+-" << 4;
    QTest::newRow("Ctrl+Alt+-") << "Ctrl+Alt+-" << 4;
    QTest::newRow("Ctrl+Alt+7") << "Ctrl+Alt+7" << 4;
    QTest::newRow("Ctrl+Alt+Num++") << "Ctrl+Alt+Num++" << 3;
    QTest::newRow("Ctrl+Alt+=") << "Ctrl+Alt+=" << 3;
    QTest::newRow("Ctrl+Alt+6") << "Ctrl+Alt+6" << 3;
    QTest::newRow("Ctrl+Alt+5") << "Ctrl+Alt+5" << 10;
    QTest::newRow("Ctrl+5") << "Ctrl+5" << -1;
    QTest::newRow("Alt+5") << "Alt+5" << -1;
    QTest::newRow("Ctrl+Alt+Num+5") << "Ctrl+Alt+Num+5" << -1;
    QTest::newRow("Ctrl+Alt+8") << "Ctrl+Alt+8" << -1;
    QTest::newRow("5") << "5" << -1;
}

void TestMainFrame::shortcutTable()
{
    QFETCH(QString, keys);
    QFETCH(int, id);
    QCOMPARE(MainFrame::cameraButtonForKey(QKeySequence(keys)), id);
}

void TestMainFrame::keyboardSnapRespectsTheSnapButton()
{
    startFrame();
    IBoard* board = frame_->board();
    board->resetView();
    const double fit = board->viewScale();
    QTest::keyClick(board, Qt::Key_Plus,
                    Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
    QVERIFY(board->viewScale() > fit * 1.05);
    QTest::keyClick(board, Qt::Key_7, Qt::ControlModifier | Qt::AltModifier);
    QTRY_VERIFY(qAbs(board->viewScale() - fit * 1.1 * 0.9) < fit * 0.01);

    QTest::keyClick(board, Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
    QTRY_COMPARE(photos().size(), 1);
    QTRY_VERIFY(frame_->part<ICameraToolBar>("camera")->isButtonEnabled(ICameraToolBar::Snap));

    // A capture in progress: neither key takes a second one.
    frame_->part<ICameraToolBar>("camera")->setEnabled(ICameraToolBar::Snap, false);
    QTest::keyClick(board, Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(frame_, Qt::Key_Space);
    frame_->slCameratoolbarClick(true, ICameraToolBar::Snap);
    QTest::qWait(500);
    QCOMPARE(photos().size(), 1);
}

void TestMainFrame::snapStaysDisabledUntilSaved()
{
    startFrame();
    ICameraToolBar* bar = frame_->part<ICameraToolBar>("camera");
    // Counted on this thread: the saving thread emits from its own.
    int saved = 0;
    QObject counter;
    connect(frame_->part<IImageTansformThread>(), &IImageTansformThread::sgCaptureImage, &counter,
            [&saved]() { ++saved; });
    QTest::mouseClick(bar->button(ICameraToolBar::Snap), Qt::LeftButton);
    QVERIFY(!bar->isButtonEnabled(ICameraToolBar::Snap));
    QTest::mouseClick(bar->button(ICameraToolBar::Snap), Qt::LeftButton);  // ignored
    QTRY_COMPARE(saved, 1);
    QTRY_VERIFY(bar->isButtonEnabled(ICameraToolBar::Snap));
    QTest::qWait(200);
    QCOMPARE(photos().size(), 1);
    const QString name = photos().first();
    QVERIFY2(QRegularExpression("^\\d{17}\\.jpeg$").match(name).hasMatch(), qPrintable(name));
    QCOMPARE(QImage(photoDir_ + "/" + name).size(),
             IConfigureService::instance()->cameraResolution());
}

void TestMainFrame::snapWithShutterSoundOn()
{
    IConfigureService::instance()->photoSound = true;
    startFrame();
    frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    QTRY_COMPARE(photos().size(), 1);
    QTRY_VERIFY(frame_->part<ICameraToolBar>("camera")->isButtonEnabled(ICameraToolBar::Snap));
    frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    QTRY_COMPARE(photos().size(), 2);
}

void TestMainFrame::captureModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("colours");
    QTest::newRow("0 colour") << 0 << QStringList{"photo"} << "colour";
    QTest::newRow("1 window") << 1 << QStringList{"photo"} << "";
    QTest::newRow("2 partial") << 2 << QStringList{"selection layer"} << "";
    QTest::newRow("3 timer") << 3 << QStringList{"modal:ITimerCaptureFrame"} << "";
    QTest::newRow("4 time-lapse") << 4 << QStringList{"time-lapse bar"} << "";
    QTest::newRow("5 clipboard") << 5 << QStringList{"tip:Succeed!"} << "";
    QTest::newRow("6 black and white") << 6 << QStringList{"photo"} << "bw";
    QTest::newRow("7 grey") << 7 << QStringList{"photo"} << "grey";
    QTest::newRow("8 unknown") << 8 << QStringList{} << "";
}

void TestMainFrame::captureModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    QFETCH(QString, colours);
    sharedFrame();
    frame_->mode = mode;
    QGuiApplication::clipboard()->clear();
    QStringList opened;
    if (mode == TimingCapture) {
        answerNextModal([&opened](QWidget* widget) {
            opened << "modal:" + QString::fromLatin1(widget->metaObject()->className());
            widget->close();
        });
    }
    const QStringList seen = outcome([&]() {
        frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
        if (ICaptureFrame* layer = frame_->part<ICaptureFrame>("panel.partial");
            layer && layer->isVisible()) {
            opened << "selection layer";
            layer->actionButton(ICaptureFrame::Back)->click();
        }
        if (frame_->part<ITimelapseFrame>("panel.timelapse")->isVisible()) {
            opened << "time-lapse bar";
            frame_->part<ITimelapseFrame>("panel.timelapse")->showPanel(false);
        }
    });
    QCOMPARE((opened + seen).join(" | "), expected.join(" | "));
    if (mode == 5) {
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), frame_->size());
    }
    if (colours.isEmpty()) {
        return;
    }
    const QImage photo(photoDir_ + "/" + photos().first());
    int colourful = 0;
    int middle = 0;
    for (int y = 0; y < photo.height(); y += 7) {
        for (int x = 0; x < photo.width(); x += 7) {
            const QColor c = photo.pixelColor(x, y);
            colourful += qMax(qAbs(c.red() - c.green()), qAbs(c.green() - c.blue())) > 40;
            middle += c.lightness() > 20 && c.lightness() < 235;
        }
    }
    const int samples = (photo.height() / 7 + 1) * (photo.width() / 7 + 1);
    if (colours == "colour") {
        QVERIFY(colourful > 0);
    } else {
        QCOMPARE(colourful, 0);  // JPEG keeps grey grey
    }
    if (colours == "bw") {
        QVERIFY2(middle < samples / 50, qPrintable(QString::number(middle)));
    }
    if (colours == "grey") {
        QVERIFY2(middle > samples / 4, qPrintable(QString::number(middle)));
    }
}

void TestMainFrame::failedSaveShowsTipAndEnablesSnap()
{
    startFrame();
    QFile blocker(dir_.filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IConfigureService::instance()->setPhotoPath(blocker.fileName() + "/photos");
    int failed = 0;
    QObject counter;
    connect(frame_->part<IImageTansformThread>(), &IImageTansformThread::sgCaptureFailed, &counter,
            [&failed]() { ++failed; });
    frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    QTRY_COMPARE(failed, 1);
    QTRY_VERIFY(frame_->part<ICameraToolBar>("camera")->isButtonEnabled(ICameraToolBar::Snap));
    QCOMPARE(tipText(), QStringLiteral("Save failed."));
    QVERIFY(frame_->part<IImgListWidget>("gallery")->itemPaths(false).isEmpty());
}

void TestMainFrame::timelapseVideo()
{
    IConfigureService* config = IConfigureService::instance();
    config->setVideoPath(photoDir_);
    config->setCameraResolution(QSize(2592, 1944));
    startFrame();
    frame_->mode = TimelapseCapture;
    ITimelapseFrame* panel = frame_->part<ITimelapseFrame>("panel.timelapse");
    ITimelapseTimes* counter = panel->counter();
    counter->setSecondLength(40);
    frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    QVERIFY(panel->isVisible());
    panel->startButton()->click();
    // Wider than 1920: the camera is switched down first, and the size is locked while it runs.
    QCOMPARE(config->cameraResolution(), QSize(1920, 1080));
    QCOMPARE(tipText(), QStringLiteral("Current resolution: 1920*1080"));
    QVERIFY(panel->isCapturing());
    QVERIFY(!frame_->part<ICameraToolBar>("camera")->isButtonEnabled(ICameraToolBar::Resolution));
    frame_->slCameratoolbarClick(false, ICameraToolBar::Freeze);
    QVERIFY(!frame_->part<ICameraToolBar>("camera")->isButtonEnabled(ICameraToolBar::Resolution));
    QCOMPARE(counter->count(), 0);
    // Hidden, it goes on counting.
    panel->showPanel(false);
    QTRY_VERIFY_WITH_TIMEOUT(counter->count() >= 5, 30000);
    panel->pauseButton()->click();
    const int paused = counter->count();
    QTest::qWait(200);
    QVERIFY(counter->count() <= paused + 1);
    panel->pauseButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(counter->count() >= 10, 30000);
    // Any other capture mode ends the video.
    const int shots = counter->count();
    frame_->part<ICaptureModeFrame>("panel.capturemode")->button(DefaultCapture)->click();
    QVERIFY(!panel->isCapturing());
    QVERIFY(frame_->part<ICameraToolBar>("camera")->isButtonEnabled(ICameraToolBar::Resolution));
    // The camera's own size comes back; the video is named with an offer to open its folder.
    QCOMPARE(config->cameraResolution(), QSize(2592, 1944));
    const QStringList videos = QDir(photoDir_).entryList({"*.mp4"});
    QCOMPARE(videos.size(), 1);
    auto* box = frame_->part<IVideoRecordMsgBox>("dialog.timelapsevideo");
    QVERIFY(box->isVisible());
    QCOMPARE(QFileInfo(box->path()).fileName(), videos.first());
    box->button(IVideoRecordMsgBox::CloseBox)->click();
    const VideoProbe probe = VideoProbe::of(photoDir_ + "/" + videos.first());
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(QSize(probe.width, probe.height), QSize(1920, 1080));
    QCOMPARE(probe.frames, shots);
}

void TestMainFrame::timingCaptureSurvivesLostPicture()
{
    startFrame();
    frame_->mode = TimingCapture;
    ITimerCaptureFrame* timing = frame_->part<ITimerCaptureFrame>("panel.timing");
    timing->setSecondLength(100);
    answerNextModal([timing](QWidget*) {
        timing->intervalField()->setText("1");
        timing->pagesField()->setText("2");
        timing->confirmSettings();
    });
    frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    QVERIFY(timing->isCapturing());
    // A picture that never came: one tip, and the series waits for the next interval.
    frame_->processCapture(QImage());
    QCOMPARE(tipText(), QStringLiteral("Save failed."));
    QVERIFY(timing->isTimerActive());
    QTRY_VERIFY(!timing->isCapturing());
    QTRY_COMPARE(photos().size(), 2);
}

void TestMainFrame::partialCapture_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("select");
    QTest::newRow("select") << 0 << true;
    QTest::newRow("select, turned 90") << 90 << true;
    QTest::newRow("back") << 0 << false;
}

void TestMainFrame::partialCapture()
{
    QFETCH(int, rotation);
    QFETCH(bool, select);
    IConfigureService* config = IConfigureService::instance();
    startFrame();
    config->freeCaptureRect = QRect();
    frame_->board()->rotateBy(rotation);
    frame_->mode = PartialCapture;
    frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    ICaptureFrame* layer = frame_->part<ICaptureFrame>("panel.partial");
    QVERIFY(layer && layer->isVisible());
    QVERIFY(!frame_->part<ICameraToolBar>("camera")->isEnabled() &&
            !frame_->part<IMainTitleWidget>("title")->isEnabled());
    // 800 x 600, each side at most 0.8 of the layer's.
    const auto side = [](int wanted, int layer) { return wanted > layer ? layer * 4 / 5 : wanted; };
    const QSize chosen = layer->zoneRect().size();
    QVERIFY(qAbs(chosen.width() - side(int(800 * uiScale), layer->width())) <= 1);
    QVERIFY(qAbs(chosen.height() - side(int(600 * uiScale), layer->height())) <= 1);
    QCOMPARE(layer->zoneRect().center(), QRect(QPoint(), layer->size()).center());
    layer->actionButton(select ? ICaptureFrame::Select : ICaptureFrame::Back)->click();
    QVERIFY(!layer->isVisible() && frame_->part<ICameraToolBar>("camera")->isEnabled());
    if (!select) {
        QTest::qWait(300);
        QVERIFY(photos().isEmpty());
        QCOMPARE(config->freeCaptureRect, QRect());
        return;
    }
    QCOMPARE(config->freeCaptureRect, layer->zoneRect());
    QTRY_COMPARE(photos().size(), 1);
    // The selection in picture pixels: the board shows the picture scaled to its view.
    const double factor =
        frame_->board()->pictureSize().width() / frame_->board()->backgroundRect().width();
    const QSize saved = QImage(photoDir_ + "/" + photos().first()).size();
    const QSize wanted = (QSizeF(chosen) * factor).toSize();
    QVERIFY2(qAbs(saved.width() - wanted.width()) <= factor + 1 &&
                 qAbs(saved.height() - wanted.height()) <= factor + 1,
             qPrintable(QString("%1 x %2").arg(saved.width()).arg(saved.height())));
}

void TestMainFrame::pdfExportOfCheckedPictures()
{
    startFrame();
    // Two photos and a window grab (mode 1) become numbered gallery entries of the photo folder.
    for (int mode : {0, 0, 1}) {
        const int listed = frame_->part<IImgListWidget>("gallery")->itemPaths(false).size();
        frame_->mode = mode;
        frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
        QTRY_COMPARE(frame_->part<IImgListWidget>("gallery")->itemPaths(false).size(), listed + 1);
        QTRY_VERIFY(frame_->part<ICameraToolBar>("camera")->isButtonEnabled(ICameraToolBar::Snap));
    }
    QStringList listed;
    for (const QString& name : photos()) {
        listed << photoDir_ + "/" + name;
    }
    QCOMPARE(frame_->part<IImgListWidget>("gallery")->itemPaths(false), listed);
    QCOMPARE(QImage(listed.last()).size(), frame_->size());
    IImgList* list = frame_->part<IImgListWidget>("gallery")->list();
    list->setAllChecked(true);
    qobject_cast<IImgListItem*>(list->itemWidget(list->item(2)))->setChecked(false);
    IConfigureService::instance()->setFileDialogPath(dir_.path() + "/");
    QString suggested;
    answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Save"));
        QCOMPARE(dialog->nameFilters(), QStringList{"PDF File (*.pdf)"});
        suggested = dialog->selectedFiles().value(0);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    frame_->slCameratoolbarClick(false, ICameraToolBar::Pdf);
    // The last folder and the time, joined by one separator; ".pdf" is added.
    QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(dir_.path()) + "/\\d{14}$")
                 .match(suggested)
                 .hasMatch(),
             qPrintable(suggested));
    const QString chosen = suggested;
    QTRY_VERIFY(QFile::exists(chosen + ".pdf"));
    QTRY_COMPARE(tipText(), QStringLiteral("Save Successful."));
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {chosen + ".pdf"});
    QVERIFY(pdfinfo.waitForFinished());
    const QByteArray info = pdfinfo.readAllStandardOutput();
    QVERIFY2(QRegularExpression("Pages: +2\\n").match(QString::fromUtf8(info)).hasMatch(),
             info.constData());

    // A name typed with an upper-case suffix keeps it.
    const QString typed = dir_.filePath("Notes.PDF");
    answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    frame_->slCameratoolbarClick(false, ICameraToolBar::Pdf);
    QTRY_VERIFY(QFile::exists(typed));
    QVERIFY(!QFile::exists(typed + ".pdf"));
}

void TestMainFrame::panelsCloseTogether()
{
    startFrame();
    StandInPanel thickness(frame_);
    StandInPanel colour(frame_);
    StandInPanel magnifier(frame_);
    frame_->panelHost()->registerPanel(IPanelHost::Panel::Thickness, &thickness);
    frame_->panelHost()->registerPanel(IPanelHost::Panel::Color, &colour);
    // Not one of the panels that close together.
    frame_->panelHost()->registerPanel(IPanelHost::Panel::Magnifier, &magnifier);
    thickness.show();
    colour.show();
    magnifier.show();
    frame_->slHideSecondWidget(IPanelHost::BoardBar, IBoardToolBar::Thickness);
    QVERIFY(thickness.isVisible());
    QVERIFY(!colour.isVisible());
    colour.show();
    frame_->slRightToolBarClick(false, IRightToolBar::ZoomIn);
    QVERIFY(!thickness.isVisible());
    QVERIFY(!colour.isVisible());
    QVERIFY(magnifier.isVisible());
    thickness.show();
    emit frame_->board()->sgClickOnBoard();
    QVERIFY(!thickness.isVisible());
    // Its button opens the panel and closes it again, through the typed call.
    frame_->slBoardToolBarClick(false, IBoardToolBar::Thickness);
    QVERIFY(thickness.isVisible());
    frame_->slBoardToolBarClick(false, IBoardToolBar::Thickness);
    QVERIFY(!thickness.isVisible() && thickness.stored == 3);
    // The camera chooser closes with them.
    QTest::mouseClick(frame_->part<IMainTitleWidget>("title")->button(IMainTitleWidget::Cameras),
                      Qt::LeftButton);
    QVERIFY(frame_->part<IMainTitleWidget>("title")->cameraChooser()->isVisible());
    frame_->slCameratoolbarClick(false, ICameraToolBar::ZoomIn);
    QVERIFY(!frame_->part<IMainTitleWidget>("title")->cameraChooser()->isVisible());
}

// The transparency and eraser panels store what their slider shows only when they close,
// however they are closed; the eraser button erases at the panel's size at once.
void TestMainFrame::closingPanelsStoreTheirValue_data()
{
    QTest::addColumn<int>("closeBy");
    QTest::newRow("own button") << 0;
    QTest::newRow("board click") << 1;
    QTest::newRow("invoked by name") << 2;
    QTest::newRow("other board button") << 3;
    QTest::newRow("window dragged by its title") << 4;
    QTest::newRow("window maximised") << 5;
}

void TestMainFrame::closingPanelsStoreTheirValue()
{
    QFETCH(int, closeBy);
    sharedFrame();
    frame_->slRightToolBarClick(false, IRightToolBar::Board);
    IConfigureService* config = IConfigureService::instance();
    IBoardState* state = frame_->board()->boardState();
    const struct {
        int button;
        ICustomSlider* slider;
        int (IConfigureService::*stored)() const;
    } panels[] = {
        {IBoardToolBar::Transparency,
         frame_->part<ITransparentFrame>("panel.transparency")->slider(),
         &IConfigureService::pencilTransparent},
        {IBoardToolBar::Eraser, frame_->part<IEraseFrame>("panel.eraser")->slider(),
         &IConfigureService::eraseSize},
    };
    for (const auto& panel : panels) {
        // The eraser button erases at the configured size at once, and opens its panel.
        frame_->slBoardToolBarClick(true, panel.button);
        if (panel.button == IBoardToolBar::Eraser) {
            QCOMPARE(state->pointEraserSize().width(), config->eraseSize() * uiScale);
        }
        const int moved = panel.slider->value() == 150 ? 151 : 150;
        panel.slider->valueField()->setText(QString::number(moved));
        QVERIFY((config->*panel.stored)() != moved);
        const QList<std::function<void()>> closers{
            [&]() { frame_->slBoardToolBarClick(false, panel.button); },
            [&]() { emit frame_->board()->sgClickOnBoard(); },
            [&]() { QMetaObject::invokeMethod(frame_, "slHideSecondWidget"); },
            [&]() { frame_->slBoardToolBarClick(false, IBoardToolBar::Clear); },
            [&]() { emit frame_->part<IMainTitleWidget>("title")->sgMove(); },
            [&]() {
                frame_->setWindowState(Qt::WindowNoState);
                frame_->setWindowState(Qt::WindowMaximized);
            }};
        closers.at(closeBy)();
        QCOMPARE((config->*panel.stored)(), moved);
        QVERIFY(!panel.slider->isVisible());
    }
    QCOMPARE(state->inkOpacity(), config->pencilTransparent());
}

void TestMainFrame::fullScreenHidesTheFrame()
{
    startFrame();
    emit frame_->board()->sgIsFullScreen(true);
    QVERIFY(!frame_->part<IMainTitleWidget>("title")->isVisible());
    QVERIFY(!frame_->part<IImgListWidget>("gallery")->isVisible());
    QVERIFY(!frame_->part<IRightToolBar>("right")->isVisible());
    QVERIFY(!frame_->part<ICameraToolBar>("camera")->isVisible());
    emit frame_->board()->sgIsFullScreen(false);
    QVERIFY(frame_->part<IMainTitleWidget>("title")->isVisible());
    QVERIFY(frame_->part<ICameraToolBar>("camera")->isVisible());
    QVERIFY(frame_->part<IRightToolBar>("right")->isVisible());
    QVERIFY(!frame_->part<IBoardToolBar>("board")->isVisible());
    frame_->slRightToolBarClick(false, IRightToolBar::Board);
    emit frame_->board()->sgIsFullScreen(true);
    QVERIFY(!frame_->part<IBoardToolBar>("board")->isVisible());
    emit frame_->board()->sgIsFullScreen(false);
    QVERIFY(frame_->part<IBoardToolBar>("board")->isVisible());
    QVERIFY(!frame_->part<IRightToolBar>("right")->isVisible());
}

void TestMainFrame::statusCodes_data()
{
    QTest::addColumn<bool>("pending");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("box");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("reinitialised");
    QTest::addColumn<int>("index");
    const QString unplugged = QStringLiteral(
        "The camera is not available, or it is caused by power failure, poor contact and being "
        "pulled out. Please check the equipment.");
    QTest::newRow("0, first open") << true << 0 << false << "" << true << 0;
    QTest::newRow("0, running") << false << 0 << false << "" << false << 0;
    QTest::newRow("1, window shown") << false << 1 << true << "" << false << -1;
    QTest::newRow("3") << false << 3 << false << unplugged << false << 0;
    QTest::newRow("3, first open pending") << true << 3 << false << unplugged << false << 0;
}

void TestMainFrame::statusCodes()
{
    QFETCH(bool, pending);
    QFETCH(int, code);
    QFETCH(bool, box);
    QFETCH(QString, tip);
    QFETCH(bool, reinitialised);
    QFETCH(int, index);
    startFrame();
    if (pending) {
        // As just after a camera switch, before the camera has answered.
        const ICameraInfo current = IConfigureService::instance()->currentCamera;
        frame_->onCameraSelected(current);
        ICamera::instance()->closeCurrent();  // so no report of its own comes
        IConfigureService::instance()->currentCamera = current;
        frame_->hide();
        QVERIFY(!frame_->isEnabled());
    }
    frame_->part<ICameraToolBar>("camera")->setEnabled(false);
    frame_->setEnabled(false);
    ITimeMsgBox::instance()->hide();
    bool boxSeen = false;
    if (box) {
        answerNextModal([&](QWidget* modal) {
            boxSeen = modal->findChildren<QLabel*>().value(0) &&
                      modal->findChildren<QLabel*>().first()->text().startsWith(
                          "No orvella device is found!");
            for (IIToolButton* b : modal->findChildren<IIToolButton*>()) {
                QTest::mouseClick(b, Qt::LeftButton);
            }
        });
    }
    QEventLoop loop;
    QTimer::singleShot(0, [code]() { emit ICamera::instance()->sgError(code); });
    QTimer::singleShot(500, &loop, [&loop]() { loop.exit(7); });
    // The window that is shown is never ended by a status code.
    QCOMPARE(loop.exec(), 7);
    QCOMPARE(boxSeen, box);
    QCOMPARE(tipText(), tip);
    QVERIFY(frame_->isEnabled());
    QCOMPARE(frame_->part<ICameraToolBar>("camera")->isEnabled(), reinitialised);
    QCOMPARE(frame_->isVisible(), reinitialised || !pending);
    if (reinitialised) {
        QVERIFY(frame_->isMaximized());
    }
    QCOMPARE(IConfigureService::instance()->currentCamera.index, index);
}

void TestMainFrame::noDeviceAfterStartupWaitEndsProcess_data()
{
    QTest::addColumn<bool>("denied");
    QTest::newRow("camera fails to open") << false;
    QTest::newRow("camera node not permitted") << true;
}

void TestMainFrame::noDeviceAfterStartupWaitEndsProcess()
{
    QFETCH(bool, denied);
    // A USB camera node the user may not open (EACCES) besides the failing virtual camera.
    FakeSysfs sysfs;
    sysfs.addUsbNode(0, "1-1", "2b7e", "c8a1");
    auto io = std::make_shared<FakeV4l2Io>();
    io->addNode(sysfs.devicePath(0))->openErrno = denied ? EACCES : ENOENT;
    IVideoSystem::instance()->setV4l2(io, sysfs.root(), sysfs.devRoot());
    const auto restore = qScopeGuard([] {
        IVideoSystem::instance()->setV4l2(std::make_shared<IV4l2SystemIo>(), "/sys", "/dev");
    });
    IVirtualCameraHub::instance()->setFailOpen(0, true);
    startFrame(false);
    bool boxSeen = false;
    answerNextModal([&](QWidget* modal) {
        boxSeen = true;
        QString text;
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            text += label->text();
        }
        QCOMPARE(text.contains(sysfs.devicePath(0)), denied);
        QCOMPARE(text.contains("\"video\" group"), denied);
        QCOMPARE(text.startsWith("No orvella device"), !denied);
        QVERIFY(!modal->parentWidget());  // the window never showed: centred on the screen
        for (IIToolButton* b : modal->findChildren<IIToolButton*>()) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
    });
    // The report arrives while the application's loop runs (after start-up's wait): once the
    // box is answered, the loop ends with status 0 instead of running on without a window.
    // (Only QCoreApplication::exec clears the quit request for the next row's loop.)
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, []() { QCoreApplication::exit(7); });
    timeout.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(boxSeen);
    QVERIFY(!frame_->isVisible());
    QCOMPARE(IConfigureService::instance()->currentCamera.index, -1);
}

void TestMainFrame::unplugAndReplugCurrentCamera()
{
    startFrame();
    QCOMPARE(IConfigureService::instance()->currentCamera.devicePath, QStringLiteral("virtual:0"));
    QSignalSpy status(ICamera::instance(), &ICamera::sgError);
    IVirtualCameraHub::instance()->unplug(0);
    QTRY_VERIFY(status.contains(QVariantList{3}));
    QVERIFY(!ICamera::instance()->hasCaptureThread());
    QVERIFY(!frame_->part<ICameraToolBar>("camera")->isEnabled());
    QVERIFY(!frame_->part<IRightToolBar>("right")->isEnabled());
    QVERIFY(!frame_->part<IBoardToolBar>("board")->isEnabled());
    QVERIFY(!frame_->part<IImgListWidget>("gallery")->isEnabled());
    QVERIFY(tipText().startsWith("The camera is not available"));
    // The picture is gone from the board: only transparent pixels are left.
    const QImage shown = picture(frame_)->image();
    QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2).alpha(), 0);
    // Snap does nothing without a camera.
    QTest::keyClick(frame_, Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
    QTest::qWait(300);
    QVERIFY(photos().isEmpty());

    IVirtualCameraHub::instance()->replug(0);
    QTRY_VERIFY(ICamera::instance()->hasCaptureThread());
    QTRY_VERIFY(frame_->part<ICameraToolBar>("camera")->isEnabled());
    QVERIFY(frame_->part<IRightToolBar>("right")->isEnabled());
    QVERIFY(frame_->isVisible());
    QTRY_VERIFY(picture(frame_)->image().pixelColor(10, 10).alpha() == 255);
    frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    QTRY_COMPARE(photos().size(), 1);
}

void TestMainFrame::unplugOtherCameraChangesNothing()
{
    startFrame();
    IVirtualCameraHub::instance()->unplug(1);
    QVERIFY(frame_->part<ICameraToolBar>("camera")->isEnabled());
    QVERIFY(ICamera::instance()->hasCaptureThread());
    waitForFrames(2);
    QVERIFY(tipText().isEmpty());
}

void TestMainFrame::cameraChooserSwitchesCamera()
{
    QVERIFY(wifiControl_.listen(QHostAddress::LocalHost, 0));
    qputenv("ORVELLA_WIFI_CONTROL_PORT", QByteArray::number(wifiControl_.serverPort()));
    startFrame();
    IConfigureService::instance()->wifi = WifiEndpoint::fromEnvironment();
    IConfigureService::instance()->wifiRtspUrl = IConfigureService::instance()->wifi.rtspUrl();
    ICameraToolBar* bar = frame_->part<ICameraToolBar>("camera");
    QTest::mouseClick(bar->button(ICameraToolBar::AutoEdge), Qt::LeftButton);
    IMainTitleWidget* title = frame_->part<IMainTitleWidget>("title");
    QTest::mouseClick(title->button(IMainTitleWidget::Cameras), Qt::LeftButton);
    QComboBox* chooser = title->cameraChooser();
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->itemText(2), QStringLiteral("Kestrima WIFI"));
    QCOMPARE(chooser->currentIndex(), 0);
    QCOMPARE(chooser->y(), title->height());
    // The second virtual camera is taken; the window waits for it and comes back.
    chooser->setCurrentIndex(1);
    QVERIFY(!chooser->isVisible());
    QVERIFY(!bar->isChecked(ICameraToolBar::AutoEdge));
    QVERIFY(!frame_->part<ICameraToolBar>("camera")->isChecked(ICameraToolBar::AutoEdge));
    QTRY_VERIFY(frame_->isEnabled());
    QCOMPARE(IConfigureService::instance()->currentCamera.devicePath, QStringLiteral("virtual:1"));
    waitForFrames(2);
    // With the picture-in-picture panel on the first camera, that one is not offered.
    frame_->pipPath = QStringLiteral("virtual:0");
    wifiControl_.close();
    QTest::mouseClick(title->button(IMainTitleWidget::Cameras), Qt::LeftButton);
    QCOMPARE(chooser->count(), 1);
    QCOMPARE(chooser->itemData(0).toString(), QStringLiteral("virtual:1"));
    QTest::mouseClick(title->button(IMainTitleWidget::Cameras), Qt::LeftButton);
    QVERIFY(!chooser->isVisible());
    // Back to the first camera for the cases after this one.
    ICameraInfo first = ICamera::instance()->cameraList().value(0);
    frame_->onCameraSelected(first);
    QTRY_VERIFY(frame_->isEnabled());
    qunsetenv("ORVELLA_WIFI_CONTROL_PORT");
    IConfigureService::instance()->wifi = WifiEndpoint::fromEnvironment();
    IConfigureService::instance()->wifiRtspUrl = IConfigureService::instance()->wifi.rtspUrl();
}

// The panel on the second virtual camera: opening, the chooser, unplugging, a failing open, no
// second camera, a reopen of the main camera that takes it, and closing the window.
void TestMainFrame::pictureInPicture()
{
    startFrame();
    ISmallCameraFrame* pip = frame_->part<ISmallCameraFrame>("panel.pictureinpicture");
    ICameraToolBar* bar = frame_->part<ICameraToolBar>("camera");
    IVirtualCameraHub* hub = IVirtualCameraHub::instance();
    const auto open = [&]() {
        QTest::mouseClick(bar->button(ICameraToolBar::PictureInPicture), Qt::LeftButton);
    };
    const auto closedWith = [&](const QString& tip) {
        QTRY_VERIFY(!pip->isVisible());
        QVERIFY(!pip->capture() && bar->isButtonEnabled(ICameraToolBar::PictureInPicture));
        QCOMPARE(tipText(), tip);
    };
    open();
    QVERIFY(pip->isVisible() && !bar->isButtonEnabled(ICameraToolBar::PictureInPicture));
    QCOMPARE(pip->cameraDevicePath(), QStringLiteral("virtual:1"));
    QTRY_VERIFY(!pip->pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(pip->capture()->currentResolution().toSizeF(), QSizeF(640, 480));
    IMainTitleWidget* title = frame_->part<IMainTitleWidget>("title");
    QTest::mouseClick(title->button(IMainTitleWidget::Cameras), Qt::LeftButton);  // no PiP camera
    QCOMPARE(title->cameraChooser()->count(), 1);
    QCOMPARE(title->cameraChooser()->itemData(0).toString(), QStringLiteral("virtual:0"));
    hub->unplug(1);
    closedWith("The picture-in-picture camera was disconnected.");
    answerNextModal([](QWidget* modal) { modal->close(); });
    open();
    QVERIFY(!pip->isVisible());
    hub->replug(1);
    hub->setFailOpen(1, true);
    open();
    closedWith("The picture-in-picture camera could not be opened.");
    hub->setFailOpen(1, false);
    // Closing while the worker opens the device returns at once.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(pip->showPanel(true) && pip->close() && clock.elapsed() < 2000);

    // The main camera goes; the next one plugged in finds only the panel's camera to take.
    open();
    hub->unplug(0);
    QTRY_VERIFY(!ICamera::instance()->hasCaptureThread());
    emit hub->sgDeviceChanged(true, QStringLiteral("virtual:7"));
    QTRY_VERIFY(!pip->isVisible());
    QCOMPARE(IConfigureService::instance()->currentCamera.devicePath, QStringLiteral("virtual:1"));
    // Opened: the first picture enables the toolbars again.
    QTRY_VERIFY(frame_->isEnabled() && frame_->part<ICameraToolBar>("camera")->isEnabled());
    hub->replug(0);
    open();
    QTRY_VERIFY(pip->capture());
    QVERIFY(frame_->close());
    QVERIFY(!pip->capture());
}

void TestMainFrame::shutdownOrder()
{
    startFrame();
    // A recording runs through the stand-in recorder.
    qputenv("FAKE_RECORDER_MODE", "normal");
    qputenv("FAKE_RECORDER_LOG", dir_.filePath("recorder.log").toLocal8Bit());
    IFFmpegApi::instance()->recorderLink()->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
    QSignalSpy recorded(IFFmpegApi::instance(), &IFFmpegApi::sgRecordVideo);
    QSignalSpy started(IFFmpegApi::instance(), &IFFmpegApi::recordMessage);
    IFFmpegApi::instance()->startRecord(dir_.path(), QRect(0, 0, 200, 100));
    QTRY_VERIFY(started.contains({2}));

    // Photos queued just before closing are all written.
    const QImage frame = ICamera::instance()->captureImage(NormalImage);
    QVERIFY(!frame.isNull());
    for (int i = 0; i < 5; ++i) {
        frame_->processCapture(frame);
    }
    QStringList seenAt;
    frame_->beforeStep = [&](Step step) {
        if (step == Step::DrainCaptures) {
            QVERIFY(photos().size() < 5);
        }
        if (step == Step::StopTimelapse) {
            QCOMPARE(photos().size(), 5);
            QVERIFY(!frame_->part<IImageTansformThread>());
        }
        if (step == Step::ReleaseRecorder) {
            // The recording was stopped and handed over its file first.
            QCOMPARE(recorded.size(), 1);
            QVERIFY(IFFmpegApi::instance()->recorderLink());
        }
        if (step == Step::CloseCameras) {
            QVERIFY(!IFFmpegApi::instance()->recorderLink());
            QVERIFY(ICamera::instance()->hasCaptureThread());
        }
        if (step == Step::ClosePictureInPicture) {
            QVERIFY(!ICamera::instance()->hasCaptureThread());
        }
    };
    QVERIFY(frame_->close());
    const QList<Step> expected{
        Step::MagnifierOff,    Step::HidePanels,    Step::WriteSettings,        Step::EndOcr,
        Step::DrainCaptures,   Step::StopTimelapse, Step::StopTimerCapture,     Step::StopRecording,
        Step::ReleaseRecorder, Step::CloseCameras,  Step::ClosePictureInPicture};
    QCOMPARE(frame_->steps, expected);
    QVERIFY(recorded.first().first().toString().endsWith(".mp4"));
    QFile log(dir_.filePath("recorder.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().contains("command 1"));  // stop was sent
    // Closing again runs nothing twice.
    frame_->steps.clear();
    frame_->close();
    QVERIFY(frame_->steps.isEmpty());
    // The settings were written.
    QVERIFY(
        QSettings(IConfigureService::settingsFile(), QSettings::IniFormat).contains("path/photo"));
    IFFmpegApi::instance()->init();
}

void TestMainFrame::ocrDialogAndClosingDuringJob()
{
    startFrame();
    QStringList lines;
    for (int i = 0; i < 30; ++i) {
        lines << QString("Line %1 of a long page to be recognised slowly").arg(i);
    }
    for (int i = 0; i < 3; ++i) {
        frame_->checked << writeTextPicture(dir_.filePath(QString("ocr%1.png").arg(i)), lines,
                                            "Liberation Sans");
    }
    const QString output = dir_.filePath("ocr.pdf");
    EngineRecorder recorder;
    QStringList pages;
    answerNextModal([&](QWidget* modal) {
        pages = qobject_cast<IOcrFrame*>(modal)->pages();
        answerNextModal([&](QWidget* save) {
            save->findChild<QLineEdit*>("fileNameEdit")->setText(output);
            QMetaObject::invokeMethod(save, "accept");
            answerNextModal([&](QWidget*) {  // the progress dialog: close once recognising
                QTRY_VERIFY_WITH_TIMEOUT(recorder.events.contains("50"), 60000);
                frame_->close();
            });
        });
        qobject_cast<IOcrFrame*>(modal)->button("recognize")->click();
    });
    frame_->slCameratoolbarClick(false, ICameraToolBar::Ocr);
    QCOMPARE(pages, frame_->checked);
    QVERIFY(!frame_->part<IOcrFrame>("panel.ocr")->isVisible() &&
            !frame_->part<IOcrFrame>("panel.ocr")->progressBar()->isVisible());
    // The running job was stopped, not finished, and left no file.
    QVERIFY(recorder.waitForJobs(1));
    QCOMPARE(recorder.errors(), QStringList{"error:Recognition stopped"});
    QVERIFY(!QFile::exists(output));
}

void TestMainFrame::closingAnswersOpenBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("settings dialog") << "settings";
    QTest::newRow("restart question over the settings dialog") << "restart";
    QTest::newRow("timing capture dialog") << "timer";
}

// A close that arrives while a box waits for an answer (as a termination signal's does) runs the
// shutdown once and leaves no box behind to keep the program alive; nothing the box would have
// done happens.
void TestMainFrame::closingAnswersOpenBoxes()
{
    QFETCH(QString, box);
    startFrame();
    const QString language = IConfigureService::instance()->langId();
    QStringList opened;
    answerNextModal([&](QWidget* modal) {
        opened << modal->metaObject()->className();
        if (box != "restart") {
            frame_->close();
            return;
        }
        answerNextModal([&](QWidget* question) {
            opened << question->metaObject()->className();
            frame_->close();
        });
        QComboBox* languages =
            frame_->part<ISettingFrame>("dialog.settings")->aboutPage()->languageBox();
        languages->setCurrentIndex((languages->currentIndex() + 1) % languages->count());
    });
    if (box == "timer") {
        frame_->mode = TimingCapture;
        frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    } else {
        frame_->showSettingsDialog();
    }
    QCOMPARE(opened.size(), box == "restart" ? 2 : 1);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!frame_->isVisible());
    QCOMPARE(frame_->steps.size(), 11);
    QCOMPARE(IConfigureService::instance()->langId(), language);
    QVERIFY(!frame_->part<ITimerCaptureFrame>("panel.timing")->isCapturing());
}

void TestMainFrame::cameraSwitchAndCloseStopTheRecording()
{
    startFrame();
    IConfigureService::instance()->recordingCountdown = false;
    qputenv("FAKE_RECORDER_MODE", "normal");
    qputenv("FAKE_RECORDER_LOG", dir_.filePath("panel.log").toLocal8Bit());
    IFFmpegApi::instance()->recorderLink()->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
    QSignalSpy recorded(IFFmpegApi::instance(), &IFFmpegApi::sgRecordVideo);
    ICameraToolBar* bar = frame_->part<ICameraToolBar>("camera");
    const QList<ICameraInfo> cameras = ICamera::instance()->cameraList();
    for (const ICameraInfo& next : {cameras.value(1), cameras.value(0)}) {
        frame_->slCameratoolbarClick(true, ICameraToolBar::VideoRecording);
        IVideoRecordFrame* panel = frame_->part<IVideoRecordFrame>("panel.recording");
        QTest::mouseClick(panel->button(IVideoRecordFrame::Start), Qt::LeftButton);
        QTRY_VERIFY(panel->isRecording());
        frame_->onCameraSelected(next);
        // Stopped through the panel, file handed over, but no offer while the window switches.
        QVERIFY(!panel->isRecording());
        QVERIFY(!panel->controlBar()->isVisible());
        QTRY_VERIFY(frame_->isEnabled());
        QVERIFY(bar->isButtonEnabled(ICameraToolBar::VideoRecording));
        QVERIFY(!bar->isChecked(ICameraToolBar::VideoRecording));
        QVERIFY(!panel->messageBox()->isVisible());
    }
    frame_->slCameratoolbarClick(true, ICameraToolBar::VideoRecording);
    IVideoRecordFrame* panel = frame_->part<IVideoRecordFrame>("panel.recording");
    QTest::mouseClick(panel->button(IVideoRecordFrame::Start), Qt::LeftButton);
    QTRY_VERIFY(panel->isRecording());
    QVERIFY(frame_->close());
    QVERIFY(!panel->isRecording() && !panel->messageBox()->isVisible());
    QCOMPARE(recorded.size(), 3);
    QFile log(dir_.filePath("panel.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count("command 1"), 3);
    IFFmpegApi::instance()->init();
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaMainFrameTest"), argc, argv);
    TestMainFrame test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainframe.moc"
