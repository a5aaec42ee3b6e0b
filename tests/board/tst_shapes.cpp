#include <QtTest>

#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/imodemanager.h"
#include "board/path/ifigurepathmode.h"
#include "board/path/ilinepathelement.h"
#include "boardtesthelpers.h"

// The five shapes drawn through the board's mouse routing: geometry, finishing, look, erasing.

using Mode = KM_IBOARD_ENUM::ModeType;

namespace {

bool near(const QPointF& a, const QPointF& b)
{
    return QLineF(a, b).length() <= 1.5;
}

IShapePathElement* onlyShape(const ISlide* page)
{
    return page->elements().size() == 1 ? dynamic_cast<IShapePathElement*>(page->elements()[0])
                                        : nullptr;
}

}  // namespace

class TestShapes : public QObject {
    Q_OBJECT
private slots:
    void drawing_data();
    void drawing();
    void look();
    void circleCutAtThePicture();
    void switchingModeMidDrag();
    void eraserCutsShapes();
};

void TestShapes::drawing_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QLineF>("drag");    // press to release
    QTest::addColumn<QLineF>("points");  // start and end point after the release; null: gone
    QTest::addColumn<QPointF>("apex");   // the first path point, unless null
    const auto row = [](const char* name, Mode mode, QLineF drag, QLineF points, QPointF apex) {
        QTest::newRow(name) << mode << drag << points << apex;
    };
    row("circle", Mode::CirclePath, {100, 100, 130, 180}, {100, 100, 180, 180}, {});
    row("circle leftwards", Mode::CirclePath, {100, 100, 60, 180}, {20, 100, 100, 180}, {});
    row("circle on an axis", Mode::CirclePath, {100, 100, 100, 180}, {100, 100, 100, 100}, {});
    row("oval up-left", Mode::EllipsePath, {300, 300, 200, 250}, {200, 250, 300, 300}, {});
    row("rect down-right", Mode::RectanglePath, {300, 300, 400, 350}, {300, 300, 400, 350}, {});
    row("rect up-right", Mode::RectanglePath, {300, 300, 400, 250}, {300, 250, 400, 300}, {});
    row("rect down-left", Mode::RectanglePath, {300, 300, 200, 350}, {200, 300, 300, 350}, {});
    row("rect up-left", Mode::RectanglePath, {300, 300, 200, 250}, {200, 250, 300, 300}, {});
    row("rect of zero size", Mode::RectanglePath, {300, 300, 300, 300}, {300, 300, 300, 300}, {});
    row("triangle", Mode::TrianglePath, {10, 10, 111, 60}, {10, 10, 111, 60}, {60, 10});
    row("triangle upwards", Mode::TrianglePath, {10, 100, 111, 50}, {10, 100, 111, 50}, {60, 100});
    row("line", Mode::LinePath, {10, 10, 200, 100}, {10, 10, 200, 100}, {});
    row("line of zero length", Mode::LinePath, {10, 10, 10, 10}, {}, {});
    row("arrow", Mode::ArrowPath, {10, 10, 200, 100}, {10, 10, 200, 100}, {});
    row("arrow of zero length", Mode::ArrowPath, {10, 10, 10, 10}, {}, {});
}

void TestShapes::drawing()
{
    QFETCH(Mode, mode);
    QFETCH(QLineF, drag);
    QFETCH(QLineF, points);
    QFETCH(QPointF, apex);
    for (const auto& [scale, degrees] : {std::pair{1.0, 0}, {2.0, 0}, {1.0, 90}}) {
        DrawingBoard f;
        f.board.zoomBy(scale);
        f.board.rotateBy(degrees);
        f.board.centerOn(QPointF(200, 200));
        f.board.setModeType(mode);
        f.drag({drag.p1(), (drag.p1() + drag.p2()) / 2, drag.p2()});
        QVERIFY(!f.board.modeManager()->figurePathMode()->currentElement());
        IShapePathElement* shape = onlyShape(f.page);
        QCOMPARE(f.page->elements().size(), points == QLineF() ? 0 : 1);
        if (shape) {
            QVERIFY2(
                near(shape->startPoint(), points.p1()) && near(shape->endPoint(), points.p2()) &&
                    (apex.isNull() || near(shape->path().elementAt(0), apex)),
                qPrintable(QStringLiteral("at scale %1, rotation %2").arg(scale).arg(degrees)));
        }
    }
}

