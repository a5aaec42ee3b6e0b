#include <QtTest>

#include "board/iboardstate.h"

// A state as the board's start-up leaves it.
static void initLikeBoard(IBoardState& state)
{
    state.setInkOpacity(255);
    state.setInkThickness(5);
    state.setInkColor(Qt::red);
    state.setPointEraserSize(QSizeF(100, 100));
}

class TestIBoardState : public QObject {
    Q_OBJECT
private slots:
    void constructionValues();
    void notifications_data();
    void notifications();
    void propertiesThroughMetaObject();
};

void TestIBoardState::constructionValues()
{
    IBoardState state;
    QCOMPARE(state.inkOpacity(), 255);
    QCOMPARE(state.inkColor(), QColor(Qt::black));
    QCOMPARE(state.inkThickness(), 10.0);
    QVERIFY(!state.pointEraserSize().isValid());
    QSignalSpy spy(&state, &IBoardState::notifyStateChanged);
    initLikeBoard(state);
    QCOMPARE(spy.size(), 3);  // opacity 255 was already stored
}

using Setter = std::function<void(IBoardState&)>;
Q_DECLARE_METATYPE(Setter)

void TestIBoardState::notifications_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<int>("type");  // -1: nothing emitted
    QTest::addColumn<QVariant>("value");
    const QVariant none;
    QTest::newRow("same colour") << Setter([](IBoardState& s) { s.setInkColor(Qt::red); }) << -1
                                 << none;
    QTest::newRow("new colour") << Setter([](IBoardState& s) { s.setInkColor(Qt::blue); })
                                << int(IBoardState::InkColor) << QVariant(QColor(Qt::blue));
    QTest::newRow("invalid colour")
        << Setter([](IBoardState& s) { s.setInkColor(QColor()); }) << -1 << none;
    QTest::newRow("same thickness")
        << Setter([](IBoardState& s) { s.setInkThickness(5); }) << -1 << none;
    QTest::newRow("new thickness") << Setter([](IBoardState& s) { s.setInkThickness(6); })
                                   << int(IBoardState::InkThickness) << QVariant(6.0);
    QTest::newRow("thickness 0 becomes 1") << Setter([](IBoardState& s) { s.setInkThickness(0); })
                                           << int(IBoardState::InkThickness) << QVariant(1.0);
    QTest::newRow("same opacity") << Setter([](IBoardState& s) { s.setInkOpacity(255); }) << -1
                                  << none;
    QTest::newRow("new opacity") << Setter([](IBoardState& s) { s.setInkOpacity(120); })
                                 << int(IBoardState::InkOpacity) << QVariant(120);
    QTest::newRow("opacity above range")
        << Setter([](IBoardState& s) { s.setInkOpacity(999); }) << -1 << none;
    QTest::newRow("opacity below range") << Setter([](IBoardState& s) { s.setInkOpacity(-4); })
                                         << int(IBoardState::InkOpacity) << QVariant(0);
    QTest::newRow("eraser within fuzz")
        << Setter([](IBoardState& s) { s.setPointEraserSize(QSizeF(100, 100 + 1e-11)); }) << -1
        << none;
    QTest::newRow("eraser changed")
        << Setter([](IBoardState& s) { s.setPointEraserSize(QSizeF(100, 101)); })
        << int(IBoardState::PointEraserSize) << QVariant(QSizeF(100, 101));
    QTest::newRow("eraser empty") << Setter([](IBoardState& s) { s.setPointEraserSize(QSizeF()); })
                                  << -1 << none;
    QTest::newRow("eraser zero") << Setter([](IBoardState& s) {
        s.setPointEraserSize(QSizeF(0, 50));
    }) << -1 << none;
}

void TestIBoardState::notifications()
{
    QFETCH(Setter, set);
    QFETCH(int, type);
    QFETCH(QVariant, value);
    IBoardState state;
    initLikeBoard(state);
    const QColor colour = state.inkColor();
    QSignalSpy spy(&state, &IBoardState::notifyStateChanged);
    set(state);
    if (type < 0) {
        QCOMPARE(spy.size(), 0);
        QCOMPARE(state.inkColor(), colour);
        return;
    }
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().at(0).value<IBoardState::NotifyStatePropertyType>(),
             IBoardState::NotifyStatePropertyType(type));
    QCOMPARE(spy.first().at(1), value);
    set(state);  // the same value again announces nothing
    QCOMPARE(spy.size(), 1);
}

void TestIBoardState::propertiesThroughMetaObject()
{
    IBoardState state;
    initLikeBoard(state);
    QCOMPARE(state.property("inkThickness").toDouble(), 5.0);
    QVERIFY(state.setProperty("inkThickness", 7.9));
    QCOMPARE(state.inkThickness(), 7.0);  // the int setter truncates
    QVERIFY(state.setProperty("inkColor", QColor(Qt::green)));
    QCOMPARE(state.property("inkColor").value<QColor>(), QColor(Qt::green));
    QCOMPARE(state.property("pointEraserSize").toSizeF(), QSizeF(100, 100));
    QCOMPARE(state.property("inkOpacity").toInt(), 255);
}

QTEST_MAIN(TestIBoardState)
#include "tst_iboardstate.moc"
