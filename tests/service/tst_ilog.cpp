#include <QtTest>

#include <QDir>
#include <QFile>

#include "appdata.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"
#include "service/ilogthrottle.h"

class TestILog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void warningIsDropped();
    void debugLineLayout();
    void infoHasEmptyLevelWord();
    void criticalLevelWord();
    void percentSequencesUnchanged();
    void writeLogAddsTwoLines();
    void deletedFolderIsRecreated();
    void dailyFileName();
    void linesFromManyThreadsStayWhole();
    void floodsAreCapped();

private:
    QStringList lines() const;
};

void TestILog::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
}

void TestILog::init()
{
    QFile::remove(logFilePath(QDate::currentDate()));
}

QStringList TestILog::lines() const
{
    QFile file(logFilePath(QDate::currentDate()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromUtf8(file.readAll());
    QStringList result = text.split("\r\n");
    if (!result.isEmpty() && result.last().isEmpty()) {
        result.removeLast();
    }
    return result;
}

void TestILog::warningIsDropped()
{
    qWarning() << "this is a warning";
    QVERIFY(lines().isEmpty());
}

void TestILog::debugLineLayout()
{
    qDebug() << "auto adjsize: " << 1.5 << 2;
    const QStringList all = lines();
    QCOMPARE(all.size(), 1);
    const QRegularExpression layout(
        R"(^\(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3}\) Debug: auto adjsize:  1.5 2    )"
        R"(File:\((.*)\) Line:\((\d+)\) Function\((.*)\)$)");
    const QRegularExpressionMatch m = layout.match(all.first());
    QVERIFY2(m.hasMatch(), qPrintable(all.first()));
    QVERIFY(m.captured(1).endsWith("tst_ilog.cpp"));
    QVERIFY(m.captured(2).toInt() > 0);
    QVERIFY(m.captured(3).contains("debugLineLayout"));
}

void TestILog::infoHasEmptyLevelWord()
{
    qInfo() << "hello";
    const QStringList all = lines();
    QCOMPARE(all.size(), 1);
    QVERIFY2(all.first().contains(")  hello    File:("), qPrintable(all.first()));
}

void TestILog::criticalLevelWord()
{
    qCritical() << "bad";
    QVERIFY(lines().value(0).contains(") Critical: bad    File:("));
}

void TestILog::percentSequencesUnchanged()
{
    qDebug().noquote() << "value %1 and %2 stay";
    QVERIFY2(lines().value(0).contains(" value %1 and %2 stay    File:("),
             qPrintable(lines().value(0)));
}

void TestILog::writeLogAddsTwoLines()
{
    IConfigureService::instance()->writeLog("x");
    const QStringList all = lines();
    QCOMPARE(all.size(), 2);
    QVERIFY(all[0].contains(") Debug: custom log info:  \"x\"    File:("));
    QVERIFY(
        QRegularExpression(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3} x$)").match(all[1]).hasMatch());
}

void TestILog::deletedFolderIsRecreated()
{
    const QString folder = appDataDir("other/");
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(!QDir(folder).exists());
    qDebug() << "after delete";
    QCOMPARE(lines().size(), 1);
    QVERIFY(lines().first().contains("after delete"));
}

void TestILog::dailyFileName()
{
    // Lines just before and after midnight go to files named after their own dates.
    const QString before = logFilePath(QDate(2024, 5, 10));
    const QString after = logFilePath(QDate(2024, 5, 11));
    QVERIFY(before.endsWith("/other//log_20240510.txt"));
    QVERIFY(after.endsWith("/other//log_20240511.txt"));
    const QMessageLogContext context("f.cpp", 7, "void f()", "default");
    QCOMPARE(
        formatLogLine(QDateTime(QDate(2024, 5, 10), QTime(23, 59, 59, 999)), QtDebugMsg, context,
                      "m"),
        QString("(2024-05-10 23:59:59 999) Debug: m    File:(f.cpp) Line:(7) Function(void f())"));
}

void TestILog::linesFromManyThreadsStayWhole()
{
    const int perThread = 200;
    QList<QThread*> threads;
    for (int t = 0; t < 4; ++t) {
        threads << QThread::create([t]() {
            for (int i = 0; i < perThread; ++i) {
                qDebug().noquote() << QString("thread %1 line %2 end").arg(t).arg(i);
            }
        });
        threads.last()->start();
    }
    for (QThread* thread : threads) {
        QVERIFY(thread->wait(30000));
        delete thread;
    }
    const QStringList all = lines();
    QCOMPARE(all.size(), 4 * perThread);
    for (const QString& line : all) {
        QVERIFY2(QRegularExpression(R"(\) Debug: thread \d line \d+ end    File:\()")
                     .match(line)
                     .hasMatch(),
                 qPrintable(line));
    }
}

// A peer can repeat a line or send megabytes: dumps and lines are capped, repeats thinned out.
void TestILog::floodsAreCapped()
{
    QCOMPARE(logHexDump(QByteArray(300, 'A')), QString("41 ").repeated(255) + "41 ... (300 bytes)");
    qDebug().noquote() << QString(1 << 20, 'x');
    QVERIFY(lines().constLast().contains(QString(4096, 'x') + " ... (1048576 characters)    "));
    ILogThrottle throttle;
    QList<quint64> written;
    for (int i = 0; i < 350; ++i) {
        if (throttle.pass()) {
            written.append(throttle.count());
        }
    }
    QCOMPARE(written, (QList<quint64>{1, 100, 200, 300}));
}

QTEST_GUILESS_MAIN(TestILog)
#include "tst_ilog.moc"
