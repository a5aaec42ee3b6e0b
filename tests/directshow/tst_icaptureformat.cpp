#include <QtTest>

#include "directshow/icaptureformat.h"
#include "directshow/idirectshowapi.h"
#include "fakev4l2io.h"
#include "platform/video/iv4l2videodevice.h"

using Formats = QList<QPair<quint32, QList<QSize>>>;
Q_DECLARE_METATYPE(Formats)

class TestICaptureFormat : public QObject {
    Q_OBJECT
private slots:
    void negotiates_data();
    void negotiates();
};

void TestICaptureFormat::negotiates_data()
{
    QTest::addColumn<Formats>("formats");
    QTest::addColumn<QSize>("current");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QSize>("size");
    const Formats camera = {{V4L2_PIX_FMT_MJPEG, {{1920, 1080}, {1280, 720}, {640, 480}}},
                            {V4L2_PIX_FMT_YUYV, {{640, 480}, {800, 600}, {320, 240}}}};
    const int mjpeg = int(VideoPixelFormat::Mjpeg);
    const int yuyv = int(VideoPixelFormat::Yuyv);
    QTest::newRow("offered as MJPEG")
        << camera << QSize(640, 480) << QSize(1280, 720) << true << mjpeg << QSize(1280, 720);
    QTest::newRow("offered in both, MJPEG wins")
        << camera << QSize(1920, 1080) << QSize(640, 480) << true << mjpeg << QSize(640, 480);
    QTest::newRow("offered as YUYV only")
        << camera << QSize(640, 480) << QSize(800, 600) << true << yuyv << QSize(800, 600);
    // The driver would adjust 1000x1000 to a neighbour; the smallest size is taken instead.
    QTest::newRow("not offered") << camera << QSize(640, 480) << QSize(1000, 1000) << true << yuyv
                                 << QSize(320, 240);
    QTest::newRow("no size asked for")
        << camera << QSize(1280, 720) << QSize(0, 0) << true << mjpeg << QSize(1280, 720);
    QTest::newRow("nothing to fall back to")
        << Formats{} << QSize(640, 480) << QSize(1000, 1000) << false << 0 << QSize();
    QTest::newRow("no decodable format")
        << Formats{{V4L2_PIX_FMT_H264, {{1920, 1080}}}} << QSize(1920, 1080) << QSize(1920, 1080)
        << false << 0 << QSize();
}

void TestICaptureFormat::negotiates()
{
    QFETCH(Formats, formats);
    QFETCH(QSize, current);
    QFETCH(QSize, requested);
    auto io = std::make_shared<FakeV4l2Io>();
    auto node = io->addNode("/dev/video0");
    node->formats = formats;
    node->format.pixelformat = V4L2_PIX_FMT_MJPEG;
    node->format.width = static_cast<quint32>(current.width());
    node->format.height = static_cast<quint32>(current.height());
    auto device = IV4l2VideoDevice::open(io, "/dev/video0");
    QList<QSizeF> sizes;
    IDirectShowApi::deviceSupportResolution(*device, sizes);

    VideoStreamFormat format;
    QFETCH(bool, ok);
    QCOMPARE(ICaptureFormat::negotiate(*device, requested, sizes, &format), ok);
    if (ok) {
        QTEST(int(format.format), "pixels");
        QTEST(format.size, "size");
        VideoStreamFormat set;
        QVERIFY(device->currentFormat(&set));
        QCOMPARE(set.size, format.size);
    }
}

QTEST_GUILESS_MAIN(TestICaptureFormat)
#include "tst_icaptureformat.moc"
