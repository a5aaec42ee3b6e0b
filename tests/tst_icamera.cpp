#include <QtTest>

#include <QElapsedTimer>
#include <QTcpServer>

#include "directshow/idshowthread.h"
#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "icamera.h"
#include "icapturebackend.h"
#include "iwinusbdevice.h"
#include "platform/hotplug/ihotplugsource.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/ivirtualcamerahub.h"
#include "service/iconfigureservice.h"

namespace {

const int kWaitMs = 10000;
// Small frames keep the virtual cameras cheap on a shared machine.
const QSize kTestSize(640, 480);

IConfigureService* config()
{
    return IConfigureService::instance();
}

QStringList pathsOf(const QList<ICameraInfo>& cameras)
{
    QStringList paths;
    for (const ICameraInfo& camera : cameras) {
        paths << camera.devicePath;
    }
    return paths;
}

// A port on loopback that nothing listens on.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

void pointWifiAt(const QString& host, quint16 port)
{
    qputenv("ORVELLA_WIFI_HOST", host.toUtf8());
    qputenv("ORVELLA_WIFI_CONTROL_PORT", QByteArray::number(port));
    config()->readConfigure();
}

// What the main window does with the manager on a hot-plug event.
class HotplugReaction : public QObject {
public:
    explicit HotplugReaction(IWinUsbDevice* watcher)
    {
        connect(watcher, &IWinUsbDevice::connectionChanged, this, &HotplugReaction::onChange);
    }
    bool reopened = false;

private:
    void onChange(bool connected, const QString& name)
    {
        ICamera* camera = ICamera::instance();
        if (!connected) {
            if (name.compare(config()->currentCamera.devicePath, Qt::CaseInsensitive) == 0) {
                camera->closeCurrent();
                emit camera->sgError(3);
            }
            return;
        }
        if (!camera->hasCaptureThread() && camera->reopen()) {
            reopened = true;
        }
    }
};

// A back end that answers with fixed values and writes down what it is asked to do.
class StandInBackend : public ICaptureBackend {
public:
    explicit StandInBackend(bool wireless, QStringList* calls) : wireless_(wireless), calls_(calls)
    {
    }
    bool isWireless() const override { return wireless_; }
    void open(const QString& path) override { note("open " + path); }
    QImage captureImage(ImageType type) override
    {
        return QImage(4 * int(type), 3, QImage::Format_RGB32);
    }
    QVariant contrast() override { return 11; }
    QVariant saturation() override { return 12; }
    QVariant brightness() override { return 13; }
    QVariant currentResolution() override { return QSizeF(320, 200); }
    EdgeResult autoEdgeResult() override { return {7.5, QPolygonF({QPointF(1, 2)})}; }
    QList<QSizeF> supportedResolutions() override { return {QSizeF(320, 200)}; }
    CameraParameterData cameraParameter() override
    {
        CameraParameterData data;
        data.brightness.current = 42;
        return data;
    }
    void setContrast(const QVariant& v) override { note("contrast", v); }
    void setSaturation(const QVariant& v) override { note("saturation", v); }
    void setBrightness(const QVariant& v) override { note("brightness", v); }
    bool setResolution(const QVariant& size) override
    {
        return note("resolution", size.toSize().width());
    }
    void setStreamRunning(bool running) override { note("running", running); }
    void setAutoEdge(bool on) override { note("edge", on); }
    void setFocus(int value) override { note("focus", value); }
    void setExposure(int value) override { note("exposure", value); }
    bool setCaptureFalg(ImageType type) override { return note("still", int(type)); }
    int switchLamp() override { return note("lamp") ? 2 : -1; }

private:
    bool note(const QString& what, const QVariant& value = QVariant())
    {
        *calls_ << (value.isValid() ? what + ' ' + value.toString() : what);
        return true;
    }
    bool wireless_;
    QStringList* calls_;
};

}  // namespace

