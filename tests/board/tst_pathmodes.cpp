#include <QtTest>

#include <QGraphicsEllipseItem>
#include <QStyleOptionGraphicsItem>

#include "board/iboardstate.h"
#include "board/imodemanager.h"
#include "board/path/ipatherasemode.h"
#include "board/path/ipathrenderwidget.h"
#include "board/path/ipencilpathelement.h"
#include "board/path/ipencilpathmode.h"
#include "board/path/recolorimage.h"
#include "boardtesthelpers.h"

// The pen and the stroke eraser through the board's mouse routing, their elements, and the
// recoloured pen cursor.

using Points = QVector<QPointF>;
using Pixels = QVector<QPoint>;

namespace {

bool hasEllipse(const ISlide* page)
{
    const QList<QGraphicsItem*> items = page->items();
    return std::any_of(items.begin(), items.end(),
                       [](QGraphicsItem* i) { return i->type() == QGraphicsEllipseItem::Type; });
}

}  // namespace

class TestPathModes : public QObject {
    Q_OBJECT
private slots:
    void strokes_data();
    void strokes();
    void strokePixels_data();
    void strokePixels();
    void previewCoversTheGrownPicture();
    void cursorFollowsTheInk();
    void recolor_data();
    void recolor();
    void erasing_data();
    void erasing();
    void textIsNeverErased();
    void switchingModeMidGestureLeavesNothing_data();
    void switchingModeMidGestureLeavesNothing();
};

void TestPathModes::strokes_data()
{
    QTest::addColumn<Points>("drag");
    QTest::addColumn<bool>("dot");
    QTest::addColumn<QRectF>("pathBounds");
    QTest::newRow("stroke") << Points{{100, 100}, {200, 150}, {300, 100}, {400, 200}} << false
                            << QRectF(100, 100, 300, 100);
    QTest::newRow("tap") << Points{{500, 500}, {500, 500}} << true << QRectF(498, 498, 5, 5);
    QTest::newRow("press and release apart")
        << Points{{500, 500}, {600, 650}} << true << QRectF(498, 498, 5, 5);
    // The move and the release outside the picture end the stroke at its last point inside.
    QTest::newRow("leaving the picture")
        << Points{{1800, 500}, {1900, 500}, {2000, 500}, {2100, 500}} << false
        << QRectF(1800, 500, 100, 0);
}

void TestPathModes::strokes()
{
    QFETCH(Points, drag);
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
    QCOMPARE(stroke->isDot(), dot);
    QCOMPARE(stroke->path().boundingRect(), pathBounds);
    QCOMPARE(stroke->boundingRect(), pathBounds.adjusted(-5, -5, 5, 5));
    QVERIFY(!f.board.modeManager()->pencilPathMode()->preview()->isVisible());
}

void TestPathModes::strokePixels_data()
{
    QTest::addColumn<int>("opacity");
    QTest::newRow("opaque") << 255;
    QTest::newRow("translucent, crossing itself") << 128;
}

void TestPathModes::strokePixels()
{
    QFETCH(int, opacity);
    DrawingBoard f;
    f.board.boardState()->setInkOpacity(opacity);
    f.board.boardState()->setInkThickness(20);
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    Points line;  // right along y = 300, then back down across itself at x = 250
    for (int x = 100; x <= 400; x += 2) {
        line.append(QPointF(x, 300));
    }
    f.drag(line + Points{{400, 200}, {250, 200}, {250, 400}, {250, 400}});
    f.drag({{800, 800}, {800, 800}});  // a dot of diameter 20
    const QImage overlay = f.overlay();
    for (const QPoint& p : {QPoint(150, 300), QPoint(250, 300), QPoint(800, 800)}) {
        const QColor c = overlay.pixelColor(p);
        QVERIFY2(qAbs(c.alpha() - opacity) <= 1 && c.red() >= 250 && c.green() == 0,
                 qPrintable(c.name(QColor::HexArgb)));
    }
    for (const QPoint& p : {QPoint(150, 308), QPoint(92, 300), QPoint(807, 800)}) {
        QVERIFY(qAlpha(overlay.pixel(p)) > 0);
    }
    for (const QPoint& p :
         {QPoint(150, 312), QPoint(88, 300), QPoint(812, 800), QPoint(800, 788)}) {
        QCOMPARE(qAlpha(overlay.pixel(p)), 0);
    }
    // A clip the painter brings still holds.
    QImage clipped(500, 500, QImage::Format_ARGB32);
    clipped.fill(Qt::transparent);
    QPainter painter(&clipped);
    painter.setClipRect(0, 0, 200, 500);
    QStyleOptionGraphicsItem option;
    dynamic_cast<QGraphicsItem*>(f.page->elements().first())->paint(&painter, &option, nullptr);
    painter.end();
    QVERIFY(qAlpha(clipped.pixel(150, 300)) > 0);
    QCOMPARE(qAlpha(clipped.pixel(300, 300)), 0);
}

