#include <QtTest>

#include <QGraphicsEllipseItem>

#include "board/iboardstate.h"
#include "board/imodemanager.h"
#include "board/path/ipathelement.h"
#include "board/path/ipatherasemode.h"
#include "board/path/ipathrenderwidget.h"
#include "board/path/ipencilpathmode.h"
#include "boardtesthelpers.h"

using Points = QVector<QPointF>;
using Pixels = QVector<QPoint>;

namespace {

bool hasEllipse(const ISlide* page)
{
    for (const QGraphicsItem* item : page->items()) {
        if (dynamic_cast<const QGraphicsEllipseItem*>(item)) {
            return true;
        }
    }
    return false;
}

}  // namespace

class TestIPathEraseMode : public QObject {
    Q_OBJECT
private slots:
    void erasing_data();
    void erasing();
    void textIsNeverErased();
    void switchingModeMidGestureLeavesNothing_data();
    void switchingModeMidGestureLeavesNothing();
};

void TestIPathEraseMode::erasing_data()
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

void TestIPathEraseMode::erasing()
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
    for (const QPoint& p : erased) {
        QVERIFY2(qAlpha(overlay.pixel(p)) == 0,
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
    for (const QPoint& p : inked) {
        QVERIFY2(qAlpha(overlay.pixel(p)) == 255,
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
}

void TestIPathEraseMode::textIsNeverErased()
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

void TestIPathEraseMode::switchingModeMidGestureLeavesNothing_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("strokes");
    QTest::newRow("pen") << int(KM_IBOARD_ENUM::Pen) << 1;  // the ink drawn so far stays
    QTest::newRow("eraser") << int(KM_IBOARD_ENUM::PathErase) << 0;
}

void TestIPathEraseMode::switchingModeMidGestureLeavesNothing()
{
    QFETCH(int, from);
    QFETCH(int, strokes);
    DrawingBoard f;
    f.board.setModeType(KM_IBOARD_ENUM::ModeType(from));
    QWidget* view = f.board.viewport();
    sendMouse(view, QEvent::MouseButtonPress, QPoint(300, 300));
    sendMouse(view, QEvent::MouseMove, QPoint(400, 350));
    QVERIFY(allTransparent(f.overlay()));  // neither preview nor circle is in it
    f.board.setModeType(KM_IBOARD_ENUM::Select);
    QVERIFY(!f.board.modeManager()->pencilPathMode()->preview()->isVisible());
    QVERIFY(!hasEllipse(f.page));
    QCOMPARE(f.page->elements().size(), strokes);
    sendMouse(view, QEvent::MouseButtonRelease, QPoint(400, 350), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(f.page->elements().size(), strokes);
}

QTEST_MAIN(TestIPathEraseMode)
#include "tst_ipatherasemode.moc"
