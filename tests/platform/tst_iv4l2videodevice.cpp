#include <QtTest>

#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "platform/video/iv4l2enumerator.h"
#include "platform/video/iv4l2videodevice.h"

namespace {

const QSize k480(640, 480);
const QSize k720(1280, 720);
const QSize k1080(1920, 1080);

// A typical UVC camera: MJPEG and YUYV, the five controls and both automatic modes.
void makeUvcCamera(FakeV4l2Node& node)
{
    node.formats = {{V4L2_PIX_FMT_MJPEG, {k1080, k720, k480}},
                    {V4L2_PIX_FMT_H264, {k1080}},
                    {V4L2_PIX_FMT_YUYV, {k480, QSize(800, 600)}}};
    node.addControl(V4L2_CID_BRIGHTNESS, -64, 64, 0, 10);
    node.addControl(V4L2_CID_CONTRAST, 0, 64, 32, 30);
    node.addControl(V4L2_CID_SATURATION, 0, 128, 64, 60);
    node.addControl(V4L2_CID_EXPOSURE_ABSOLUTE, 3, 2047, 250, 300);
    node.addControl(V4L2_CID_EXPOSURE_AUTO, 0, 3, 3, 3);
    node.addControl(V4L2_CID_FOCUS_ABSOLUTE, 0, 250, 125, 100);
    node.addControl(V4L2_CID_FOCUS_AUTO, 0, 1, 1, 1);
}

}  // namespace

class TestIV4l2VideoDevice : public QObject {
    Q_OBJECT
private slots:
    void enumeratesCaptureNodesInNumericOrder();
    void readsUsbIds_data();
    void readsUsbIds();
    void boundsAndTrimsCardNames_data();
    void boundsAndTrimsCardNames();
    void listsDecodableSizesOnly();
    void describesSizeRanges();
    void mapsControls();
    void manualValueLeavesAutomaticMode();
    void automaticModes_data();
    void automaticModes();
    void setFormatReportsAdjustedSize();
    void handsOutNewestFrameAndRequeuesTheRest();
    void dropsDamagedAndEmptyBuffers_data();
    void dropsDamagedAndEmptyBuffers();
    void endsOnUnplug_data();
    void endsOnUnplug();
    void releasesEverything();
    void refusesNonCaptureNodes();

private:
    std::unique_ptr<IV4l2VideoDevice> openStreaming(const std::shared_ptr<FakeV4l2Io>& io,
                                                    std::shared_ptr<FakeV4l2Node>* node);
};

std::unique_ptr<IV4l2VideoDevice> TestIV4l2VideoDevice::openStreaming(
    const std::shared_ptr<FakeV4l2Io>& io, std::shared_ptr<FakeV4l2Node>* node)
{
    *node = io->addNode("/dev/video0");
    makeUvcCamera(**node);
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");
    VideoStreamFormat format;
    if (!device || !device->setFormat(VideoPixelFormat::Mjpeg, k480, &format) ||
        !device->startStreaming()) {
        return nullptr;
    }
    return device;
}

void TestIV4l2VideoDevice::enumeratesCaptureNodesInNumericOrder()
{
    FakeSysfs sysfs;
    auto io = std::make_shared<FakeV4l2Io>();
    for (int number : {10, 2, 0, 1, 3}) {
        sysfs.addUsbNode(number, QStringLiteral("1-%1").arg(number), "046d", "0825",
                         "node" + QByteArray::number(number));
        io->addNode(sysfs.devicePath(number))->card = "Cam " + QByteArray::number(number);
    }
    io->addNode(sysfs.devicePath(1))->deviceCaps = V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING;
    io->addNode(sysfs.devicePath(3))->openErrno = EACCES;

    const QList<VideoNodeInfo> devices =
        IV4l2Enumerator(io, sysfs.root(), sysfs.devRoot()).devices();
    QStringList paths;
    QStringList names;
    for (const VideoNodeInfo& info : devices) {
        paths << info.path;
        names << info.name;
    }
    QCOMPARE(paths, QStringList({sysfs.devicePath(0), sysfs.devicePath(2), sysfs.devicePath(10)}));
    QCOMPARE(names, QStringList({"Cam 0", "Cam 2", "Cam 10"}));
    QCOMPARE(io->openFileCount(), 0);
}

void TestIV4l2VideoDevice::readsUsbIds_data()
{
    QTest::addColumn<QByteArray>("vendorFile");
    QTest::addColumn<QByteArray>("productFile");
    QTest::addColumn<QString>("vid");
    QTest::addColumn<QString>("pid");
    QTest::newRow("plain") << QByteArray("046d\n") << QByteArray("0825\n") << "046d"
                           << "0825";
    QTest::newRow("upper case") << QByteArray("2B7E") << QByteArray("C8A1") << "2b7e"
                                << "c8a1";
    QTest::newRow("too long") << QByteArray("046d1") << QByteArray("825") << ""
                              << "";
    QTest::newRow("not hex") << QByteArray("04g1") << QByteArray("0x25") << ""
                             << "";
    QTest::newRow("empty") << QByteArray() << QByteArray("0825") << ""
                           << "0825";
}

