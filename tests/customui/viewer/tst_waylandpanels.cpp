#include <QtTest>

#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "customui/kit/iitoolbutton.h"
#include "customui/recording/ivideorecordframe.h"
#include "customui/viewer/imagnifierframe.h"
#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "iapplication.h"
#include "testpaths.h"

namespace {

const QColor kLeft(30, 160, 60);
const QColor kRight(30, 40, 200);

// The whole output in two colours, left and right of its middle. As large as the output, it is
// where the compositor centres it: at the origin.
class Backdrop : public QWidget {
public:
    Backdrop() : QWidget(nullptr, Qt::FramelessWindowHint) { resize(1920, 1080); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, 960, 1080, kLeft);
        painter.fillRect(960, 0, 960, 1080, kRight);
    }
};

bool near(const QColor& a, const QColor& b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <
           tolerance;
}

}  // namespace

// Panels in the headless Wayland session, where no window can be placed at a point of the screen
// and the window system gives no pixels of it: the magnifier reads the desktop portal's screen
// cast, and the recording layer frames the chosen area with its control bar inside it.
class TestWaylandPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void magnifierShowsPixelsAroundPointer();
    void recordingLayerFramesArea();

private:
    Backdrop backdrop_;
};

void TestWaylandPanels::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("SWAYSOCK"), "needs the headless Wayland session");
    backdrop_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop_));
}

void TestWaylandPanels::magnifierShowsPixelsAroundPointer()
{
    IMagnifierFrame magnifier(static_cast<IApplication*>(qApp), &backdrop_);
    magnifier.showPanel(true);
    // Across the colour boundary, below the magnifier (at the right, 100 from the top): the
    // left half of the picture shows the left colour, the right half the right one.
    const QPoint pointer(960, 800);
    magnifier.magnify(pointer);
    const auto shown = [&]() {
        return magnifier.pictureLabel()->pixmap(Qt::ReturnByValue).toImage();
    };
    QImage picture;
    QVERIFY2(QTest::qWaitFor(
                 [&]() {
                     picture = shown();
                     return !picture.isNull() &&
                            near(picture.pixelColor(picture.width() / 4, 20), kLeft) &&
                            near(picture.pixelColor(picture.width() * 3 / 4, 20), kRight);
                 },
                 20000),
             "the magnifier shows no picture of the screen");
    picture.save(artifactsDir() + "/wayland_magnifier.png");
    QCOMPARE(picture.size(), IMagnifierFrame::shownSize());
    // The pointer moved into the left colour: the whole picture follows.
    magnifier.magnify(QPoint(300, 800));
    QTRY_VERIFY_WITH_TIMEOUT(near(shown().pixelColor(shown().width() - 5, 20), kLeft), 5000);
    magnifier.showPanel(false);
}

void TestWaylandPanels::recordingLayerFramesArea()
{
    QTemporaryDir dir;
    qputenv("FAKE_RECORDER_LOG", dir.filePath("recorder.log").toLocal8Bit());
    qputenv("FAKE_RECORDER_MODE", "normal");
    IFFmpegApi::instance()->init();
    IFFmpegApi::instance()->recorderLink()->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
    IVideoRecordFrame panel;
    panel.showPanel(true);
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseClick(panel.button(IVideoRecordFrame::Size640x480), Qt::LeftButton);
    const QRect area = panel.globalZoneRect();
    // The stand-in recorder starts at once: the layer frames the area and lets the mouse through.
    QTest::mouseClick(panel.button(IVideoRecordFrame::Start), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(panel.isRecording(), 10000);
    QVERIFY(!panel.controlBar()->isWindow());
    QVERIFY(panel.controlBar()->isVisible());
    QVERIFY(panel.mask().contains(panel.controlBar()->geometry().center()));
    QVERIFY(!panel.mask().contains(panel.zoneRect().center()));
    QImage shot;
    const QString path = artifactsDir() + "/wayland_recording_layer.png";
    QVERIFY2(QTest::qWaitFor(
                 [&]() {
                     QProcess::execute("grim", {path});
                     shot = QImage(path);
                     return !shot.isNull() &&
                            near(shot.pixelColor(area.topLeft() - QPoint(5, 5)), Qt::red);
                 },
                 10000),
             "no bracket at the area's corner");
    // The desktop shows unshaded inside the area and outside it, away from the brackets; the
    // control bar shows where the layer put it.
    for (const QPoint& at : {area.topLeft() + QPoint(5, 5), area.center() + QPoint(0, 60),
                             area.topLeft() - QPoint(200, 200), QPoint(1800, 60)}) {
        const QColor desk = shot.pixelColor(at);
        QVERIFY2(near(desk, kLeft) || near(desk, kRight), qPrintable(desk.name()));
    }
    const QRect bar(panel.mapToGlobal(panel.controlBar()->pos()), panel.controlBar()->size());
    const QColor underBar = shot.pixelColor(bar.center() + QPoint(bar.width() / 4, 0));
    QVERIFY2(!near(underBar, kLeft) && !near(underBar, kRight), qPrintable(underBar.name()));
    // The compositor hands a click on Stop to the bar inside the layer.
    const QPoint stop = panel.button(IVideoRecordFrame::Stop)->rect().center();
    const QPoint at = panel.button(IVideoRecordFrame::Stop)->mapToGlobal(stop);
    // Run beside this event loop, which must see the pointer appear before it is used.
    QProcess pointer;
    pointer.start(QStringLiteral(ORVELLA_WLPOINTER),
                  {QStringLiteral("move:%1,%2").arg(at.x()).arg(at.y()), "press", "release"});
    QTRY_COMPARE_WITH_TIMEOUT(pointer.state(), QProcess::NotRunning, 10000);
    QCOMPARE(pointer.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!panel.isRecording(), 5000);
    QVERIFY(!panel.isVisible());
    IFFmpegApi::instance()->shutdown();
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaWaylandTest"), argc, argv);
    TestWaylandPanels test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_waylandpanels.moc"
