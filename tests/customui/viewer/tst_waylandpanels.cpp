#include <QtTest>

#include <QLabel>

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

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 40;
}

}  // namespace

// Panels in the headless Wayland session, where no window can be placed at a point of the screen
// and the window system gives no pixels of it: the magnifier reads the desktop portal's screen
// cast, and the recording layer frames the chosen area with its control bar inside it. Behind
// them, a window as large as the output (so at its origin), left half kLeft, right half kRight.
class TestWaylandPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void magnifierShowsPixelsAroundPointer();
    void recordingLayerFramesArea();

private:
    QWidget backdrop_{nullptr, Qt::FramelessWindowHint};
};

void TestWaylandPanels::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("SWAYSOCK"), "needs the headless Wayland session");
    backdrop_.setStyleSheet(QString("background: qlineargradient(x1:0, x2:1, stop:0 %1, "
                                    "stop:0.4999 %1, stop:0.5 %2, stop:1 %2);")
                                .arg(kLeft.name(), kRight.name()));
    backdrop_.resize(1920, 1080);
    backdrop_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop_));
}

// Across the colour boundary (below the magnifier, which sits at the top right) the picture is
// half kLeft, half kRight; moved into the left half it is kLeft throughout.
void TestWaylandPanels::magnifierShowsPixelsAroundPointer()
{
    IMagnifierFrame magnifier(static_cast<IApplication*>(qApp), &backdrop_);
    magnifier.showPanel(true);
    const auto shown = [&]() {
        return magnifier.pictureLabel()->pixmap(Qt::ReturnByValue).toImage();
    };
    magnifier.magnify(QPoint(960, 800));
    QTRY_VERIFY_WITH_TIMEOUT(near(shown().pixelColor(shown().width() / 4, 20), kLeft) &&
                                 near(shown().pixelColor(shown().width() * 3 / 4, 20), kRight),
                             20000);
    shown().save(artifactsDir() + "/wayland_magnifier.png");
    QCOMPARE(shown().size(), IMagnifierFrame::shownSize());
    magnifier.magnify(QPoint(300, 800));
    QTRY_VERIFY_WITH_TIMEOUT(near(shown().pixelColor(shown().width() - 5, 20), kLeft), 5000);
    // The portal's token is kept for the next cast, the recorder's included.
    QVERIFY(!IFFmpegApi::storedRestoreToken().isEmpty());
}

// With the stand-in recorder started: red brackets round the area, the desktop unshaded around
// them, the control bar where the layer put it, and a click on its Stop through the compositor.
void TestWaylandPanels::recordingLayerFramesArea()
{
    QTemporaryDir dir;
    qputenv("FAKE_RECORDER_LOG", dir.filePath("recorder.log").toLocal8Bit());
    qputenv("FAKE_RECORDER_MODE", "normal");
    IFFmpegApi::instance()->init();
    IFFmpegApi::instance()->recorderLink()->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
    IVideoRecordFrame panel;
    panel.showPanel(true);
    QTest::mouseClick(panel.button(IVideoRecordFrame::Size640x480), Qt::LeftButton);
    const QRect area = panel.globalZoneRect();
    QTest::mouseClick(panel.button(IVideoRecordFrame::Start), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(panel.isRecording(), 10000);
    QVERIFY(!panel.controlBar()->isWindow());
    const QString path = artifactsDir() + "/wayland_recording_layer.png";
    QImage shot;
    QVERIFY(QTest::qWaitFor(
        [&]() {
            QProcess::execute("grim", {path});
            return near((shot = QImage(path)).pixelColor(area.topLeft() - QPoint(5, 5)), Qt::red);
        },
        10000));
    for (const QPoint& at : {area.topLeft() + QPoint(5, 5), area.center() + QPoint(0, 60),
                             area.topLeft() - QPoint(200, 200), QPoint(1800, 60)}) {
        QVERIFY2(near(shot.pixelColor(at), kLeft) || near(shot.pixelColor(at), kRight),
                 qPrintable(shot.pixelColor(at).name()));
    }
    IIToolButton* stop = panel.button(IVideoRecordFrame::Stop);
    const QPoint at = stop->mapToGlobal(stop->rect().center());
    QVERIFY(!near(shot.pixelColor(at), kLeft) && !near(shot.pixelColor(at), kRight));
    // Beside this event loop, which must see the pointer appear before it is used.
    QProcess pointer;
    pointer.start(binDir() + "/orvella-wlpointer",
                  {QString("move:%1,%2").arg(at.x()).arg(at.y()), "press", "release"});
    QTRY_VERIFY_WITH_TIMEOUT(!panel.isRecording() && !panel.isVisible(), 10000);
    pointer.waitForFinished();
    IFFmpegApi::instance()->shutdown();
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaWaylandTest"), argc, argv);
    TestWaylandPanels test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_waylandpanels.moc"