void TestIV4l2VideoDevice::readsUsbIds()
{
    QFETCH(QByteArray, vendorFile);
    QFETCH(QByteArray, productFile);
    FakeSysfs sysfs;
    auto io = std::make_shared<FakeV4l2Io>();
    sysfs.addUsbNode(0, "1-2", vendorFile, productFile);
    io->addNode(sysfs.devicePath(0));
    sysfs.addPlatformNode(1);
    io->addNode(sysfs.devicePath(1));

    const QList<VideoNodeInfo> devices =
        IV4l2Enumerator(io, sysfs.root(), sysfs.devRoot()).devices();
    QCOMPARE(devices.size(), 2);
    QTEST(devices[0].vid, "vid");
    QTEST(devices[0].pid, "pid");
    QVERIFY(devices[1].vid.isEmpty());
    QVERIFY(devices[1].pid.isEmpty());
}

void TestIV4l2VideoDevice::boundsAndTrimsCardNames_data()
{
    QTest::addColumn<QByteArray>("card");
    QTest::addColumn<QString>("name");
    QTest::newRow("padded") << QByteArray("  Doc Cam \t") << "Doc Cam";
    // All 32 bytes used, no terminator: the name must not run into the next field.
    QTest::newRow("unterminated") << QByteArray(32, 'A') << QString(32, 'A');
    QTest::newRow("empty uses sysfs name") << QByteArray() << "sysfs name";
}

void TestIV4l2VideoDevice::boundsAndTrimsCardNames()
{
    QFETCH(QByteArray, card);
    FakeSysfs sysfs;
    auto io = std::make_shared<FakeV4l2Io>();
    sysfs.addUsbNode(0, "1-1", "046d", "0825", "  sysfs name ");
    io->addNode(sysfs.devicePath(0))->card = card;
    const QList<VideoNodeInfo> devices =
        IV4l2Enumerator(io, sysfs.root(), sysfs.devRoot()).devices();
    QCOMPARE(devices.size(), 1);
    QTEST(devices[0].name, "name");
}

void TestIV4l2VideoDevice::listsDecodableSizesOnly()
{
    auto io = std::make_shared<FakeV4l2Io>();
    makeUvcCamera(*io->addNode("/dev/video0"));
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");
    QVERIFY(device);
    QList<QPair<VideoPixelFormat, QSize>> sizes;
    for (const VideoFrameSize& size : device->frameSizes()) {
        sizes.append({size.format, size.size});
    }
    const QList<QPair<VideoPixelFormat, QSize>> expected = {
        {VideoPixelFormat::Mjpeg, k1080},
        {VideoPixelFormat::Mjpeg, k720},
        {VideoPixelFormat::Mjpeg, k480},
        {VideoPixelFormat::Yuyv, k480},
        {VideoPixelFormat::Yuyv, QSize(800, 600)}};
    QCOMPARE(sizes, expected);
}

void TestIV4l2VideoDevice::describesSizeRanges()
{
    auto io = std::make_shared<FakeV4l2Io>();
    auto node = io->addNode("/dev/video0");
    node->formats = {{V4L2_PIX_FMT_YUYV, {}}};
    node->frameSizeOverride = [](quint32 index, v4l2_frmsizeenum* entry) {
        if (index > 0) {
            return false;
        }
        entry->type = V4L2_FRMSIZE_TYPE_STEPWISE;
        entry->stepwise = {320, 1296, 16, 240, 972, 4};
        return true;
    };
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");
    QList<QSize> sizes;
    for (const VideoFrameSize& size : device->frameSizes()) {
        sizes.append(size.size);
    }
    // The standard sizes inside the range and on its steps, then the largest size.
    QCOMPARE(sizes, QList<QSize>({{320, 240},
                                  {640, 480},
                                  {800, 600},
                                  {1024, 768},
                                  {1280, 720},
                                  {1280, 960},
                                  {1296, 972}}));
}

