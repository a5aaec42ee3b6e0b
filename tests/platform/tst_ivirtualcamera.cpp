#include <QtTest>

#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "platform/video/iframedecoder.h"
#include "platform/video/ijpegmarkers.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/ivirtualcamera.h"
#include "platform/video/ivirtualcamerahub.h"

namespace {

struct Grab {
    QByteArray raw;
    QImage image;
};

// Reads frames until one arrives (the camera gives about 15 per second) and decodes it.
Grab grab(IVideoDevice& device, const VideoStreamFormat& format)
{
    Grab result;
    for (int attempt = 0; attempt < 40 && result.raw.isEmpty(); ++attempt) {
        device.readFrame(100, [&result](const uchar* data, int length) {
            result.raw = QByteArray(reinterpret_cast<const char*>(data), length);
        });
    }
    IFrameDecoder decoder;
    QString error;
    decoder.decode(format, reinterpret_cast<const uchar*>(result.raw.constData()),
                   result.raw.size(), &result.image, &error);
    return result;
}

double meanLuma(const QImage& image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            sum += qGray(row[x]);
        }
    }
    return double(sum) / (image.width() * image.height());
}

double colourSpread(const QImage& image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
            sum += std::max({r, g, b}) - std::min({r, g, b});
        }
    }
    return double(sum) / (image.width() * image.height());
}

double sharpness(const QImage& image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 1; x < image.width(); ++x) {
            sum += qAbs(qGray(row[x]) - qGray(row[x - 1]));
        }
    }
    return double(sum) / (image.width() * image.height());
}

double contrastOf(const QImage& image)
{
    const double mean = meanLuma(image);
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double d = qGray(image.pixel(x, y)) - mean;
            sum += d * d;
        }
    }
    return std::sqrt(sum / (image.width() * image.height()));
}

}  // namespace

class TestIVirtualCamera : public QObject {
    Q_OBJECT
private slots:
    void init();
    void environmentGivesDevices();
    void listedAfterRealDevices();
    void offersSizesAndControls();
    void streamsCameraFrames_data();
    void streamsCameraFrames();
    void controlsChangeThePicture_data();
    void controlsChangeThePicture();
    void automaticFocusIsSharp();
    void controlsAreDeviceWide();
    void adjustsUnofferedSizes();
    void streamsToOneHandleOnly();
    void failsToOpenOnRequest();
    void unplugsAndReplugs();

private:
    std::unique_ptr<IVideoDevice> startStream(int index, VideoPixelFormat pixels, QSize size,
                                              VideoStreamFormat* format);
};

void TestIVirtualCamera::init()
{
    IVirtualCameraHub::instance()->setCount(2);
    for (int index = 0; index < 2; ++index) {
        IVirtualCameraHub::instance()->setFailOpen(index, false);
        IVirtualCameraHub::instance()->replug(index);
    }
}

std::unique_ptr<IVideoDevice> TestIVirtualCamera::startStream(int index, VideoPixelFormat pixels,
                                                              QSize size, VideoStreamFormat* format)
{
    auto device = IVirtualCameraHub::instance()->open(IVirtualCameraHub::pathOf(index));
    if (!device || !device->setFormat(pixels, size, format) || !device->startStreaming()) {
        return nullptr;
    }
    return device;
}

void TestIVirtualCamera::environmentGivesDevices()
{
    const QList<VideoNodeInfo> devices = IVirtualCameraHub::instance()->devices();
    QCOMPARE(devices.size(), 2);
    QCOMPARE(devices[0].path, QString("virtual:0"));
    QCOMPARE(devices[1].path, QString("virtual:1"));
    for (const VideoNodeInfo& info : devices) {
        QCOMPARE(info.vid, QString("2b7e"));
        QCOMPARE(info.pid, QString("c8a1"));
        QVERIFY(!info.name.isEmpty());
    }
}

