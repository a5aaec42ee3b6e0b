#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>

#include "board/iboard.h"
#include "customui/capture/icaptureframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/itimelapsebutton.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/capture/itimercapturecontrolframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/gallery/iimglist.h"
#include "customui/gallery/iimglistitem.h"
#include "customui/gallery/iimglistwidget.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/ipanel.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/imaintitlewidget.h"
#include "customui/shell/irighttoolbar.h"
#include "customui/viewer/imageview.h"
#include "customui/viewer/imagnifierframe.h"
#include "customui/viewer/ismallcameraframe.h"
#include "iapplication.h"
#include "icamera.h"
#include "mainframe.h"
#include "modalanswerer.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"
#include "testpaths.h"

// The main window on a real X server (Xvfb 1920x1080 with openbox) and the virtual camera,
// used through real pointer and keyboard input: with automatic edging switched on, Space saves
// the page cut out of the desk and straightened.
class TestMainFrameWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void autoEdgeSavesStraightenedPage();
    void cameraChooserOpensBelowTheTitleBar();
    void galleryChecksCapturesUnderThePointer();
    void boardPanelsOpenBesideTheirButtons();
    void cameraPanelsAndMagnifier();
    void compareAndPictureInPicture();
    void capturePanelsOnScreen();

private:
    static void xdotool(const QStringList& arguments);
    static void clickAt(const QPoint& global);
    // A part of the window, found by name.
    template <typename T>
    T* part(const QString& name) const
    {
        return frame_->findChild<T*>(name);
    }
    QPoint boardCentre() const;

    QTemporaryDir photos_;
    QTemporaryDir pictures_;
    MainFrame* frame_ = nullptr;
};

void TestMainFrameWindow::xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start("xdotool", arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
}

void TestMainFrameWindow::clickAt(const QPoint& global)
{
    xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()),
             "click", "1"});
}

QPoint TestMainFrameWindow::boardCentre() const
{
    return frame_->board()->mapToGlobal(frame_->board()->rect().center());
}

void TestMainFrameWindow::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY2(QGuiApplication::platformName() == "xcb", "needs the test runner's Xvfb");
    QVERIFY(photos_.isValid());
    // The second camera shows a blue page; the first keeps its drawn page on the desk.
    QImage blue(1280, 960, QImage::Format_RGB32);
    blue.fill(QColor(40, 60, 200));
    QVERIFY(blue.save(pictures_.filePath("blue.png")));
    qputenv("ORVELLA_VIRTUAL_CAMERA_IMAGE", ":" + pictures_.filePath("blue.png").toLocal8Bit());
    auto* app = static_cast<IApplication*>(qApp);
    frame_ = new MainFrame(app);
    IBoardService::instance()->attach(app);
    IBoardService::instance()->attachBoard(frame_->board());
    IBoardService::instance()->init();
    IConfigureService::instance()->attach(app);
    IConfigureService::instance()->setPhotoPath(photos_.path());
    frame_->initScene();
    QTRY_VERIFY(frame_->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(frame_));
    QTRY_COMPARE(frame_->size(), QSize(1920, 1080));
}

void TestMainFrameWindow::cleanupTestCase()
{
    if (frame_) {
        frame_->close();
        delete frame_;
    }
}

