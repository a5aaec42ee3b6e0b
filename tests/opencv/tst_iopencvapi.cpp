#include <QtTest>

#include <opencv2/core.hpp>

#include "opencv/iopencvapi.h"

namespace {

// A matrix with every pixel different, so that any mix-up of channels, rows or strides shows.
cv::Mat patterned(int rows, int cols, int type)
{
    cv::Mat mat(rows, cols, type);
    cv::RNG rng(static_cast<uint64>(rows * 131 + cols * 7 + type));
    rng.fill(mat, cv::RNG::UNIFORM, 0, 256);
    return mat;
}

QImage patternedImage(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    if (format == QImage::Format_Indexed8) {
        QVector<QRgb> table;
        for (int i = 0; i < 256; ++i) {
            table << qRgb(i, i, i);
        }
        image.setColorTable(table);
    }
    cv::RNG rng(static_cast<uint64>(width * 17 + height + format));
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int i = 0; i < image.bytesPerLine(); ++i) {
            line[i] = static_cast<uchar>(rng.uniform(0, 256));
        }
    }
    if (format == QImage::Format_ARGB32_Premultiplied) {
        // Keep the colour within the alpha so that the picture is a valid premultiplied one.
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int a = qAlpha(line[x]);
                line[x] = qRgba(qRed(line[x]) * a / 255, qGreen(line[x]) * a / 255,
                                qBlue(line[x]) * a / 255, a);
            }
        }
    }
    return image;
}

// Channels of the matrix's pixel in B, G, R (, A) order, grey as one value.
QVector<int> matPixel(const cv::Mat& mat, int x, int y)
{
    QVector<int> values;
    const uchar* p = mat.ptr<uchar>(y) + x * mat.channels();
    for (int c = 0; c < mat.channels(); ++c) {
        values << p[c];
    }
    return values;
}

// The same for a picture: grey pictures give their grey value, 32-bit pictures the stored
// B, G, R, A bytes, 24-bit pictures B, G, R.
QVector<int> imagePixel(const QImage& image, int x, int y)
{
    switch (image.format()) {
        case QImage::Format_Indexed8:
            return {qGray(image.color(image.pixelIndex(x, y)))};
        case QImage::Format_Grayscale8:
            return {image.constScanLine(y)[x]};
        case QImage::Format_RGB888:
        case QImage::Format_BGR888: {
            const QRgb c = image.pixel(x, y);
            return {qBlue(c), qGreen(c), qRed(c)};
        }
        default: {
            const QRgb c = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
            return {qBlue(c), qGreen(c), qRed(c), qAlpha(c)};
        }
    }
}

void verifySamePixels(const cv::Mat& mat, const QImage& image)
{
    QCOMPARE(image.width(), mat.cols);
    QCOMPARE(image.height(), mat.rows);
    for (int y = 0; y < mat.rows; ++y) {
        for (int x = 0; x < mat.cols; ++x) {
            const QVector<int> fromMat = matPixel(mat, x, y);
            const QVector<int> fromImage = imagePixel(image, x, y);
            if (fromMat != fromImage) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
            }
        }
    }
}

// Edge results travel between threads through queued, string-based connections.
class EdgeSender : public QObject {
    Q_OBJECT
signals:
    void sgEdge(EdgeResult edge);
};

class EdgeReceiver : public QObject {
    Q_OBJECT
public:
    EdgeResult received;
public slots:
    void slEdge(EdgeResult edge) { received = edge; }
};

const QRegularExpression kMatError(QStringLiteral("^ERROR: Mat could not be converted"));

}  // namespace

