#include <QtTest>

#include <QLineF>
#include <cstring>
#include <opencv2/core.hpp>

#include "opencv/iopencvapi.h"
#include "syntheticpage.h"
#include "testpaths.h"

namespace {

const QSize kFrameSize(1920, 1080);
const QPointF kFrameCentre(960, 540);
const QRgb kRed = qRgb(255, 0, 0);

enum Corner { TopLeft, TopRight, BottomRight, BottomLeft };

QPointF corner(const SyntheticPage& page, Corner which)
{
    switch (which) {
        case TopLeft:
            return page.topLeft;
        case TopRight:
            return page.topRight;
        case BottomRight:
            return page.bottomRight;
        case BottomLeft:
            return page.bottomLeft;
    }
    return {};
}

// The result's polygon names the page's corners in this order, depending on which way the
// page leans: point 1 is the corner that becomes top-left once the picture is turned by the
// result's angle.
QVector<Corner> expectedOrder(double angle)
{
    if (angle >= 0) {
        return {BottomLeft, TopLeft, BottomRight, TopRight};
    }
    return {BottomRight, BottomLeft, TopRight, TopLeft};
}

// Clockwise turn (degrees) that straightens a page leaning `angle` degrees counter-clockwise,
// before any extra quarter turn.
double expectedAngle(double angle)
{
    return angle >= 0 ? angle : 90 + angle;
}

QString pointsText(const QPolygonF& polygon)
{
    QStringList parts;
    for (const QPointF& p : polygon) {
        parts << QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 1).arg(p.y(), 0, 'f', 1);
    }
    return parts.join(' ');
}

cv::Mat matOver(QImage& image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC4, image.bits(),
                   static_cast<size_t>(image.bytesPerLine()));
}

enum Placement { MarkerTopLeft, MarkerBottomLeft };

// The straightened picture holds nothing but the page: its outermost rows and columns are
// as bright as paper.
void verifyOnlyPage(const QImage& image)
{
    const QVector<QRect> borders = {
        QRect(0, 0, image.width(), 1), QRect(0, image.height() - 1, image.width(), 1),
        QRect(0, 0, 1, image.height()), QRect(image.width() - 1, 0, 1, image.height())};
    for (const QRect& border : borders) {
        const double grey = meanGrey(image, border);
        QVERIFY2(grey > 200, qPrintable(QStringLiteral("border %1,%2 %3x%4 has grey %5")
                                            .arg(border.x())
                                            .arg(border.y())
                                            .arg(border.width())
                                            .arg(border.height())
                                            .arg(grey)));
    }
}

// The outline drawn at the page's edge must not reach into the cut.
void verifyNoRed(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) - qGreen(c) > 80) {  // far beyond the noise
                QFAIL(qPrintable(QStringLiteral("red at (%1, %2)").arg(x).arg(y)));
            }
        }
    }
}

}  // namespace

class TestDocumentEdge : public QObject {
    Q_OBJECT
private slots:
    void rotatedPage_data();
    void rotatedPage();
    void uniformFrame_data();
    void uniformFrame();
    void pageCutOffByFrame_data();
    void pageCutOffByFrame();
    void drawsIntoCallersPixels();
};

void TestDocumentEdge::rotatedPage_data()
{
    QTest::addColumn<double>("angle");  // counter-clockwise on screen
    QTest::addColumn<int>("marker");
    QTest::addColumn<QSize>("size");
    for (double angle : {0.0, 5.0, -5.0, 30.0, -30.0, 44.0, -44.0}) {
        QTest::addRow("%g degrees", angle) << angle << int(MarkerTopLeft) << kFrameSize;
    }
    // Beyond 45 degrees a portrait page cannot be told from a landscape one leaning the other
    // way: it comes out lying on its side, turned a quarter counter-clockwise.
    for (double angle : {46.0, 85.0}) {
        QTest::addRow("%g degrees", angle) << angle << int(MarkerBottomLeft) << kFrameSize;
    }
    // Searched on a reduced copy, placed on the full frame's edges.
    for (double angle : {3.0, -30.0, 44.0}) {
        QTest::addRow("%g degrees at 4K", angle)
            << angle << int(MarkerTopLeft) << QSize(3840, 2160);
    }
    QTest::addRow("12 degrees at 8 MP") << 12.0 << int(MarkerTopLeft) << QSize(3264, 2448);
}