void TestMainFrameWindow::autoEdgeSavesStraightenedPage()
{
    IIToolButton* edging = part<ICameraToolBar>("camera")->button(ICameraToolBar::AutoEdge);
    clickAt(edging->mapToGlobal(edging->rect().center()));
    QTRY_VERIFY(part<ICameraToolBar>("camera")->isChecked(ICameraToolBar::AutoEdge));
    QVERIFY(edging->isChecked());
    QTRY_VERIFY(ICamera::instance()->autoEdgeResult().angle >= 0);
    QTest::qWait(300);
    QProcess::execute("import", {"-window", "root", artifactsDir() + "/orvella_auto_edge.png"});

    const QPoint centre = boardCentre();
    xdotool({"mousemove", "--sync", QString::number(centre.x()), QString::number(centre.y())});
    xdotool({"key", "--window", QString::number(frame_->winId()), "space"});
    QDir folder(photos_.path());
    QTRY_COMPARE_WITH_TIMEOUT(folder.entryList(QDir::Files).size(), 1, 10000);
    const QImage photo(folder.filePath(folder.entryList(QDir::Files).first()));
    QVERIFY(!photo.isNull());
    photo.save(artifactsDir() + "/orvella_auto_edge_photo.jpeg");

    // The virtual camera's page is an upright A4 sheet: the photo is that sheet alone.
    const QSize frameSize = IConfigureService::instance()->cameraResolution();
    QVERIFY(photo.width() < frameSize.width() * 0.7);
    QVERIFY(photo.height() > photo.width());
    const double aspect = double(photo.width()) / photo.height();
    QVERIFY2(qAbs(aspect - 1 / 1.414) < 0.05, qPrintable(QString::number(aspect)));
    // Straight: the paper reaches every corner and edge; no dark desk wedge is left there.
    const int inset = 3;
    for (const QPoint& p : {QPoint(inset, inset), QPoint(photo.width() - 1 - inset, inset),
                            QPoint(inset, photo.height() - 1 - inset),
                            QPoint(photo.width() - 1 - inset, photo.height() - 1 - inset),
                            QPoint(photo.width() / 2, inset),
                            QPoint(photo.width() / 2, photo.height() - 1 - inset)}) {
        QVERIFY2(qGray(photo.pixel(p)) > 150,
                 qPrintable(QStringLiteral("dark at %1,%2").arg(p.x()).arg(p.y())));
    }
}

void TestMainFrameWindow::cameraChooserOpensBelowTheTitleBar()
{
    IMainTitleWidget* title = part<IMainTitleWidget>("title");
    IIToolButton* cameras = title->button(IMainTitleWidget::Cameras);
    clickAt(cameras->mapToGlobal(cameras->rect().center()));
    QTRY_VERIFY(title->cameraChooser() && title->cameraChooser()->isVisible());
    QComboBox* chooser = title->cameraChooser();
    QCOMPARE(chooser->count(), 2);
    QCOMPARE(chooser->currentText(), QStringLiteral("Virtual Document Camera #1"));
    const QRect box(chooser->mapToGlobal(QPoint(0, 0)), chooser->size());
    QCOMPARE(box.top(), title->mapToGlobal(QPoint(0, title->height())).y());
    QVERIFY(box.right() < frame_->mapToGlobal(QPoint(frame_->width(), 0)).x());
    QTest::qWait(200);
    QProcess::execute("import",
                      {"-window", "root", artifactsDir() + "/orvella_camera_chooser.png"});
    // A click on the board closes it again (off its centre, where the zoom tip of the first
    // open may still be showing).
    const QWidget* board = frame_->board();
    clickAt(board->mapToGlobal(QPoint(board->width() / 4, board->height() / 4)));
    QTRY_VERIFY(!chooser->isVisible());
}

// Three captures in the gallery; a real click checks the second one after the click interval.
void TestMainFrameWindow::galleryChecksCapturesUnderThePointer()
{
    IImgList* list = part<IImgListWidget>("gallery")->list();
    while (list->count() < 3) {
        const int before = list->count();
        frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), before + 1, 10000);
    }
    const QRect row = list->visualItemRect(list->item(1));
    clickAt(list->viewport()->mapToGlobal(row.center()));
    auto* entry = qobject_cast<IImgListItem*>(list->itemWidget(list->item(1)));
    QTRY_VERIFY(entry->isChecked());
    QCOMPARE(part<IImgListWidget>("gallery")->itemPaths(true), QStringList{entry->path()});
    QProcess::execute("import", {"-window", "root", artifactsDir() + "/orvella_gallery.png"});
}

