#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"
#include "customui/recording/irecordsoundbar.h"
#include "customui/recording/ivideorecordframe.h"
#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/iconfigureservice.h"
#include "soundserver.h"

// The recording panel's sound choice, level meter and countdown, with a private sound server
// playing a tone and the stand-in recorder (tests/ffmpeg/fakerecorder.cpp), offscreen.
class TestIVideoRecordFrameSound : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void choiceIsStoredAndPassed_data();
    void choiceIsStoredAndPassed();
    void countdownBeforeTheStart();
    void missingSoundIsToldOnce();

private:
    QComboBox* choice() const { return panel_->findChild<QComboBox*>("soundChoice"); }
    QString recorderLog() const;
    void start();

    QTemporaryDir dir_;
    SoundServer sound_;
    IVideoRecordFrame* panel_ = nullptr;
    QSignalSpy* tips_ = nullptr;
};

void TestIVideoRecordFrameSound::initTestCase()
{
    QString error;
    QVERIFY2(sound_.start(&error), qPrintable(error));
    QVERIFY2(sound_.playTone(440, 120, &error), qPrintable(error));
    IFFmpegApi::instance()->init();
    IFFmpegApi::instance()->recorderLink()->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
    IConfigureService::instance()->setVideoPath(dir_.filePath("video/"));
}

void TestIVideoRecordFrameSound::init()
{
    uiScale = 1.0;
    qputenv("FAKE_RECORDER_MODE", "normal");
    qputenv("FAKE_RECORDER_LOG", dir_.filePath("recorder.log").toLocal8Bit());
    QFile::remove(dir_.filePath("recorder.log"));
    IConfigureService::instance()->currentCamera.audioInput = IConfigureService::kDefaultAudioInput;
    IConfigureService::instance()->recordingCountdown = false;
    panel_ = new IVideoRecordFrame;
    tips_ = new QSignalSpy(panel_, &IVideoRecordFrame::sgTip);
    panel_->showPanel(true);
}

void TestIVideoRecordFrameSound::cleanup()
{
    panel_->stopRecording();
    delete tips_;
    delete panel_;
}

QString TestIVideoRecordFrameSound::recorderLog() const
{
    QFile log(dir_.filePath("recorder.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

void TestIVideoRecordFrameSound::start()
{
    panel_->setZoneRect(QRect(100, 50, 400, 300));
    QTest::mouseClick(panel_->button(IVideoRecordFrame::Start), Qt::LeftButton);
}

void TestIVideoRecordFrameSound::choiceIsStoredAndPassed_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("argsEnd");
    QTest::newRow("no sound") << 0 << QString() << " 20\n";
    QTest::newRow("the tone's monitor") << 1 << "tone.monitor"
                                        << " 20 tone.monitor\n";
}

void TestIVideoRecordFrameSound::choiceIsStoredAndPassed()
{
    QFETCH(int, index);
    QFETCH(QString, stored);
    QFETCH(QString, argsEnd);
    QComboBox* box = choice();
    QCOMPARE(box->count(), 2);  // "No sound" and the null sink's monitor, the default
    QCOMPARE(box->currentIndex(), 1);
    QProgressBar* meter = panel_->findChild<QProgressBar*>("soundLevel");
    QTRY_VERIFY(meter->value() > 20);  // the tone is heard before recording

    box->setCurrentIndex(index);
    emit box->activated(index);
    QCOMPARE(IConfigureService::instance()->currentCamera.audioInput, stored);
    QSettings settings(IConfigureService::settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.value("screenRecording/audioInput").toString(), stored);
    start();
    QTRY_VERIFY(panel_->isRecording());
    const QString args = recorderLog().split('\n').filter("args ").value(0) + '\n';
    QVERIFY2(args.endsWith(argsEnd), qPrintable(args));
    if (index > 0) {
        QProgressBar* recording = panel_->findChild<QProgressBar*>("recordingSoundLevel");
        QTRY_VERIFY(recording->value() > 20);  // and while recording
    }
}

void TestIVideoRecordFrameSound::countdownBeforeTheStart()
{
    IConfigureService::instance()->recordingCountdown = true;
    panel_->setCountdownInterval(50);
    start();
    QVERIFY(panel_->isCountingDown() && panel_->isVisible() && !panel_->isStarting());
    QCOMPARE(panel_->findChild<QLabel*>("countdown")->text(), QStringLiteral("3"));
    QVERIFY(!panel_->button(IVideoRecordFrame::Start)->isVisible());
    QTRY_VERIFY(panel_->isStarting() || panel_->isRecording());
    QTRY_VERIFY(panel_->isRecording());
    QCOMPARE(recorderLog().count("args "), 1);
}

void TestIVideoRecordFrameSound::missingSoundIsToldOnce()
{
    qputenv("FAKE_RECORDER_MODE", "messages");
    qputenv("FAKE_RECORDER_SEND", "6;gone|6;still gone");
    start();
    QTRY_VERIFY(panel_->isRecording());
    QTRY_COMPARE(tips_->size(), 1);
    QTest::qWait(200);
    QCOMPARE(tips_->size(), 1);
    QVERIFY(panel_->findChild<QLabel*>("soundNote")->isVisibleTo(panel_->soundBar()));
}

QTEST_MAIN(TestIVideoRecordFrameSound)
#include "tst_ivideorecordframe_sound.moc"
