#include <QtTest>

#include <QDesktopServices>
#include <QLabel>
#include <QTemporaryDir>
#include <csignal>

#include "board/iboard.h"
#include "board/ipixmapitem.h"
#include "board/islide.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/recording/ivideorecordframe.h"
#include "customui/recording/ivideorecordmsgbox.h"
#include "ffmpeg/iffmpegapi.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

// The recording panel against the stand-in recorder (tests/ffmpeg/fakerecorder.cpp), offscreen.
class TestIVideoRecordFrame : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls_ << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void choices_data();
    void choices();
    void recordPauseStopAndOffer();
    void recorderFailures_data();
    void recorderFailures();

private:
    void click(int id) { QTest::mouseClick(panel_->button(id), Qt::LeftButton); }
    void tick()
    {
        QMetaObject::invokeMethod(panel_->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly),
                                  "timeout");
    }
    QString recorderLog() const;
    bool startRecording(const char* mode);

    QTemporaryDir dir_;
    IVideoRecordFrame* panel_ = nullptr;
    QSignalSpy* active_ = nullptr;
    QSignalSpy* tips_ = nullptr;
    QList<QUrl> urls_;
};

void TestIVideoRecordFrame::initTestCase()
{
    IFFmpegApi::instance()->init();
    IFFmpegApi::instance()->recorderLink()->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
    IConfigureService::instance()->setVideoPath(dir_.filePath("video/"));
    IConfigureService::instance()->recordingCountdown = false;
    QDesktopServices::setUrlHandler("file", this, "open");
}

void TestIVideoRecordFrame::init()
{
    uiScale = 1.0;
    qputenv("FAKE_RECORDER_LOG", dir_.filePath("recorder.log").toLocal8Bit());
    QFile::remove(dir_.filePath("recorder.log"));
    panel_ = new IVideoRecordFrame;
    panel_->setTickInterval(3600 * 1000);  // ticks only when the test sends them
    active_ = new QSignalSpy(panel_, &IVideoRecordFrame::sgActiveChanged);
    tips_ = new QSignalSpy(panel_, &IVideoRecordFrame::sgTip);
}

void TestIVideoRecordFrame::cleanup()
{
    delete tips_;
    delete active_;
    delete panel_;
    urls_.clear();
}

