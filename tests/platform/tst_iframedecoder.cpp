#include <QtTest>

#include <QBuffer>
#include <QImageWriter>
#include <QMap>
#include <QPainter>
#include <QRandomGenerator>

#include "platform/video/iframedecoder.h"
#include "platform/video/iframeencoder.h"
#include "platform/video/ijpegmarkers.h"
#include "platform/video/iviewscale.h"

namespace {

const QSize kSize(320, 240);

// Red, green, blue and white quadrants.
QImage quadrants(const QSize& size = kSize)
{
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, w, h, Qt::green);
    painter.fillRect(0, h, w, h, Qt::blue);
    painter.fillRect(w, h, w, h, Qt::white);
    return image;
}

QByteArray cameraJpeg(bool huffmanTables)
{
    IFrameEncoder encoder;
    QByteArray jpeg;
    encoder.encodeMjpeg(quadrants(), 85, huffmanTables, &jpeg);
    return jpeg;
}

// Encoded by Qt's own JPEG writer, independent of the code under test.
QByteArray qtJpeg()
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(quadrants());
    return jpeg;
}

// Huffman tables of a JPEG by class/id, each as its 16 counts followed by its symbols.
QMap<int, QByteArray> huffmanTables(const QByteArray& jpeg)
{
    QMap<int, QByteArray> tables;
    QVector<IJpegMarkers::Segment> segments;
    const auto* data = reinterpret_cast<const uchar*>(jpeg.constData());
    if (!IJpegMarkers::headerSegments(data, jpeg.size(), &segments)) {
        return tables;
    }
    for (const IJpegMarkers::Segment& segment : segments) {
        if (segment.marker != 0xC4) {
            continue;
        }
        int pos = segment.offset + 4;
        while (pos < segment.offset + segment.length) {
            const int id = data[pos];
            int count = 0;
            for (int i = 1; i <= 16; ++i) {
                count += data[pos + i];
            }
            tables.insert(id, jpeg.mid(pos + 1, 16 + count));
            pos += 17 + count;
        }
    }
    return tables;
}

VideoStreamFormat mjpeg(const QSize& size = kSize)
{
    return {VideoPixelFormat::Mjpeg, size, 0};
}

bool near(QRgb pixel, QColor expected, int tolerance)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance &&
           qAbs(qGreen(pixel) - expected.green()) <= tolerance &&
           qAbs(qBlue(pixel) - expected.blue()) <= tolerance && qAlpha(pixel) == 255;
}

}  // namespace

class TestIFrameDecoder : public QObject {
    Q_OBJECT
private slots:
    void cameraFramesCarryNoTables();
    void decodesMjpeg_data();
    void decodesMjpeg();
    void decodesYuyv_data();
    void decodesYuyv();
    void decodesForTheView_data();
    void decodesForTheView();
    void rejectsBadFrames_data();
    void rejectsBadFrames();
    void survivesDamagedFrames();
};

void TestIFrameDecoder::cameraFramesCarryNoTables()
{
    QVERIFY(huffmanTables(cameraJpeg(false)).isEmpty());
    QVERIFY(cameraJpeg(false).size() < cameraJpeg(true).size());
}

void TestIFrameDecoder::decodesMjpeg_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::newRow("with tables") << cameraJpeg(true);
    QTest::newRow("without tables") << cameraJpeg(false);
    QTest::newRow("other encoder") << qtJpeg();
    QTest::newRow("other encoder, tables removed") << IJpegMarkers::withoutHuffmanTables(qtJpeg());
    QTest::newRow("zero padding after the end") << cameraJpeg(false) + QByteArray(100, '\0');
}

void TestIFrameDecoder::decodesMjpeg()
{
    QFETCH(QByteArray, jpeg);
    QVERIFY(!jpeg.isEmpty());
    IFrameDecoder decoder;
    QImage image;
    QString error;
    QVERIFY2(decoder.decode(mjpeg(), reinterpret_cast<const uchar*>(jpeg.constData()), jpeg.size(),
                            &image, &error),
             qPrintable(error));
    QCOMPARE(image.size(), kSize);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    // Rows top-down, channels in place.
    QVERIFY(near(image.pixel(80, 60), Qt::red, 12));
    QVERIFY(near(image.pixel(240, 60), Qt::green, 12));
    QVERIFY(near(image.pixel(80, 180), Qt::blue, 12));
    QVERIFY(near(image.pixel(240, 180), Qt::white, 12));
}

void TestIFrameDecoder::decodesYuyv_data()
{
    QTest::addColumn<int>("padding");
    QTest::newRow("packed rows") << 0;
    QTest::newRow("padded rows") << 16;
}

void TestIFrameDecoder::decodesYuyv()
{
    QFETCH(int, padding);
    // Two pixels per colour, BT.601 studio range: red, green, blue, white.
    const QByteArray row = QByteArray::fromHex(
        "525a52f0"
        "91369122"
        "29f0296e"
        "eb80eb80");
    QByteArray frame;
    for (int y = 0; y < 2; ++y) {
        frame += row + QByteArray(padding, '\x55');
    }
    const VideoStreamFormat format{VideoPixelFormat::Yuyv, QSize(8, 2), row.size() + padding};
    IFrameDecoder decoder;
    QImage image;
    QString error;
    QVERIFY2(decoder.decode(format, reinterpret_cast<const uchar*>(frame.constData()), frame.size(),
                            &image, &error),
             qPrintable(error));
    QCOMPARE(image.size(), QSize(8, 2));
    for (int y = 0; y < 2; ++y) {
        QVERIFY(near(image.pixel(0, y), Qt::red, 20));
        QVERIFY(near(image.pixel(3, y), Qt::green, 20));
        QVERIFY(near(image.pixel(4, y), Qt::blue, 20));
        QVERIFY(near(image.pixel(7, y), Qt::white, 20));
    }
}