void TestPathModes::previewCoversTheGrownPicture()
{
    DrawingBoard f;
    f.board.resize(800, 450);
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    f.drag({{100, 100}, {200, 200}, {300, 200}});
    f.board.resize(1920, 1080);
    sendMouse(f.board.viewport(), QEvent::MouseButtonPress, f.board.mapFromScene(1700, 1000));
    QVERIFY(f.board.modeManager()->pencilPathMode()->preview()->sceneBoundingRect().contains(
        f.board.backgroundRect()));
}

void TestPathModes::cursorFollowsTheInk()
{
    DrawingBoard f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    QCOMPARE(f.board.viewport()->cursor().hotSpot(), QPoint(4, 16));
    f.board.boardState()->setInkColor(Qt::blue);
    const QImage blue = f.board.viewport()->cursor().pixmap().toImage();
    QCOMPARE(blue, IPencilPathMode::penCursor(Qt::blue).pixmap().toImage());
}

void TestPathModes::recolor_data()
{
    QTest::addColumn<QColor>("pixel");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red body takes blue's hue, keeps alpha")
        << QColor(200, 30, 30, 180) << QColor(Qt::blue) << QColor(30, 30, 200, 180);
    QTest::newRow("orange within 40 degrees")
        << QColor(255, 128, 0) << QColor(Qt::blue) << QColor(128, 0, 255);
    QTest::newRow("grey keeps grey and alpha")
        << QColor(128, 128, 128, 200) << QColor(Qt::blue) << QColor(128, 128, 128, 200);
    QTest::newRow("transparent stays transparent")
        << QColor(0, 0, 0, 0) << QColor(Qt::green) << QColor(0, 0, 0, 0);
    QTest::newRow("green copied") << QColor(0, 200, 0) << QColor(Qt::blue) << QColor(0, 200, 0);
    QTest::newRow("magenta (300) copied")
        << QColor(255, 0, 255) << QColor(Qt::blue) << QColor(255, 0, 255);
}

void TestPathModes::recolor()
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

void TestPathModes::erasing_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<Points>("stroke");
    QTest::addColumn<Points>("rub");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<Pixels>("erased");
    QTest::addColumn<Pixels>("inked");
    // At scale 2 the 100-pixel eraser covers 50 scene units.
    QTest::newRow("tap at scale 2")
        << 2.0 << Points{{400, 500}, {550, 500}, {700, 500}} << Points{{550, 500}, {550, 500}}
        << true << Pixels{{550, 500}, {530, 500}, {570, 500}}
        << Pixels{{518, 500}, {582, 500}, {410, 500}, {690, 500}};
    QTest::newRow("rub through the middle")
        << 1.0 << Points{{300, 500}, {600, 500}, {900, 500}}
        << Points{{600, 380}, {600, 500}, {600, 620}} << true << Pixels{{600, 500}, {560, 500}}
        << Pixels{{320, 500}, {880, 500}};
    QTest::newRow("rub over all of it") << 1.0 << Points{{300, 500}, {400, 500}, {500, 500}}
                                        << Points{{250, 500}, {400, 500}, {550, 500}, {550, 500}}
                                        << false << Pixels{{300, 500}, {500, 500}} << Pixels{};
    // Inside the stroke's bounding box but far from its line: nothing is erased.
    QTest::newRow("miss inside the bounding box")
        << 1.0 << Points{{100, 100}, {300, 150}, {600, 600}} << Points{{550, 150}, {550, 150}}
        << true << Pixels{} << Pixels{{300, 150}, {600, 600}};
}

