#include <QtTest>

#include <QBuffer>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <numeric>

#include "ffmpeg/wifirtsp/iwifirtspthread.h"
#include "ffmpeg/wifirtsp/wifireply.h"
#include "logcapture.h"
#include "service/iconfigureservice.h"

namespace {

const QByteArray kId = QByteArray::fromHex("0180");
const QByteArray kQueryEncoding = QByteArray::fromHex("06000bf1f40e");
const QByteArray kQueryDefault = QByteArray::fromHex("08000bf4f40b");
const QByteArray kQueryCurrent = QByteArray::fromHex("08000bf3f40c");
const QByteArray kSetQuality = QByteArray::fromHex("07000bf2f40d");
const QByteArray kSetEncoding = QByteArray::fromHex("05000bf0f40f");
const QByteArray kAutoFocus = QByteArray::fromHex("010002f3fd0c");
const QByteArray kTakePicture = QByteArray::fromHex("09000bf5f40a");
const QByteArray kDefaultQuality = QByteArray::fromHex("3240300501281000");
const QByteArray kCurrentQuality = QByteArray::fromHex("3744350501301200");

QByteArray reply(const QByteArray& id, const char* indexHex, const QByteArray& body = {})
{
    return id + QByteArray::fromHex(indexHex) + QByteArray(1, '\0') + body;
}

QByteArray encodingReply(int resIndex)
{
    return reply(kId, "0600",
                 QByteArray::fromHex("011e1e") + char(resIndex) + QByteArray::fromHex("ffffffff"));
}

WifiTimings shortTimings()
{
    WifiTimings timings;
    timings.captureTimeoutMs = 300;
    timings.pictureWaitMs = 200;
    timings.sendTickMs = 10;
    timings.reconnectFirstMs = 50;
    timings.reconnectMaxMs = 400;
    return timings;
}

}  // namespace

// The control protocol of the wireless camera against a scripted camera on loopback: the test
// is the camera, reading every request and writing crafted replies.
class TestIWifiRtspThreadControl : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bindAnswerChoosesTransport_data();
    void bindAnswerChoosesTransport();
    void rejectedBindLeavesRepliesUnaccepted_data();
    void rejectedBindLeavesRepliesUnaccepted();
    void encodingReplyReportsResolutionOnce();
    void defaultThenCurrentQuality();
    void repliesJoinedInOneChunkAreAllRead();
    void repliesSplitAcrossReadsAreJoined_data();
    void repliesSplitAcrossReadsAreJoined();
    void floodsAreParsedLinearlyAndThinnedInTheLog();
    void malformedRepliesAreLoggedAndDropped_data();
    void malformedRepliesAreLoggedAndDropped();
    void settersWaitForTheCameraQuality();
    void automaticFocusAndExposure();
    void resolutionWaitsForTheCameraEncoding();
    void lampSteps();
    void captureFailsAfterItsTimeout();
    void lostConnectionReconnectsAndResendsCapture();
    void refusedConnectionsBackOff();

private:
    bool connectCamera(const QByteArray& bindAnswer = kId);
    bool acceptCamera(const QByteArray& bindAnswer);
    bool expect(const QByteArray& bytes, int timeoutMs = 3000);
    QByteArray receivedWithin(int ms);
    bool bindWithQuality();

    std::unique_ptr<QTcpServer> server_;
    QTcpSocket* camera_ = nullptr;
    QByteArray received_;
    std::unique_ptr<IWifiRtspThread> thread_;
    std::unique_ptr<LogCapture> log_;
};

void TestIWifiRtspThreadControl::init()
{
    log_ = std::make_unique<LogCapture>();
    server_ = std::make_unique<QTcpServer>();
    QVERIFY(server_->listen(QHostAddress::LocalHost));
    IConfigureService::instance()->wifi.host = QStringLiteral("127.0.0.1");
    IConfigureService::instance()->wifi.controlPort = server_->serverPort();
    IWifiRtspThread::resetLastWifiResolution();
    thread_ = std::make_unique<IWifiRtspThread>();
    thread_->setTimings(shortTimings());
    thread_->setRtspUrl(QString());  // no video: the protocol alone is under test
    camera_ = nullptr;
    received_.clear();
}

void TestIWifiRtspThreadControl::cleanup()
{
    thread_.reset();
    server_.reset();
    log_.reset();
}

