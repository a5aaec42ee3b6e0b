#include <QtTest>

#include <QScreen>

#include "customui/kit/ifreezonewidget.h"
#include "kittesthelpers.h"
#include "customui/kit/uiscale.h"

// The area selection layer on a 1000 x 800 parent at scale 1.
class TestIFreeZoneWidget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mouse_data();
    void mouse();
    void sizing_data();
    void sizing();
    void paintingKeysAndWindowForm();

private:
    QWidget* parent_ = nullptr;
    IFreeZoneWidget* layer_ = nullptr;
};

void TestIFreeZoneWidget::init()
{
    uiScale = 1.0;
    parent_ = new QWidget;
    parent_->resize(1000, 800);
    layer_ = new IFreeZoneWidget(parent_);
    parent_->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent_));
}

void TestIFreeZoneWidget::cleanup()
{
    delete parent_;
}

void TestIFreeZoneWidget::mouse_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("hit");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QPoint>("drag");
    // From corners (100, 100) and (599, 499), dragged in two equal steps.
    QTest::addColumn<QRect>("after");
    const QPoint d(10, 20);
    const auto row = [](const char* name, QPoint at, int hit, Qt::CursorShape cursor, QPoint drag,
                        QRect after) {
        QTest::newRow(name) << at << hit << int(cursor) << drag << after;
    };
    row("top-left", {100, 100}, 0, Qt::SizeFDiagCursor, d, {{110, 120}, QPoint(599, 499)});
    row("top", {349, 100}, 1, Qt::SizeVerCursor, d, {{100, 120}, QPoint(599, 499)});
    row("top-right: y1 and x2 only", {599, 100}, 2, Qt::SizeBDiagCursor, d,
        {{100, 120}, QPoint(609, 499)});
    row("bottom-left: x1 and y2 only", {100, 499}, 3, Qt::SizeBDiagCursor, d,
        {{110, 100}, QPoint(599, 519)});
    row("bottom", {349, 499}, 4, Qt::SizeVerCursor, d, {{100, 100}, QPoint(599, 519)});
    row("bottom-right", {599, 499}, 5, Qt::SizeFDiagCursor, d, {{100, 100}, QPoint(609, 519)});
    row("left", {100, 299}, 6, Qt::SizeHorCursor, d, {{110, 100}, QPoint(599, 499)});
    row("right", {599, 299}, 7, Qt::SizeHorCursor, d, {{100, 100}, QPoint(609, 499)});
    row("inside", {300, 300}, 8, Qt::SizeAllCursor, d, {{110, 120}, QPoint(609, 519)});
    row("elsewhere", {50, 50}, 9, Qt::ArrowCursor, d, {{100, 100}, QPoint(599, 499)});
    row("inside against the left border", {300, 300}, 8, Qt::SizeAllCursor, {-150, 20},
        {{0, 120}, QPoint(499, 519)});
    row("inside against the right border", {300, 300}, 8, Qt::SizeAllCursor, {700, 0},
        {{500, 100}, QPoint(999, 499)});
    row("corner to the last pixel", {599, 499}, 5, Qt::SizeFDiagCursor, {400, 300},
        {{100, 100}, QPoint(999, 799)});
    row("corner past the layer", {599, 499}, 5, Qt::SizeFDiagCursor, {401, 301},
        {{100, 100}, QPoint(800, 650)});
    row("below the minimum", {100, 100}, 0, Qt::SizeFDiagCursor, {301, 201},
        {{251, 201}, QPoint(599, 499)});
    row("down to the minimum", {100, 100}, 0, Qt::SizeFDiagCursor, {299, 199},
        {{399, 299}, QPoint(599, 499)});
}

void TestIFreeZoneWidget::mouse()
{
    QFETCH(QPoint, at);
    QFETCH(int, hit);
    QFETCH(int, cursor);
    QFETCH(QPoint, drag);
    QFETCH(QRect, after);
    layer_->setZoneRect(QRect(100, 100, 500, 400));
    // Editing off: the layer ignores the mouse.
    sendMouse(layer_, QEvent::MouseButtonPress, at);
    sendMouse(layer_, QEvent::MouseMove, at + drag);
    QCOMPARE(layer_->hitType(), 9);
    QCOMPARE(layer_->zoneRect(), QRect(100, 100, 500, 400));
    sendMouse(layer_, QEvent::MouseButtonRelease, at + drag);

    layer_->setZoneEditing(true);
    sendMouse(layer_, QEvent::MouseMove, at);
    QCOMPARE(int(layer_->cursor().shape()), cursor);
    sendMouse(layer_, QEvent::MouseButtonPress, at);
    QCOMPARE(layer_->hitType(), hit);
    // In two steps: the second starts where the first ended.
    sendMouse(layer_, QEvent::MouseMove, at + drag / 2);
    sendMouse(layer_, QEvent::MouseMove, at + drag);
    QCOMPARE(layer_->zoneRect(), after);
    sendMouse(layer_, QEvent::MouseButtonRelease, at + drag);
    QCOMPARE(layer_->hitType(), 9);
    QCOMPARE(layer_->cursor().shape(), Qt::ArrowCursor);
}

