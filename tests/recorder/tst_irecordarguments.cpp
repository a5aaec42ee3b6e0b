#include <QtTest>

#include "irecordarguments.h"

class TestIRecordArguments : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void linkPort_data();
    void linkPort();
    void fitArea_data();
    void fitArea();
};

void TestIRecordArguments::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<int>("frameRate");
    QTest::addColumn<QString>("audioInput");
    const QString file = QStringLiteral("/home/me/video/20190422143005.mp4");
    QTest::newRow("first recording") << QStringList{file, "10", "20", "300", "200", "1", "25"}
                                     << true << QRect(10, 20, 300, 200) << true << 25 << QString();
    QTest::newRow("later recording, negative origin")
        << QStringList{file, "-5", "0", "640", "480", "0", "20"} << true << QRect(-5, 0, 640, 480)
        << false << 20 << QString();
    QTest::newRow("six arguments") << QStringList{file, "0", "0", "640", "480", "1"} << false
                                   << QRect() << false << 0 << QString();
    QTest::newRow("with a sound source")
        << QStringList{file, "0", "0", "640", "480", "1", "20", "alsa_input.usb"} << true
        << QRect(0, 0, 640, 480) << true << 20 << QStringLiteral("alsa_input.usb");
    QTest::newRow("later fields ignored")
        << QStringList{file, "0", "0", "640", "480", "0", "20", "", "future"} << true
        << QRect(0, 0, 640, 480) << false << 20 << QString();
    QTest::newRow("width not a number") << QStringList{file, "0", "0", "wide", "480", "1", "20"}
                                        << false << QRect() << false << 0 << QString();
    QTest::newRow("zero height") << QStringList{file, "0", "0", "640", "0", "1", "20"} << false
                                 << QRect() << false << 0 << QString();
    QTest::newRow("zero frame rate") << QStringList{file, "0", "0", "640", "480", "1", "0"} << false
                                     << QRect() << false << 0 << QString();
    QTest::newRow("frame rate too high") << QStringList{file, "0", "0", "640", "480", "1", "1000"}
                                         << false << QRect() << false << 0 << QString();
    QTest::newRow("no file") << QStringList{"", "0", "0", "640", "480", "1", "20"} << false
                             << QRect() << false << 0 << QString();
}

void TestIRecordArguments::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    IRecordArguments parsed;
    QString error;
    QCOMPARE(IRecordArguments::parse(arguments, &parsed, &error), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (valid) {
        QFETCH(QRect, area);
        QFETCH(bool, firstStart);
        QFETCH(int, frameRate);
        QCOMPARE(parsed.path, arguments.first());
        QCOMPARE(parsed.area, area);
        QCOMPARE(parsed.firstStart, firstStart);
        QCOMPARE(parsed.frameRate, frameRate);
        QTEST(parsed.audioInput, "audioInput");
    }
}

void TestIRecordArguments::linkPort_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("port");
    QTest::newRow("absent") << QString() << 308;
    QTest::newRow("given") << "40123" << 40123;
    QTest::newRow("not a number") << "port" << 308;
    QTest::newRow("zero") << "0" << 308;
    QTest::newRow("too large") << "70000" << 308;
}

void TestIRecordArguments::linkPort()
{
    QFETCH(QString, value);
    QFETCH(int, port);
    QCOMPARE(int(IRecordArguments::linkPort(value)), port);
}

void TestIRecordArguments::fitArea_data()
{
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("fitted");
    QTest::newRow("inside, even") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
    QTest::newRow("inside, odd") << QRect(100, 100, 401, 301) << QRect(100, 100, 400, 300);
    QTest::newRow("over the right and bottom")
        << QRect(1800, 1000, 400, 300) << QRect(1800, 1000, 120, 80);
    QTest::newRow("over the left and top") << QRect(-11, -21, 101, 201) << QRect(0, 0, 90, 180);
    QTest::newRow("whole screen and more")
        << QRect(-10, -10, 4000, 3000) << QRect(0, 0, 1920, 1080);
    QTest::newRow("outside") << QRect(2000, 0, 100, 100) << QRect();
    QTest::newRow("one pixel left") << QRect(1919, 0, 100, 100) << QRect();
}

void TestIRecordArguments::fitArea()
{
    QFETCH(QRect, wanted);
    QFETCH(QRect, fitted);
    QCOMPARE(IRecordArguments::fitArea(wanted, QSize(1920, 1080)), fitted);
}

QTEST_APPLESS_MAIN(TestIRecordArguments)
#include "tst_irecordarguments.moc"
