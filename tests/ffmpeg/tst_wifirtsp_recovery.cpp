#include <QtTest>

#include <memory>

#include "logcapture.h"
#include "wificamerarig.h"

// The RTSP video thread when the camera simulator stalls, dies or hangs.
class TestWifiRtspRecovery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stalledStreamIsReopened();
    void deadServerEndsWithStatus1_data();
    void deadServerEndsWithStatus1();
    void stopThreadIsPrompt_data();
    void stopThreadIsPrompt();

private:
    std::unique_ptr<LogCapture> log_;
    WifiCameraRig rig_;
};

void TestWifiRtspRecovery::init()
{
    log_ = std::make_unique<LogCapture>();
}

void TestWifiRtspRecovery::cleanup()
{
    rig_.stop();
    log_.reset();
}

void TestWifiRtspRecovery::stalledStreamIsReopened()
{
    // Over UDP every read of a silent stream times out (here after 300 ms).
    WifiTimings timings = WifiCameraRig::shortTimings();
    timings.socketTimeoutMs = 300;
    timings.reopenAfterMs = 400;
    QVERIFY(rig_.start({"--transport", "udp", "--resolution", "320x240"}, timings));
    QVERIFY(!rig_.waitForFrames(5).isNull());
    QVERIFY(rig_.sim().hook("stall 2000"));
    QTRY_VERIFY_WITH_TIMEOUT(log_->count("reopen rtsp ") >= 1, 5000);
    QVERIFY(!rig_.waitForFrames(5, 8000).isNull());
    QCOMPARE(rig_.status().count(), 1);  // only the first "running"
}

void TestWifiRtspRecovery::deadServerEndsWithStatus1_data()
{
    QTest::addColumn<QString>("transport");
    QTest::addColumn<bool>("suspend");
    QTest::newRow("killed, tcp") << "tcp" << false;
    QTest::newRow("killed, udp") << "udp" << false;
    QTest::newRow("suspended, tcp") << "tcp" << true;
}

void TestWifiRtspRecovery::deadServerEndsWithStatus1()
{
    QFETCH(QString, transport);
    QFETCH(bool, suspend);
    QVERIFY(rig_.start({"--transport", transport, "--resolution", "320x240"}));
    QVERIFY(!rig_.waitForFrames(5).isNull());
    QTRY_COMPARE(rig_.status().count(), 1);
    const int linesBefore = log_->lines().size();
    QElapsedTimer timer;
    timer.start();
    if (suspend) {
        rig_.sim().suspend();
    } else {
        rig_.sim().kill();
    }
    QTRY_VERIFY_WITH_TIMEOUT(rig_.status().count() == 2, 10000);
    QCOMPARE(rig_.status().last().first().toInt(), 1);
    QVERIFY(rig_.thread().wait(2000));
    const QStringList lines = log_->lines().mid(linesBefore);
    // Failed reads are retried at a measured pace (50 ms apart here, or a read time-out) and
    // logged at most once a second.
    const QStringList summary = lines.filter("failed reads:");
    QVERIFY(!summary.isEmpty());
    const QStringList words = summary.last().split(' ', Qt::SkipEmptyParts);
    const int failed = words.value(words.indexOf("reads:") + 1).toInt();
    const int ms = words.value(words.indexOf("in") + 1).toInt();
    QVERIFY2(failed >= 1 && failed <= 2 + ms / 50, qPrintable(summary.last()));
    QVERIFY2(lines.filter("av_read_frame: ").size() <= 2 + timer.elapsed() / 1000,
             qPrintable(QString::number(lines.filter("av_read_frame: ").size())));
    QVERIFY2(lines.size() < 200, qPrintable(QString::number(lines.size())));
}

void TestWifiRtspRecovery::stopThreadIsPrompt_data()
{
    QTest::addColumn<bool>("suspend");
    QTest::newRow("streaming") << false;
    QTest::newRow("waiting on a silent server") << true;
}

void TestWifiRtspRecovery::stopThreadIsPrompt()
{
    QFETCH(bool, suspend);
    WifiTimings timings = WifiCameraRig::shortTimings();
    timings.socketTimeoutMs = 2000;  // the real time-out: stopping must not wait for it
    timings.reopenAfterMs = 5000;
    QVERIFY(rig_.start({"--transport", "tcp", "--resolution", "320x240"}, timings));
    QVERIFY(!rig_.waitForFrames(3).isNull());
    if (suspend) {
        rig_.sim().suspend();
        QTest::qWait(300);
    }
    QElapsedTimer timer;
    timer.start();
    rig_.thread().stopThread();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(rig_.thread().isFinished());
    timer.restart();
    rig_.thread().stopThread();
    QVERIFY(timer.elapsed() < 50);
    QCOMPARE(log_->count("exit rtsp stream"), 1);
}

QTEST_GUILESS_MAIN(TestWifiRtspRecovery)
#include "tst_wifirtsp_recovery.moc"
