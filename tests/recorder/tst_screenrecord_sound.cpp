#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>
#include <csignal>

#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/ilog.h"
#include "soundserver.h"
#include "testpaths.h"
#include "videoprobe.h"

using Codes = QList<int>;

namespace {

// The end time (seconds) of each stream type's last packet, as ffprobe reads the file.
QMap<QString, double> streamEnds(const QString& path)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {"-v", "error", "-show_entries", "packet=codec_type,pts_time,duration_time", "-of",
                 "json", path});
    probe.waitForFinished(60000);
    QMap<QString, double> ends;
    const QJsonArray packets =
        QJsonDocument::fromJson(probe.readAllStandardOutput()).object().value("packets").toArray();
    for (const QJsonValue& packet : packets) {
        const QJsonObject p = packet.toObject();
        const double end = p.value("pts_time").toString().toDouble() +
                           p.value("duration_time").toString().toDouble();
        ends[p.value("codec_type").toString()] =
            qMax(ends.value(p.value("codec_type").toString()), end);
    }
    return ends;
}

// The strongest frequency (10 Hz steps, 100 to 2000 Hz) in second 2 to 3 of the sound.
int peakHertz(const QString& path)
{
    constexpr int kRate = 8000;
    QProcess decode;
    decode.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", path, "-map", "0:a:0", "-ac", "1",
                                            "-ar", QString::number(kRate), "-f", "s16le", "-"});
    decode.waitForFinished(60000);
    const QByteArray pcm = decode.readAllStandardOutput();
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    if (pcm.size() / 2 < 3 * kRate) {
        return -1;
    }
    int best = -1;
    double bestPower = 0;
    for (int hertz = 100; hertz <= 2000; hertz += 10) {  // Goertzel per frequency
        const double k = 2 * std::cos(2 * M_PI * hertz / kRate);
        double s1 = 0, s2 = 0;
        for (int i = 2 * kRate; i < 3 * kRate; ++i) {
            const double s0 = samples[i] + k * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = s1 * s1 + s2 * s2 - k * s1 * s2;
        if (power > bestPower) {
            bestPower = power;
            best = hertz;
        }
    }
    return best;
}

}  // namespace

// The real ScreenRecord on this test's X server with a private sound server playing a tone.
class TestScreenRecordSound : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recordsSoundBesideThePictures_data();
    void recordsSoundBesideThePictures();
    void videoOnly_data();
    void videoOnly();
    void killedRecorderLeavesBothStreams();

private:
    bool startRecording(const QString& file, const QString& audioInput);
    Codes codes() const;

    QTemporaryDir dir_;
    SoundServer sound_;
    ITcpServer* link_ = nullptr;
    QSignalSpy* spy_ = nullptr;
};

void TestScreenRecordSound::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY(dir_.isValid());
    QString error;
    QVERIFY2(sound_.start(&error), qPrintable(error));
    QVERIFY2(sound_.playTone(440, 120, &error), qPrintable(error));
}

void TestScreenRecordSound::init()
{
    link_ = new ITcpServer;
    link_->setRecorderProgram(binDir() + "/ScreenRecord/ScreenRecord");
    spy_ = new QSignalSpy(link_, &ITcpServer::recordMessage);
}

void TestScreenRecordSound::cleanup()
{
    delete spy_;
    delete link_;
}

bool TestScreenRecordSound::startRecording(const QString& file, const QString& audioInput)
{
    link_->startRecordVideo(file, QRect(0, 0, 320, 240), 10, audioInput);
    QElapsedTimer clock;
    clock.start();
    while (!codes().contains(2) && !codes().contains(3) && clock.elapsed() < 20000) {
        QTest::qWait(10);
    }
    return codes().mid(0, 2) == Codes({0, 2});
}

Codes TestScreenRecordSound::codes() const
{
    Codes result;
    for (const QList<QVariant>& call : *spy_) {
        result.append(call.first().toInt());
    }
    return result;
}

void TestScreenRecordSound::recordsSoundBesideThePictures_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("pause");
    QTest::newRow("named source") << "tone.monitor" << false;
    QTest::newRow("default source, paused a while") << "@DEFAULT_SOURCE@" << true;
}

void TestScreenRecordSound::recordsSoundBesideThePictures()
{
    QFETCH(QString, input);
    QFETCH(bool, pause);
    const QString file =
        dir_.filePath(QStringLiteral("tone%1.mp4").arg(QTest::currentDataTag()[0]));
    QVERIFY(startRecording(file, input));
    QTest::qWait(2500);
    if (pause) {
        link_->pause(true);
        QTest::qWait(1500);
        link_->pause(false);
    }
    QTest::qWait(2500);
    link_->stop();
    QTRY_COMPARE_WITH_TIMEOUT(codes(), (Codes{0, 2, 1, 4}), 15000);

    const QMap<QString, double> ends = streamEnds(file);
    QVERIFY2(ends.contains("video") && ends.contains("audio"), qPrintable(file));
    QVERIFY2(qAbs(ends["video"] - 5.0) < 1.0, qPrintable(QString::number(ends["video"])));
    QVERIFY2(
        qAbs(ends["video"] - ends["audio"]) < 0.2,
        qPrintable(QStringLiteral("video %1 s, sound %2 s").arg(ends["video"]).arg(ends["audio"])));
    QCOMPARE(VideoProbe::of(file).codec, QStringLiteral("h264"));
    QVERIFY(qAbs(peakHertz(file) - 440) <= 10);
}

void TestScreenRecordSound::videoOnly_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("server");
    QTest::addColumn<Codes>("expected");
    QTest::newRow("no sound chosen") << QString() << QString() << Codes{0, 2, 1, 4};
    QTest::newRow("source gone") << "unplugged.monitor" << QString() << Codes{0, 2, 6, 1, 4};
    QTest::newRow("no sound server") << "tone.monitor"
                                     << "unix:/nonexistent/native" << Codes{0, 2, 6, 1, 4};
}

void TestScreenRecordSound::videoOnly()
{
    QFETCH(QString, input);
    QFETCH(QString, server);
    if (!server.isEmpty()) {
        link_->setRecorderVariable(QStringLiteral("PULSE_SERVER"), server);
    }
    const QString file = dir_.filePath("unusable.mp4");
    QVERIFY(startRecording(file, input));
    QTest::qWait(1500);
    link_->stop();
    QFETCH(Codes, expected);
    QTRY_COMPARE_WITH_TIMEOUT(codes(), expected, 15000);
    const QMap<QString, double> ends = streamEnds(file);
    QVERIFY(ends.value("video") > 1.0);
    QVERIFY(!ends.contains("audio"));
}

void TestScreenRecordSound::killedRecorderLeavesBothStreams()
{
    const QString file = dir_.filePath("killed.mp4");
    QVERIFY(startRecording(file, "tone.monitor"));
    QTest::qWait(3000);
    QCOMPARE(::kill(link_->recorderProcessId(), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(codes(), (Codes{0, 2, 4}), 10000);
    const QMap<QString, double> ends = streamEnds(file);
    QVERIFY2(ends.value("video") >= 1.0 && ends.value("audio") >= 1.0, qPrintable(file));
    QVERIFY(!endsWithFragmentIndex(file));
}

QTEST_GUILESS_MAIN(TestScreenRecordSound)
#include "tst_screenrecord_sound.moc"
