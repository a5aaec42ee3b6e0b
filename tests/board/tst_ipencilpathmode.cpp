#include <QtTest>

#include "board/iboardstate.h"
#include "board/imodemanager.h"
#include "board/path/ipathrenderwidget.h"
#include "board/path/ipencilpathelement.h"
#include "board/path/ipencilpathmode.h"
#include "board/path/recolorimage.h"
#include "boardtesthelpers.h"

using Points = QVector<QPointF>;

class TestIPencilPathMode : public QObject {
    Q_OBJECT
private slots:
    void strokes_data();
    void strokes();
    void strokePixelsCarryTheOpacity();
    void previewCoversTheGrownPicture();
    void cursorFollowsTheInk();
    void recolor_data();
    void recolor();
};

void TestIPencilPathMode::strokes_data()
{
    QTest::addColumn<Points>("drag");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("dot");
    QTest::addColumn<QRectF>("pathBounds");
    QTest::newRow("stroke") << Points{{100, 100}, {200, 150}, {300, 100}, {400, 200}} << 4 << false
                            << QRectF(100, 100, 300, 100);
    QTest::newRow("tap") << Points{{500, 500}, {500, 500}} << 2 << true << QRectF(498, 498, 5, 5);
    QTest::newRow("press and release apart")
        << Points{{500, 500}, {600, 650}} << 2 << true << QRectF(498, 498, 5, 5);
    // The move and the release outside the picture end the stroke at its last point inside.
    QTest::newRow("leaving the picture")
        << Points{{1800, 500}, {1900, 500}, {2000, 500}, {2100, 500}} << 3 << false
        << QRectF(1800, 500, 100, 0);
}

void TestIPencilPathMode::strokes()
{
    QFETCH(Points, drag);
    QFETCH(int, points);
    QFETCH(bool, dot);
    QFETCH(QRectF, pathBounds);
    DrawingBoard f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    QSignalSpy added(f.page, &ISlide::sgElementsAddedEvent);
    if (dot) {
        QTest::ignoreMessage(QtDebugMsg, "one point");
    }
    f.drag(drag);
    QCOMPARE(added.size(), 1);
    QCOMPARE(f.page->elements().size(), 1);
    auto* stroke = dynamic_cast<IPencilPathElement*>(f.page->elements().first());
    QVERIFY(stroke);
    QCOMPARE(stroke->drawPoints().size(), points);
    QCOMPARE(stroke->isDot(), dot);
    QCOMPARE(stroke->path().boundingRect(), pathBounds);
    QCOMPARE(stroke->boundingRect(), pathBounds.adjusted(-5, -5, 5, 5));
    QCOMPARE(stroke->width(), 5);
    QCOMPARE(stroke->color(), QColor(Qt::red));
    QVERIFY(!f.board.modeManager()->pencilPathMode()->preview()->isVisible());
}

void TestIPencilPathMode::strokePixelsCarryTheOpacity()
{
    DrawingBoard f;
    f.board.boardState()->setInkOpacity(128);
    f.board.boardState()->setInkThickness(20);
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    sendMouse(f.board.viewport(), QEvent::MouseButtonPress, f.board.mapFromScene(200, 300));
    sendMouse(f.board.viewport(), QEvent::MouseMove, f.board.mapFromScene(400, 300));
    QVERIFY(f.board.modeManager()->pencilPathMode()->preview()->isVisible());
    QVERIFY(allTransparent(f.overlay()));  // the preview is never in it
    sendMouse(f.board.viewport(), QEvent::MouseButtonRelease, f.board.mapFromScene(600, 300),
              Qt::LeftButton, Qt::NoButton);
    f.drag({{800, 800}, {800, 800}});  // a dot
    const QImage overlay = f.overlay();
    for (const QPoint& p : {QPoint(400, 300), QPoint(210, 300), QPoint(800, 800)}) {
        const QColor c = overlay.pixelColor(p);
        QVERIFY2(
            qAbs(c.alpha() - 128) <= 1 && c.red() >= 250 && c.green() == 0,
            qPrintable(
                QStringLiteral("%1,%2: %3").arg(p.x()).arg(p.y()).arg(c.name(QColor::HexArgb))));
    }
    QVERIFY(qAlpha(overlay.pixel(400, 308)) > 0);  // 20 wide, round ends, a dot of diameter 20
    QVERIFY(qAlpha(overlay.pixel(807, 800)) > 0);
    for (const QPoint& p : {QPoint(400, 312), QPoint(186, 300), QPoint(614, 300), QPoint(812, 800),
                            QPoint(800, 788)}) {
        QCOMPARE(qAlpha(overlay.pixel(p)), 0);
    }
}