void TestIVirtualCamera::listedAfterRealDevices()
{
    FakeSysfs sysfs;
    auto io = std::make_shared<FakeV4l2Io>();
    sysfs.addUsbNode(0, "1-1", "046d", "0825");
    io->addNode(sysfs.devicePath(0));
    IVideoSystem::instance()->setV4l2(io, sysfs.root(), sysfs.devRoot());
    QStringList paths;
    for (const VideoNodeInfo& info : IVideoSystem::instance()->devices()) {
        paths << info.path;
    }
    QCOMPARE(paths, QStringList({sysfs.devicePath(0), "virtual:0", "virtual:1"}));
    QVERIFY(IVideoSystem::instance()->open("virtual:1"));
    QVERIFY(IVideoSystem::instance()->open(sysfs.devicePath(0)));
    QVERIFY(!IVideoSystem::instance()->open("virtual:5"));
    QVERIFY(!IVideoSystem::instance()->open("virtual:x"));
    QVERIFY(!IVideoSystem::instance()->open("virtual:01"));
}

void TestIVirtualCamera::offersSizesAndControls()
{
    auto device = IVirtualCameraHub::instance()->open("virtual:0");
    QList<QSize> mjpeg;
    QList<QSize> yuyv;
    for (const VideoFrameSize& size : device->frameSizes()) {
        (size.format == VideoPixelFormat::Mjpeg ? mjpeg : yuyv).append(size.size);
    }
    for (const QSize& size :
         {QSize(640, 480), QSize(1280, 720), QSize(1920, 1080), QSize(2592, 1944)}) {
        QVERIFY(mjpeg.contains(size));
    }
    QVERIFY(yuyv.contains(QSize(640, 480)));
    for (VideoControl control :
         {VideoControl::Brightness, VideoControl::Contrast, VideoControl::Saturation,
          VideoControl::Exposure, VideoControl::Focus}) {
        VideoControlRange range;
        QVERIFY(device->controlRange(control, &range));
        QVERIFY(range.minimum < range.defaultValue && range.defaultValue < range.maximum);
        int value = 0;
        QVERIFY(device->controlValue(control, &value));
        QCOMPARE(value, range.defaultValue);
        QVERIFY(!device->setControlValue(control, range.maximum + 1));
    }
    QVERIFY(!device->setAutomatic(VideoControl::Brightness));
}

void TestIVirtualCamera::streamsCameraFrames_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QSize>("size");
    QTest::newRow("MJPEG 640x480") << int(VideoPixelFormat::Mjpeg) << QSize(640, 480);
    QTest::newRow("MJPEG 1920x1080") << int(VideoPixelFormat::Mjpeg) << QSize(1920, 1080);
    QTest::newRow("YUYV 800x600") << int(VideoPixelFormat::Yuyv) << QSize(800, 600);
}

void TestIVirtualCamera::streamsCameraFrames()
{
    QFETCH(int, pixels);
    QFETCH(QSize, size);
    VideoStreamFormat format;
    auto device = startStream(0, static_cast<VideoPixelFormat>(pixels), size, &format);
    QVERIFY(device);
    QCOMPARE(format.size, size);
    const Grab first = grab(*device, format);
    const Grab second = grab(*device, format);
    QCOMPARE(first.image.size(), size);
    QCOMPARE(second.image.size(), size);
    if (format.format == VideoPixelFormat::Yuyv) {
        QCOMPARE(first.raw.size(), size.width() * size.height() * 2);
    } else {
        // As USB cameras send it: no Huffman tables.
        QVector<IJpegMarkers::Segment> segments;
        QVERIFY(IJpegMarkers::headerSegments(reinterpret_cast<const uchar*>(first.raw.constData()),
                                             first.raw.size(), &segments));
        for (const IJpegMarkers::Segment& segment : segments) {
            QVERIFY(segment.marker != 0xC4);
        }
    }
    // A dark desk around a white page, and a counter that changes the bottom strip only.
    QVERIFY(qGray(first.image.pixel(5, 5)) < 80);
    QVERIFY(qGray(first.image.pixel(size.width() / 2, size.height() * 78 / 100)) > 180);
    const int strip = size.height() * 85 / 100;
    QCOMPARE(first.image.copy(0, 0, size.width(), strip),
             second.image.copy(0, 0, size.width(), strip));
    QVERIFY(first.image.copy(0, strip, size.width(), size.height() - strip) !=
            second.image.copy(0, strip, size.width(), size.height() - strip));
}