class TestIOpencvApi : public QObject {
    Q_OBJECT
private slots:
    void matRoundTrip_data();
    void matRoundTrip();
    void imageRoundTrip_data();
    void imageRoundTrip();
    void coloursKeepTheirPlace_data();
    void coloursKeepTheirPlace();
    void conversionsAreDeepCopies();
    void unsupportedMatrix_data();
    void unsupportedMatrix();
    void unsupportedImage_data();
    void unsupportedImage();
    void blackWhiteThreshold_data();
    void blackWhiteThreshold();
    void greyWeights_data();
    void greyWeights();
    void applyImageType_data();
    void applyImageType();
    void applyUnknownImageType();
    void straightenAtZeroCutsBoundingBox();
    void straightenAboveFortyFiveTurnsQuarter();
    void straightenWithoutEdgeKeepsPicture();
    void edgeResultCrossesThreads();
    void tinyFrames_data();
    void tinyFrames();
};

void TestIOpencvApi::matRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("expectedFormat");
    QTest::addColumn<bool>("roi");
    const QVector<QPair<int, QImage::Format>> kinds = {{CV_8UC1, QImage::Format_Indexed8},
                                                       {CV_8UC3, QImage::Format_BGR888},
                                                       {CV_8UC4, QImage::Format_RGB32}};
    for (const auto& kind : kinds) {
        const int channels = CV_MAT_CN(kind.first);
        QTest::addRow("%d channels", channels) << kind.first << int(kind.second) << false;
        QTest::addRow("%d channels, sub-matrix", channels)
            << kind.first << int(kind.second) << true;
    }
}

void TestIOpencvApi::matRoundTrip()
{
    QFETCH(int, type);
    QFETCH(int, expectedFormat);
    QFETCH(bool, roi);
    // Odd widths give rows that are not a multiple of four bytes (padding in the picture).
    const cv::Mat whole = patterned(37, 53, type);
    const cv::Mat mat = roi ? whole(cv::Rect(3, 5, 31, 29)) : whole;

    const QImage image = IOpencvApi::cvMat2Image(mat);
    QCOMPARE(int(image.format()), expectedFormat);
    verifySamePixels(mat, image);

    const cv::Mat back = IOpencvApi::image2Mat(image);
    QCOMPARE(back.type(), type);
    QCOMPARE(cv::norm(back, mat, cv::NORM_INF), 0.0);
}

void TestIOpencvApi::imageRoundTrip_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("matType");
    QTest::addColumn<int>("backFormat");
    QTest::newRow("Indexed8") << int(QImage::Format_Indexed8) << CV_8UC1
                              << int(QImage::Format_Indexed8);
    QTest::newRow("Grayscale8") << int(QImage::Format_Grayscale8) << CV_8UC1
                                << int(QImage::Format_Indexed8);
    QTest::newRow("RGB888") << int(QImage::Format_RGB888) << CV_8UC3 << int(QImage::Format_BGR888);
    QTest::newRow("BGR888") << int(QImage::Format_BGR888) << CV_8UC3 << int(QImage::Format_BGR888);
    QTest::newRow("RGB32") << int(QImage::Format_RGB32) << CV_8UC4 << int(QImage::Format_RGB32);
    QTest::newRow("ARGB32") << int(QImage::Format_ARGB32) << CV_8UC4 << int(QImage::Format_RGB32);
    QTest::newRow("ARGB32_Premultiplied")
        << int(QImage::Format_ARGB32_Premultiplied) << CV_8UC4 << int(QImage::Format_RGB32);
}

void TestIOpencvApi::imageRoundTrip()
{
    QFETCH(int, format);
    QFETCH(int, matType);
    QFETCH(int, backFormat);
    const QImage image = patternedImage(41, 23, QImage::Format(format));

    const cv::Mat mat = IOpencvApi::image2Mat(image);
    QCOMPARE(mat.type(), matType);
    verifySamePixels(mat, image);

    const QImage back = IOpencvApi::cvMat2Image(mat);
    QCOMPARE(int(back.format()), backFormat);
    verifySamePixels(mat, back);
}

void TestIOpencvApi::coloursKeepTheirPlace_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("RGB888") << int(QImage::Format_RGB888);
    QTest::newRow("BGR888") << int(QImage::Format_BGR888);
    QTest::newRow("RGB32") << int(QImage::Format_RGB32);
    QTest::newRow("ARGB32") << int(QImage::Format_ARGB32);
}