bool TestIWifiRtspThreadControl::connectCamera(const QByteArray& bindAnswer)
{
    thread_->startControl();
    return acceptCamera(bindAnswer);
}

// Waits with the event loop running: the client's reconnect timers live in this thread.
bool TestIWifiRtspThreadControl::acceptCamera(const QByteArray& bindAnswer)
{
    QElapsedTimer timer;
    timer.start();
    while (!server_->hasPendingConnections() && timer.elapsed() < 5000) {
        QTest::qWait(5);
    }
    camera_ = server_->nextPendingConnection();
    if (!camera_) {
        return false;
    }
    received_.clear();
    if (!expect(QByteArray::fromHex("ffffffff"))) {
        return false;
    }
    camera_->write(bindAnswer);
    camera_->flush();
    return true;
}

bool TestIWifiRtspThreadControl::expect(const QByteArray& bytes, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (received_.size() < bytes.size() && timer.elapsed() < timeoutMs) {
        QTest::qWait(5);
        received_ += camera_->readAll();
    }
    if (!received_.startsWith(bytes)) {
        qWarning("expected %s, received %s", bytes.toHex().constData(),
                 received_.toHex().constData());
        return false;
    }
    received_.remove(0, bytes.size());
    return true;
}

QByteArray TestIWifiRtspThreadControl::receivedWithin(int ms)
{
    QTest::qWait(ms);
    received_ += camera_->readAll();
    return received_;
}

bool TestIWifiRtspThreadControl::bindWithQuality()
{
    if (!connectCamera() || !expect(kId + kQueryEncoding) || !expect(kId + kQueryDefault)) {
        return false;
    }
    camera_->write(reply(kId, "0800", kDefaultQuality));
    return expect(kId + kQueryCurrent);
}

void TestIWifiRtspThreadControl::bindAnswerChoosesTransport_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("logged");
    QTest::newRow("80 selects TCP") << QByteArray::fromHex("0180") << "rtsp TCP---->";
    QTest::newRow("00 selects UDP") << QByteArray::fromHex("0100") << "rtsp UDP---->";
    QTest::newRow("other selects UDP") << QByteArray::fromHex("077f") << "rtsp UDP---->";
}

void TestIWifiRtspThreadControl::bindAnswerChoosesTransport()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, logged);
    QSignalSpy status(thread_.get(), &IWifiRtspThread::sgError);
    QVERIFY(connectCamera(answer));
    QVERIFY(expect(answer + kQueryEncoding));
    QVERIFY(expect(answer + kQueryDefault));
    QCOMPARE(log_->count(logged), 1);
    // The bind answer started the video loop, which has no address here.
    QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), 3000);
    QCOMPARE(status.first().first().toInt(), 1);
    QCOMPARE(log_->count("wifi rtsp url is null."), 1);
}

void TestIWifiRtspThreadControl::rejectedBindLeavesRepliesUnaccepted_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("one byte") << QByteArray::fromHex("01");
    QTest::newRow("three bytes") << QByteArray::fromHex("018000");
}

void TestIWifiRtspThreadControl::rejectedBindLeavesRepliesUnaccepted()
{
    QFETCH(QByteArray, answer);
    QSignalSpy resolution(thread_.get(), &IWifiRtspThread::sgChangeResolutionFromOtherApp);
    QVERIFY(connectCamera(answer));
    QTRY_COMPARE(log_->count("bind port error."), 1);
    QVERIFY(receivedWithin(100).isEmpty());
    camera_->write(encodingReply(5));
    QTRY_COMPARE(log_->count("invalid tcp packet. clientid: "), 1);
    QCOMPARE(resolution.count(), 0);
    // Notifications are for every client, bound or not.
    camera_->write(
        reply(WifiReply::notificationId(), "1000", QByteArray::fromHex("011e1e08ffffffff")));
    QVERIFY(resolution.wait(3000));
    QCOMPARE(resolution.first().first().toSize(), QSize(1920, 1080));
    // Commands still go out, without a client id.
    QVERIFY(thread_->setCaptureFalg(NormalImage));
    QVERIFY(expect(kTakePicture));
}