void TestIPencilPathMode::previewCoversTheGrownPicture()
{
    DrawingBoard f;
    f.board.resize(800, 450);
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    f.drag({{100, 100}, {200, 200}, {300, 200}});
    f.board.resize(1920, 1080);
    QCOMPARE(f.board.backgroundRect(), QRectF(0, 0, 1920, 1080));
    f.drag({{1500, 900}, {1600, 950}});
    sendMouse(f.board.viewport(), QEvent::MouseButtonPress, f.board.mapFromScene(1700, 1000));
    const IPathRenderWidget* preview = f.board.modeManager()->pencilPathMode()->preview();
    QVERIFY(preview->isVisible());
    QVERIFY(preview->sceneBoundingRect().contains(f.board.backgroundRect()));
}

void TestIPencilPathMode::cursorFollowsTheInk()
{
    DrawingBoard f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    const QImage red = f.board.viewport()->cursor().pixmap().toImage();
    QCOMPARE(f.board.viewport()->cursor().hotSpot(), QPoint(4, 16));
    f.board.boardState()->setInkColor(Qt::blue);
    const QImage blue = f.board.viewport()->cursor().pixmap().toImage();
    QVERIFY(blue != red);
    QCOMPARE(blue, IPencilPathMode::penCursor(Qt::blue).pixmap().toImage());
}

void TestIPencilPathMode::recolor_data()
{
    QTest::addColumn<QColor>("pixel");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red body takes blue's hue")
        << QColor(200, 30, 30) << QColor(Qt::blue) << QColor(30, 30, 200);
    QTest::newRow("orange within 40 degrees")
        << QColor(255, 128, 0) << QColor(Qt::blue) << QColor(128, 0, 255);
    QTest::newRow("half-transparent red keeps alpha")
        << QColor(255, 0, 0, 100) << QColor(Qt::blue) << QColor(0, 0, 255, 100);
    QTest::newRow("grey keeps grey and alpha")
        << QColor(128, 128, 128, 200) << QColor(Qt::blue) << QColor(128, 128, 128, 200);
    QTest::newRow("transparent stays transparent")
        << QColor(0, 0, 0, 0) << QColor(Qt::green) << QColor(0, 0, 0, 0);
    QTest::newRow("green copied") << QColor(0, 200, 0) << QColor(Qt::blue) << QColor(0, 200, 0);
    QTest::newRow("magenta (300) copied")
        << QColor(255, 0, 255) << QColor(Qt::blue) << QColor(255, 0, 255);
    QTest::newRow("black ink darkens red")
        << QColor(255, 0, 0) << QColor(Qt::black) << QColor(0, 0, 0);
}

void TestIPencilPathMode::recolor()
{
    QFETCH(QColor, pixel);
    QFETCH(QColor, ink);
    QFETCH(QColor, expected);
    QImage source(2, 1, QImage::Format_ARGB32);
    source.fill(pixel);
    const QColor got = recolorImage(source, Qt::red, ink, 40).pixelColor(1, 0);
    const int off = qAbs(got.red() - expected.red()) + qAbs(got.green() - expected.green()) +
                    qAbs(got.blue() - expected.blue());
    QVERIFY2(off <= 3 && got.alpha() == expected.alpha(), qPrintable(got.name(QColor::HexArgb)));
}

QTEST_MAIN(TestIPencilPathMode)
#include "tst_ipencilpathmode.moc"
