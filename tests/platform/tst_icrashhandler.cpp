#include <QtTest>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

class TestICrashHandler : public QObject {
    Q_OBJECT
private slots:
    void crashWritesReportAndReraises();
};

void TestICrashHandler::crashWritesReportAndReraises()
{
    QTemporaryDir dumps;
    QProcess crasher;
    crasher.start(QCoreApplication::applicationDirPath() + "/platformpeer",
                  {"crash", dumps.path()});
    QVERIFY(crasher.waitForFinished(10000));
    QCOMPARE(crasher.exitStatus(), QProcess::CrashExit);
    const QStringList reports = QDir(dumps.path()).entryList({"crash-*.txt"}, QDir::Files);
    QCOMPARE(reports.size(), 1);
    QFile report(dumps.path() + "/" + reports.first());
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    QVERIFY2(text.startsWith("Pelora crashed: signal 11 (SEGV)"), text.constData());
    QVERIFY(text.contains("backtrace:"));
    QVERIFY(text.contains("platformpeer"));
}

QTEST_GUILESS_MAIN(TestICrashHandler)
#include "tst_icrashhandler.moc"
