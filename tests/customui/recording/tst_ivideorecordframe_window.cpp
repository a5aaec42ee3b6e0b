#include <QtTest>

#include <QScreen>
#include <QTemporaryDir>

#include "customui/kit/iitoolbutton.h"
#include "customui/recording/ivideorecordframe.h"
#include "customui/recording/ivideorecordmsgbox.h"
#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "kittesthelpers.h"
#include "service/iconfigureservice.h"
#include "testpaths.h"
#include "videoprobe.h"

// The recording panel with the real recorder on this test's own X server (1920 x 1080): the
// presenter's whole way from choosing an area to the finished file.
class TestIVideoRecordFrameWindow : public QObject {
    Q_OBJECT
private slots:
    void chooseRecordPauseAndStop();
};

void TestIVideoRecordFrameWindow::chooseRecordPauseAndStop()
{
    QTemporaryDir dir;
    IConfigureService::instance()->setVideoPath(dir.path() + "/");
    IFFmpegApi::instance()->init();
    IFFmpegApi::instance()->recorderLink()->setRecorderProgram(binDir() +
                                                               "/ScreenRecord/ScreenRecord");
    // The desktop to record: one known colour.
    const QColor desk(40, 170, 60);
    QWidget backdrop(nullptr, Qt::FramelessWindowHint);
    backdrop.setStyleSheet(QStringLiteral("background-color:%1;").arg(desk.name()));
    backdrop.setGeometry(0, 0, 1920, 1080);
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

    IVideoRecordFrame panel;
    panel.showPanel(true);
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseClick(panel.button(IVideoRecordFrame::Size640x480), Qt::LeftButton);
    // An odd width by dragging the right handle: the recorder makes it even.
    const QRect chosen = panel.zoneRect();
    const QPoint handle(chosen.right(), chosen.center().y());
    sendMouse(&panel, QEvent::MouseButtonPress, handle);
    sendMouse(&panel, QEvent::MouseMove, handle + QPoint(3, 0));
    sendMouse(&panel, QEvent::MouseButtonRelease, handle + QPoint(3, 0));
    const QRect area = panel.globalZoneRect();
    QCOMPARE(area.width(), 643);
    QTest::qWait(300);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage choosing = screen->grabWindow(0).toImage();
    choosing.save(artifactsDir() + "/recording_choosing.png");
    QVERIFY(!near(choosing.pixelColor(area.topLeft() - QPoint(50, 50)), desk));  // shaded

    // Ten elapsed-time steps in a fraction of the time: the control bar stays where it was put,
    // on the screen as the window system has it.
    panel.setTickInterval(100);
    QTest::mouseClick(panel.button(IVideoRecordFrame::Start), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(panel.isRecording(), 20000);
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY(panel.controlBar()->isVisible());
    QTest::qWait(100);
    const QPoint placed = panel.controlBar()->mapToGlobal(QPoint());
    QTRY_VERIFY_WITH_TIMEOUT(panel.elapsedText() >= QStringLiteral("00 : 00 : 10"), 10000);
    panel.setTickInterval(1000);
    QTest::qWait(300);
    QCOMPARE(panel.controlBar()->mapToGlobal(QPoint()), placed);
    QTest::qWait(qMax<qint64>(0, 1500 - clock.elapsed()));
    const QImage recording = screen->grabWindow(0).toImage();
    recording.save(artifactsDir() + "/recording_running.png");
    QVERIFY(near(recording.pixelColor(area.center()), desk, 10));
    QVERIFY(near(recording.pixelColor(area.topLeft() + QPoint(1, 1)), desk, 10));
    // Brackets and control bar over the desk, although the desk is the active window.
    QVERIFY(!near(recording.pixelColor(area.topLeft() - QPoint(5, 5)), desk));  // a bracket
    const QRect bar = panel.controlBar()->geometry();
    QVERIFY(!near(recording.pixelColor(bar.center() + QPoint(bar.width() / 4, 0)), desk));
    QTest::mouseClick(panel.button(IVideoRecordFrame::Halt), Qt::LeftButton);
    qint64 recorded = clock.elapsed();
    QTest::qWait(1000);
    QTest::mouseClick(panel.button(IVideoRecordFrame::Resume), Qt::LeftButton);
    clock.restart();
    QTest::qWait(1000);
    QTest::mouseClick(panel.button(IVideoRecordFrame::Stop), Qt::LeftButton);
    recorded += clock.elapsed();

    IVideoRecordMsgBox* box = panel.messageBox();
    QTRY_VERIFY_WITH_TIMEOUT(box->isVisible(), 10000);
    QVERIFY(box->path().startsWith(dir.path()));
    screen->grabWindow(0).save(artifactsDir() + "/recording_offered.png");
    const VideoProbe probe = VideoProbe::of(box->path());
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.codec, QStringLiteral("h264"));
    QCOMPARE(QSize(probe.width, probe.height), QSize(642, 480));
    QVERIFY2(qAbs(probe.duration - recorded / 1000.0) < 0.6,
             qPrintable(QStringLiteral("%1 s for %2 ms").arg(probe.duration).arg(recorded)));
    // Well into the recording: the desk, not the shade (away from the pointer in the middle).
    const QImage frame = videoFrameAt(box->path(), 1.0);
    frame.save(artifactsDir() + "/recording_frame.png");
    for (const QPoint& at : {QPoint(100, 100), QPoint(540, 100), QPoint(540, 380)}) {
        QVERIFY2(near(frame.pixelColor(at), desk, 30), qPrintable(frame.pixelColor(at).name()));
    }
    QTest::mouseClick(box->button(IVideoRecordMsgBox::CloseBox), Qt::LeftButton);
    QVERIFY(!box->isVisible());
    IFFmpegApi::instance()->shutdown();
}

QTEST_MAIN(TestIVideoRecordFrameWindow)
#include "tst_ivideorecordframe_window.moc"
