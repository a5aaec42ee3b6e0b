#include <QtTest>

#include <QTemporaryDir>

#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/ilog.h"
#include "testpaths.h"
#include "videoprobe.h"

#include <csignal>

using Codes = QList<int>;

// The real ScreenRecord on this test's own X server (1920 x 1080), steered through the link.
class TestScreenRecord : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pauseAndResumeLeaveNoGap();
    void areaFittedToScreen();
    void everyOfferedContainer_data();
    void everyOfferedContainer();
    void killedRecorderLeavesReadableFile();
    void lostLinkFinishesTheFile();
    void terminatedRecorderFinishesTheFile();
    void badStartReportsThree_data();
    void badStartReportsThree();

private:
    static QString recorderProgram();
    bool startRecording(const QString& file, const QRect& area, int frameRate);
    Codes codes() const;
    QString reportedFile() const;

    QTemporaryDir dir_;
    ITcpServer* link_ = nullptr;
    QSignalSpy* spy_ = nullptr;
};

void TestScreenRecord::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY(dir_.isValid());
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server");
    QVERIFY(QFile::exists(recorderProgram()));
}

void TestScreenRecord::init()
{
    link_ = new ITcpServer;
    link_->setRecorderProgram(recorderProgram());
    spy_ = new QSignalSpy(link_, &ITcpServer::recordMessage);
}

void TestScreenRecord::cleanup()
{
    delete spy_;
    delete link_;
}

// The built recorder, or with ORVELLA_RECORDER_PROGRAM an installed copy.
QString TestScreenRecord::recorderProgram()
{
    return qEnvironmentVariable("ORVELLA_RECORDER_PROGRAM",
                                binDir() + "/ScreenRecord/ScreenRecord");
}

bool TestScreenRecord::startRecording(const QString& file, const QRect& area, int frameRate)
{
    link_->startRecordVideo(file, area, frameRate);
    QElapsedTimer clock;
    clock.start();
    while (!codes().contains(2) && !codes().contains(3) && clock.elapsed() < 20000) {
        QTest::qWait(10);
    }
    return codes() == Codes{0, 2};
}

Codes TestScreenRecord::codes() const
{
    Codes result;
    for (const QList<QVariant>& call : *spy_) {
        result.append(call.first().toInt());
    }
    return result;
}

QString TestScreenRecord::reportedFile() const
{
    for (const QList<QVariant>& call : *spy_) {
        if (call.first().toInt() == 1) {
            return call.at(1).toString();
        }
    }
    return QString();
}

void TestScreenRecord::pauseAndResumeLeaveNoGap()
{
    const QString file = dir_.filePath("paused.mp4");
    QVERIFY(startRecording(file, QRect(100, 100, 401, 301), 10));
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(1500);
    link_->pause(true);
    qint64 recorded = clock.restart();
    QTest::qWait(1000);
    link_->pause(false);
    clock.restart();
    QTest::qWait(1000);
    link_->stop();
    recorded += clock.elapsed();
    QTRY_COMPARE_WITH_TIMEOUT(codes(), (Codes{0, 2, 1, 4}), 10000);
    QCOMPARE(reportedFile(), file);

    const VideoProbe probe = VideoProbe::of(file);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.codec, QStringLiteral("h264"));
    QCOMPARE(probe.pixelFormat, QStringLiteral("yuv420p"));
    QCOMPARE(probe.width, 400);
    QCOMPARE(probe.height, 300);
    // The paused second is not in the video (with it the length would be 1 s more).
    QVERIFY2(qAbs(probe.duration - recorded / 1000.0) < 0.5,
             qPrintable(QStringLiteral("%1 s for %2 ms").arg(probe.duration).arg(recorded)));
    QVERIFY(endsWithFragmentIndex(file));
}

void TestScreenRecord::areaFittedToScreen()
{
    const QString file = dir_.filePath("corner.mp4");
    QVERIFY(startRecording(file, QRect(1800, 1000, 400, 300), 10));
    QTest::qWait(800);
    link_->stop();
    QTRY_COMPARE_WITH_TIMEOUT(codes(), (Codes{0, 2, 1, 4}), 10000);
    const VideoProbe probe = VideoProbe::of(file);
    QCOMPARE(probe.width, 120);
    QCOMPARE(probe.height, 80);
    QVERIFY(probe.frames > 0);
}

