#include <QtTest>

#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/imodemanager.h"
#include "board/path/ifigurepathmode.h"
#include "board/path/ilinepathelement.h"
#include "board/path/ishapepathelement.h"
#include "boardtesthelpers.h"

// The five shapes drawn through the board's mouse routing: geometry, finishing, look, erasing.

using Points = QVector<QPointF>;
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

// A move with the left button down, as within a drag.
void moveTo(DrawingBoard& f, const QPointF& scenePoint)
{
    sendMouse(f.board.viewport(), QEvent::MouseMove, f.board.mapFromScene(scenePoint));
}

}  // namespace

class TestShapes : public QObject {
    Q_OBJECT
private slots:
    void drawing_data();
    void drawing();
    void look();
    void circleCutAtThePicture_data();
    void circleCutAtThePicture();
    void switchingModeMidDrag();
    void eraserCutsShapes();
};

void TestShapes::drawing_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<Points>("drag");
    QTest::addColumn<QPointF>("start");  // after the release; none left when null
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<QPointF>("firstPathPoint");

    const QPointF any(-1, -1);
    QTest::newRow("circle") << Mode::CirclePath << Points{{100, 100}, {120, 150}, {130, 180}}
                            << QPointF(100, 100) << QPointF(180, 180) << any;
    QTest::newRow("circle leftwards") << Mode::CirclePath << Points{{100, 100}, {60, 180}}
                                      << QPointF(20, 100) << QPointF(100, 180) << any;
    QTest::newRow("circle along an axis") << Mode::CirclePath << Points{{100, 100}, {100, 180}}
                                          << QPointF(100, 100) << QPointF(100, 100) << any;
    QTest::newRow("oval up-left") << Mode::EllipsePath << Points{{300, 300}, {200, 250}}
                                  << QPointF(200, 250) << QPointF(300, 300) << any;
    QTest::newRow("rectangle down-right") << Mode::RectanglePath << Points{{300, 300}, {400, 350}}
                                          << QPointF(300, 300) << QPointF(400, 350) << any;
    QTest::newRow("rectangle up-right") << Mode::RectanglePath << Points{{300, 300}, {400, 250}}
                                        << QPointF(300, 250) << QPointF(400, 300) << any;
    QTest::newRow("rectangle down-left") << Mode::RectanglePath << Points{{300, 300}, {200, 350}}
                                         << QPointF(200, 300) << QPointF(300, 350) << any;
    QTest::newRow("rectangle up-left") << Mode::RectanglePath << Points{{300, 300}, {200, 250}}
                                       << QPointF(200, 250) << QPointF(300, 300) << any;
    QTest::newRow("rectangle of zero size") << Mode::RectanglePath << Points{{300, 300}, {300, 300}}
                                            << QPointF(300, 300) << QPointF(300, 300) << any;
    QTest::newRow("triangle") << Mode::TrianglePath << Points{{10, 10}, {111, 60}}
                              << QPointF(10, 10) << QPointF(111, 60) << QPointF(60, 10);
    QTest::newRow("upside-down triangle")
        << Mode::TrianglePath << Points{{10, 100}, {111, 50}} << QPointF(10, 100)
        << QPointF(111, 50) << QPointF(60, 100);
    QTest::newRow("line") << Mode::LinePath << Points{{10, 10}, {50, 50}, {200, 100}}
                          << QPointF(10, 10) << QPointF(200, 100) << any;
    QTest::newRow("line of zero length")
        << Mode::LinePath << Points{{10, 10}, {10, 10}} << QPointF() << QPointF() << any;
}

void TestShapes::drawing()
{
    QFETCH(Mode, mode);
    QFETCH(Points, drag);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    QFETCH(QPointF, firstPathPoint);
    for (const auto& [scale, degrees] : {std::pair{1.0, 0}, {2.0, 0}, {1.0, 90}}) {
        DrawingBoard f;
        f.board.zoomBy(scale);
        f.board.rotateBy(degrees);
        f.board.centerOn(QPointF(200, 200));
        f.board.setModeType(mode);
        f.drag(drag);
        IShapePathElement* shape = onlyShape(f.page);
        if (start.isNull()) {
            QVERIFY(f.page->elements().isEmpty());
            continue;
        }
        QVERIFY(shape);
        QVERIFY2(near(shape->startPoint(), start) && near(shape->endPoint(), end),
                 qPrintable(QStringLiteral("at scale %1, rotation %2").arg(scale).arg(degrees)));
        if (firstPathPoint.x() >= 0) {
            QVERIFY(near(shape->path().elementAt(0), firstPathPoint));
        }
        QVERIFY(!f.board.modeManager()->figurePathMode()->currentElement());
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
    QCOMPARE(layer.pixelColor(500, 101), QColor(255, 0, 0, 128));
    QCOMPARE(layer.pixelColor(500, 105).alpha(), 0);
}

void TestShapes::circleCutAtThePicture_data()
{
    QTest::addColumn<QPointF>("pictureAt");
    QTest::addColumn<int>("left");  // shapes left on the page
    QTest::newRow("partly outside") << QPointF(0, 0) << 1;
    QTest::newRow("wholly outside") << QPointF(5000, 5000) << 0;
}

void TestShapes::circleCutAtThePicture()
{
    QFETCH(QPointF, pictureAt);
    QFETCH(int, left);
    DrawingBoard f;
    f.board.boardState()->setInkThickness(50);
    f.board.setModeType(Mode::CirclePath);
    f.drag({{1880, 500}, {1910, 530}});
    QCOMPARE(f.page->elements().size(), 1);
    auto* circle = onlyShape(f.page);
    QCOMPARE(circle->eraseRegion().boundingRect().left(), 1920);
    // The picture moves away between a press and the release.
    f.page->removeElement(circle, true);
    delete circle;
    f.drag({{1880, 500}});  // a press alone
    f.board.backgroundItem()->setPos(pictureAt);
    IFigurePathMode* mode = f.board.modeManager()->figurePathMode();
    const QPoint at = f.board.mapFromScene(QPointF(1910, 530));
    QMouseEvent up(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    IDeviceEvent release(up, at, IDeviceEvent::MouseDeviceId);
    mode->release(&release);
    QCOMPARE(f.page->elements().size(), left);
    QVERIFY(!mode->currentElement());
}

void TestShapes::switchingModeMidDrag()
{
    DrawingBoard f;
    f.board.setModeType(Mode::EllipsePath);
    f.drag({{300, 300}});
    moveTo(f, {200, 250});
    f.board.setModeType(Mode::LinePath);
    f.drag({{10, 10}});
    f.board.setModeType(Mode::Pen);
    // The oval is finished as on a release; the line of zero length is gone.
    QCOMPARE(f.page->elements().size(), 1);
    QCOMPARE(onlyShape(f.page)->rect(), QRectF(200, 250, 100, 50));
    QVERIFY(!f.board.modeManager()->figurePathMode()->currentElement());
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
