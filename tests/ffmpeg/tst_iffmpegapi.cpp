#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"
#include "videoprobe.h"

#include <csignal>

// The recorder facade against tests/bin/fakerecorder/ScreenRecord (see fakerecorder.cpp).
// The facade is one object for the whole process, so the order of these functions matters.
class TestIFFmpegApi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void outputFileName_data();
    void outputFileName();
    void outputFileNameNeverReplacesAVideo();
    void finishWithoutTimelapse();
    void startWithoutLinkReportsThree();
    void fixedAnswers();
    void recording();
    void stopBeforeConnectedSendsNothing();
    void shutdownWaitsForTheFileAndEndsOnlyOurs();
    void shutdownGraceThenTerminate();
    void shutdownWithoutRecorderDoesNotWait();
    void timelapse();
    void newTimelapseFinishesTheRunningOne();
    void timelapseAtZeroFrameRate();

private:
    IFFmpegApi* api() const { return IFFmpegApi::instance(); }
    void startLink(const QString& mode);
    QStringList logLines() const;
    QString folder(const QString& name) const;
    static QImage picture(int number);

    QTemporaryDir dir_;
    QString log_;
    int run_ = 0;
};

void TestIFFmpegApi::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY(dir_.isValid());
    qRegisterMetaType<QRect>();
}

void TestIFFmpegApi::cleanupTestCase()
{
    api()->shutdown();
}

void TestIFFmpegApi::startLink(const QString& mode)
{
    log_ = dir_.filePath(QStringLiteral("fake_%1.log").arg(++run_));
    qputenv("FAKE_RECORDER_LOG", log_.toLocal8Bit());
    qputenv("FAKE_RECORDER_MODE", mode.toLocal8Bit());
    api()->init();
    api()->recorderLink()->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
}

QStringList TestIFFmpegApi::logLines() const
{
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QString TestIFFmpegApi::folder(const QString& name) const
{
    QDir(dir_.path()).mkpath(name);
    return dir_.filePath(name) + "/";
}

QImage TestIFFmpegApi::picture(int number)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((number * 40) % 360, 200, 200));
    return image;
}

void TestIFFmpegApi::outputFileName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder with slash") << "/home/me/video/"
                                       << "mp4"
                                       << "/home/me/video/20190422143005.mp4";
    QTest::newRow("folder without slash") << "/home/me/video"
                                          << "mp4"
                                          << "/home/me/video/20190422143005.mp4";
    QTest::newRow("other format") << "/v/"
                                  << "flv"
                                  << "/v/20190422143005.flv";
}

void TestIFFmpegApi::outputFileName()
{
    QFETCH(QString, folder);
    QFETCH(QString, extension);
    QFETCH(QString, expected);
    const QDateTime when(QDate(2019, 4, 22), QTime(14, 30, 5));
    QCOMPARE(IFFmpegApi::outputFileName(folder, when, extension), expected);
}

void TestIFFmpegApi::outputFileNameNeverReplacesAVideo()
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2019, 4, 22), QTime(14, 30, 5));
    const QString first = IFFmpegApi::outputFileName(dir.path(), when, "mp4");
    QCOMPARE(first, dir.path() + "/20190422143005.mp4");
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = IFFmpegApi::outputFileName(dir.path(), when, "mp4");
    QCOMPARE(second, dir.path() + "/20190422143005_1.mp4");
    QFile(second).open(QIODevice::WriteOnly);
    QCOMPARE(IFFmpegApi::outputFileName(dir.path() + "/", when, "mp4"),
             dir.path() + "/20190422143005_2.mp4");
}

void TestIFFmpegApi::finishWithoutTimelapse()
{
    int seconds = 77;
    QCOMPARE(api()->finishTimelapseVideo(seconds), QString());
    QCOMPARE(seconds, 0);
    api()->addTimelapsePicture(picture(1));  // nowhere to go, and no harm
}