void TestDocumentEdge::rotatedPage()
{
    QFETCH(double, angle);
    QFETCH(int, marker);
    QFETCH(QSize, size);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const SyntheticPage page = drawSyntheticPage(size, centre, angle, quint64(1000 + angle));
    QImage frame = page.frame.copy();

    const EdgeResult edge = IOpencvApi::detectDocumentEdge(matOver(frame));

    QVERIFY2(qAbs(edge.angle - expectedAngle(angle)) <= 0.5,
             qPrintable(QString::number(edge.angle)));
    QCOMPARE(edge.polygon.size(), 4);
    const QVector<Corner> order = expectedOrder(angle);
    for (int i = 0; i < 4; ++i) {
        const QPointF truth = corner(page, order[i]);
        const double distance = QLineF(edge.polygon[i], truth).length();
        QVERIFY2(distance <= 2.0, qPrintable(QStringLiteral("point %1 is %2 px from (%3, %4): %5")
                                                 .arg(i)
                                                 .arg(distance)
                                                 .arg(truth.x())
                                                 .arg(truth.y())
                                                 .arg(pointsText(edge.polygon))));
    }

    // The red outline runs along all four sides of the box (p0 p1 p2 p3 in polygon order
    // 0, 1, 3, 2); the page's middle is untouched.
    for (const auto& side : {qMakePair(0, 1), qMakePair(1, 3), qMakePair(3, 2), qMakePair(2, 0)}) {
        const QLineF line(edge.polygon[side.first], edge.polygon[side.second]);
        for (double t : {0.25, 0.5, 0.75}) {
            QCOMPARE(frame.pixel(line.pointAt(t).toPoint()), kRed);
        }
    }
    const QPoint middle = centre.toPoint();
    QCOMPARE(frame.pixel(middle), page.frame.pixel(middle));

    // Straightened as the capture path does it: the captured frame carries the outline.
    const QImage upright = IOpencvApi::straighten(frame, edge);
    QVERIFY(!upright.isNull());
    const QSize pageSize = syntheticPageSize();
    const QSize expected = marker == MarkerTopLeft ? pageSize : pageSize.transposed();
    QVERIFY2(qAbs(upright.width() - (expected.width() - 12)) <= 4 &&
                 qAbs(upright.height() - (expected.height() - 12)) <= 4,
             qPrintable(QStringLiteral("%1x%2").arg(upright.width()).arg(upright.height())));
    const int markerCorner = darkCorner(upright);
    if (marker == MarkerTopLeft) {
        QCOMPARE(markerCorner, 0);
    } else {
        QCOMPARE(markerCorner, 3);
    }
    verifyOnlyPage(upright);
    verifyNoRed(upright);

    const QString name = artifactsDir() + QStringLiteral("/documentedge_%1").arg(angle);
    // Fast scaling: the smooth one runs on Qt's thread pool, which upsets ThreadSanitizer.
    frame.scaled(960, 540, Qt::KeepAspectRatio, Qt::FastTransformation).save(name + ".jpg");
    upright.save(name + "_upright.jpg");
}

void TestDocumentEdge::uniformFrame_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("black") << qRgb(0, 0, 0);
    QTest::newRow("grey") << qRgb(128, 128, 128);
    QTest::newRow("white") << qRgb(255, 255, 255);
    QTest::newRow("desk") << qRgb(45, 38, 32);
}

void TestDocumentEdge::uniformFrame()
{
    QFETCH(QRgb, colour);
    const QImage original = ::uniformFrame(kFrameSize, colour);
    QImage frame = original.copy();

    const EdgeResult edge = IOpencvApi::detectDocumentEdge(matOver(frame));

    QCOMPARE(edge.angle, 0.0);
    QCOMPARE(edge.polygon,
             QPolygonF({QPointF(0, 0), QPointF(0, 1080), QPointF(1920, 1080), QPointF(1920, 0)}));
    QCOMPARE(frame, original);
    // Nothing sensible to cut: the capture keeps the whole picture.
    QCOMPARE(IOpencvApi::straighten(original, edge), original);
}

void TestDocumentEdge::pageCutOffByFrame_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<QRectF>("visible");
    const QSize page = syntheticPageSize();
    // Page reaching 140 pixels past the right edge, and 110 pixels past the bottom.
    const QPointF right(1920 + 140 - page.width() / 2.0, 540);
    const QPointF bottom(700, 1080 + 110 - page.height() / 2.0);
    QTest::newRow("right") << right
                           << QRectF(right.x() - page.width() / 2.0, 540 - page.height() / 2.0,
                                     page.width() - 140, page.height());
    QTest::newRow("bottom") << bottom
                            << QRectF(700 - page.width() / 2.0, bottom.y() - page.height() / 2.0,
                                      page.width(), page.height() - 110);
}

void TestDocumentEdge::pageCutOffByFrame()
{
    QFETCH(QPointF, centre);
    QFETCH(QRectF, visible);
    const SyntheticPage page = drawSyntheticPage(kFrameSize, centre, 0, 7);
    QImage frame = page.frame.copy();

    const EdgeResult edge = IOpencvApi::detectDocumentEdge(matOver(frame));

    // The visible part of the page is found.
    QVERIFY2(qAbs(edge.angle) <= 0.5, qPrintable(QString::number(edge.angle)));
    const QPolygonF truth(
        {visible.bottomLeft(), visible.topLeft(), visible.bottomRight(), visible.topRight()});
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(QLineF(edge.polygon[i], truth[i]).length() <= 2.0,
                 qPrintable(pointsText(edge.polygon) + " vs " + pointsText(truth)));
    }
    QCOMPARE(frame.pixel(QLineF(edge.polygon[0], edge.polygon[1]).pointAt(0.5).toPoint()), kRed);

    const QImage upright = IOpencvApi::straighten(frame, edge);
    QCOMPARE(darkCorner(upright), 0);
    verifyOnlyPage(upright);
    verifyNoRed(upright);
}

void TestDocumentEdge::drawsIntoCallersPixels()
{
    const SyntheticPage page = drawSyntheticPage(kFrameSize, kFrameCentre, 12, 3);
    cv::Mat frame(1080, 1920, CV_8UC4);
    std::memcpy(frame.data, page.frame.constBits(), frame.total() * frame.elemSize());
    const cv::Mat before = frame.clone();

    const EdgeResult edge = IOpencvApi::detectDocumentEdge(frame);

    const QPoint onEdge = QLineF(edge.polygon[0], edge.polygon[1]).pointAt(0.5).toPoint();
    QCOMPARE(frame.at<cv::Vec4b>(onEdge.y(), onEdge.x()), cv::Vec4b(0, 0, 255, 255));
    // Only the outline changed: well inside the page every pixel is as it was.
    const cv::Rect inside(860, 440, 200, 200);
    QCOMPARE(cv::norm(frame(inside), before(inside), cv::NORM_INF), 0.0);
}

QTEST_GUILESS_MAIN(TestDocumentEdge)
#include "tst_documentedge.moc"
