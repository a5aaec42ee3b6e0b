#include <QtTest>

#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/ilog.h"

#include <csignal>

using Message = QPair<int, QString>;
using Messages = QList<Message>;

// Link tests against tests/bin/fakerecorder/ScreenRecord, whose behaviour is chosen through
// FAKE_RECORDER_MODE and which logs what it sees to FAKE_RECORDER_LOG.
class TestITcpServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listensOnLoopback();
    void argumentsPortAndFirstStartFlag();
    void codes_data();
    void codes();
    void framesCutIntoSingleBytes();
    void commandsHeldBackUntilConnected();
    void startFailuresReportThree_data();
    void startFailuresReportThree();
    void closeProcessEndsOnlyOurRecorder();
    void hangingRecorderIsKilled();
    void foreignConnectionIsRefused();
    void replacedConnectionReportsNoLoss();
    void stopSocketListenSilencesTheLink();

private:
    void useMode(const QString& mode);
    QStringList logLines() const;
    bool waitForLog(const QString& line, int timeoutMs = 10000) const;
    static Messages messages(const QSignalSpy& spy);
    static bool processAlive(qint64 pid) { return pid > 0 && ::kill(pid, 0) == 0; }

    QTemporaryDir dir_;
    QString log_;
    ITcpServer* link_ = nullptr;
    QSignalSpy* spy_ = nullptr;
    int run_ = 0;
};

void TestITcpServer::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY(dir_.isValid());
    QVERIFY(QFile::exists(QStringLiteral(FAKE_RECORDER)));
}

void TestITcpServer::init()
{
    log_ = dir_.filePath(QStringLiteral("fake_%1.log").arg(++run_));
    qputenv("FAKE_RECORDER_LOG", log_.toLocal8Bit());
    useMode(QStringLiteral("normal"));
    link_ = new ITcpServer;
    link_->setRecorderProgram(QStringLiteral(FAKE_RECORDER));
    spy_ = new QSignalSpy(link_, &ITcpServer::recordMessage);
}

void TestITcpServer::cleanup()
{
    delete spy_;
    delete link_;
    spy_ = nullptr;
    link_ = nullptr;
}

void TestITcpServer::useMode(const QString& mode)
{
    qputenv("FAKE_RECORDER_MODE", mode.toLocal8Bit());
}

QStringList TestITcpServer::logLines() const
{
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

bool TestITcpServer::waitForLog(const QString& line, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (!logLines().contains(line)) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QTest::qWait(20);
    }
    return true;
}

Messages TestITcpServer::messages(const QSignalSpy& spy)
{
    Messages result;
    for (const QList<QVariant>& call : spy) {
        result.append({call.at(0).toInt(), call.at(1).toString()});
    }
    return result;
}

void TestITcpServer::listensOnLoopback()
{
    QVERIFY(link_->isListening());
    QCOMPARE(link_->serverAddress(), QHostAddress(QHostAddress::LocalHost));
    QVERIFY(link_->serverPort() != 0);
    QCOMPARE(link_->recorderProcessId(), 0);
}

void TestITcpServer::argumentsPortAndFirstStartFlag()
{
    const QString file = dir_.filePath("first video.mp4");
    link_->startRecordVideo(file, QRect(10, 20, 300, 200), 25);
    QTRY_COMPARE(messages(*spy_), (Messages{{0, ""}, {2, ""}}));
    QVERIFY(link_->connected());
    QVERIFY(logLines().contains("args " + file + " 10 20 300 200 1 25"));
    QVERIFY(logLines().contains("port " + QString::number(link_->serverPort())));

    link_->stop();
    QTRY_COMPARE(spy_->size(), 4);
    QCOMPARE(messages(*spy_).mid(2), (Messages{{1, file}, {4, ""}}));
    QVERIFY(!link_->connected());

    link_->startRecordVideo(dir_.filePath("second.mp4"), QRect(0, 0, 640, 480), 20);
    QTRY_COMPARE(spy_->size(), 6);
    QVERIFY(logLines().contains("args " + dir_.filePath("second.mp4") + " 0 0 640 480 0 20"));
}