void TestPathModes::erasing()
{
    QFETCH(double, scale);
    QFETCH(Points, stroke);
    QFETCH(Points, rub);
    QFETCH(bool, kept);
    QFETCH(Pixels, erased);
    QFETCH(Pixels, inked);
    DrawingBoard f;
    f.board.boardState()->setInkThickness(20);
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    f.drag(stroke);
    f.board.zoomBy(scale);
    f.board.setModeType(KM_IBOARD_ENUM::PathErase);
    QSignalSpy removed(f.page, &ISlide::sgElementsRemovedEvent);
    IPathEraseMode* eraser = f.board.modeManager()->pathEraseMode();

    f.drag(rub.mid(0, 1));
    QVERIFY(eraser->eraserCircle() && eraser->eraserCircle()->isVisible());
    QCOMPARE(eraser->eraserCircle()->rect().size(), QSizeF(100, 100) / scale);
    f.drag(rub, 1);
    QVERIFY(!eraser->eraserCircle());
    QVERIFY(!hasEllipse(f.page));

    QCOMPARE(f.page->elements().size(), kept ? 1 : 0);
    QCOMPARE(removed.size(), kept ? 0 : 1);
    if (kept && erased.isEmpty()) {
        auto* element = dynamic_cast<IPathElement*>(f.page->elements().first());
        QVERIFY(element->eraseRegion().isEmpty());
    }
    const QImage overlay = f.overlay();
    for (const QPoint& p : erased + inked) {
        QVERIFY2(qAlpha(overlay.pixel(p)) == (erased.contains(p) ? 0 : 255),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
}

void TestPathModes::textIsNeverErased()
{
    DrawingBoard f;
    int deletions = 0;
    auto* text = new TestTextElement(QStringLiteral("hello"), &deletions);
    text->setPos(500, 500);
    f.page->addElement(text, true);
    f.board.setModeType(KM_IBOARD_ENUM::PathErase);
    QTest::ignoreMessage(QtDebugMsg, "erase KM_RichText...");
    f.drag({{510, 510}, {510, 510}});
    QCOMPARE(f.page->elements().size(), 1);
    QCOMPARE(deletions, 0);
}

void TestPathModes::switchingModeMidGestureLeavesNothing_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("strokes");
    QTest::newRow("pen") << int(KM_IBOARD_ENUM::Pen) << 1;  // the ink drawn so far stays
    QTest::newRow("eraser") << int(KM_IBOARD_ENUM::PathErase) << 0;
}

void TestPathModes::switchingModeMidGestureLeavesNothing()
{
    QFETCH(int, from);
    QFETCH(int, strokes);
    DrawingBoard f;
    f.board.setModeType(KM_IBOARD_ENUM::ModeType(from));
    QWidget* view = f.board.viewport();
    sendMouse(view, QEvent::MouseButtonPress, QPoint(300, 300));
    sendMouse(view, QEvent::MouseMove, QPoint(400, 350));
    QImage empty(1920, 1080, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    QCOMPARE(f.overlay(), empty);  // neither preview nor circle is in it
    f.board.setModeType(KM_IBOARD_ENUM::Select);
    QVERIFY(!f.board.modeManager()->pencilPathMode()->preview()->isVisible());
    QVERIFY(!hasEllipse(f.page));
    QCOMPARE(f.page->elements().size(), strokes);
    sendMouse(view, QEvent::MouseButtonRelease, QPoint(400, 350), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(f.page->elements().size(), strokes);
}

QTEST_MAIN(TestPathModes)
#include "tst_pathmodes.moc"