QString TestIVideoRecordFrame::recorderLog() const
{
    QFile log(dir_.filePath("recorder.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

bool TestIVideoRecordFrame::startRecording(const char* mode)
{
    qputenv("FAKE_RECORDER_MODE", mode);
    panel_->showPanel(true);
    panel_->setZoneRect(QRect(100, 50, 400, 300));
    click(IVideoRecordFrame::Start);
    return !panel_->isVisible() && panel_->isStarting();
}

void TestIVideoRecordFrame::choices_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    QTest::newRow("1080*720 at 1.0") << 1.0 << 3 << QSize(1080, 720);
    QTest::newRow("1080*720 at 0.75") << 0.75 << 3 << QSize(810, 540);
    QTest::newRow("640*480 at 0.75") << 0.75 << 5 << QSize(480, 360);
    QTest::newRow("full screen") << 1.0 << 0 << QSize(1920, 1080);
}

void TestIVideoRecordFrame::choices()
{
    QFETCH(double, scale);
    QFETCH(int, id);
    QFETCH(QSize, size);
    // A 4:3 camera picture in a 600 x 400 board at (50, 60).
    IBoard board;
    board.setGeometry(50, 60, 600, 400);
    board.insertSlide(new ISlide, true);
    board.setBackgroundItem(new IPixmapItem(board.size()));
    board.setPictureSize(QSizeF(1200, 900));
    board.show();
    QImage picture(1200, 900, QImage::Format_RGB32);
    picture.fill(Qt::red);
    board.setBackgroundImage(picture);
    IVideoRecordFrame panel(&board);

    uiScale = scale;
    panel.showPanel(true);
    QVERIFY(panel.isVisible());
    // Automatic: the picture's rectangle on screen, 533 x 400 centred in the board.
    QCOMPARE(panel.globalZoneRect(), QRect(83, 60, 533, 400));
    QCOMPARE(board.viewScale(), 1.0);
    panel.coverRect(0, 0, 1920, 1080);
    QTest::mouseClick(panel.button(id), Qt::LeftButton);
    QCOMPARE(panel.zoneRect().size(), size);
    for (int choice = 0; choice <= 5; ++choice) {
        QCOMPARE(panel.button(choice)->isChecked(), choice == id);
    }
    // The choice bar inside the selection's bottom-right corner, Start on its centre.
    const QRect zone = panel.zoneRect();
    QCOMPARE(panel.choiceBar()->geometry().bottomRight() + QPoint(3, 3), zone.bottomRight());
    const QPoint offCentre =
        panel.button(IVideoRecordFrame::Start)->geometry().center() - zone.center();
    QVERIFY(offCentre.manhattanLength() <= 2);
    // Dragging the selection hides the bar and Start until the release.
    QTest::mousePress(&panel, Qt::LeftButton, Qt::NoModifier, zone.topLeft() + QPoint(20, 20));
    QVERIFY(!panel.choiceBar()->isVisible());
    QTest::mouseRelease(&panel, Qt::LeftButton, Qt::NoModifier, zone.topLeft() + QPoint(20, 20));
    QVERIFY(panel.choiceBar()->isVisible());
    QTest::mouseClick(panel.button(IVideoRecordFrame::Quit), Qt::LeftButton);
    QVERIFY(!panel.isVisible());
}

void TestIVideoRecordFrame::recordPauseStopAndOffer()
{
    QVERIFY(startRecording("normal"));
    QCOMPARE(active_->count(), 1);
    QVERIFY(active_->first().first().toBool());
    // A second click on Start while the recorder starts finds nothing to click.
    panel_->startRecording();
    QTRY_VERIFY(panel_->isRecording());
    QCOMPARE(recorderLog().count("args "), 1);
    QVERIFY(recorderLog().contains(" 100 50 400 300 "));

    // Only the brackets are left on screen, none over the area, and the mouse passes.
    QVERIFY(panel_->isVisible() && !panel_->isZoneEditing());
    QVERIFY(panel_->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(panel_->mask(), panel_->bracketRegion());
    QVERIFY(!panel_->mask().intersects(panel_->zoneRect()));
    QVERIFY(panel_->mask().contains(panel_->zoneRect().topLeft() - QPoint(1, 1)));
    QVERIFY(panel_->controlBar()->isWindow() && panel_->controlBar()->isVisible());
    QVERIFY(!panel_->button(IVideoRecordFrame::Resume)->isVisible());

    const QList<QColor> cycle{QColor(0, 0, 255), QColor(0, 255, 0), QColor(255, 0, 0)};
    for (const QColor& colour : cycle) {
        tick();
        QCOMPARE(panel_->bracketColor(), colour);
    }
    QCOMPARE(panel_->elapsedText(), QStringLiteral("00 : 00 : 03"));

    click(IVideoRecordFrame::Halt);
    QVERIFY(panel_->isRecording() && panel_->isPaused());
    QVERIFY(!panel_->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly)->isActive());
    QVERIFY(panel_->button(IVideoRecordFrame::Resume)->isVisible());
    QCOMPARE(panel_->elapsedText(), QStringLiteral("00 : 00 : 03"));
    click(IVideoRecordFrame::Resume);
    tick();
    QCOMPARE(panel_->elapsedText(), QStringLiteral("00 : 00 : 04"));
    QTRY_VERIFY(recorderLog().contains("command 2\ncommand 3"));

    click(IVideoRecordFrame::Stop);
    QVERIFY(!panel_->isVisible() && !panel_->controlBar()->isVisible());
    QVERIFY(!panel_->isRecording());
    QVERIFY(!panel_->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(active_->last().first().toBool(), false);
    IVideoRecordMsgBox* box = panel_->messageBox();
    QTRY_VERIFY(box->isVisible());
    QVERIFY(box->path().startsWith(dir_.filePath("video/")));
    QVERIFY(box->findChild<QLabel*>()->text().endsWith(".mp4"));
    // The folder the file went to, whatever the video folder is by now.
    IConfigureService::instance()->setVideoPath(dir_.filePath("elsewhere/"));
    QTest::mouseClick(box->button(IVideoRecordMsgBox::OpenDirectory), Qt::LeftButton);
    QVERIFY(!box->isVisible());
    box->showMessage(box->path());
    QTest::mouseClick(box->button(IVideoRecordMsgBox::OpenFile), Qt::LeftButton);
    QCOMPARE(urls_, (QList<QUrl>{QUrl::fromLocalFile(dir_.filePath("video")),
                                 QUrl::fromLocalFile(box->path())}));
    IConfigureService::instance()->setVideoPath(dir_.filePath("video/"));
    QVERIFY(tips_->isEmpty());
}

void TestIVideoRecordFrame::recorderFailures_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<bool>("whileRecording");
    QTest::addColumn<QString>("tip");
    const QString noStart = QStringLiteral("The screen recording could not be started.");
    QTest::newRow("start failed (3)") << QByteArray("fail") << false << noStart;
    QTest::newRow("gone before starting (3, 4)") << QByteArray("drop-after-0") << false << noStart;
    QTest::newRow("never connects") << QByteArray("hang") << false << noStart;
    QTest::newRow("gone while recording (4)")
        << QByteArray("normal") << true
        << QStringLiteral("The screen recording ended unexpectedly.");
}

void TestIVideoRecordFrame::recorderFailures()
{
    QFETCH(QByteArray, mode);
    QFETCH(bool, whileRecording);
    QFETCH(QString, tip);
    ITcpServer* link = IFFmpegApi::instance()->recorderLink();
    link->setStartTimeout(1000);
    QVERIFY(startRecording(mode.constData()));
    if (whileRecording) {
        QTRY_VERIFY(panel_->isRecording());
        ::kill(link->recorderProcessId(), SIGKILL);
    }
    QTRY_VERIFY(!panel_->isStarting() && !panel_->isRecording());
    QVERIFY(!panel_->isVisible() && !panel_->controlBar()->isVisible());
    QCOMPARE(active_->last().first().toBool(), false);  // the Record button is given back
    QTRY_COMPARE(tips_->count(), 1);
    QCOMPARE(tips_->first().first().toString(), tip);
    QVERIFY(!panel_->messageBox()->isVisible());
    link->setStartTimeout(30000);
    link->closeProcess();
}

QTEST_MAIN(TestIVideoRecordFrame)
#include "tst_ivideorecordframe.moc"