void TestIFFmpegApi::startWithoutLinkReportsThree()
{
    QVERIFY(!api()->recorderLink());
    QSignalSpy status(api(), &IFFmpegApi::recordMessage);
    QVERIFY(!api()->startRecord(folder("nolink"), QRect(0, 0, 100, 100)));
    QCOMPARE(status.size(), 0);  // not from inside the call
    QTRY_COMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toInt(), 3);
}

void TestIFFmpegApi::fixedAnswers()
{
    QVERIFY(api()->usesExternalRecorder());
    QVERIFY(api()->ffmpegcmdGetDeviceInfo());
    QVERIFY(!api()->deviceDropped());
}

void TestIFFmpegApi::recording()
{
    startLink(QStringLiteral("normal"));
    IConfigureService::instance()->frameRate = 15;
    IConfigureService::instance()->setVideoFormat(QStringLiteral("flv"));
    QSignalSpy status(api(), &IFFmpegApi::recordMessage);
    QSignalSpy finished(api(), &IFFmpegApi::sgRecordVideo);
    const QString videos = folder("videos");
    const QDateTime before = QDateTime::currentDateTime();

    QVERIFY(!api()->startRecord(videos, QRect(5, 6, 320, 240)));
    QTRY_COMPARE(status.size(), 1);
    QCOMPARE(status.takeFirst().first().toInt(), 2);  // 0 stays inside the facade
    const QRegularExpression arguments("^args " + QRegularExpression::escape(videos) +
                                       R"((\d{14})\.flv 5 6 320 240 1 15$)");
    const QStringList lines = logLines().filter(arguments);
    QCOMPARE(lines.size(), 1);
    const QDateTime stamp = QDateTime::fromString(arguments.match(lines.first()).captured(1),
                                                  QStringLiteral("yyyyMMddhhmmss"));
    QVERIFY(stamp >= before.addSecs(-1) && stamp <= QDateTime::currentDateTime());

    QVERIFY(api()->pauseRecord(true));
    QVERIFY(api()->pauseRecord(false));
    QVERIFY(api()->stopRecord());
    QTRY_COMPARE(finished.size(), 1);
    const QString file = finished.first().first().toString();
    QVERIFY(file.startsWith(videos) && file.endsWith(".flv"));
    QTRY_COMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toInt(), 4);
    QCOMPARE(logLines().filter(QRegularExpression("^command ")),
             (QStringList{"command 2", "command 3", "command 1"}));
    IConfigureService::instance()->setVideoFormat(QStringLiteral("mp4"));
}

void TestIFFmpegApi::stopBeforeConnectedSendsNothing()
{
    startLink(QStringLiteral("late-ready"));
    QSignalSpy status(api(), &IFFmpegApi::recordMessage);
    api()->startRecord(folder("late"), QRect(0, 0, 100, 100));
    QVERIFY(api()->stopRecord());
    QTRY_COMPARE(status.size(), 1);
    QVERIFY(!logLines().contains("command 1"));
    QVERIFY(api()->stopRecord());
    QTRY_VERIFY(logLines().contains("command 1"));
}

void TestIFFmpegApi::shutdownWaitsForTheFileAndEndsOnlyOurs()
{
    QProcess stranger;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FAKE_RECORDER_MODE", "hang");
    environment.insert("FAKE_RECORDER_LOG", dir_.filePath("stranger.log"));
    stranger.setProcessEnvironment(environment);
    stranger.start(QStringLiteral(FAKE_RECORDER), QStringList());
    QVERIFY(stranger.waitForStarted());

    startLink(QStringLiteral("normal"));
    QSignalSpy status(api(), &IFFmpegApi::recordMessage);
    QSignalSpy finished(api(), &IFFmpegApi::sgRecordVideo);
    api()->startRecord(folder("closing"), QRect(0, 0, 100, 100));
    QTRY_COMPARE(status.size(), 1);

    api()->setShutdownGrace(20000);
    QElapsedTimer clock;
    clock.start();
    api()->shutdown();
    QVERIFY2(clock.elapsed() < 10000, "shutdown waited out the grace despite the file");
    QCOMPARE(finished.size(), 1);  // the file arrived while shutting down
    QVERIFY(logLines().contains("stopped"));
    QVERIFY(!api()->recorderLink());
    QCOMPARE(stranger.state(), QProcess::Running);
    stranger.kill();
    stranger.waitForFinished();
}