class TestICamera : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstEnumeratedBecomesCurrent();
    void initDataDoesNotListTwice();
    void idsMatchInEitherLetterCase_data();
    void idsMatchInEitherLetterCase();
    void tableHasTwelvePairsOneExchanged();
    void nothingFoundFailsFast_data();
    void nothingFoundFailsFast();
    void wifiCameraChosenWhenControlPortAnswers();
    void openWifiWithoutCameraReportsOne();
    void routingWithoutThread_data();
    void routingWithoutThread();
    void routingThroughAStandInBackend_data();
    void routingThroughAStandInBackend();
    void captureImageNullBeforeFirstFrame();
    void streamsAndRoutesToTheDevice();
    void automaticFocusAndExposure();
    void switchCameraResetsResolution();
    void cachedParametersFollowTheDevice_data();
    void cachedParametersFollowTheDevice();
    void openFailureIsReported();
    void openCameraWithoutDevice();
    void openByDescriptionNeedsAKnownCamera_data();
    void openByDescriptionNeedsAKnownCamera();
    void unplugCurrentCameraGivesRemoval();
    void unplugAnotherLeavesStreamAlone();
    void arrivalReopens();

private:
    bool openAndWait(QSignalSpy* statuses);
    static ICamera* camera() { return ICamera::instance(); }
    static IVirtualCameraHub* hub() { return IVirtualCameraHub::instance(); }

    std::unique_ptr<FakeSysfs> sysfs_;
    std::shared_ptr<FakeV4l2Io> io_;
    QStringList standInCalls_;
};

void TestICamera::initTestCase()
{
    // The machine's own cameras must not take part.
    sysfs_ = std::make_unique<FakeSysfs>();
    io_ = std::make_shared<FakeV4l2Io>();
    IVideoSystem::instance()->setV4l2(io_, sysfs_->root(), sysfs_->devRoot());
}

void TestICamera::init()
{
    hub()->setCount(2);
    for (int index = 0; index < 2; ++index) {
        hub()->setFailOpen(index, false);
        hub()->replug(index);
    }
    pointWifiAt("127.0.0.1", closedPort());
    config()->setCameraResolution(kTestSize);
}

void TestICamera::cleanup()
{
    camera()->closeAll();
    camera()->closeCurrent();
    config()->wifiMode = false;
    config()->cameraList.clear();
    qunsetenv("ORVELLA_SUPPORTED_CAMERAS_ONLY");
    sysfs_ = std::make_unique<FakeSysfs>();
    io_ = std::make_shared<FakeV4l2Io>();
    IVideoSystem::instance()->setV4l2(io_, sysfs_->root(), sysfs_->devRoot());
}

bool TestICamera::openAndWait(QSignalSpy* statuses)
{
    if (!camera()->openCamera(config()->currentCamera.index)) {
        return false;
    }
    return statuses->wait(kWaitMs) && statuses->last().at(0).toInt() == 0;
}

void TestICamera::firstEnumeratedBecomesCurrent()
{
    QVERIFY(camera()->initData());
    QCOMPARE(config()->currentCamera.index, 0);
    QCOMPARE(config()->currentCamera.devicePath, IVirtualCameraHub::pathOf(0));
    QCOMPARE(config()->currentCamera.pid, QString("c8a1"));
    QCOMPARE(config()->currentCamera.vid, QString("2b7e"));
    QCOMPARE(pathsOf(config()->cameraList),
             QStringList({IVirtualCameraHub::pathOf(0), IVirtualCameraHub::pathOf(1)}));
    QVERIFY(!config()->wifiMode);
    QVERIFY(camera()->hasCaptureThread());
    // The configured resolution went to the capture object.
    QCOMPARE(camera()->currentResolution().toSizeF(), QSizeF(kTestSize));
}

void TestICamera::initDataDoesNotListTwice()
{
    QVERIFY(camera()->initData());
    QVERIFY(camera()->initData());
    QCOMPARE(config()->cameraList.size(), 2);
    camera()->closeCurrent();
    QVERIFY(camera()->reopen());
    QCOMPARE(config()->cameraList.size(), 2);
}