void TestIFreeZoneWidget::sizing_data()
{
    QTest::addColumn<QRect>("cover");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QRect>("arg");
    QTest::addColumn<QRect>("zone");
    const QRect full(0, 0, 1000, 800);
    const QRect narrow(0, 0, 700, 500);
    QTest::newRow("size") << full << "size" << QRect(0, 0, 640, 480) << QRect(180, 160, 640, 480);
    QTest::newRow("size capped at 0.8")
        << narrow << "size" << QRect(0, 0, 800, 600) << QRect(70, 50, 560, 400);
    QTest::newRow("size in an offset layer") << QRect(300, 200, 1000, 800) << "size"
                                             << QRect(0, 0, 640, 480) << QRect(180, 160, 640, 480);
    QTest::newRow("all") << full << "all" << QRect() << full;
    QTest::newRow("rect inside") << full << "rect" << QRect(0, 0, 1000, 10)
                                 << QRect(0, 0, 1000, 10);
    QTest::newRow("rect one pixel out")
        << full << "rect" << QRect(0, 0, 1001, 10) << QRect(100, 100, 800, 600);
    QTest::newRow("rect out, capped fallback")
        << narrow << "rect" << QRect(-5, 0, 100, 100) << QRect(70, 50, 560, 400);
    QTest::newRow("empty rect") << full << "rect" << QRect() << QRect(100, 100, 800, 600);
}

void TestIFreeZoneWidget::sizing()
{
    QFETCH(QRect, cover);
    QFETCH(QString, call);
    QFETCH(QRect, arg);
    QFETCH(QRect, zone);
    parent_->resize(1400, 1100);
    layer_->coverRect(cover);
    QCOMPARE(layer_->geometry(), cover);
    if (call == "size") {
        layer_->setZoneSize(arg.size());
    } else if (call == "all") {
        layer_->selectAll();
    } else {
        layer_->setZoneRect(arg);
    }
    QCOMPARE(layer_->zoneRect(), zone);
    QCOMPARE(layer_->globalZoneRect(),
             QRect(parent_->mapToGlobal(cover.topLeft() + zone.topLeft()), zone.size()));
}

void TestIFreeZoneWidget::paintingKeysAndWindowForm()
{
    // Built: editing off, covering the parent with a centred 800 x 600.
    QVERIFY(!layer_->isZoneEditing());
    QCOMPARE(layer_->zoneRect(), QRect(100, 100, 800, 600));
    QCOMPARE(qAlpha(grabImage(layer_).pixel(50, 50)), 0);  // nothing painted while not editing

    layer_->setZoneEditing(true);
    const QImage shown = grabImage(layer_);
    QCOMPARE(QColor::fromRgba(shown.pixel(50, 50)), QColor(0, 0, 0, 100));  // shade
    QVERIFY(qAlpha(shown.pixel(500, 400)) <= 2);                            // inside
    QVERIFY(near(QColor(shown.pixel(300, 100)), Qt::white, 10));            // outline
    QVERIFY(near(QColor(shown.pixel(101, 101)), Qt::white, 10));            // top-left handle
    QVERIFY(near(QColor(shown.pixel(499, 103)), Qt::white, 10));            // top handle

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(layer_, &escape);
    QVERIFY(escape.isAccepted());
    QVERIFY(layer_->isVisible());

    layer_->resetZone();
    QVERIFY(!layer_->isZoneEditing());
    // Without a parent: a frameless tool window over the screen (offscreen: 800 x 600).
    IFreeZoneWidget window;
    QCOMPARE(window.windowFlags() & (Qt::Tool | Qt::FramelessWindowHint),
             Qt::Tool | Qt::FramelessWindowHint);
    QCOMPARE(window.geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    QCOMPARE(window.zoneRect(), QRect(0, 0, 800, 600));
}

QTEST_MAIN(TestIFreeZoneWidget)
#include "tst_ifreezonewidget.moc"