void TestIFrameDecoder::decodesForTheView_data()
{
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<bool>("yuyv");
    QTest::newRow("unknown view") << QSize() << kSize << false;
    QTest::newRow("more than half") << QSize(200, 150) << kSize << false;
    QTest::newRow("half") << QSize(160, 120) << QSize(160, 120) << false;
    QTest::newRow("quarter") << QSize(80, 60) << QSize(80, 60) << false;
    QTest::newRow("below a quarter, wide view") << QSize(70, 40) << QSize(53, 40) << false;
    QTest::newRow("YUYV half") << QSize(160, 120) << QSize(160, 120) << true;
}

void TestIFrameDecoder::decodesForTheView()
{
    QFETCH(QSize, shown);
    QFETCH(QSize, expected);
    QFETCH(bool, yuyv);
    QByteArray data = cameraJpeg(false);
    VideoStreamFormat format = mjpeg();
    if (yuyv) {
        // Grey 235 all over: luma EB, both chroma 80.
        data = QByteArray::fromHex("eb80eb80").repeated(kSize.width() / 2 * kSize.height());
        format = {VideoPixelFormat::Yuyv, kSize, kSize.width() * 2};
    }
    IFrameDecoder decoder;
    QImage full;
    QImage view;
    QString error;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    QVERIFY2(decoder.decode(format, bytes, data.size(), &full, &error), qPrintable(error));
    QVERIFY2(decoder.decodeForView(format, bytes, data.size(), shown, &view, &error),
             qPrintable(error));
    QCOMPARE(view.size(), expected);
    QCOMPARE(view.format(), QImage::Format_RGB32);
    QCOMPARE(IViewScale::fullSize(view), kSize);
    // The same picture as the full-size decoding scaled down.
    const QImage reference = full.scaled(expected, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y : {expected.height() / 4, expected.height() * 3 / 4}) {
        for (int x : {expected.width() / 4, expected.width() * 3 / 4}) {
            QVERIFY2(near(view.pixel(x, y), reference.pixel(x, y), 16),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestIFrameDecoder::rejectsBadFrames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("stride");
    const QByteArray jpeg = cameraJpeg(false);
    const int mj = int(VideoPixelFormat::Mjpeg);
    const int yuyv = int(VideoPixelFormat::Yuyv);
    QByteArray badLength = jpeg;
    badLength[4] = '\xFF';
    badLength[5] = '\xFF';
    QByteArray random(4000, '\0');
    QRandomGenerator generator(7);
    for (char& byte : random) {
        byte = static_cast<char>(generator.bounded(256));
    }
    QTest::newRow("empty") << QByteArray() << mj << kSize << 0;
    QTest::newRow("truncated") << jpeg.left(jpeg.size() / 2) << mj << kSize << 0;
    QTest::newRow("truncated scan, end marker kept")
        << jpeg.left(jpeg.size() / 2) + "\xFF\xD9" << mj << kSize << 0;
    QTest::newRow("no start marker") << jpeg.mid(2) << mj << kSize << 0;
    QTest::newRow("segment length past the end") << badLength << mj << kSize << 0;
    QTest::newRow("random bytes") << random + "\xFF\xD9" << mj << kSize << 0;
    QTest::newRow("other size than negotiated") << jpeg << mj << QSize(640, 480) << 0;
    QTest::newRow("YUYV one byte short")
        << QByteArray(8 * 2 * 2 - 1, '\x80') << yuyv << QSize(8, 2) << 16;
    QTest::newRow("YUYV stride below the width")
        << QByteArray(64, '\x80') << yuyv << QSize(8, 2) << 10;
    QTest::newRow("no pixel format") << jpeg << int(VideoPixelFormat::Other) << kSize << 0;
}

void TestIFrameDecoder::rejectsBadFrames()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, format);
    QFETCH(QSize, size);
    QFETCH(int, stride);
    IFrameDecoder decoder;
    const QImage sentinel(4, 4, QImage::Format_RGB32);
    QImage image = sentinel;
    QString error;
    QVERIFY(!decoder.decode({static_cast<VideoPixelFormat>(format), size, stride},
                            reinterpret_cast<const uchar*>(frame.constData()), frame.size(), &image,
                            &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(image.cacheKey(), sentinel.cacheKey());
    // The decoder is still usable afterwards.
    const QByteArray good = cameraJpeg(false);
    QVERIFY(decoder.decode(mjpeg(), reinterpret_cast<const uchar*>(good.constData()), good.size(),
                           &image, &error));
}

void TestIFrameDecoder::survivesDamagedFrames()
{
    const QByteArray jpeg = cameraJpeg(false);
    QRandomGenerator generator(42);
    IFrameDecoder decoder;
    int decoded = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = jpeg;
        const int flips = 1 + generator.bounded(8);
        for (int i = 0; i < flips; ++i) {
            damaged[generator.bounded(damaged.size())] = static_cast<char>(generator.bounded(256));
        }
        if (round % 3 == 0) {
            damaged.truncate(generator.bounded(damaged.size()));
        }
        QImage image;
        QString error;
        if (decoder.decode(mjpeg(), reinterpret_cast<const uchar*>(damaged.constData()),
                           damaged.size(), &image, &error)) {
            QCOMPARE(image.size(), kSize);
            ++decoded;
        }
    }
    QVERIFY(decoded < 300);
}

QTEST_MAIN(TestIFrameDecoder)
#include "tst_iframedecoder.moc"