void TestICamera::idsMatchInEitherLetterCase_data()
{
    QTest::addColumn<QByteArray>("idVendor");
    QTest::addColumn<QByteArray>("idProduct");
    QTest::addColumn<bool>("listedOnly");
    QTest::addColumn<bool>("listed");

    QTest::newRow("upper-case device, lower-case entry")
        << QByteArray("2B7E") << QByteArray("C8A1") << false << true;
    QTest::newRow("lower-case device, upper-case entry")
        << QByteArray("3d17") << QByteArray("b80c") << false << true;
    QTest::newRow("mixed case, the exchanged entry")
        << QByteArray("b80C") << QByteArray("3D17") << false << true;
    QTest::newRow("unknown camera") << QByteArray("046d") << QByteArray("0825") << false << false;
    QTest::newRow("known vendor, unknown product")
        << QByteArray("2b7e") << QByteArray("c8a3") << false << false;
    QTest::newRow("listed only") << QByteArray("b80C") << QByteArray("3D17") << true << true;
    QTest::newRow("listed only, unknown")
        << QByteArray("046d") << QByteArray("0825") << true << false;
}

void TestICamera::idsMatchInEitherLetterCase()
{
    QFETCH(QByteArray, idVendor);
    QFETCH(QByteArray, idProduct);
    QFETCH(bool, listedOnly);
    QFETCH(bool, listed);
    if (listedOnly) {
        qputenv("ORVELLA_SUPPORTED_CAMERAS_ONLY", "1");
    }
    hub()->setCount(0);
    sysfs_->addUsbNode(0, "1-1", "1d6b", "0104", "Other Camera");  // never in the table
    io_->addNode(sysfs_->devicePath(0))->formats = {{V4L2_PIX_FMT_MJPEG, {{640, 480}}}};
    sysfs_->addUsbNode(2, "1-2", idVendor, idProduct, "Desk Camera");
    io_->addNode(sysfs_->devicePath(2))->formats = {{V4L2_PIX_FMT_MJPEG, {{640, 480}}}};

    QCOMPARE(camera()->cameraList().size(), 2);
    const QString other = sysfs_->devicePath(0);
    const QString desk = sysfs_->devicePath(2);
    // A listed camera goes first even when enumerated later; unknown ones only without the filter.
    const QStringList expected = listedOnly ? (listed ? QStringList{desk} : QStringList())
                                 : listed   ? QStringList{desk, other}
                                            : QStringList{other, desk};
    QCOMPARE(pathsOf(camera()->companyCameraList()), expected);
    QCOMPARE(camera()->initData(), !expected.isEmpty());
    QCOMPARE(pathsOf(config()->cameraList), expected);
    QCOMPARE(config()->currentCamera.devicePath, expected.value(0));
    QCOMPARE(camera()->hasCaptureThread(), !expected.isEmpty());
}

void TestICamera::tableHasTwelvePairsOneExchanged()
{
    const QList<ICamera::DeviceId> table = camera()->deviceTable();
    QCOMPARE(table.size(), 12);
    QVERIFY(table.contains({"c8a1", "2b7e"}));
    int exchanged = 0;
    for (const ICamera::DeviceId& id : table) {
        QCOMPARE(id.first.size(), 4);
        QCOMPARE(id.second.size(), 4);
        exchanged += table.contains({id.second, id.first});
    }
    QCOMPARE(exchanged, 2);  // the pair and its exchanged twin
}

void TestICamera::nothingFoundFailsFast_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("message");
    QTest::newRow("control port closed") << "127.0.0.1"
                                         << "not find company wifi camera device.";
    QTest::newRow("no wireless address") << ""
                                         << "wifi rtsp url is null.";
}

