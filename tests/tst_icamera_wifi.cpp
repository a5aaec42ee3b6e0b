#include <QtTest>

#include "customui/camera/ipixrateframe.h"
#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "ffmpeg/wifirtsp/iwifirtspthread.h"
#include "icamera.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/ivirtualcamerahub.h"
#include "service/iconfigureservice.h"
#include "wificamsimprocess.h"

namespace {

const int kWaitMs = 15000;

IConfigureService* config()
{
    return IConfigureService::instance();
}

ICamera* camera()
{
    return ICamera::instance();
}

bool cameraSaw(WifiCamSimProcess& sim, const QByteArray& hex)
{
    const QList<QByteArray> requests = sim.linesStartingWith("request ");
    return std::any_of(requests.cbegin(), requests.cend(),
                       [&hex](const QByteArray& line) { return line.contains(hex); });
}

// Waits for the next status code; -1 when none came.
int nextStatus(QSignalSpy* statuses)
{
    const int seen = statuses->size();
    if (!QTest::qWaitFor([&] { return statuses->size() > seen; }, kWaitMs)) {
        return -1;
    }
    return statuses->at(seen).at(0).toInt();
}

}  // namespace

// The camera manager with the wireless camera simulator on loopback.
class TestICameraWifi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void wirelessCameraThroughTheManager();
    void switchFromWirelessToUsb();
    void supportedCameraArrivingReplacesWireless();

private:
    bool openWireless(QSignalSpy* statuses);

    WifiCamSimProcess sim_;
    FakeSysfs sysfs_;
};

void TestICameraWifi::initTestCase()
{
    IVideoSystem::instance()->setV4l2(std::make_shared<FakeV4l2Io>(), sysfs_.root(),
                                      sysfs_.devRoot());
    QVERIFY(sim_.start({"--resolution", "640x480"}));
    qputenv("ORVELLA_WIFI_HOST", "127.0.0.1");
    qputenv("ORVELLA_WIFI_CONTROL_PORT", QByteArray::number(sim_.controlPort()));
    qputenv("ORVELLA_WIFI_RTSP_PORT", QByteArray::number(sim_.rtspPort()));
    config()->readConfigure();
    QCOMPARE(config()->wifiRtspUrl, sim_.rtspUrl());
}

void TestICameraWifi::init()
{
    IVirtualCameraHub::instance()->setCount(0);
    config()->setCameraResolution(QSize(640, 480));
}

void TestICameraWifi::cleanup()
{
    camera()->closeAll();
    camera()->closeCurrent();
    config()->wifiMode = false;
}

bool TestICameraWifi::openWireless(QSignalSpy* statuses)
{
    return camera()->initData() && config()->wifiMode &&
           camera()->openCamera(config()->currentCamera.index) && nextStatus(statuses) == 0;
}