// Each board panel opens by a real click at the left of its button, wholly on the screen; a
// press on the board closes it.
void TestMainFrameWindow::boardPanelsOpenBesideTheirButtons()
{
    IIToolButton* board = part<IRightToolBar>("right")->button(IRightToolBar::Board);
    clickAt(board->mapToGlobal(board->rect().center()));
    IBoardToolBar* bar = part<IBoardToolBar>("board");
    QTRY_VERIFY(bar->isVisible());
    const QRect screen = frame_->screen()->geometry();
    for (int id : {IBoardToolBar::Thickness, IBoardToolBar::Color, IBoardToolBar::Transparency,
                   IBoardToolBar::Shape, IBoardToolBar::Eraser}) {
        const IPanelHost::Panel which = IPanelHost::keptPanel(IPanelHost::BoardBar, id);
        const QString name = IPanelHost::panelName(which).replace(' ', '_');
        IIToolButton* button = bar->button(id);
        clickAt(button->mapToGlobal(button->rect().center()));
        auto* panel = dynamic_cast<QWidget*>(frame_->panelHost()->panel(which));
        QTRY_VERIFY2(panel->isVisible(), qPrintable(name));
        const QRect placed(panel->mapToGlobal(QPoint(0, 0)), panel->size());
        const QPoint corner = button->mapToGlobal(QPoint(0, 0));
        QVERIFY2(screen.contains(placed), qPrintable(name));
        QCOMPARE(placed.right() + 1, corner.x() - int(10 * uiScale));
        QVERIFY(qAbs(placed.center().y() - (corner.y() + int(25 * uiScale))) <= 1);
        QTest::qWait(200);
        QProcess::execute("import",
                          {"-window", "root", artifactsDir() + "/orvella_" + name + ".png"});
        clickAt(boardCentre());
        QTRY_VERIFY2(!panel->isVisible(), qPrintable(name));
    }
}

// Each camera panel opens above its button (inside the screen); the magnifier shows the screen
// around the pointer, also at the screen's edge.
void TestMainFrameWindow::cameraPanelsAndMagnifier()
{
    for (int id : {ICameraToolBar::FocusExposure, ICameraToolBar::Resolution,
                   ICameraToolBar::ColorAdjusting}) {
        const QPoint button = part<ICameraToolBar>("camera")->buttonGlobalPos(id);
        clickAt(button + QPoint(5, 5));
        auto* panel = dynamic_cast<QWidget*>(
            frame_->panelHost()->panel(IPanelHost::keptPanel(IPanelHost::CameraBar, id)));
        QTRY_VERIFY(panel->isVisible());
        const QRect box(panel->mapToGlobal(QPoint()), panel->size());
        QCOMPARE(box.bottom() + 1 + 10, button.y());
        QCOMPARE(box.left(), qMax(0, button.x() + 42 - box.width() / 2));
        QTest::qWait(300);  // painted
        QProcess::execute(
            "import",
            {"-window", "root", artifactsDir() + QStringLiteral("/orvella_panel_%1.png").arg(id)});
    }
    frame_->slRightToolBarClick(false, IRightToolBar::Magnifier);
    // At the left edge the grabbed area stays on the screen.
    QScreen* screen = frame_->screen();
    const QPoint origin = screen->geometry().topLeft();
    for (const auto& [x, left] : {qMakePair(400, 275), qMakePair(2, 0)}) {
        const QPoint at = origin + QPoint(x, 600);
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
        QTRY_COMPARE(part<IMagnifierFrame>("panel.magnifier")
                         ->pictureLabel()
                         ->pixmap(Qt::ReturnByValue)
                         .toImage(),
                     screen->grabWindow(0, left, 525, 250, 150).scaled(500, 300).toImage());
    }
    QProcess::execute("import", {"-window", "root", artifactsDir() + "/orvella_magnifier.png"});
    frame_->slRightToolBarClick(false, IRightToolBar::Magnifier);
}