void TestIVirtualCamera::controlsChangeThePicture_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("measure");
    QTest::addColumn<double>("factor");  // changed / unchanged measure must be beyond it
    QTest::newRow("brightness up") << int(VideoControl::Brightness) << 64 << "luma" << 1.2;
    QTest::newRow("brightness down") << int(VideoControl::Brightness) << -64 << "luma" << 0.8;
    QTest::newRow("contrast down") << int(VideoControl::Contrast) << 8 << "contrast" << 0.5;
    QTest::newRow("saturation off") << int(VideoControl::Saturation) << 0 << "colour" << 0.3;
    QTest::newRow("short exposure") << int(VideoControl::Exposure) << 60 << "luma" << 0.6;
    QTest::newRow("long exposure") << int(VideoControl::Exposure) << 600 << "luma" << 1.3;
    QTest::newRow("out of focus") << int(VideoControl::Focus) << 0 << "sharpness" << 0.7;
}

void TestIVirtualCamera::controlsChangeThePicture()
{
    QFETCH(int, control);
    QFETCH(int, value);
    QFETCH(QString, measure);
    QFETCH(double, factor);
    const auto measureOf = [&measure](const QImage& image) {
        if (measure == "luma") {
            return meanLuma(image);
        }
        if (measure == "contrast") {
            return contrastOf(image);
        }
        return measure == "colour" ? colourSpread(image) : sharpness(image);
    };
    VideoStreamFormat format;
    auto device = startStream(0, VideoPixelFormat::Mjpeg, QSize(640, 480), &format);
    QVERIFY(device);
    const double before = measureOf(grab(*device, format).image);
    QVERIFY(device->setControlValue(static_cast<VideoControl>(control), value));
    const double after = measureOf(grab(*device, format).image);
    if (factor > 1) {
        QVERIFY2(after > before * factor, qPrintable(QString("%1 -> %2").arg(before).arg(after)));
    } else {
        QVERIFY2(after < before * factor, qPrintable(QString("%1 -> %2").arg(before).arg(after)));
    }
    VideoControlRange range;
    device->controlRange(static_cast<VideoControl>(control), &range);
    QVERIFY(device->setControlValue(static_cast<VideoControl>(control), range.defaultValue));
}

void TestIVirtualCamera::automaticFocusIsSharp()
{
    VideoStreamFormat format;
    auto device = startStream(0, VideoPixelFormat::Mjpeg, QSize(640, 480), &format);
    const double sharp = sharpness(grab(*device, format).image);
    QVERIFY(device->setControlValue(VideoControl::Focus, 250));
    QVERIFY(sharpness(grab(*device, format).image) < sharp * 0.7);
    QVERIFY(device->setAutomatic(VideoControl::Focus));
    QVERIFY(qAbs(sharpness(grab(*device, format).image) - sharp) < sharp * 0.05);
    QVERIFY(device->setControlValue(VideoControl::Exposure, 60));
    const double dark = meanLuma(grab(*device, format).image);
    QVERIFY(device->setAutomatic(VideoControl::Exposure));
    QVERIFY(meanLuma(grab(*device, format).image) > dark * 1.3);
}