void TestICameraWifi::wirelessCameraThroughTheManager()
{
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
    const int binds = sim_.linesStartingWith("bind ").size();
    QVERIFY(openWireless(&statuses));
    QCOMPARE(config()->currentCamera.index, ICamera::kWifiIndex);
    QVERIFY(!camera()->hasCaptureThread());
    QCOMPARE(sim_.linesStartingWith("bind ").size(), binds + 1);

    QVERIFY(frames.wait(kWaitMs));
    QCOMPARE(frames.last().at(0).value<QImage>().size(), QSize(640, 480));
    QCOMPARE(camera()->captureImage(NormalImage).size(), QSize(640, 480));
    QVERIFY(camera()->captureImage(GrayImage).allGray());
    QCOMPARE(camera()->supportedResolutions().size(), 11);
    QVERIFY(camera()->supportedResolutions().contains(QSizeF(1920, 1080)));
    QCOMPARE(camera()->currentResolution().toSizeF(), QSizeF(640, 480));

    // Parameters come from the camera once it reported them.
    QTRY_VERIFY_WITH_TIMEOUT(camera()->cameraParameter().brightness.current.toDouble() != 0.0,
                             kWaitMs);
    QCOMPARE(camera()->cameraParameter().contrast.maximum.toInt(), 100);
    camera()->setContrast(60);
    QCOMPARE(camera()->contrast().toInt(), 60);
    QTRY_VERIFY_WITH_TIMEOUT(cameraSaw(sim_, "07000bf2f40d"), kWaitMs);  // set image quality

    QSignalSpy stills(camera(), &ICamera::sgCaptureImage);
    QVERIFY(camera()->setCaptureFalg(NormalImage));
    QVERIFY(stills.wait(kWaitMs));
    QCOMPARE(stills.at(0).at(0).value<QImage>().size(), QSize(640, 480));

    camera()->setStreamRunning(false);
    int late = 0;
    while (frames.wait(600) && late < 10) {
        ++late;
    }
    QVERIFY2(late < 10, "frames keep coming while frozen");
    camera()->setStreamRunning(true);
    QVERIFY(frames.wait(kWaitMs));

    // What the arrival of some other video device does while the wireless camera is in use:
    // the control link that is up stays.
    QVERIFY(camera()->reopen());
    QVERIFY(config()->wifiMode);
    QVERIFY(frames.wait(kWaitMs));
    QCOMPARE(sim_.linesStartingWith("bind ").size(), binds + 1);

    // The resolution panel offers the camera's sizes, and a choice reaches it.
    IPixRateFrame panel(nullptr);
    panel.reload();
    QCOMPARE(panel.buttons().size(), 11);
    QVERIFY(panel.setResolution({1280, 720}, false));
    QTRY_COMPARE_WITH_TIMEOUT(frames.last().at(0).value<QImage>().size(), QSize(1280, 720),
                              kWaitMs);

    QSignalSpy copies(camera(), &ICamera::sgRunCopyImage);
    camera()->closeWifi();
    QCOMPARE(copies.size(), 1);
    QVERIFY(camera()->captureImage(NormalImage).isNull());
    QCOMPARE(camera()->contrast(), QVariant(ICamera::kNoValue));
    QVERIFY(!camera()->setCaptureFalg(NormalImage));
    QCOMPARE(camera()->switchLamp(), -1);
}

void TestICameraWifi::switchFromWirelessToUsb()
{
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(camera()->openWifi());
    QVERIFY(config()->wifiMode);
    QCOMPARE(config()->currentCamera.index, ICamera::kWifiIndex);
    QCOMPARE(config()->currentCamera.friendlyName, QString("Kestrima WIFI"));
    QCOMPARE(nextStatus(&statuses), 0);
    IVirtualCameraHub::instance()->setCount(1);
    IVirtualCameraHub::instance()->replug(0);
    const ICameraInfo usb = camera()->companyCameraList().value(0);
    QCOMPARE(usb.devicePath, IVirtualCameraHub::pathOf(0));

    QSignalSpy copies(camera(), &ICamera::sgRunCopyImage);
    camera()->switchCamera(usb);
    QCOMPARE(copies.size(), 1);
    QVERIFY(!config()->wifiMode);
    QCOMPARE(config()->currentCamera.devicePath, usb.devicePath);
    QCOMPARE(config()->cameraResolution(), QSize(1920, 1080));
    QCOMPARE(nextStatus(&statuses), 0);
    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
    QVERIFY(frames.wait(kWaitMs));
    QCOMPARE(frames.last().at(0).value<QImage>().size(), QSize(1920, 1080));
}

void TestICameraWifi::supportedCameraArrivingReplacesWireless()
{
    QSignalSpy statuses(camera(), &ICamera::sgError);
    QVERIFY(openWireless(&statuses));
    IVirtualCameraHub::instance()->setCount(1);
    IVirtualCameraHub::instance()->replug(0);
    QVERIFY(camera()->reopen());
    QVERIFY(!config()->wifiMode);
    QCOMPARE(config()->currentCamera.devicePath, IVirtualCameraHub::pathOf(0));
    QVERIFY(camera()->hasCaptureThread());
    QCOMPARE(nextStatus(&statuses), 0);
    // Routed to the USB camera now.
    QVERIFY(camera()->supportedResolutions().contains(QSizeF(2592, 1944)));
}

QTEST_MAIN(TestICameraWifi)
#include "tst_icamera_wifi.moc"