// The checked capture beside the live picture, and the second camera in its panel, together.
void TestMainFrameWindow::compareAndPictureInPicture()
{
    frame_->slCameratoolbarClick(false, ICameraToolBar::SplitScreen);
    frame_->slCameratoolbarClick(false, ICameraToolBar::PictureInPicture);
    ImageView* viewer = part<ImageView>("panel.viewer");
    ISmallCameraFrame* pip = part<ISmallCameraFrame>("panel.pictureinpicture");
    QTRY_VERIFY(viewer->isVisible() && pip->isVisible());
    // The second camera's blue page in the panel, the checked capture (white) in the viewer, once
    // both are painted.
    const QString shot = artifactsDir() + "/orvella_compare_pip.png";
    const auto painted = [&]() {
        const QImage screen =
            QProcess::execute("import", {"-window", "root", shot}) == 0 ? QImage(shot) : QImage();
        const QPoint inViewer(viewer->width() / 2, viewer->height() * 9 / 10);
        return QColor(screen.pixel(pip->pictureLabel()->mapToGlobal(QPoint(20, 20)))).blue() >
                   150 &&
               qGray(screen.pixel(viewer->mapToGlobal(inViewer))) > 200;
    };
    QTRY_VERIFY_WITH_TIMEOUT(painted(), 15000);
}

// Each capture panel opens once where it belongs; the screenshots are kept to be looked at.
void TestMainFrameWindow::capturePanelsOnScreen()
{
    const auto shot = [](const QString& name) {
        QTest::qWait(300);  // painted
        QProcess::execute("import", {"-window", "root", artifactsDir() + "/orvella_" + name});
    };
    const auto snapIn = [this](int mode) {
        part<ICaptureModeFrame>("panel.capturemode")->setMode(mode);
        frame_->slCameratoolbarClick(false, ICameraToolBar::Snap);
    };
    const QPoint photoMode =
        part<ICameraToolBar>("camera")->buttonGlobalPos(ICameraToolBar::PhotoMode);
    clickAt(photoMode + QPoint(5, 5));
    QTRY_VERIFY(part<ICaptureModeFrame>("panel.capturemode")->isVisible());
    const QRect box(part<ICaptureModeFrame>("panel.capturemode")->mapToGlobal(QPoint()),
                    part<ICaptureModeFrame>("panel.capturemode")->size());
    QCOMPARE(box.bottom() + 1 + 10, photoMode.y());
    shot("capture_modes.png");
    part<ICaptureModeFrame>("panel.capturemode")->showPanel(false);

    snapIn(TimelapseCapture);
    ITimelapseFrame* timelapse = part<ITimelapseFrame>("panel.timelapse");
    QVERIFY(timelapse->isVisible());
    timelapse->intervalButton()->click();
    shot("timelapse.png");
    timelapse->showPanel(false);

    snapIn(PartialCapture);
    QVERIFY(part<ICaptureFrame>("panel.partial")->isVisible());
    shot("partial_capture.png");
    part<ICaptureFrame>("panel.partial")->actionButton(ICaptureFrame::Back)->click();

    answerNextModal([&shot](QWidget* widget) {
        auto* dialog = qobject_cast<ITimerCaptureFrame*>(widget);
        dialog->intervalField()->setText("60");
        dialog->pagesField()->setText("5");
        shot("timing_dialog.png");
        dialog->confirmSettings();
    });
    snapIn(TimingCapture);
    QVERIFY(part<ITimerCaptureFrame>("panel.timing")->isCapturing());
    shot("timing_bar.png");
    part<ITimerCaptureFrame>("panel.timing")
        ->controlBar()
        ->actionButton(ITimerCaptureControlFrame::Stop)
        ->click();
    QVERIFY(!part<ITimerCaptureFrame>("panel.timing")->isCapturing());
    part<ICaptureModeFrame>("panel.capturemode")->setMode(DefaultCapture);
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaWindowTest"), argc, argv);
    TestMainFrameWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainframe_window.moc"
