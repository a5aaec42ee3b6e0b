#include "irecordersession.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace {

constexpr int kConnectTimeoutMs = 5000;
constexpr int kSendTimeoutMs = 2000;
constexpr const char* kPortVariable = "ORVELLA_RECORDER_PORT";

// The signal handler only writes a byte here; the event loop reads it.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

IRecorderSession::IRecorderSession(QObject* parent) : QObject(parent)
{
    installSignalHandlers();
    connect(&link_, &QTcpSocket::readyRead, this, &IRecorderSession::onLinkData);
    connect(&link_, &QTcpSocket::disconnected, this, &IRecorderSession::onLinkLost);
    connect(&capture_, &QThread::finished, this, &IRecorderSession::onCaptureEnded);
    connect(&capture_, &IScreenCapture::audioLost, this, &IRecorderSession::reportNoSound);
}

IRecorderSession::~IRecorderSession() = default;

void IRecorderSession::installSignalHandlers()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        qWarning() << "no signal pipe; SIGTERM ends the recorder without finishing the file";
        return;
    }
    signalNotifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(signalNotifier_, &QSocketNotifier::activated, this,
            &IRecorderSession::onTerminationSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

void IRecorderSession::start(const QStringList& arguments)
{
    if (!connectLink()) {
        QCoreApplication::exit(2);
        return;
    }
    send("0");
    QString error;
    if (!IRecordArguments::parse(arguments, &arguments_, &error)) {
        fail(QStringLiteral("bad arguments: ") + error);
        return;
    }
    qInfo() << "recording" << arguments_.path << arguments_.area << arguments_.frameRate << "fps"
            << (arguments_.firstStart ? "(first start)" : "") << "sound:" << arguments_.audioInput;
    capture_.setAudioInput(arguments_.audioInput);
    if (!capture_.open(arguments_.path, arguments_.area, arguments_.frameRate, &error)) {
        fail(error);
        return;
    }
    qInfo() << "grabbing" << capture_.area();
    capture_.start();
    const QString token = capture_.restoreToken();
    if (!token.isEmpty()) {
        send("5;" + token.toUtf8());
    }
    send("2");
    if (!capture_.audioProblem().isEmpty()) {
        reportNoSound(capture_.audioProblem());
    }
}

void IRecorderSession::reportNoSound(const QString& reason)
{
    qWarning() << "recording without sound:" << reason;
    if (!noSoundReported_) {
        noSoundReported_ = true;
        send("6;" + reason.toLocal8Bit());
    }
}

bool IRecorderSession::connectLink()
{
    const quint16 port = IRecordArguments::linkPort(qEnvironmentVariable(kPortVariable));
    link_.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    if (!link_.waitForConnected(kConnectTimeoutMs)) {
        qWarning() << "cannot reach the application on port" << port << link_.errorString();
        return false;
    }
    return true;
}

void IRecorderSession::send(const QByteArray& payload)
{
    if (link_.state() != QAbstractSocket::ConnectedState) {
        return;
    }
    link_.write(IRecorderFrameCodec::encode(payload));
    link_.waitForBytesWritten(kSendTimeoutMs);
}

void IRecorderSession::fail(const QString& reason)
{
    qWarning() << "recording not started:" << reason;
    send("3");
    link_.disconnectFromHost();
    QCoreApplication::exit(1);
}

void IRecorderSession::onLinkData()
{
    QStringList problems;
    const QList<QByteArray> commands = codec_.feed(link_.readAll(), &problems);
    for (const QString& problem : problems) {
        qWarning() << "link:" << problem;
    }
    for (const QByteArray& command : commands) {
        handleCommand(command);
    }
}

void IRecorderSession::handleCommand(const QByteArray& command)
{
    if (command == "1") {
        stopRecording("stop asked");
    } else if (command == "2") {
        capture_.setPaused(true);
        qInfo() << "paused";
    } else if (command == "3") {
        capture_.setPaused(false);
        qInfo() << "resumed";
    } else {
        qWarning() << "unknown command ignored:" << command;
    }
}

void IRecorderSession::onLinkLost()
{
    stopRecording("link lost");
}

void IRecorderSession::onTerminationSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
    stopRecording("terminated");
}

void IRecorderSession::stopRecording(const char* why)
{
    if (capture_.isFinished()) {
        return;  // already ending
    }
    qInfo() << "stopping:" << why;
    if (capture_.isRunning()) {
        capture_.requestStop();
    } else {
        QCoreApplication::exit(1);  // nothing was recording yet
    }
}

void IRecorderSession::onCaptureEnded()
{
    if (!capture_.failure().isEmpty()) {
        qWarning() << "recording problem:" << capture_.failure();
    }
    // A source that ended by itself (the desktop stopped the screen cast) is no finished
    // recording: the application hears of it as a lost recorder. What was recorded stays.
    if (capture_.completed() && !capture_.sourceEnded()) {
        qInfo() << "file complete:" << arguments_.path;
        send("1;" + arguments_.path.toLocal8Bit());
    }
    link_.disconnectFromHost();
    if (link_.state() != QAbstractSocket::UnconnectedState) {
        link_.waitForDisconnected(kSendTimeoutMs);
    }
    QCoreApplication::exit(capture_.completed() ? 0 : 1);
}