void TestIV4l2VideoDevice::mapsControls()
{
    auto io = std::make_shared<FakeV4l2Io>();
    auto node = io->addNode("/dev/video0");
    makeUvcCamera(*node);
    node->controls[V4L2_CID_SATURATION].query.flags = V4L2_CTRL_FLAG_DISABLED;
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");

    VideoControlRange range;
    QVERIFY(device->controlRange(VideoControl::Brightness, &range));
    QCOMPARE(range.minimum, -64);
    QCOMPARE(range.maximum, 64);
    QCOMPARE(range.defaultValue, 0);
    QVERIFY(device->controlRange(VideoControl::Exposure, &range));
    QCOMPARE(range.maximum, 2047);
    QVERIFY(device->controlRange(VideoControl::Focus, &range));
    QCOMPARE(range.maximum, 250);
    QVERIFY(!device->controlRange(VideoControl::Saturation, &range));

    int value = 0;
    QVERIFY(device->controlValue(VideoControl::Contrast, &value));
    QCOMPARE(value, 30);
    QVERIFY(device->setControlValue(VideoControl::Contrast, 40));
    QVERIFY(device->controlValue(VideoControl::Contrast, &value));
    QCOMPARE(value, 40);
    QVERIFY(!device->setControlValue(VideoControl::Contrast, 99));  // out of range
}

void TestIV4l2VideoDevice::manualValueLeavesAutomaticMode()
{
    auto io = std::make_shared<FakeV4l2Io>();
    makeUvcCamera(*io->addNode("/dev/video0"));
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");
    QVERIFY(device->setControlValue(VideoControl::Exposure, 500));
    QVERIFY(device->setControlValue(VideoControl::Focus, 20));
    const QList<QPair<quint32, int>> expected = {{V4L2_CID_EXPOSURE_AUTO, V4L2_EXPOSURE_MANUAL},
                                                 {V4L2_CID_EXPOSURE_ABSOLUTE, 500},
                                                 {V4L2_CID_FOCUS_AUTO, 0},
                                                 {V4L2_CID_FOCUS_ABSOLUTE, 20}};
    QCOMPARE(io->controlWrites(), expected);
}

void TestIV4l2VideoDevice::automaticModes_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<bool>("aperturePriority");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("writtenId");
    QTest::addColumn<int>("writtenValue");
    QTest::newRow("exposure, aperture priority")
        << int(VideoControl::Exposure) << true << true << quint32(V4L2_CID_EXPOSURE_AUTO)
        << int(V4L2_EXPOSURE_APERTURE_PRIORITY);
    QTest::newRow("exposure, full auto only")
        << int(VideoControl::Exposure) << false << true << quint32(V4L2_CID_EXPOSURE_AUTO)
        << int(V4L2_EXPOSURE_AUTO);
    QTest::newRow("focus") << int(VideoControl::Focus) << true << true
                           << quint32(V4L2_CID_FOCUS_AUTO) << 1;
    QTest::newRow("brightness has none")
        << int(VideoControl::Brightness) << true << false << quint32(0) << 0;
}

void TestIV4l2VideoDevice::automaticModes()
{
    QFETCH(int, control);
    QFETCH(bool, aperturePriority);
    QFETCH(bool, ok);
    auto io = std::make_shared<FakeV4l2Io>();
    auto node = io->addNode("/dev/video0");
    makeUvcCamera(*node);
    if (!aperturePriority) {
        node->controls[V4L2_CID_EXPOSURE_AUTO].rejected = {V4L2_EXPOSURE_APERTURE_PRIORITY};
    }
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");
    QCOMPARE(device->setAutomatic(static_cast<VideoControl>(control)), ok);
    if (ok) {
        QFETCH(quint32, writtenId);
        QFETCH(int, writtenValue);
        QCOMPARE(io->controlWrites(), (QList<QPair<quint32, int>>{{writtenId, writtenValue}}));
    } else {
        QVERIFY(io->controlWrites().isEmpty());
    }

    // Without the automatic control there is no automatic mode, and manual values go alone.
    node->controls.remove(V4L2_CID_FOCUS_AUTO);
    QVERIFY(!device->setAutomatic(VideoControl::Focus));
    QVERIFY(device->setControlValue(VideoControl::Focus, 7));
    QCOMPARE(io->controlWrites().constLast(), qMakePair(quint32(V4L2_CID_FOCUS_ABSOLUTE), 7));
}

void TestIV4l2VideoDevice::setFormatReportsAdjustedSize()
{
    auto io = std::make_shared<FakeV4l2Io>();
    makeUvcCamera(*io->addNode("/dev/video0"));
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");
    VideoStreamFormat format;
    QVERIFY(device->setFormat(VideoPixelFormat::Yuyv, QSize(700, 500), &format));
    QCOMPARE(format.format, VideoPixelFormat::Yuyv);
    QCOMPARE(format.size, k480);
    QCOMPARE(format.bytesPerLine, 1280);
    QVERIFY(device->setFormat(VideoPixelFormat::Mjpeg, k720, &format));
    QCOMPARE(format.format, VideoPixelFormat::Mjpeg);
    QCOMPARE(format.size, k720);
    VideoStreamFormat current;
    QVERIFY(device->currentFormat(&current));
    QCOMPARE(current.size, k720);
}