void TestICamera::nothingFoundFailsFast()
{
    QFETCH(QString, host);
    QFETCH(QString, message);
    hub()->setCount(0);
    pointWifiAt(host, closedPort());
    QTest::ignoreMessage(QtDebugMsg, message.toUtf8().constData());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!camera()->hasValidRtspUrl());
    QVERIFY(!camera()->initData());
    // A generous bound: only a probe without its time limit could take this long.
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(config()->currentCamera.index, -1);
    QVERIFY(!config()->wifiMode);
    QVERIFY(!camera()->hasCaptureThread());
}

void TestICamera::wifiCameraChosenWhenControlPortAnswers()
{
    hub()->setCount(0);
    QTcpServer controlPort;
    QVERIFY(controlPort.listen(QHostAddress::LocalHost));
    pointWifiAt("127.0.0.1", controlPort.serverPort());

    QVERIFY(camera()->hasValidRtspUrl());
    QTRY_VERIFY(controlPort.hasPendingConnections());
    delete controlPort.nextPendingConnection();

    config()->currentCamera.devicePath = sysfs_->devicePath(0);  // left from an earlier camera
    QVERIFY(camera()->initData());
    QCOMPARE(config()->currentCamera.index, ICamera::kWifiIndex);
    QCOMPARE(config()->currentCamera.friendlyName, QString("Kestrima WIFI"));
    QVERIFY(config()->currentCamera.devicePath.isEmpty());
    QVERIFY(config()->wifiMode);
    QVERIFY(config()->cameraList.isEmpty());
    QVERIFY(!camera()->hasCaptureThread());
    QCOMPARE(config()->cameraResolution(), kTestSize);
}

void TestICamera::openWifiWithoutCameraReportsOne()
{
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(camera()->openWifi());
    QCOMPARE(statuses.size(), 1);
    QCOMPARE(statuses.at(0).at(0).toInt(), 1);
    QVERIFY(!config()->wifiMode);
}

void TestICamera::routingWithoutThread_data()
{
    QTest::addColumn<bool>("wifi");
    QTest::newRow("USB camera") << false;
    QTest::newRow("wireless camera") << true;
}

void TestICamera::routingWithoutThread()
{
    QFETCH(bool, wifi);
    config()->wifiMode = wifi;
    QVERIFY(!camera()->hasCaptureThread());
    QVERIFY(camera()->captureImage(NormalImage).isNull());
    QCOMPARE(camera()->contrast(), QVariant(ICamera::kNoValue));
    QCOMPARE(camera()->saturation(), QVariant(ICamera::kNoValue));
    QCOMPARE(camera()->brightness(), QVariant(ICamera::kNoValue));
    QVERIFY(!camera()->currentResolution().isValid());
    QCOMPARE(camera()->autoEdgeResult().angle, -1.0);
    QVERIFY(camera()->autoEdgeResult().polygon.isEmpty());
    QVERIFY(camera()->supportedResolutions().isEmpty());
    QCOMPARE(camera()->cameraParameter().brightness.current, QVariant(0.0));
    QVERIFY(!camera()->setCaptureFalg(GrayImage));
    QCOMPARE(camera()->switchLamp(), -1);
    // Setters have nowhere to go and change nothing, apart from the configured resolution.
    camera()->setContrast(10);
    camera()->setSaturation(10);
    camera()->setBrightness(10);
    camera()->setFocus(ICamera::kNoValue);
    camera()->setExposure(5);
    camera()->setAutoEdge(true);
    camera()->setStreamRunning(false);
    QVERIFY(!camera()->setResolution(QSizeF(1280, 720)));
    QCOMPARE(config()->cameraResolution(), QSize(1280, 720));
    QVERIFY(!camera()->hasCaptureThread());
    QCOMPARE(camera()->contrast(), QVariant(ICamera::kNoValue));
}

void TestICamera::routingThroughAStandInBackend_data()
{
    routingWithoutThread_data();
}