void TestIWifiRtspThreadControl::encodingReplyReportsResolutionOnce()
{
    QSignalSpy resolution(thread_.get(), &IWifiRtspThread::sgChangeResolutionFromOtherApp);
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    camera_->write(encodingReply(5));
    QVERIFY(resolution.wait(3000));
    QCOMPARE(resolution.last().first().toSize(), QSize(1280, 720));
    QCOMPARE(IWifiRtspThread::lastWifiResolution(), QSize(1280, 720));
    camera_->write(encodingReply(5));
    QTRY_COMPARE(log_->count("RateCtrl: "), 2);
    QCOMPARE(resolution.count(), 1);
    camera_->write(encodingReply(11));  // an unknown index means 320 x 240
    QVERIFY(resolution.wait(3000));
    QCOMPARE(resolution.last().first().toSize(), QSize(320, 240));
}

void TestIWifiRtspThreadControl::defaultThenCurrentQuality()
{
    QVERIFY(bindWithQuality());
    QTRY_COMPARE(thread_->parameterData()[2][2].toInt(), 0x32);  // brightness default
    const IWifiRtspThread::ParameterRecords defaults = thread_->parameterData();
    QCOMPARE(defaults[0][2].toInt(), 0x30);  // contrast
    QCOMPARE(defaults[1][2].toInt(), 0x40);  // saturation
    QCOMPARE(defaults[3][2].toInt(), 0x28);  // exposure
    QCOMPARE(defaults[4][2].toInt(), 0x10);  // focus
    QCOMPARE(defaults[0][0].toInt(), 0);
    QCOMPARE(defaults[0][1].toInt(), 100);
    QCOMPARE(thread_->brightness().toDouble(), 0.0);

    camera_->write(reply(kId, "0800", kCurrentQuality));
    QTRY_COMPARE(thread_->brightness().toInt(), 0x37);
    QCOMPARE(thread_->saturation().toInt(), 0x44);
    QCOMPARE(thread_->contrast().toInt(), 0x35);
    QCOMPARE(thread_->parameterData()[3][3].toInt(), 0x30);
    QCOMPARE(thread_->parameterData()[4][3].toInt(), 0x12);

    camera_->write(reply(kId, "0800", QByteArray::fromHex("0101010101010101")));
    QTRY_COMPARE(log_->count("image quality state: "), 3);
    QCOMPARE(thread_->brightness().toInt(), 0x37);
    QVERIFY(receivedWithin(100).isEmpty());  // command 8 went out exactly once
}

void TestIWifiRtspThreadControl::repliesJoinedInOneChunkAreAllRead()
{
    QSignalSpy resolution(thread_.get(), &IWifiRtspThread::sgChangeResolutionFromOtherApp);
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    camera_->write(encodingReply(2) + reply(kId, "0800", kDefaultQuality));
    QVERIFY(expect(kId + kQueryCurrent));
    QCOMPARE(resolution.count(), 1);
    QCOMPARE(resolution.first().first().toSize(), QSize(640, 480));
}

void TestIWifiRtspThreadControl::repliesSplitAcrossReadsAreJoined_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QVector<int>>("cuts");
    QVector<int> everyByte(30);
    std::iota(everyByte.begin(), everyByte.end(), 1);
    QTest::newRow("cut inside a header") << false << QVector<int>{3, 16};
    QTest::newRow("cut inside a body") << false << QVector<int>{8, 20};
    QTest::newRow("every byte its own read") << false << everyByte;
    QTest::newRow("picture header cut in its size") << true << QVector<int>{7};
    QTest::newRow("picture header cut after its state") << true << QVector<int>{5, 30};
}

void TestIWifiRtspThreadControl::repliesSplitAcrossReadsAreJoined()
{
    QFETCH(bool, picture);
    QFETCH(QVector<int>, cuts);
    QSignalSpy resolution(thread_.get(), &IWifiRtspThread::sgChangeResolutionFromOtherApp);
    QSignalSpy captured(thread_.get(), &IWifiRtspThread::sgCaptureImage);
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    QByteArray stream = encodingReply(2) + reply(kId, "0800", kDefaultQuality);
    if (picture) {
        QVERIFY(thread_->setCaptureFalg(NormalImage));
        QVERIFY(expect(kId + kTakePicture));
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer jpeg;
        QVERIFY(jpeg.open(QIODevice::WriteOnly) && image.save(&jpeg, "JPG"));
        QByteArray size(4, '\0');
        qToLittleEndian<quint32>(quint32(jpeg.size()), size.data());
        stream = reply(kId, "0900", size) + jpeg.data();
    }
    stream += reply(kId, "0100");
    cuts << stream.size();
    for (int i = 0, from = 0; i < cuts.size(); from = cuts[i++]) {
        camera_->write(stream.mid(from, cuts[i] - from));
        camera_->flush();
        QTest::qWait(20);
    }
    QTRY_COMPARE(log_->count("autofocus state: "), 1);
    if (picture) {
        QTRY_COMPARE(captured.count(), 1);
        QCOMPARE(captured.first().first().value<QImage>().size(), QSize(64, 48));
    } else {
        QVERIFY(expect(kId + kQueryCurrent));
        QCOMPARE(resolution.count(), 1);
        QCOMPARE(resolution.first().first().toSize(), QSize(640, 480));
    }
}