void TestIOpencvApi::coloursKeepTheirPlace()
{
    QFETCH(int, format);
    QImage image(3, 1, QImage::Format(format));
    image.setPixel(0, 0, qRgb(250, 10, 0));
    image.setPixel(1, 0, qRgb(0, 240, 20));
    image.setPixel(2, 0, qRgb(30, 0, 230));

    const cv::Mat mat = IOpencvApi::image2Mat(image);
    // Matrices hold blue, green, red.
    QCOMPARE(mat.at<uchar>(0, 2), uchar(250));
    QCOMPARE(mat.at<uchar>(0, 0), uchar(0));
    QCOMPARE(mat.at<uchar>(0, mat.channels() * 2), uchar(230));

    const QImage back = IOpencvApi::cvMat2Image(mat);
    for (int x = 0; x < 3; ++x) {
        QCOMPARE(back.pixel(x, 0), image.pixel(x, 0));
    }
}

void TestIOpencvApi::conversionsAreDeepCopies()
{
    cv::Mat mat(4, 4, CV_8UC4, cv::Scalar(1, 2, 3, 255));
    const QImage image = IOpencvApi::cvMat2Image(mat);
    mat.setTo(cv::Scalar(9, 9, 9, 9));
    mat.release();
    QCOMPARE(image.pixel(2, 2), qRgb(3, 2, 1));

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(qRgb(7, 8, 9));
    const cv::Mat copy = IOpencvApi::image2Mat(picture);
    picture.fill(qRgb(0, 0, 0));
    QCOMPARE(copy.at<cv::Vec4b>(1, 1), cv::Vec4b(9, 8, 7, 255));
}

void TestIOpencvApi::unsupportedMatrix_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("rows");
    QTest::newRow("empty") << CV_8UC4 << 0;
    QTest::newRow("two channels") << CV_8UC2 << 8;
    QTest::newRow("16-bit") << CV_16UC3 << 8;
    QTest::newRow("float") << CV_32FC1 << 8;
}

void TestIOpencvApi::unsupportedMatrix()
{
    QFETCH(int, type);
    QFETCH(int, rows);
    const cv::Mat mat = rows == 0 ? cv::Mat() : cv::Mat(rows, 8, type, cv::Scalar::all(1));

    QTest::ignoreMessage(QtDebugMsg, "ERROR: Mat could not be converted to QImage.");
    QVERIFY(IOpencvApi::cvMat2Image(mat).isNull());

    QTest::ignoreMessage(QtDebugMsg, kMatError);
    QVERIFY(IOpencvApi::toGray(mat).empty());
    QTest::ignoreMessage(QtDebugMsg, kMatError);
    QVERIFY(IOpencvApi::toBlackWhite(mat).empty());
    for (ImageType kind : {NormalImage, GrayImage, BlackWhiteImage}) {
        QTest::ignoreMessage(QtDebugMsg, kMatError);  // one line per failure
        QVERIFY(IOpencvApi::applyImageType(mat, kind).isNull());
    }

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^ERROR: frame unsuitable"));
    const EdgeResult edge = IOpencvApi::detectDocumentEdge(mat);
    QCOMPARE(edge.angle, -1.0);
    QVERIFY(edge.polygon.isEmpty());
}

void TestIOpencvApi::unsupportedImage_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("null") << QImage();
    QTest::newRow("RGB16") << QImage(8, 8, QImage::Format_RGB16);
    QTest::newRow("Mono") << QImage(8, 8, QImage::Format_Mono);
    QTest::newRow("RGBA8888") << QImage(8, 8, QImage::Format_RGBA8888);
}

void TestIOpencvApi::unsupportedImage()
{
    QFETCH(QImage, image);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^ERROR: QImage could not be converted"));
    QVERIFY(IOpencvApi::image2Mat(image).empty());
}