void TestIVirtualCamera::controlsAreDeviceWide()
{
    auto first = IVirtualCameraHub::instance()->open("virtual:0");
    auto second = IVirtualCameraHub::instance()->open("virtual:0");
    auto other = IVirtualCameraHub::instance()->open("virtual:1");
    QVERIFY(first->setControlValue(VideoControl::Contrast, 50));
    int value = 0;
    QVERIFY(second->controlValue(VideoControl::Contrast, &value));
    QCOMPARE(value, 50);
    QVERIFY(other->controlValue(VideoControl::Contrast, &value));
    QCOMPARE(value, 32);
    QVERIFY(first->setControlValue(VideoControl::Contrast, 32));
}

void TestIVirtualCamera::adjustsUnofferedSizes()
{
    auto device = IVirtualCameraHub::instance()->open("virtual:0");
    VideoStreamFormat format;
    QVERIFY(device->setFormat(VideoPixelFormat::Mjpeg, QSize(1000, 700), &format));
    QCOMPARE(format.format, VideoPixelFormat::Mjpeg);
    QCOMPARE(format.size, QSize(1280, 720));
    QVERIFY(device->setFormat(VideoPixelFormat::Yuyv, QSize(1920, 1080), &format));
    QCOMPARE(format.format, VideoPixelFormat::Yuyv);
    QCOMPARE(format.size, QSize(800, 600));
    QCOMPARE(format.bytesPerLine, 1600);
    VideoStreamFormat current;
    QVERIFY(device->currentFormat(&current));
    QCOMPARE(current.size, QSize(800, 600));
}

void TestIVirtualCamera::streamsToOneHandleOnly()
{
    VideoStreamFormat format;
    auto streaming = startStream(0, VideoPixelFormat::Mjpeg, QSize(640, 480), &format);
    QVERIFY(streaming);
    auto second = IVirtualCameraHub::instance()->open("virtual:0");
    QVERIFY(!second->startStreaming());
    QVERIFY(!second->setFormat(VideoPixelFormat::Mjpeg, QSize(1280, 720), &format));
    streaming.reset();
    QVERIFY(second->startStreaming());
}

void TestIVirtualCamera::failsToOpenOnRequest()
{
    IVirtualCameraHub::instance()->setFailOpen(1, true);
    QVERIFY(!IVirtualCameraHub::instance()->open("virtual:1"));
    QCOMPARE(IVirtualCameraHub::instance()->devices().size(), 2);  // still listed
    IVirtualCameraHub::instance()->setFailOpen(1, false);
    QVERIFY(IVirtualCameraHub::instance()->open("virtual:1"));
}

void TestIVirtualCamera::unplugsAndReplugs()
{
    QSignalSpy changes(IVirtualCameraHub::instance(), &IVirtualCameraHub::sgDeviceChanged);
    VideoStreamFormat format;
    auto before = startStream(0, VideoPixelFormat::Mjpeg, QSize(640, 480), &format);
    QVERIFY(!grab(*before, format).image.isNull());

    IVirtualCameraHub::instance()->unplug(0);
    QCOMPARE(before->readFrame(100, [](const uchar*, int) {}), IVideoDevice::ReadResult::Gone);
    QCOMPARE(IVirtualCameraHub::instance()->devices().size(), 1);
    QCOMPARE(IVirtualCameraHub::instance()->devices()[0].path, QString("virtual:1"));
    QVERIFY(!IVirtualCameraHub::instance()->open("virtual:0"));
    int value = 0;
    QVERIFY(!before->controlValue(VideoControl::Focus, &value));

    IVirtualCameraHub::instance()->replug(0);
    QCOMPARE(IVirtualCameraHub::instance()->devices().size(), 2);
    QCOMPARE(before->readFrame(100, [](const uchar*, int) {}), IVideoDevice::ReadResult::Gone);
    auto after = startStream(0, VideoPixelFormat::Mjpeg, QSize(640, 480), &format);
    QVERIFY(after);
    QVERIFY(!grab(*after, format).image.isNull());

    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes[0], QVariantList({false, QString("virtual:0")}));
    QCOMPARE(changes[1], QVariantList({true, QString("virtual:0")}));
}

QTEST_MAIN(TestIVirtualCamera)
#include "tst_ivirtualcamera.moc"