void TestICamera::routingThroughAStandInBackend()
{
    QFETCH(bool, wifi);
    config()->wifiMode = wifi;
    QStringList& calls = standInCalls_;  // outlives the test function, as the back end may
    calls.clear();
    config()->currentCamera.index = wifi ? ICamera::kWifiIndex : 0;
    config()->currentCamera.devicePath = wifi ? QString() : QStringLiteral("stand-in");
    camera()->setBackend(new StandInBackend(wifi, &calls));
    QCOMPARE(camera()->hasCaptureThread(), !wifi);
    QCOMPARE(camera()->captureImage(GrayImage).width(), 8);
    QCOMPARE(camera()->contrast(), QVariant(11));
    QCOMPARE(camera()->saturation(), QVariant(12));
    QCOMPARE(camera()->brightness(), QVariant(13));
    QCOMPARE(camera()->currentResolution(), QVariant(QSizeF(320, 200)));
    QCOMPARE(camera()->autoEdgeResult().angle, 7.5);
    QCOMPARE(camera()->supportedResolutions(), QList<QSizeF>({QSizeF(320, 200)}));
    QCOMPARE(camera()->cameraParameter().brightness.current, QVariant(42));
    QVERIFY(camera()->setCaptureFalg(BlackWhiteImage));
    QCOMPARE(camera()->switchLamp(), 2);
    camera()->setContrast(1);
    camera()->setSaturation(2);
    camera()->setBrightness(3);
    camera()->setFocus(ICamera::kNoValue);
    camera()->setExposure(5);
    camera()->setAutoEdge(true);
    camera()->setStreamRunning(false);
    QVERIFY(camera()->setResolution(QSize(640, 480)));
    QVERIFY(camera()->openCamera(config()->currentCamera.index));
    QCOMPARE(calls, QStringList({"still 3", "lamp", "contrast 1", "saturation 2", "brightness 3",
                                 "focus -999", "exposure 5", "edge true", "running false",
                                 "resolution 640", "open " + config()->currentCamera.devicePath}));
    // A back end of the other kind is not asked.
    config()->wifiMode = !wifi;
    QCOMPARE(camera()->contrast(), QVariant(ICamera::kNoValue));
    QVERIFY(!camera()->setCaptureFalg(NormalImage));
    QCOMPARE(calls.size(), 11);
    config()->wifiMode = wifi;
}

void TestICamera::captureImageNullBeforeFirstFrame()
{
    QVERIFY(camera()->initData());
    QVERIFY(camera()->captureImage(NormalImage).isNull());
    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
    QVERIFY(camera()->openCamera(0));
    QVERIFY(frames.wait(kWaitMs));
    const QImage still = camera()->captureImage(GrayImage);
    QCOMPARE(still.size(), kTestSize);
    QVERIFY(still.allGray());
}

void TestICamera::streamsAndRoutesToTheDevice()
{
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openAndWait(&statuses));
    QVERIFY(camera()->supportedResolutions().contains(QSizeF(1920, 1080)));
    const CameraParameterData parameters = camera()->cameraParameter();
    const int maximum = parameters.contrast.maximum.toInt();
    QVERIFY(maximum > 0);
    camera()->setContrast(maximum);
    QCOMPARE(camera()->contrast().toInt(), maximum);

    // A new size restarts the stream, and the negotiated size becomes the configured one.
    QVERIFY(!camera()->setResolution(QSizeF(1280, 720)));
    QVERIFY(statuses.wait(kWaitMs));
    QCOMPARE(camera()->currentResolution().toSizeF(), QSizeF(1280, 720));
    QCOMPARE(config()->cameraResolution(), QSize(1280, 720));
    // A size the device does not offer ends at its smallest one, which is stored instead.
    QVERIFY(!camera()->setResolution(QSize(1000, 700)));
    QCOMPARE(config()->cameraResolution(), QSize(1000, 700));
    QVERIFY(statuses.wait(kWaitMs));
    QCOMPARE(config()->cameraResolution(), QSize(640, 480));

    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
    camera()->setAutoEdge(true);
    QTRY_VERIFY_WITH_TIMEOUT(camera()->autoEdgeResult().angle != -1.0, kWaitMs);
    QCOMPARE(camera()->autoEdgeResult().polygon.size(), 4);
    camera()->setStreamRunning(false);
    // A frame already on its way may still come; then the picture must stand still.
    int late = 0;
    while (frames.wait(500) && late < 10) {
        ++late;
    }
    QVERIFY2(late < 10, "frames keep coming while frozen");
    camera()->setStreamRunning(true);
    QVERIFY(frames.wait(kWaitMs));
}