void TestIOpencvApi::blackWhiteThreshold_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("grey");
    QTest::addColumn<int>("expected");
    for (int type : {CV_8UC1, CV_8UC3, CV_8UC4}) {
        const int channels = CV_MAT_CN(type);
        // A plain area is paper whatever its light (text: tst_blackwhiteocr).
        QTest::addRow("%d channels, 0", channels) << type << 0 << 255;
        QTest::addRow("%d channels, 100", channels) << type << 100 << 255;
        QTest::addRow("%d channels, 255", channels) << type << 255 << 255;
    }
}

void TestIOpencvApi::blackWhiteThreshold()
{
    QFETCH(int, type);
    QFETCH(int, grey);
    QFETCH(int, expected);
    const cv::Mat mat(6, 5, type, cv::Scalar(grey, grey, grey, 255));

    const cv::Mat greyMat = IOpencvApi::toGray(mat);
    QCOMPARE(greyMat.type(), CV_8UC1);
    QCOMPARE(greyMat.at<uchar>(3, 2), uchar(grey));

    const cv::Mat bw = IOpencvApi::toBlackWhite(mat);
    QCOMPARE(bw.type(), CV_8UC1);
    QCOMPARE(cv::countNonZero(bw != expected), 0);
    QCOMPARE(mat.at<uchar>(0, 0), uchar(grey));  // input untouched
}

void TestIOpencvApi::greyWeights_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("grey");
    // ITU-R BT.601 luma, as every grey conversion uses.
    QTest::newRow("red") << qRgb(255, 0, 0) << 76;
    QTest::newRow("green") << qRgb(0, 255, 0) << 150;
    QTest::newRow("blue") << qRgb(0, 0, 255) << 29;
}

void TestIOpencvApi::greyWeights()
{
    QFETCH(QRgb, colour);
    QFETCH(int, grey);
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        QImage image(2, 2, format);
        image.fill(colour);
        const cv::Mat greyMat = IOpencvApi::toGray(IOpencvApi::image2Mat(image));
        QCOMPARE(int(greyMat.at<uchar>(1, 1)), grey);
    }
}

void TestIOpencvApi::applyImageType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("format");
    QTest::newRow("normal") << int(NormalImage) << int(QImage::Format_RGB32);
    QTest::newRow("grey") << int(GrayImage) << int(QImage::Format_Indexed8);
    QTest::newRow("black and white") << int(BlackWhiteImage) << int(QImage::Format_Indexed8);
}

void TestIOpencvApi::applyImageType()
{
    QFETCH(int, type);
    QFETCH(int, format);
    const cv::Mat frame = patterned(30, 40, CV_8UC4);

    const QImage image = IOpencvApi::applyImageType(frame, ImageType(type));

    QCOMPARE(int(image.format()), format);
    switch (type) {
        case NormalImage:
            verifySamePixels(frame, image);
            break;
        case GrayImage:
            verifySamePixels(IOpencvApi::toGray(frame), image);
            break;
        case BlackWhiteImage:
            verifySamePixels(IOpencvApi::toBlackWhite(frame), image);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int value = image.pixelIndex(x, y);
                    QVERIFY(value == 0 || value == 255);
                }
            }
            break;
    }
}

void TestIOpencvApi::applyUnknownImageType()
{
    const cv::Mat frame(4, 4, CV_8UC4, cv::Scalar::all(9));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^ERROR: unknown image type"));
    QVERIFY(IOpencvApi::applyImageType(frame, ImageType(4)).isNull());
}

void TestIOpencvApi::straightenAtZeroCutsBoundingBox()
{
    const QImage picture = patternedImage(500, 400, QImage::Format_RGB32);
    EdgeResult edge;
    edge.angle = 0;
    edge.polygon << QPointF(100, 300) << QPointF(100, 100) << QPointF(400, 300)
                 << QPointF(400, 100);

    const QImage cut = IOpencvApi::straighten(picture, edge);

    // The document's 300 x 200 pixels from (100, 100), less 6 pixels on every side.
    QCOMPARE(cut, picture.copy(106, 106, 288, 188));
}