void TestITcpServer::codes_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<Messages>("expected");
    QTest::newRow("finished with path")
        << "1;/tmp/v/20190422143005.mp4" << Messages{{1, "/tmp/v/20190422143005.mp4"}};
    QTest::newRow("finished alone") << "1" << Messages{{1, ""}};
    QTest::newRow("path with separator") << "1;/tmp/a;b.mp4" << Messages{{1, "/tmp/a;b.mp4"}};
    QTest::newRow("started again, info dropped") << "2;whatever" << Messages{{2, ""}};
    QTest::newRow("start failed") << "3" << Messages{{3, ""}};
    QTest::newRow("unknown code") << "7" << Messages{};
    QTest::newRow("non-numeric code") << "x;1" << Messages{};
    QTest::newRow("empty") << "" << Messages{};
    QTest::newRow("several in order") << "3|7|1;/a.mp4" << Messages{{3, ""}, {1, "/a.mp4"}};
}

void TestITcpServer::codes()
{
    QFETCH(QString, sent);
    QFETCH(Messages, expected);
    useMode(QStringLiteral("messages"));
    qputenv("FAKE_RECORDER_SEND", sent.toLocal8Bit());
    link_->startRecordVideo(dir_.filePath("codes.mp4"), QRect(0, 0, 100, 100), 10);
    QVERIFY(waitForLog("connected"));
    QTRY_VERIFY(link_->connected());
    // A sentinel frame behind the others shows that everything before it was handled.
    link_->stop();
    QTRY_VERIFY(logLines().contains("command 1"));
    QTRY_COMPARE(spy_->size(), expected.size() + 4);
    Messages got = messages(*spy_);
    QCOMPARE(got.takeFirst(), Message(0, ""));
    QCOMPARE(got.takeFirst(), Message(2, ""));
    QCOMPARE(got.takeLast(), Message(4, ""));
    QCOMPARE(got.takeLast(), Message(1, dir_.filePath("codes.mp4")));
    QCOMPARE(got, expected);
}

void TestITcpServer::framesCutIntoSingleBytes()
{
    useMode(QStringLiteral("split"));
    link_->startRecordVideo(dir_.filePath("split.mp4"), QRect(0, 0, 100, 100), 10);
    QTRY_COMPARE(messages(*spy_), (Messages{{0, ""}, {2, ""}}));
}

void TestITcpServer::commandsHeldBackUntilConnected()
{
    useMode(QStringLiteral("late-ready"));
    link_->pause(true);  // nothing to send to
    link_->startRecordVideo(dir_.filePath("late.mp4"), QRect(0, 0, 100, 100), 10);
    QVERIFY(waitForLog("connected"));
    link_->pause(true);
    link_->pause(false);
    link_->stop();
    QTRY_COMPARE(messages(*spy_), (Messages{{0, ""}, {2, ""}}));
    link_->pause(true);
    link_->pause(false);
    link_->stop();
    QTRY_COMPARE(spy_->size(), 4);
    const QStringList commands = logLines().filter(QRegularExpression("^command "));
    QCOMPARE(commands, (QStringList{"command 2", "command 3", "command 1"}));
}

void TestITcpServer::startFailuresReportThree_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("missingProgram");
    QTest::addColumn<Messages>("expected");
    QTest::newRow("program missing") << "normal" << true << Messages{{3, ""}};
    QTest::newRow("ends before connecting") << "exit" << false << Messages{{3, ""}};
    QTest::newRow("reports failure") << "fail" << false << Messages{{0, ""}, {3, ""}, {4, ""}};
    QTest::newRow("leaves after connecting")
        << "drop-after-0" << false << Messages{{0, ""}, {3, ""}, {4, ""}};
    QTest::newRow("never connects") << "hang" << false << Messages{{3, ""}};
    QTest::newRow("never starts") << "connect-only" << false << Messages{{0, ""}, {3, ""}, {4, ""}};
}

void TestITcpServer::startFailuresReportThree()
{
    QFETCH(QString, mode);
    QFETCH(bool, missingProgram);
    QFETCH(Messages, expected);
    useMode(mode);
    if (missingProgram) {
        link_->setRecorderProgram(dir_.filePath("no/such/ScreenRecord"));
    }
    link_->setStartTimeout(2000);
    link_->setTerminateTimeout(2000);
    link_->startRecordVideo(dir_.filePath("fail.mp4"), QRect(0, 0, 100, 100), 10);
    QCOMPARE(spy_->size(), 0);  // reported from the event loop, never inside the call
    QTRY_COMPARE_WITH_TIMEOUT(messages(*spy_), expected, 10000);
    QTest::qWait(600);  // nothing more follows
    QCOMPARE(messages(*spy_), expected);
    QTRY_COMPARE(link_->recorderProcessId(), 0);
}

