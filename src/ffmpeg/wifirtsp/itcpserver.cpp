#include "itcpserver.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcessEnvironment>

#include "platform/process/ipeerprocess.h"
#include "service/ilog.h"

namespace {

// After the recorder ends, how long its connection and last messages may still take to arrive.
constexpr int kExitSettleMs = 500;
constexpr int kKillWaitMs = 3000;

}  // namespace

ITcpServer::ITcpServer(QObject* parent) : QTcpServer(parent), program_(defaultRecorderProgram())
{
    startTimer_.setSingleShot(true);
    connect(&startTimer_, &QTimer::timeout, this, &ITcpServer::onStartTimeout);
    starSocketListen();
}

ITcpServer::~ITcpServer()
{
    dropClient();
    closeProcess();
}

QString ITcpServer::defaultRecorderProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ScreenRecord/ScreenRecord");
}

void ITcpServer::setRecorderProgram(const QString& program)
{
    program_ = program;
}

void ITcpServer::starSocketListen()
{
    if (isListening()) {
        qDebug() << "has listening: " << serverAddress().toString() << serverPort();
        return;
    }
    // Any free port: the recorder learns it from kPortVariable.
    if (listen(address_, 0)) {
        qDebug() << "tcpserver start listen: " << serverAddress().toString() << serverPort();
    } else {
        emit error(QStringLiteral("server listen error!"));
        qDebug() << "tcpserver listen error: " << errorString();
    }
}

void ITcpServer::stopSocketListen()
{
    dropClient();
    close();
    disconnect();
    qDebug() << "tcpserver stopSocketListen...";
}

void ITcpServer::incomingConnection(qintptr socketDescriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        emit error(socket->errorString());
        qDebug() << "tcpserver incomingConnection error: " << socket->errorString();
        delete socket;
        return;
    }
    if (!isOurRecorder(*socket)) {
        qDebug() << "tcpserver refused a connection that is not from our recorder, peer port"
                 << socket->peerPort();
        socket->abort();
        socket->deleteLater();
        return;
    }
    // A new connection replaces the old one; the old one's end must not look like a lost link.
    dropClient();
    client_ = socket;
    connect(socket, &QTcpSocket::readyRead, this, &ITcpServer::onReadMessageSlot);
    connect(socket, &QTcpSocket::disconnected, this, &ITcpServer::onDisconnectedSlot);
    qDebug() << "tcpsocket incomingConnection...";
    if (socket->bytesAvailable() > 0) {
        onReadMessageSlot();
    }
}

bool ITcpServer::isOurRecorder(const QTcpSocket& socket) const
{
    if (!process_ || process_->state() != QProcess::Running) {
        return false;
    }
    const IPeerProcess::Owner owner =
        IPeerProcess::owner(process_->processId(), socket.peerPort(), serverPort());
    return owner != IPeerProcess::Owner::No;
}

void ITcpServer::dropClient()
{
    if (!client_) {
        return;
    }
    client_->disconnect(this);
    client_->abort();
    client_->deleteLater();
    client_ = nullptr;
    connected_ = false;
    codec_.clear();
    problemLog_.reset();
}

bool ITcpServer::SendMessageToClient(const QByteArray& payload)
{
    if (!client_) {
        return false;
    }
    QString problem;
    const QByteArray frame = IRecorderFrameCodec::encode(payload, &problem);
    if (frame.isEmpty()) {
        qDebug() << "socket send refused:" << problem;
        return false;
    }
    const qint64 written = client_->write(frame);
    qDebug() << QStringLiteral("socket send data len:%1").arg(written) << payload;
    return true;
}

bool ITcpServer::startRecordVideo(const QString& path, const QRect& area, int frameRate,
                                  const QString& audioInput)
{
    QStringList arguments{path,
                          QString::number(area.x()),
                          QString::number(area.y()),
                          QString::number(area.width()),
                          QString::number(area.height()),
                          firstStart_ ? QStringLiteral("1") : QStringLiteral("0"),
                          QString::number(frameRate)};
    if (!audioInput.isEmpty()) {
        arguments.append(audioInput);
    }
    firstStart_ = false;
    const int launch = ++launch_;

    dropClient();
    closeProcess();
    process_ = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kPortVariable), QString::number(serverPort()));
    for (auto it = recorderVariables_.cbegin(); it != recorderVariables_.cend(); ++it) {
        environment.insert(it.key(), it.value());
    }
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    connect(process_, &QProcess::readyRead, this, &ITcpServer::onRecorderOutput);
    connect(process_, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &ITcpServer::onRecorderFinished);
    awaitingStart_ = true;
    if (!isListening()) {
        qDebug() << "ScreenRecord not started: the link is not listening";
        QTimer::singleShot(
            0, this, [this, launch] { reportStartFailure(launch, QStringLiteral("no link")); });
        return true;
    }
    process_->start(program_, arguments, QIODevice::ReadWrite);
    const bool started = process_->waitForStarted(startTimeoutMs_);
    qDebug() << "start ScreenRecord:" << started << program_ << arguments;
    if (!started) {
        const QString reason = process_->errorString();
        QTimer::singleShot(0, this, [this, launch, reason] { reportStartFailure(launch, reason); });
        return true;
    }
    startTimer_.start(startTimeoutMs_);
    return true;
}