void TestICamera::automaticFocusAndExposure()
{
    hub()->setCount(0);
    sysfs_->addUsbNode(0, "1-1", "2b7e", "c8a1", "Desk Camera");
    auto node = io_->addNode(sysfs_->devicePath(0));
    node->formats = {{V4L2_PIX_FMT_MJPEG, {{640, 480}}}};
    node->addControl(V4L2_CID_FOCUS_ABSOLUTE, 0, 250, 0, 40);
    node->addControl(V4L2_CID_FOCUS_AUTO, 0, 1, 1, 0);
    node->addControl(V4L2_CID_EXPOSURE_ABSOLUTE, 3, 2047, 250, 250);
    node->addControl(V4L2_CID_EXPOSURE_AUTO, 0, 3, 3, 1);
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openAndWait(&statuses));

    camera()->setFocus(60);
    camera()->setExposure(300);
    camera()->setFocus(ICamera::kNoValue);
    camera()->setExposure(ICamera::kNoValue);
    const auto writes = io_->controlWrites();
    QVERIFY(writes.contains(qMakePair(quint32(V4L2_CID_FOCUS_ABSOLUTE), 60)));
    QVERIFY(writes.contains(qMakePair(quint32(V4L2_CID_EXPOSURE_ABSOLUTE), 300)));
    QCOMPARE(writes.last(),
             qMakePair(quint32(V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_APERTURE_PRIORITY)));
    QVERIFY(writes.contains(qMakePair(quint32(V4L2_CID_FOCUS_AUTO), 1)));
    // -999 selects the automatic mode and is never written as a value.
    for (const auto& write : writes) {
        QVERIFY(write.second != ICamera::kNoValue);
    }
}

void TestICamera::switchCameraResetsResolution()
{
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openAndWait(&statuses));
    QCOMPARE(config()->cameraResolution(), kTestSize);

    const ICameraInfo second = config()->cameraList.at(1);
    config()->currentCamera.videoInput = "desktop";
    camera()->switchCamera(second);
    QCOMPARE(config()->cameraResolution(), QSize(1920, 1080));
    QCOMPARE(config()->currentCamera.devicePath, second.devicePath);
    QCOMPARE(config()->currentCamera.index, second.index);
    QCOMPARE(config()->currentCamera.videoInput, QString("desktop"));
    QVERIFY(statuses.wait(kWaitMs));
    QCOMPARE(statuses.last().at(0).toInt(), 0);
    QCOMPARE(config()->cameraResolution(), QSize(1920, 1080));
    QCOMPARE(camera()->currentResolution().toSizeF(), QSizeF(1920, 1080));
}

void TestICamera::cachedParametersFollowTheDevice_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("switch") << "switch";
    QTest::newRow("close current, reopen") << "closeCurrent";
    QTest::newRow("close all, reopen") << "closeAll";
}

void TestICamera::cachedParametersFollowTheDevice()
{
    QFETCH(QString, change);
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openAndWait(&statuses));
    const CameraParameterData fresh = camera()->cameraParameter();
    const int brightness = fresh.brightness.defaultValue.toInt();
    camera()->setBrightness(brightness + 7);
    QCOMPARE(camera()->brightness().toInt(), brightness + 7);

    int expected = brightness;  // the other virtual camera was never touched
    if (change == "switch") {
        camera()->switchCamera(config()->cameraList.at(1));
    } else {
        camera()->setBrightness(brightness + 9);
        expected = brightness + 9;  // the same device, which keeps its setting
        if (change == "closeAll") {
            camera()->closeAll();
        } else {
            camera()->closeCurrent();
        }
        QVERIFY(camera()->reopen());
    }
    QVERIFY(statuses.wait(kWaitMs));
    QCOMPARE(camera()->cameraParameter().brightness.current.toInt(), expected);
}

