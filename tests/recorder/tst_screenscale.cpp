#include <QtTest>

#include "screenscale.h"

class TestScreenScale : public QObject {
    Q_OBJECT
private slots:
    void streamArea_data();
    void streamArea();
    void parseScreenRect_data();
    void parseScreenRect();
};

void TestScreenScale::streamArea_data()
{
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("stream");
    QTest::addColumn<QRect>("expected");
    const QSize fullHd(1920, 1080);
    QTest::newRow("scale 1") << QRect(100, 50, 640, 480) << QRect(0, 0, 1920, 1080) << fullHd
                             << QRect(100, 50, 640, 480);
    QTest::newRow("scale 2: logical 960x540")
        << QRect(100, 50, 320, 240) << QRect(0, 0, 960, 540) << fullHd << QRect(200, 100, 640, 480);
    QTest::newRow("scale 1.5, odd result made even")
        << QRect(10, 10, 101, 101) << QRect(0, 0, 1280, 720) << fullHd << QRect(15, 15, 152, 152);
    QTest::newRow("second screen to the right")
        << QRect(2020, 100, 400, 300) << QRect(1920, 0, 1920, 1080) << fullHd
        << QRect(100, 100, 400, 300);
    QTest::newRow("cut at the stream's edge")
        << QRect(1800, 1000, 400, 300) << QRect(0, 0, 1920, 1080) << fullHd
        << QRect(1800, 1000, 120, 80);
    QTest::newRow("outside") << QRect(3000, 0, 100, 100) << QRect(0, 0, 1920, 1080) << fullHd
                             << QRect();
    QTest::newRow("no screen") << QRect(0, 0, 100, 100) << QRect() << fullHd << QRect();
}

void TestScreenScale::streamArea()
{
    QFETCH(QRect, wanted);
    QFETCH(QRect, screen);
    QFETCH(QSize, stream);
    QFETCH(QRect, expected);
    const QRect area = ::streamArea(wanted, screen, stream);
    QCOMPARE(area.isEmpty(), expected.isEmpty());
    if (!expected.isEmpty()) {
        QCOMPARE(area, expected);
    }
}

void TestScreenScale::parseScreenRect_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("plain") << "0,0,1920,1080" << QRect(0, 0, 1920, 1080);
    QTest::newRow("offset, spaces") << "1920, -10, 1280, 720" << QRect(1920, -10, 1280, 720);
    QTest::newRow("empty") << "" << QRect();
    QTest::newRow("three parts") << "0,0,10" << QRect();
    QTest::newRow("not a number") << "0,0,a,10" << QRect();
    QTest::newRow("zero width") << "0,0,0,10" << QRect();
}

void TestScreenScale::parseScreenRect()
{
    QFETCH(QString, text);
    QFETCH(QRect, expected);
    QCOMPARE(::parseScreenRect(text), expected);
}

QTEST_GUILESS_MAIN(TestScreenScale)
#include "tst_screenscale.moc"
