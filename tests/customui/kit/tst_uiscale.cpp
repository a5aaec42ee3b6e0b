#include <QtTest>

#include "customui/kit/uiscale.h"

class TestUiScale : public QObject {
    Q_OBJECT
private slots:
    void factors_data();
    void factors();
    void invalidScreenKeepsOne();
};

void TestUiScale::factors_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("uniform");
    QTest::newRow("1920x1080") << 1920 << 1080 << 1.0 << 1.0 << 1.0;
    QTest::newRow("2560x1440") << 2560 << 1440 << 4.0 / 3 << 4.0 / 3 << 4.0 / 3;
    QTest::newRow("1920x1200") << 1920 << 1200 << 1.0 << 1200 / 1080.0 << 1.0;
    QTest::newRow("1600x900") << 1600 << 900 << 1.0 << 1.0 << 1.0;
    QTest::newRow("1366x768") << 1366 << 768 << 1366 / 1420.0 << 1366 / 1420.0 << 1366 / 1420.0;
    QTest::newRow("1419 wide") << 1419 << 798 << 1419 / 1420.0 << 1419 / 1420.0 << 1419 / 1420.0;
    QTest::newRow("1420 wide") << 1420 << 799 << 1.0 << 1.0 << 1.0;
    QTest::newRow("1919 wide") << 1919 << 1079 << 1.0 << 1.0 << 1.0;
    QTest::newRow("3840x2160") << 3840 << 2160 << 2.0 << 2.0 << 2.0;
    // Wider than 16:9 uses the vertical factor, narrower the horizontal one.
    QTest::newRow("2560x1080") << 2560 << 1080 << 2560 / 1920.0 << 1.0 << 1.0;
    QTest::newRow("2560x1600") << 2560 << 1600 << 2560 / 1920.0 << 1600 / 1080.0 << 2560 / 1920.0;
}

void TestUiScale::factors()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, uniform);
    const UiScaleFactors f = computeUiScale(w, h);
    QCOMPARE(f.x, x);
    QCOMPARE(f.y, y);
    QCOMPARE(f.uniform, uniform);
}

void TestUiScale::invalidScreenKeepsOne()
{
    const UiScaleFactors f = computeUiScale(0, 0);
    QCOMPARE(f.x, 1.0);
    QCOMPARE(f.y, 1.0);
    QCOMPARE(f.uniform, 1.0);
}

QTEST_APPLESS_MAIN(TestUiScale)
#include "tst_uiscale.moc"