void TestICamera::openFailureIsReported()
{
    hub()->setFailOpen(0, true);
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(camera()->openCamera(0));  // the outcome comes later, whenever the device answers
    QTRY_COMPARE_WITH_TIMEOUT(statuses.size(), 1, kWaitMs);
    QCOMPARE(statuses.at(0).at(0).toInt(), 1);
}

void TestICamera::openCameraWithoutDevice()
{
    QTest::ignoreMessage(QtDebugMsg, "camera index == -1.");
    QVERIFY(!camera()->openCamera(-1));
    QVERIFY(!camera()->hasCaptureThread());
}

void TestICamera::openByDescriptionNeedsAKnownCamera_data()
{
    QTest::addColumn<QString>("description");
    QTest::newRow("empty") << "";
    QTest::newRow("unknown") << "No Such Camera 4711";
}

void TestICamera::openByDescriptionNeedsAKnownCamera()
{
    QFETCH(QString, description);
    QVERIFY(!camera()->openByDescription(description));
    QVERIFY(!camera()->hasCaptureThread());
}

void TestICamera::unplugCurrentCameraGivesRemoval()
{
    IWinUsbDevice watcher(new IHotplugSource);
    HotplugReaction reaction(&watcher);
    QSignalSpy changes(&watcher, &IWinUsbDevice::connectionChanged);
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openAndWait(&statuses));

    hub()->unplug(0);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), false);
    QCOMPARE(changes.at(0).at(1).toString(), IVirtualCameraHub::pathOf(0));
    QCOMPARE(statuses.last().at(0).toInt(), 3);
    QVERIFY(!camera()->hasCaptureThread());
    QCOMPARE(config()->currentCamera.index, -1);
    QVERIFY(camera()->captureImage(NormalImage).isNull());
}

void TestICamera::unplugAnotherLeavesStreamAlone()
{
    IWinUsbDevice watcher(new IHotplugSource);
    HotplugReaction reaction(&watcher);
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openAndWait(&statuses));
    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);

    hub()->unplug(1);
    frames.clear();
    QVERIFY(frames.wait(kWaitMs));
    QVERIFY(frames.wait(kWaitMs));
    QCOMPARE(statuses.last().at(0).toInt(), 0);
    QVERIFY(camera()->hasCaptureThread());
    QCOMPARE(config()->currentCamera.devicePath, IVirtualCameraHub::pathOf(0));
}

void TestICamera::arrivalReopens()
{
    IWinUsbDevice watcher(new IHotplugSource);
    HotplugReaction reaction(&watcher);
    QVERIFY(camera()->initData());
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openAndWait(&statuses));
    hub()->unplug(1);
    hub()->unplug(0);
    QCOMPARE(statuses.last().at(0).toInt(), 3);

    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
    hub()->replug(0);
    QVERIFY(reaction.reopened);
    QVERIFY(statuses.wait(kWaitMs));
    QCOMPARE(statuses.last().at(0).toInt(), 0);
    QVERIFY(frames.wait(kWaitMs));
    QCOMPARE(config()->currentCamera.devicePath, IVirtualCameraHub::pathOf(0));
    QCOMPARE(pathsOf(config()->cameraList), QStringList({IVirtualCameraHub::pathOf(0)}));

    // A second device arriving while one streams does not disturb it.
    reaction.reopened = false;
    hub()->replug(1);
    QVERIFY(!reaction.reopened);
    QCOMPARE(config()->currentCamera.devicePath, IVirtualCameraHub::pathOf(0));
}

QTEST_MAIN(TestICamera)
#include "tst_icamera.moc"