void TestIOpencvApi::straightenAboveFortyFiveTurnsQuarter()
{
    // Angle 90 over an upright area: turned a quarter clockwise for the cut (point 1, the
    // area's bottom-left corner, becomes top-left), then a quarter counter-clockwise back.
    const QImage picture = patternedImage(500, 400, QImage::Format_RGB32);
    EdgeResult edge;
    edge.angle = 90;
    edge.polygon << QPointF(400, 300) << QPointF(100, 300) << QPointF(400, 100)
                 << QPointF(100, 100);

    const QImage cut = IOpencvApi::straighten(picture, edge);

    // The bounding box (100..400, 100..300) turned gives the rows 101..300 of the cut.
    QCOMPARE(cut, picture.copy(106, 107, 288, 188));
}

void TestIOpencvApi::straightenWithoutEdgeKeepsPicture()
{
    const QImage picture = patternedImage(50, 40, QImage::Format_RGB32);
    QCOMPARE(IOpencvApi::straighten(picture, EdgeResult()), picture);

    EdgeResult corrupt;
    corrupt.angle = 3;
    corrupt.polygon << QPointF(qQNaN(), 20) << QPointF(10, 10) << QPointF(1e300, 20)
                    << QPointF(20, 10);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^ERROR: no document outline"));
    QCOMPARE(IOpencvApi::straighten(picture, corrupt), picture);

    EdgeResult tooSmall;
    tooSmall.angle = 0;
    tooSmall.polygon << QPointF(10, 20) << QPointF(10, 10) << QPointF(20, 20) << QPointF(20, 10);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^ERROR: document too small"));
    QCOMPARE(IOpencvApi::straighten(picture, tooSmall), picture);
}

void TestIOpencvApi::edgeResultCrossesThreads()
{
    EdgeSender sender;
    EdgeReceiver receiver;
    QVERIFY(connect(&sender, SIGNAL(sgEdge(EdgeResult)), &receiver, SLOT(slEdge(EdgeResult)),
                    Qt::QueuedConnection));
    EdgeResult sent;
    sent.angle = 12.5;
    sent.polygon << QPointF(1, 2) << QPointF(3, 4) << QPointF(5, 6) << QPointF(7, 8);
    QThread worker;
    connect(&worker, &QThread::started, [&] { emit sender.sgEdge(sent); });
    worker.start();
    QTRY_COMPARE(receiver.received.angle, 12.5);
    QCOMPARE(receiver.received.polygon, sent.polygon);
    worker.quit();
    worker.wait();
}

void TestIOpencvApi::tinyFrames_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("type");
    for (const QSize& size : {QSize(1, 1), QSize(2, 2), QSize(1, 500), QSize(500, 1)}) {
        for (int type : {CV_8UC1, CV_8UC3, CV_8UC4}) {
            QTest::addRow("%dx%d, %d channels", size.width(), size.height(), CV_MAT_CN(type))
                << size << type;
        }
    }
}

// Frames smaller than the threshold window neither throw nor leave the capture without a
// picture.
void TestIOpencvApi::tinyFrames()
{
    QFETCH(QSize, size);
    QFETCH(int, type);
    cv::Mat frame = patterned(size.height(), size.width(), type);

    const EdgeResult edge = IOpencvApi::detectDocumentEdge(frame);

    QVERIFY(edge.angle >= 0 && edge.angle < 90);
    QCOMPARE(edge.polygon.size(), 4);
    const QImage picture = IOpencvApi::cvMat2Image(frame);
    QCOMPARE(IOpencvApi::straighten(picture, edge).size(), picture.size());
}

QTEST_GUILESS_MAIN(TestIOpencvApi)
#include "tst_iopencvapi.moc"
