#include <QtTest>

#include <QFile>
#include <QProcess>

#include "platform/singleinstance/isingleinstance.h"
#include "service/ilog.h"
#include "testpaths.h"

#include <csignal>

class TestISingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondProcessSendsAndExitsWithOne();
    void lockOfKilledInstanceIsTakenOver();
    void oversizedMessageIsDropped();
    void programStartedTwice();
    void releasedInstanceLetsNextOneRun();

private:
    QString peer() const { return QCoreApplication::applicationDirPath() + "/platformpeer"; }
    bool startHolder(QProcess& holder, const QString& id);
};

bool TestISingleInstance::startHolder(QProcess& holder, const QString& id)
{
    holder.setProcessEnvironment(childEnvironment());
    holder.start(peer(), {"hold", id});
    return holder.waitForStarted() && holder.waitForReadyRead(5000) &&
           holder.readLine().trimmed() == "ready";
}

void TestISingleInstance::secondProcessSendsAndExitsWithOne()
{
    QProcess holder;
    QVERIFY(startHolder(holder, "PeerA"));
    QProcess sender;
    sender.start(peer(), {"send", "PeerA", "raise_window_noop"});
    QVERIFY(sender.waitForFinished(10000));
    QCOMPARE(sender.exitCode(), 1);
    QVERIFY(sender.readAll().contains("sent=1"));
    QTRY_VERIFY(holder.bytesAvailable() > 0 || holder.waitForReadyRead(100));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("message:raise_window_noop"));
    QProcess::execute(peer(), {"send", "PeerA", "quit"});
    QVERIFY(holder.waitForFinished(5000));
    QCOMPARE(holder.exitCode(), 0);
}

void TestISingleInstance::lockOfKilledInstanceIsTakenOver()
{
    QProcess holder;
    QVERIFY(startHolder(holder, "PeerB"));
    ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
    QVERIFY(holder.waitForFinished(5000));
    // The dead instance left its lock and socket behind.
    ISingleInstance next("PeerB");
    QVERIFY(!next.isRunning());
    QSignalSpy received(&next, &ISingleInstance::messageReceived);
    QProcess sender;
    sender.start(peer(), {"send", "PeerB", "hello"});
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.first().first().toString(), QString("hello"));
    QTRY_VERIFY(sender.state() == QProcess::NotRunning);
    QCOMPARE(sender.exitCode(), 1);
}

void TestISingleInstance::oversizedMessageIsDropped()
{
    ISingleInstance first("PeerC");
    QVERIFY(!first.isRunning());
    QSignalSpy received(&first, &ISingleInstance::messageReceived);
    QProcess sender;
    sender.start(peer(), {"send", "PeerC", QString(10000, 'a')});
    QVERIFY(sender.waitForStarted());
    QTRY_VERIFY(sender.state() == QProcess::NotRunning);
    QTest::qWait(100);
    QCOMPARE(received.size(), 0);
}

void TestISingleInstance::programStartedTwice()
{
    // No camera: the first instance waits for its "no device" message to be answered.
    QProcess first;
    first.setProcessEnvironment(childEnvironment());
    first.start(binDir() + "/orvella", QStringList());
    QVERIFY(first.waitForStarted());
    const QString logPath =
        logFilePath(QDate::currentDate()).replace(QCoreApplication::applicationName(), "orvella");
    const auto logText = [&logPath]() {
        QFile log(logPath);
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    };
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains("open error"), 10000);
    QProcess second;
    second.setProcessEnvironment(childEnvironment());
    second.start(binDir() + "/orvella", QStringList());
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    // The first one is untouched and still the only one that built a window.
    QCOMPARE(first.state(), QProcess::Running);
    // Both processes share this test's HOME, so the first one's log is ours to read.
    QCOMPARE(logText().count("Windows MainFrame used!"), 1);
    // A logout or `kill` while its box waits still closes it in order, with status 0.
    first.terminate();
    QVERIFY(first.waitForFinished(15000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(logText().contains("closing on termination signal 15"));
}

void TestISingleInstance::releasedInstanceLetsNextOneRun()
{
    ISingleInstance first("PeerR");
    QVERIFY(!first.isRunning());
    first.release();
    QProcess next;
    QVERIFY(startHolder(next, "PeerR"));
    // The new holder answers on the socket the released one gave up.
    QProcess::execute(peer(), {"send", "PeerR", "quit"});
    QVERIFY(next.waitForFinished(5000));
    QCOMPARE(next.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestISingleInstance)
#include "tst_isingleinstance.moc"