void ITcpServer::stop()
{
    if (connected_) {
        SendMessageToClient(QByteArrayLiteral("1"));
    }
}

void ITcpServer::pause(bool paused)
{
    if (connected_) {
        SendMessageToClient(paused ? QByteArrayLiteral("2") : QByteArrayLiteral("3"));
    }
}

qint64 ITcpServer::recorderProcessId() const
{
    return process_ && process_->state() != QProcess::NotRunning ? process_->processId() : 0;
}

void ITcpServer::closeProcess()
{
    if (!process_) {
        return;
    }
    QProcess* process = process_;
    process_ = nullptr;
    awaitingStart_ = false;
    startTimer_.stop();
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        // SIGTERM lets the recorder finish its file; only a recorder that hangs is killed.
        process->terminate();
        if (!process->waitForFinished(terminateTimeoutMs_)) {
            qDebug() << "ScreenRecord did not end after terminate, killing process"
                     << process->processId();
            process->kill();
            process->waitForFinished(kKillWaitMs);
        }
    }
    const QByteArray rest = process->readAll().trimmed();
    if (!rest.isEmpty()) {
        qDebug() << "ScreenRecord:" << QString::fromLocal8Bit(rest);
    }
    delete process;
}

void ITcpServer::onReadMessageSlot()
{
    if (!client_) {
        return;
    }
    QStringList problems;
    const QList<QByteArray> payloads = codec_.feed(client_->readAll(), &problems);
    for (const QString& problem : problems) {
        if (problemLog_.pass()) {
            qDebug() << "recorder link:" << problem << "(problem" << problemLog_.count() << ")";
        }
    }
    for (const QByteArray& payload : payloads) {
        handlePayload(payload);
    }
}

void ITcpServer::handlePayload(const QByteArray& payload)
{
    const QString text = QString::fromLocal8Bit(payload);
    const int separator = text.indexOf(QLatin1Char(';'));
    // The info is everything after the first ";": a file path may contain ";" itself.
    const QString info = separator < 0 ? QString() : text.mid(separator + 1);
    bool numeric = false;
    const int code = text.left(separator).toInt(&numeric);
    if (!numeric) {
        qDebug() << "recorder message without a numeric code ignored:" << logHexDump(payload);
        return;
    }
    switch (code) {
        case 0:
            connected_ = true;
            qDebug() << "连接成功：";
            emit recordMessage(0, QString());
            break;
        case 1:
            qDebug() << "录屏成功：" << info;
            emit recordMessage(1, info);
            break;
        case 2:
        case 3:
            awaitingStart_ = false;
            startTimer_.stop();
            qDebug() << (code == 2 ? "开始录屏" : "开始录屏失败");
            emit recordMessage(code, QString());
            break;
        case 5:
            qDebug() << "screen-cast restore token received";
            emit recordMessage(5, info);
            break;
        case 6:
            qDebug() << "recording without sound:" << info;
            emit recordMessage(6, info);
            break;
        default:
            qDebug() << "recorder message with unknown code ignored:" << logHexDump(payload);
            break;
    }
}

void ITcpServer::onDisconnectedSlot()
{
    if (client_) {
        if (client_->bytesAvailable() > 0) {
            onReadMessageSlot();
        }
        connected_ = false;
        client_->deleteLater();
        client_ = nullptr;
        codec_.clear();
        problemLog_.reset();
        if (awaitingStart_) {
            reportStartFailure(launch_,
                               QStringLiteral("the recorder left before it started recording"));
        }
        emit recordMessage(4, QString());
    }
    qDebug() << "ScreenRecord disconnect.";
}

void ITcpServer::onRecorderOutput()
{
    if (!process_) {
        return;
    }
    while (process_->canReadLine()) {
        qDebug() << "ScreenRecord:" << QString::fromLocal8Bit(process_->readLine().trimmed());
    }
}

void ITcpServer::onRecorderFinished(int exitCode, QProcess::ExitStatus status)
{
    onRecorderOutput();
    qDebug() << "ScreenRecord exited, code" << exitCode
             << (status == QProcess::CrashExit ? "(crashed)" : "");
    if (!awaitingStart_) {
        return;
    }
    // A recorder that connected is judged by its connection; one that never did by its end,
    // once a late connection and its messages had the chance to arrive.
    const int launch = launch_;
    QTimer::singleShot(kExitSettleMs, this, [this, launch] {
        if (!client_) {
            reportStartFailure(launch,
                               QStringLiteral("the recorder ended before it started recording"));
        }
    });
}

void ITcpServer::onStartTimeout()
{
    if (!awaitingStart_) {
        return;
    }
    reportStartFailure(launch_,
                       QStringLiteral("no start report within %1 ms").arg(startTimeoutMs_));
    closeProcess();
}

void ITcpServer::reportStartFailure(int launch, const QString& reason)
{
    if (launch != launch_ || !awaitingStart_) {
        return;
    }
    awaitingStart_ = false;
    startTimer_.stop();
    qDebug() << "开始录屏失败" << reason;
    emit recordMessage(3, QString());
}