void TestITcpServer::closeProcessEndsOnlyOurRecorder()
{
    // Another user's recorder with the same name, which we did not start.
    QProcess stranger;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FAKE_RECORDER_MODE", "hang");
    environment.insert("FAKE_RECORDER_LOG", dir_.filePath("stranger.log"));
    stranger.setProcessEnvironment(environment);
    stranger.start(QStringLiteral(FAKE_RECORDER), QStringList());
    QVERIFY(stranger.waitForStarted());

    link_->startRecordVideo(dir_.filePath("ours.mp4"), QRect(0, 0, 100, 100), 10);
    QTRY_COMPARE(spy_->size(), 2);
    const qint64 ours = link_->recorderProcessId();
    QVERIFY(processAlive(ours));
    link_->closeProcess();
    QVERIFY(!processAlive(ours));
    QVERIFY(logLines().contains("terminated"));  // asked to end, not killed outright
    QCOMPARE(stranger.state(), QProcess::Running);
    QVERIFY(processAlive(stranger.processId()));
    stranger.kill();
    stranger.waitForFinished();
}

void TestITcpServer::hangingRecorderIsKilled()
{
    useMode(QStringLiteral("ignore-term"));
    link_->setTerminateTimeout(300);
    link_->startRecordVideo(dir_.filePath("stubborn.mp4"), QRect(0, 0, 100, 100), 10);
    QTRY_COMPARE(spy_->size(), 2);
    const qint64 ours = link_->recorderProcessId();
    link_->closeProcess();
    QVERIFY(!processAlive(ours));
    QCOMPARE(link_->recorderProcessId(), 0);
}

void TestITcpServer::foreignConnectionIsRefused()
{
    QTcpSocket early;
    early.connectToHost(QHostAddress::LocalHost, link_->serverPort());
    QVERIFY(early.waitForConnected(2000));
    QTRY_COMPARE(early.state(), QAbstractSocket::UnconnectedState);  // no recorder runs

    link_->startRecordVideo(dir_.filePath("guarded.mp4"), QRect(0, 0, 100, 100), 10);
    QTRY_COMPARE(spy_->size(), 2);
    QTcpSocket intruder;
    intruder.connectToHost(QHostAddress::LocalHost, link_->serverPort());
    QVERIFY(intruder.waitForConnected(2000));
    QTRY_COMPARE(intruder.state(), QAbstractSocket::UnconnectedState);
    // The recorder's own connection is untouched.
    QVERIFY(link_->connected());
    link_->stop();
    QTRY_COMPARE(messages(*spy_).value(2), Message(1, dir_.filePath("guarded.mp4")));
}

void TestITcpServer::replacedConnectionReportsNoLoss()
{
    useMode(QStringLiteral("reconnect"));
    link_->startRecordVideo(dir_.filePath("twice.mp4"), QRect(0, 0, 100, 100), 10);
    QVERIFY(waitForLog("reconnected"));
    QTRY_COMPARE(messages(*spy_), (Messages{{0, ""}, {0, ""}, {2, ""}}));
    QTest::qWait(300);
    QCOMPARE(spy_->size(), 3);  // the first connection's end is not a lost recorder
    QVERIFY(link_->connected());
    link_->stop();
    QTRY_COMPARE(messages(*spy_).value(3), Message(1, dir_.filePath("twice.mp4")));
}

void TestITcpServer::stopSocketListenSilencesTheLink()
{
    link_->startRecordVideo(dir_.filePath("quiet.mp4"), QRect(0, 0, 100, 100), 10);
    QTRY_COMPARE(spy_->size(), 2);
    link_->stopSocketListen();
    QVERIFY(!link_->isListening());
    QVERIFY(!link_->connected());
    QVERIFY(waitForLog("link lost"));  // the recorder notices and ends by itself
    QTRY_COMPARE(link_->recorderProcessId(), 0);
    QCOMPARE(spy_->size(), 2);
}

QTEST_GUILESS_MAIN(TestITcpServer)
#include "tst_itcpserver.moc"
