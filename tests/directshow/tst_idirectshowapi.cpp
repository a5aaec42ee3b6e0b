#include <QtTest>

#include "directshow/idirectshowapi.h"
#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/ivirtualcamerahub.h"

class TestIDirectShowApi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsDevicesWithRunningNumbers();
    void noDeviceGivesFalse();
    void sizesAreDistinctAndSortedByWidth();
    void sizesOfTheVirtualCamera();
    void queriesRefuseUnknownIndexes_data();
    void queriesRefuseUnknownIndexes();
    void readsAllFiveControls();
    void deviceWithoutCameraControls();

private:
    void addCamera(int number, const QString& port, const QByteArray& card, bool usb = true);

    std::unique_ptr<FakeSysfs> sysfs_;
    std::shared_ptr<FakeV4l2Io> io_;
};

void TestIDirectShowApi::init()
{
    sysfs_ = std::make_unique<FakeSysfs>();
    io_ = std::make_shared<FakeV4l2Io>();
    IVideoSystem::instance()->setV4l2(io_, sysfs_->root(), sysfs_->devRoot());
    IVirtualCameraHub::instance()->setCount(1);
}

void TestIDirectShowApi::cleanup()
{
    IVideoSystem::instance()->setV4l2(std::make_shared<FakeV4l2Io>(), sysfs_->root() + "/none",
                                      sysfs_->devRoot());
}

void TestIDirectShowApi::addCamera(int number, const QString& port, const QByteArray& card,
                                   bool usb)
{
    if (usb) {
        sysfs_->addUsbNode(number, port, "046d", "0825");
    } else {
        sysfs_->addPlatformNode(number);
    }
    auto node = io_->addNode(sysfs_->devicePath(number));
    node->card = card;
    node->formats = {{V4L2_PIX_FMT_MJPEG, {{1920, 1080}, {1280, 720}, {640, 480}, {1280, 960}}},
                     {V4L2_PIX_FMT_YUYV, {{640, 480}, {320, 240}, {1280, 720}}}};
    node->addControl(V4L2_CID_BRIGHTNESS, -64, 64, 0, 5);
    node->addControl(V4L2_CID_CONTRAST, 0, 64, 32, 30);
    node->addControl(V4L2_CID_SATURATION, 0, 128, 64, 70);
}

void TestIDirectShowApi::listsDevicesWithRunningNumbers()
{
    addCamera(0, "1-1", "Doc Cam");
    sysfs_->addUsbNode(1, "1-1", "046d", "0825");  // the metadata node of the same camera
    io_->addNode(sysfs_->devicePath(1))->deviceCaps = V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING;
    addCamera(2, "1-2", "Doc Cam");
    addCamera(4, "", "Other", false);

    QList<ICameraInfo> devices{ICameraInfo(), ICameraInfo()};
    QVERIFY(IDirectShowApi::dxCameraDevices(devices));
    QStringList names;
    QStringList paths;
    for (int i = 0; i < devices.size(); ++i) {
        QCOMPARE(devices[i].index, i);
        names << devices[i].friendlyName;
        paths << devices[i].devicePath;
    }
    QCOMPARE(names,
             QStringList({"Doc Cam #1", "Doc Cam #2", "Other #1", "Virtual Document Camera #1"}));
    QCOMPARE(paths, QStringList({sysfs_->devicePath(0), sysfs_->devicePath(2),
                                 sysfs_->devicePath(4), "virtual:0"}));
    QCOMPARE(devices[1].vid, QString("046d"));
    QCOMPARE(devices[1].pid, QString("0825"));
    QVERIFY(devices[2].vid.isEmpty() && devices[2].pid.isEmpty());
    QCOMPARE(devices[3].vid, QString("2b7e"));
    QCOMPARE(devices[3].pid, QString("c8a1"));
}

void TestIDirectShowApi::noDeviceGivesFalse()
{
    IVirtualCameraHub::instance()->setCount(0);
    QList<ICameraInfo> devices{ICameraInfo()};
    QVERIFY(!IDirectShowApi::dxCameraDevices(devices));
    QVERIFY(devices.isEmpty());
}

void TestIDirectShowApi::sizesAreDistinctAndSortedByWidth()
{
    addCamera(0, "1-1", "Doc Cam");
    QList<QSizeF> sizes{QSizeF(640, 480)};
    QVERIFY(IDirectShowApi::dxCameraSupportResolution(0, sizes));
    // Equal widths keep the order in which the device listed them.
    QCOMPARE(sizes,
             QList<QSizeF>({{320, 240}, {640, 480}, {1280, 720}, {1280, 960}, {1920, 1080}}));
}

void TestIDirectShowApi::sizesOfTheVirtualCamera()
{
    QList<QSizeF> sizes;
    QVERIFY(IDirectShowApi::dxCameraSupportResolution(0, sizes));
    QCOMPARE(sizes, QList<QSizeF>({{640, 480},
                                   {800, 600},
                                   {1280, 720},
                                   {1920, 1080},
                                   {2592, 1944},
                                   {3264, 2448},
                                   {3840, 2160}}));
}

void TestIDirectShowApi::queriesRefuseUnknownIndexes_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the last") << 2;
    QTest::newRow("far beyond") << 99;
}

void TestIDirectShowApi::queriesRefuseUnknownIndexes()
{
    QFETCH(int, index);
    addCamera(0, "1-1", "Doc Cam");
    QList<QSizeF> sizes;
    CameraParameterData data;
    QTest::ignoreMessage(QtDebugMsg, "directshow BindFilter error");
    QVERIFY(!IDirectShowApi::dxCameraSupportResolution(index, sizes));
    QTest::ignoreMessage(QtDebugMsg, "directshow BindFilter error");
    QVERIFY(!IDirectShowApi::dxCameraParameter(index, data));
    QVERIFY(sizes.isEmpty());
    QCOMPARE(data.brightness.current, QVariant(0.0));
}

void TestIDirectShowApi::readsAllFiveControls()
{
    CameraParameterData data;
    QVERIFY(IDirectShowApi::dxCameraParameter(0, data));  // the virtual camera
    QCOMPARE(data.brightness.minimum, QVariant(-64));
    QCOMPARE(data.brightness.maximum, QVariant(64));
    QCOMPARE(data.contrast.defaultValue, QVariant(32));
    QCOMPARE(data.saturation.current, QVariant(64));
    QCOMPARE(data.exposure.maximum, QVariant(2047));
    QCOMPARE(data.focus.defaultValue, QVariant(125));
}

void TestIDirectShowApi::deviceWithoutCameraControls()
{
    addCamera(0, "1-1", "Doc Cam");
    CameraParameterData data;
    QTest::ignoreMessage(QtDebugMsg, "The device does not support IAMCameraControl");
    QVERIFY(IDirectShowApi::dxCameraParameter(0, data));
    QCOMPARE(data.brightness.current, QVariant(5));
    QCOMPARE(data.contrast.current, QVariant(30));
    QCOMPARE(data.saturation.maximum, QVariant(128));
    for (const CameraParameterEntry& entry : {data.focus, data.exposure}) {
        for (const QVariant& value :
             {entry.minimum, entry.maximum, entry.defaultValue, entry.current}) {
            QCOMPARE(value, QVariant(0.0));
        }
    }
}

QTEST_GUILESS_MAIN(TestIDirectShowApi)
#include "tst_idirectshowapi.moc"