void TestIV4l2VideoDevice::handsOutNewestFrameAndRequeuesTheRest()
{
    auto io = std::make_shared<FakeV4l2Io>();
    std::shared_ptr<FakeV4l2Node> node;
    auto device = openStreaming(io, &node);
    QVERIFY(device);
    QCOMPARE(io->mappedCount(), 4);
    io->withNode("/dev/video0", [](FakeV4l2Node& n) {
        n.pending = {{"first", 0}, {"second", 0}, {"third", 0}};
    });
    QList<QByteArray> seen;
    const auto consume = [&seen](const uchar* data, int length) {
        seen.append(QByteArray(reinterpret_cast<const char*>(data), length));
    };
    QCOMPARE(device->readFrame(10, consume), IVideoDevice::ReadResult::Frame);
    QCOMPARE(seen, QList<QByteArray>({"third"}));
    io->withNode("/dev/video0", [](FakeV4l2Node& n) { QCOMPARE(n.queued.size(), 4); });
    QCOMPARE(device->readFrame(10, consume), IVideoDevice::ReadResult::NoFrame);
    QCOMPARE(seen.size(), 1);
}

void TestIV4l2VideoDevice::dropsDamagedAndEmptyBuffers_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<quint32>("flags");
    QTest::newRow("error flag") << QByteArray("data") << quint32(V4L2_BUF_FLAG_ERROR);
    QTest::newRow("empty") << QByteArray() << quint32(0);
    QTest::newRow("longer than the buffer") << QByteArray(700000, 'x') << quint32(0);
}

void TestIV4l2VideoDevice::dropsDamagedAndEmptyBuffers()
{
    QFETCH(QByteArray, payload);
    QFETCH(quint32, flags);
    auto io = std::make_shared<FakeV4l2Io>();
    std::shared_ptr<FakeV4l2Node> node;
    auto device = openStreaming(io, &node);
    io->withNode("/dev/video0", [&](FakeV4l2Node& n) { n.pending = {{payload, flags}}; });
    bool called = false;
    QCOMPARE(device->readFrame(10, [&called](const uchar*, int) { called = true; }),
             IVideoDevice::ReadResult::NoFrame);
    QVERIFY(!called);
    io->withNode("/dev/video0", [](FakeV4l2Node& n) { QCOMPARE(n.queued.size(), 4); });
}

void TestIV4l2VideoDevice::endsOnUnplug_data()
{
    QTest::addColumn<bool>("pollError");
    QTest::newRow("poll reports an error") << true;
    QTest::newRow("dequeue reports ENODEV") << false;
}

void TestIV4l2VideoDevice::endsOnUnplug()
{
    QFETCH(bool, pollError);
    auto io = std::make_shared<FakeV4l2Io>();
    std::shared_ptr<FakeV4l2Node> node;
    auto device = openStreaming(io, &node);
    io->withNode("/dev/video0", [&](FakeV4l2Node& n) {
        n.pending = {{"frame", 0}};
        if (pollError) {
            n.gone = true;
        } else {
            n.dqbufErrno = ENODEV;
        }
    });
    QCOMPARE(device->readFrame(10, [](const uchar*, int) {}), IVideoDevice::ReadResult::Gone);
}

void TestIV4l2VideoDevice::releasesEverything()
{
    auto io = std::make_shared<FakeV4l2Io>();
    std::shared_ptr<FakeV4l2Node> node;
    auto device = openStreaming(io, &node);
    QVERIFY(device);
    QCOMPARE(io->openFileCount(), 1);
    device->stopStreaming();
    QCOMPARE(io->mappedCount(), 0);
    io->withNode("/dev/video0", [](FakeV4l2Node& n) {
        QVERIFY(!n.streaming);
        QVERIFY(n.buffers.empty());
    });
    QCOMPARE(device->readFrame(10, [](const uchar*, int) {}), IVideoDevice::ReadResult::Failed);
    QVERIFY(device->startStreaming());
    device.reset();  // closing while streaming unmaps and closes too
    QCOMPARE(io->mappedCount(), 0);
    QCOMPARE(io->openFileCount(), 0);
}

void TestIV4l2VideoDevice::refusesNonCaptureNodes()
{
    auto io = std::make_shared<FakeV4l2Io>();
    io->addNode("/dev/video1")->deviceCaps = V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING;
    QVERIFY(!IV4l2VideoDevice::open(io, "/dev/video1"));
    QVERIFY(!IV4l2VideoDevice::open(io, "/dev/video9"));
    QCOMPARE(io->openFileCount(), 0);
}

QTEST_GUILESS_MAIN(TestIV4l2VideoDevice)
#include "tst_iv4l2videodevice.moc"