void TestIWifiRtspThreadControl::floodsAreParsedLinearlyAndThinnedInTheLog()
{
    QSignalSpy resolution(thread_.get(), &IWifiRtspThread::sgChangeResolutionFromOtherApp);
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    const QByteArray flood = reply(kId, "0100").repeated(800000) + encodingReply(2);  // 4 MB
    QElapsedTimer timer;
    timer.start();
    thread_->Unpacket(flood);
    thread_->Unpacket(reply(QByteArray::fromHex("0290"), "0100") + QByteArray(1 << 20, 'x'));
    // Copying the rest of the read for every reply took 40 s here.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QTRY_COMPARE(resolution.count(), 1);
    QCOMPARE(log_->count("autofocus state: "), 8010);  // the first ten, then every hundredth
    const QStringList foreign = log_->lines().filter("invalid tcp packet. clientid: ");
    QCOMPARE(foreign.size(), 1);
    QVERIFY(foreign.first().size() < 1000);
}

void TestIWifiRtspThreadControl::malformedRepliesAreLoggedAndDropped_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<QSize>("reported");
    const QByteArray encodingBody = QByteArray::fromHex("011e1e05ffffffff");
    QTest::newRow("foreign client") << reply(QByteArray::fromHex("0290"), "0600", encodingBody)
                                    << "invalid tcp packet. clientid: " << QSize();
    QTest::newRow("unknown index")
        << reply(kId, "3300") << "invalid tcp packet. cmdindex: " << QSize();
    QTest::newRow("resolution notice with own id")
        << reply(kId, "1000", encodingBody) << "invalid tcp packet. cmdindex: " << QSize();
    QTest::newRow("other notification is silent")
        << reply(WifiReply::notificationId(), "0600", encodingBody) << QString() << QSize();
    QTest::newRow("resolution notification")
        << reply(WifiReply::notificationId(), "1000", encodingBody)
        << "other app chaneg resolution: " << QSize(1280, 720);
}

void TestIWifiRtspThreadControl::malformedRepliesAreLoggedAndDropped()
{
    QFETCH(QByteArray, chunk);
    QFETCH(QString, logged);
    QFETCH(QSize, reported);
    QSignalSpy resolution(thread_.get(), &IWifiRtspThread::sgChangeResolutionFromOtherApp);
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    const int before = log_->lines().size();
    camera_->write(chunk);
    camera_->flush();
    QTest::qWait(50);  // two writes in a row may reach the client as one chunk
    // A well-formed reply after it shows that the chunk was handled.
    camera_->write(reply(kId, "0100"));
    QTRY_COMPARE(log_->count("autofocus state: "), 1);
    const QStringList lines = log_->lines().mid(before);
    if (logged.isEmpty()) {
        QCOMPARE(lines.filter("tcp packet").size(), 0);
    } else {
        QCOMPARE(lines.filter(logged).size(), 1);
    }
    QCOMPARE(resolution.count(), reported.isValid() ? 1 : 0);
    if (reported.isValid()) {
        QCOMPARE(resolution.first().first().toSize(), reported);
    }
    QCOMPARE(thread_->parameterData()[2][2].toDouble(), 0.0);
}

void TestIWifiRtspThreadControl::settersWaitForTheCameraQuality()
{
    thread_->setBrightness(10);  // no connection yet: nothing to send, nothing kept
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    thread_->setBrightness(300);
    thread_->setContrast(-4);
    QVERIFY(receivedWithin(100).isEmpty());
    QCOMPARE(thread_->brightness().toInt(), 300);
    camera_->write(reply(kId, "0800", kDefaultQuality));
    QVERIFY(expect(kId + kQueryCurrent));
    // Brightness clamped to FF, contrast to 00, the rest as the camera has them.
    QVERIFY(expect(kId + kSetQuality + QByteArray::fromHex("ff40000501281000")));
    thread_->setSaturation(0x41);
    QVERIFY(expect(kId + kSetQuality + QByteArray::fromHex("ff41000501281000")));
}

