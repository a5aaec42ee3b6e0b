#include <QtTest>

#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include "ffmpeg/wifirtsp/itcpserver.h"
#include "portalstandin.h"
#include "testpaths.h"
#include "videoprobe.h"

#include <csignal>

using Codes = QList<int>;

namespace {

const QColor kLeft(0, 200, 0);
const QColor kRight(230, 40, 40);

// Full screen: green on the left half, red on the right.
class Pattern : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, width() / 2, height(), kLeft);
        painter.fillRect(width() / 2, 0, width() - width() / 2, height(), kRight);
    }
};

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 &&
           qAbs(a.blue() - b.blue()) < 40;
}

}  // namespace

// The real ScreenRecord in the headless Wayland session, recording through the desktop portal.
class TestScreenRecordPortal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fullScreen();
    void area();
    void refusedConsentLeavesNoFile();
    void stoppedPortalLeavesNoFile();  // last: it ends the session's portal

private:
    bool startRecording(const QString& file, const QRect& area);
    Codes codes() const;
    QString info(int code) const;
    void expectNotStarted(const QString& file);

    QTemporaryDir dir_;
    Pattern pattern_;
    ITcpServer* link_ = nullptr;
    QSignalSpy* spy_ = nullptr;
};

void TestScreenRecordPortal::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY2(!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"), "needs the Wayland session");
    pattern_.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&pattern_));
    QTest::qWait(500);  // the compositor shows it
}

void TestScreenRecordPortal::init()
{
    link_ = new ITcpServer;
    link_->setRecorderProgram(binDir() + "/ScreenRecord/ScreenRecord");
    spy_ = new QSignalSpy(link_, &ITcpServer::recordMessage);
}

void TestScreenRecordPortal::cleanup()
{
    delete spy_;
    delete link_;
}

bool TestScreenRecordPortal::startRecording(const QString& file, const QRect& area)
{
    link_->startRecordVideo(file, area, 30);
    QElapsedTimer clock;
    clock.start();
    while (!codes().contains(2) && !codes().contains(3) && clock.elapsed() < 40000) {
        QTest::qWait(20);
    }
    return codes().contains(2);
}

Codes TestScreenRecordPortal::codes() const
{
    Codes result;
    for (const QList<QVariant>& call : *spy_) {
        result.append(call.first().toInt());
    }
    return result;
}

QString TestScreenRecordPortal::info(int code) const
{
    for (const QList<QVariant>& call : *spy_) {
        if (call.first().toInt() == code) {
            return call.at(1).toString();
        }
    }
    return QString();
}

void TestScreenRecordPortal::fullScreen()
{
    const QString file = dir_.filePath("full.mp4");
    QVERIFY(startRecording(file, QRect(0, 0, 1920, 1080)));
    pattern_.update();
    QVERIFY2(!info(5).isEmpty(), "no restore token for the next recording");
    QTest::qWait(5000);
    link_->stop();
    QTRY_VERIFY_WITH_TIMEOUT(codes().contains(4), 20000);
    QCOMPARE(info(1), file);
    const VideoProbe probe = VideoProbe::of(file);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.codec, QStringLiteral("h264"));
    QCOMPARE(probe.pixelFormat, QStringLiteral("yuv420p"));
    QCOMPARE(QSize(probe.width, probe.height), QSize(1920, 1080));
    QVERIFY2(qAbs(probe.duration - 5.0) < 0.6, qPrintable(QString::number(probe.duration)));
    QVERIFY(endsWithFragmentIndex(file));
    const QImage frame = videoFrameAt(file, 2.0);
    QVERIFY(!frame.isNull());
    QVERIFY(near(frame.pixelColor(480, 540), kLeft));
    QVERIFY(near(frame.pixelColor(1440, 540), kRight));
}

// An area across the middle: its own size, green left of the screen's middle and red right.
void TestScreenRecordPortal::area()
{
    const QString file = dir_.filePath("area.mp4");
    // The portal's last screen copy for an earlier cast completes (see CMakeLists.txt).
    pattern_.update();
    QTest::qWait(500);
    QVERIFY(startRecording(file, QRect(760, 300, 400, 300)));
    pattern_.update();  // the compositor sends pictures of a changed screen only
    QTest::qWait(1500);
    link_->stop();
    QTRY_VERIFY_WITH_TIMEOUT(codes().contains(4), 20000);
    const VideoProbe probe = VideoProbe::of(file);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(QSize(probe.width, probe.height), QSize(400, 300));
    const QImage frame = videoFrameAt(file, 0.5);
    QVERIFY(!frame.isNull());
    QVERIFY(near(frame.pixelColor(150, 150), kLeft));
    QVERIFY(near(frame.pixelColor(250, 150), kRight));
}

void TestScreenRecordPortal::expectNotStarted(const QString& file)
{
    QTRY_VERIFY_WITH_TIMEOUT(codes().contains(3), 40000);
    QTRY_COMPARE_WITH_TIMEOUT(link_->recorderProcessId(), 0, 10000);
    QVERIFY(!codes().contains(2));
    QVERIFY(!codes().contains(1));
    QVERIFY(!QFile::exists(file));
}

void TestScreenRecordPortal::refusedConsentLeavesNoFile()
{
    PortalStandIn portal;
    const QString address = portal.start();
    QVERIFY(!address.isEmpty());
    link_->setRecorderVariable(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    const QString file = dir_.filePath("refused.mp4");
    link_->startRecordVideo(file, QRect(0, 0, 640, 480), 30);
    expectNotStarted(file);
    QCOMPARE(portal.requests(), 1);  // asked once, refused, not retried
}

void TestScreenRecordPortal::stoppedPortalLeavesNoFile()
{
    const qint64 pid = qEnvironmentVariableIntValue("ORVELLA_SESSION_XDPW_PID");
    QVERIFY(pid > 0);
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGTERM), 0);
    const QString file = dir_.filePath("noportal.mp4");
    link_->startRecordVideo(file, QRect(0, 0, 640, 480), 30);
    expectNotStarted(file);
}

QTEST_MAIN(TestScreenRecordPortal)
#include "tst_screenrecord_portal.moc"