// The settings dialog offers these video formats beside mp4; each records a playable file.
void TestScreenRecord::everyOfferedContainer_data()
{
    QTest::addColumn<QString>("suffix");
    for (const char* suffix : {"flv", "avi", "mov"}) {
        QTest::newRow(suffix) << QString(suffix);
    }
}

void TestScreenRecord::everyOfferedContainer()
{
    QFETCH(QString, suffix);
    const QString file = dir_.filePath("offered." + suffix);
    QVERIFY(startRecording(file, QRect(0, 0, 320, 240), 10));
    QTest::qWait(1200);
    link_->stop();
    QTRY_COMPARE_WITH_TIMEOUT(codes(), (Codes{0, 2, 1, 4}), 10000);
    const VideoProbe probe = VideoProbe::of(file);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.codec, QStringLiteral("h264"));
    QVERIFY2(probe.frames >= 8 && probe.duration > 0.8,
             qPrintable(QString::number(probe.duration)));
}

void TestScreenRecord::killedRecorderLeavesReadableFile()
{
    const QString file = dir_.filePath("killed.mp4");
    QVERIFY(startRecording(file, QRect(0, 0, 320, 240), 10));
    QTest::qWait(2500);
    QCOMPARE(::kill(link_->recorderProcessId(), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(codes(), (Codes{0, 2, 4}), 10000);
    const VideoProbe probe = VideoProbe::of(file);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.codec, QStringLiteral("h264"));
    QVERIFY2(probe.frames >= 10, qPrintable(QString::number(probe.frames)));  // a second or more
    QVERIFY(!endsWithFragmentIndex(file));  // cut off, yet readable
}

void TestScreenRecord::lostLinkFinishesTheFile()
{
    const QString file = dir_.filePath("orphaned.mp4");
    QVERIFY(startRecording(file, QRect(0, 0, 320, 240), 10));
    QTest::qWait(1500);
    link_->stopSocketListen();
    QTRY_COMPARE_WITH_TIMEOUT(link_->recorderProcessId(), 0, 10000);  // it ended by itself
    const VideoProbe probe = VideoProbe::of(file);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QVERIFY(qAbs(probe.duration - 1.5) < 0.5);
    QVERIFY(endsWithFragmentIndex(file));
}

void TestScreenRecord::terminatedRecorderFinishesTheFile()
{
    const QString file = dir_.filePath("terminated.mp4");
    QVERIFY(startRecording(file, QRect(0, 0, 320, 240), 10));
    QTest::qWait(1500);
    link_->closeProcess();
    QTRY_COMPARE_WITH_TIMEOUT(codes(), (Codes{0, 2, 1, 4}), 10000);
    QCOMPARE(reportedFile(), file);
    QVERIFY(VideoProbe::of(file).frames > 0);
    QVERIFY(endsWithFragmentIndex(file));
}

void TestScreenRecord::badStartReportsThree_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("frameRate");
    QTest::addColumn<QString>("display");
    const QString ok = dir_.filePath("bad.mp4");
    QTest::newRow("frame rate 0") << ok << QRect(0, 0, 320, 240) << 0 << QString();
    QTest::newRow("area outside the screen") << ok << QRect(3000, 0, 320, 240) << 10 << QString();
    QTest::newRow("folder missing")
        << dir_.filePath("none/bad.mp4") << QRect(0, 0, 320, 240) << 10 << QString();
    QTest::newRow("unknown container")
        << dir_.filePath("bad.unknown") << QRect(0, 0, 320, 240) << 10 << QString();
    QTest::newRow("no X server") << ok << QRect(0, 0, 320, 240) << 10 << ":99999";
}

void TestScreenRecord::badStartReportsThree()
{
    QFETCH(QString, file);
    QFETCH(QRect, area);
    QFETCH(int, frameRate);
    QFETCH(QString, display);
    const QByteArray ownDisplay = qgetenv("DISPLAY");
    if (!display.isEmpty()) {
        qputenv("DISPLAY", display.toLocal8Bit());
    }
    link_->startRecordVideo(file, area, frameRate);
    qputenv("DISPLAY", ownDisplay);
    QTRY_COMPARE_WITH_TIMEOUT(codes().count(3), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(link_->recorderProcessId(), 0, 10000);
    QVERIFY(!codes().contains(2));
    QVERIFY(!codes().contains(1));
}

QTEST_GUILESS_MAIN(TestScreenRecord)
#include "tst_screenrecord.moc"