void TestIWifiRtspThreadControl::automaticFocusAndExposure()
{
    QVERIFY(bindWithQuality());
    thread_->setAutoExposureFlag(-999);
    QVERIFY(receivedWithin(100).isEmpty());
    thread_->setAutoFocusFlag(-999);
    QVERIFY(expect(kId + kAutoFocus));
    thread_->setAutoExposureFlag(20);
    QVERIFY(expect(kId + kSetQuality + QByteArray::fromHex("324030050114ff00")));
    thread_->setAutoFocusFlag(7);
    QVERIFY(expect(kId + kSetQuality + QByteArray::fromHex("3240300501140700")));
    QCOMPARE(thread_->parameterData()[4][3].toInt(), 7);
}

void TestIWifiRtspThreadControl::resolutionWaitsForTheCameraEncoding()
{
    QVERIFY(thread_->setResolution(QSize(800, 600)));  // kept without a link
    QCOMPARE(thread_->currentResolution().toSize(), QSize(800, 600));
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    QVERIFY(thread_->setResolution(QSize(1920, 1080)));
    QVERIFY(receivedWithin(100).isEmpty());
    camera_->write(encodingReply(2));
    QVERIFY(expect(kId + kSetEncoding + QByteArray::fromHex("011e1e08ffffffff")));
    QVERIFY(thread_->setResolution(QSizeF(640, 480)));
    QVERIFY(expect(kId + kSetEncoding + QByteArray::fromHex("011e1e02ffffffff")));
    QVERIFY(thread_->setResolution(QSize(1000, 1000)));
    QVERIFY(expect(kId + kSetEncoding + QByteArray::fromHex("011e1e00ffffffff")));
}

void TestIWifiRtspThreadControl::lampSteps()
{
    QCOMPARE(thread_->switchLamp(), -1);
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    for (int step : {1, 2, 3, 0}) {
        QCOMPARE(thread_->switchLamp(), step);
        QVERIFY(expect(kId + QByteArray::fromHex("030002fafd05") + char(step)));
    }
}

void TestIWifiRtspThreadControl::captureFailsAfterItsTimeout()
{
    QVERIFY(!thread_->setCaptureFalg(NormalImage));  // no link
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    QSignalSpy captured(thread_.get(), &IWifiRtspThread::sgCaptureImage);
    QVERIFY(thread_->setCaptureFalg(GrayImage));
    QVERIFY(expect(kId + kTakePicture));
    QVERIFY(!thread_->setCaptureFalg(GrayImage));
    QVERIFY(captured.wait(3000));
    QVERIFY(captured.first().first().value<QImage>().isNull());
    QCOMPARE(log_->count("一次拍照失败，提示!"), 1);
    // A picture arriving after the failure is not a second answer.
    camera_->write(reply(kId, "0900", QByteArray::fromHex("00000000")));
    QVERIFY(!captured.wait(300));
    QVERIFY(thread_->setCaptureFalg(GrayImage));
}

void TestIWifiRtspThreadControl::lostConnectionReconnectsAndResendsCapture()
{
    WifiTimings timings = shortTimings();
    timings.captureTimeoutMs = 5000;
    thread_->setTimings(timings);
    QVERIFY(connectCamera());
    QVERIFY(expect(kId + kQueryEncoding + kId + kQueryDefault));
    QVERIFY(thread_->setCaptureFalg(NormalImage));
    QVERIFY(expect(kId + kTakePicture));
    camera_->abort();
    const QByteArray id = QByteArray::fromHex("0280");
    QVERIFY(acceptCamera(id));
    QVERIFY(expect(id + kTakePicture));
    QCOMPARE(log_->count("拍照超时：重连成功，发送拍照命令!"), 1);
}

void TestIWifiRtspThreadControl::refusedConnectionsBackOff()
{
    server_->close();
    thread_->startControl();
    QTest::qWait(1500);
    // 50, 100, 200, 400, 400 ... ms apart: a handful of attempts, not a tight loop.
    const int attempts = log_->count("wifi control link lost, reconnecting in");
    QVERIFY2(attempts >= 3 && attempts <= 8, qPrintable(QString::number(attempts)));
}

QTEST_GUILESS_MAIN(TestIWifiRtspThreadControl)
#include "tst_iwifirtspthread_control.moc"
