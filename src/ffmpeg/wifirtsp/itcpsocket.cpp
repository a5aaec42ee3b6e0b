#include "itcpsocket.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include "ffmpeg/wifirtsp/wifipacketbuilder.h"
#include "ffmpeg/wifirtsp/wifireplystream.h"
#include "platform/thread/workerjoin.h"

namespace {

// Picture reads wait in short slices so that a stop request is seen quickly.
const int kWaitSliceMs = 50;

}  // namespace

ITcpSocket::ITcpSocket(const QString& host, int port, const WifiTimings& timings, QObject* parent)
    : QThread(parent), host_(host), port_(port), timings_(timings)
{
}

ITcpSocket::~ITcpSocket()
{
    requestInterruption();
    quit();
    joinWorker(*this, mutex_);
}

void ITcpSocket::queueMessage(const QByteArray& message)
{
    std::lock_guard<std::mutex> locker(mutex_);
    queue_.append(message);
}

void ITcpSocket::run()
{
    qDebug() << "ip: " << host_ << " port: " << port_;
    QTcpSocket socket;
    socket_ = &socket;
    connect(&socket, &QTcpSocket::connected, this, &ITcpSocket::onConnected, Qt::DirectConnection);
    connect(&socket, &QTcpSocket::disconnected, this, &ITcpSocket::slDisconnectedSlot,
            Qt::DirectConnection);
    connect(&socket, &QTcpSocket::readyRead, this, &ITcpSocket::slReadMessageSlot,
            Qt::DirectConnection);
    connect(&socket, &QTcpSocket::errorOccurred, this, &ITcpSocket::slErrorSlot,
            Qt::DirectConnection);

    // The connection is awaited in the event loop, so that the owner can end this thread at
    // any time instead of waiting out the connect time-out.
    QTimer connectTimer;
    connectTimer_ = &connectTimer;
    connectTimer.setSingleShot(true);
    connect(&connectTimer, &QTimer::timeout, this, &ITcpSocket::onConnectTimeout,
            Qt::DirectConnection);
    socket.connectToHost(host_, quint16(port_), QIODevice::ReadWrite);
    connectTimer.start(timings_.connectTimeoutMs);
    if (!isInterruptionRequested()) {
        exec();
    }

    delete sendTimer_;
    sendTimer_ = nullptr;
    connectTimer_ = nullptr;
    socket.disconnect(this);
    socket.abort();
    socket_ = nullptr;
    qDebug() << "socket thread exit.";
    workerFinished(mutex_);
}

void ITcpSocket::onConnected()
{
    connectTimer_->stop();
    qDebug() << "connect tcp server successful!";
    // The bind request goes before anything that was queued while connecting.
    socket_->write(WifiPacketBuilder::bindRequest());
    socket_->flush();
    sendTimer_ = new QTimer;
    connect(sendTimer_, &QTimer::timeout, this, &ITcpSocket::slSendMessageToServerSlot,
            Qt::DirectConnection);
    sendTimer_->start(timings_.sendTickMs);
}

void ITcpSocket::onConnectTimeout()
{
    if (socket_->state() == QAbstractSocket::ConnectedState) {
        return;
    }
    socket_->abort();
    qDebug() << "tcp connect server error: "
             << "connection timed out";
    emit sgError(QStringLiteral("connection timed out"));
    reportLost();
}

void ITcpSocket::reportLost()
{
    if (!lost_.exchange(true)) {
        emit sgDisconnect();
    }
    quit();
}

void ITcpSocket::slSendMessageToServerSlot()
{
    QList<QByteArray> messages;
    {
        std::lock_guard<std::mutex> locker(mutex_);
        messages.swap(queue_);
    }
    for (const QByteArray& message : messages) {
        const qint64 written = socket_->write(message);
        const bool flushed = socket_->flush();
        qDebug() << "flush:" << flushed << QStringLiteral("socket send data len:%1").arg(written)
                 << message.toHex();
    }
}

void ITcpSocket::slReadMessageSlot()
{
    // A picture read may leave bytes of the next message in the socket: deliver them too.
    while (socket_ && socket_->bytesAvailable() > 0) {
        emit sgReceivePacket(socket_->readAll());
    }
}

void ITcpSocket::slDisconnectedSlot()
{
    qDebug() << "disconnect from server.";
    reportLost();
}

void ITcpSocket::slErrorSlot()
{
    if (socket_->error() == QAbstractSocket::SocketTimeoutError) {
        return;  // a picture read waited in vain; the connection is fine
    }
    const QString text = socket_->errorString();
    emit sgError(text);
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        qDebug() << "tcp connect server error: " << text;
        // Refused or unreachable: this attempt is over.
        reportLost();
        return;
    }
    qDebug() << "tcp socket error: " << text;
}

bool ITcpSocket::waitForPictureBytes()
{
    QElapsedTimer idle;
    idle.start();
    while (!isInterruptionRequested() && idle.elapsed() < timings_.pictureWaitMs) {
        if (socket_->waitForReadyRead(kWaitSliceMs)) {
            return true;
        }
        if (socket_->state() != QAbstractSocket::ConnectedState) {
            return false;
        }
    }
    return false;
}

QImage ITcpSocket::readPicture(int byteCount, const QByteArray& received, QByteArray* rest)
{
    if (rest) {
        rest->clear();
    }
    if (byteCount <= 0 || byteCount > kMaxPictureBytes) {
        qDebug() << "picture size out of range: " << byteCount;
        return QImage();
    }
    if (rest) {
        *rest = received.mid(byteCount);
    }
    if (QThread::currentThread() != this || !socket_) {
        qDebug() << "picture read outside the control connection thread";
        return QImage();
    }
    QByteArray data = received.left(byteCount);
    while (data.size() < byteCount) {
        if (socket_->bytesAvailable() == 0 && !waitForPictureBytes()) {
            qDebug() << "picture incomplete: " << data.size() << " of " << byteCount << " bytes";
            return QImage();
        }
        data += socket_->read(byteCount - data.size());
    }
    const QImage image = WifiReplyStream::decodePicture(data);
    if (image.isNull()) {
        qDebug() << "picture does not decode, bytes: " << byteCount;
    }
    return image;
}