void TestIFFmpegApi::shutdownGraceThenTerminate()
{
    startLink(QStringLiteral("ignore-stop"));
    QSignalSpy status(api(), &IFFmpegApi::recordMessage);
    api()->startRecord(folder("stubborn"), QRect(0, 0, 100, 100));
    QTRY_COMPARE(status.size(), 1);
    const qint64 pid = api()->recorderLink()->recorderProcessId();
    // A grace long enough for a loaded machine to deliver the stop command first.
    api()->setShutdownGrace(3000);
    // SIGTERM must be seen before any kill, however slowly a loaded machine schedules the recorder.
    api()->recorderLink()->setTerminateTimeout(30000);
    api()->shutdown();
    // After the grace the link is dropped and the recorder terminated: it ends on whichever of
    // the two it sees first.
    const QStringList ends = logLines().filter(QRegularExpression("^(command|terminated|link)"));
    QCOMPARE(ends.value(0), QStringLiteral("command 1"));
    QVERIFY2(ends.value(1) == "terminated" || ends.value(1) == "link lost",
             qPrintable(ends.join('|')));
    QVERIFY(::kill(pid, 0) != 0);
}

void TestIFFmpegApi::shutdownWithoutRecorderDoesNotWait()
{
    startLink(QStringLiteral("normal"));
    api()->setShutdownGrace(20000);
    QElapsedTimer clock;
    clock.start();
    api()->shutdown();
    QVERIFY(clock.elapsed() < 10000);
    QVERIFY(!api()->recorderLink());
    api()->setShutdownGrace(3000);
}

void TestIFFmpegApi::timelapse()
{
    const QString videos = folder("timelapse");
    QVERIFY(api()->startTimelapseVideo(videos, QSize(320, 240), 5));
    for (int i = 0; i < 10; ++i) {
        api()->addTimelapsePicture(picture(i));
    }
    int seconds = -1;
    const QString path = api()->finishTimelapseVideo(seconds);
    QCOMPARE(seconds, 2);
    QVERIFY(QRegularExpression("^" + QRegularExpression::escape(videos) + R"(\d{14}\.mp4$)")
                .match(path)
                .hasMatch());
    QTRY_COMPARE_WITH_TIMEOUT(VideoProbe::of(path).frames, 10, 30000);
    QVERIFY(qAbs(VideoProbe::of(path).duration - 2.0) < 0.002);
}

void TestIFFmpegApi::newTimelapseFinishesTheRunningOne()
{
    const QString first = folder("first");
    QVERIFY(api()->startTimelapseVideo(first, QSize(320, 240), 5));
    for (int i = 0; i < 7; ++i) {
        api()->addTimelapsePicture(picture(i));
    }
    QVERIFY(api()->startTimelapseVideo(folder("second"), QSize(320, 240), 5));
    // Started again without a finish: the first video is complete, not cut off.
    const QStringList files = QDir(first).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    const VideoProbe probe = VideoProbe::of(first + files.first());
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.frames, 7);
    int seconds = -1;
    QCOMPARE(api()->finishTimelapseVideo(seconds), QString());  // the second got no picture
    QCOMPARE(seconds, 0);
}

void TestIFFmpegApi::timelapseAtZeroFrameRate()
{
    QVERIFY(api()->startTimelapseVideo(folder("zero"), QSize(320, 240), 0));
    for (int i = 0; i < 3; ++i) {
        api()->addTimelapsePicture(picture(i));
    }
    int seconds = -1;
    const QString path = api()->finishTimelapseVideo(seconds);
    QVERIFY(!path.isEmpty());
    QCOMPARE(seconds, 3);
    QTRY_COMPARE_WITH_TIMEOUT(VideoProbe::of(path).frames, 3, 30000);
}

QTEST_GUILESS_MAIN(TestIFFmpegApi)
#include "tst_iffmpegapi.moc"