void TestShapes::look()
{
    DrawingBoard f;
    f.board.boardState()->setInkColor(Qt::red);
    f.board.boardState()->setInkOpacity(128);
    f.board.boardState()->setInkThickness(5);
    f.board.setModeType(Mode::RectanglePath);
    f.drag({{100, 100}, {200, 200}});
    f.board.setModeType(Mode::LinePath);
    f.drag({{400, 100}, {600, 100}});
    auto* line = dynamic_cast<ILinePathElement*>(f.page->elements().last());
    QVERIFY(line);
    // The hit area is the band 10 wider than the line.
    QVERIFY(line->itemRegion().contains(QPoint(500, 106)));
    QVERIFY(!line->itemRegion().contains(QPoint(500, 109)));
    const QImage layer = f.overlay();
    QCOMPARE(layer.pixelColor(150, 150), QColor(255, 0, 0, 128));
    QCOMPARE(layer.pixelColor(100, 150), QColor(255, 0, 0, 255));
    QCOMPARE(layer.pixelColor(150, 98), QColor(255, 0, 0, 255));
    QCOMPARE(layer.pixelColor(150, 104).alpha(), 128);
    // The line is a filled band, no outline.
    QCOMPARE(layer.pixelColor(500, 100), QColor(255, 0, 0, 128));
    QCOMPARE(layer.pixelColor(500, 105).alpha(), 0);
}

void TestShapes::circleCutAtThePicture()
{
    DrawingBoard f;
    f.board.boardState()->setInkThickness(50);
    f.board.setModeType(Mode::CirclePath);
    f.drag({{1880, 500}, {1910, 530}});
    QCOMPARE(f.page->elements().size(), 1);
    QCOMPARE(onlyShape(f.page)->eraseRegion().boundingRect().left(), 1920);
    // The picture moves away between a press and the release: that circle is gone (ASan).
    f.drag({{1880, 500}});
    f.board.backgroundItem()->setPos(5000, 5000);
    IFigurePathMode* mode = f.board.modeManager()->figurePathMode();
    const QPoint at = f.board.mapFromScene(QPointF(1910, 530));
    QMouseEvent up(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    IDeviceEvent release(up, at, IDeviceEvent::MouseDeviceId);
    mode->release(&release);
    QCOMPARE(f.page->elements().size(), 1);
    QVERIFY(!mode->currentElement());
}

void TestShapes::switchingModeMidDrag()
{
    DrawingBoard f;
    f.board.setModeType(Mode::EllipsePath);
    f.drag({{300, 300}});
    sendMouse(f.board.viewport(), QEvent::MouseMove, f.board.mapFromScene(QPointF(200, 250)));
    f.board.setModeType(Mode::LinePath);
    f.drag({{10, 10}});
    f.board.setModeType(Mode::Pen);
    // The oval is finished as on a release; the line of zero length is gone.
    QCOMPARE(f.page->elements().size(), 1);
    QCOMPARE(onlyShape(f.page)->rect(), QRectF(200, 250, 100, 50));
    // A page cleared mid-drag: the deleted shape is never touched again (ASan).
    f.board.setModeType(Mode::RectanglePath);
    f.drag({{300, 300}});
    qDeleteAll(f.page->clearStrokesAndText());
    f.drag({{300, 300}, {350, 350}, {400, 400}}, 1);
    QVERIFY(f.page->elements().isEmpty());
}

void TestShapes::eraserCutsShapes()
{
    DrawingBoard f;
    f.board.setModeType(Mode::RectanglePath);
    f.drag({{100, 100}, {300, 300}});
    f.board.setModeType(Mode::PathErase);
    f.drag({{50, 200}, {200, 200}, {350, 200}});
    QCOMPARE(f.page->elements().size(), 1);
    QVERIFY(onlyShape(f.page)->eraseRegion().contains(QPoint(200, 200)));
    QCOMPARE(f.overlay().pixelColor(200, 200).alpha(), 0);
}

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
