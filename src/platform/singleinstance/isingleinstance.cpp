#include "isingleinstance.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {
const int kMaxMessageBytes = 4096;
}

ISingleInstance::ISingleInstance(const QString& id, QObject* parent) : QObject(parent), id_(id)
{
    const QString base = runtimeFolder() + "/" + id_ + "-" + QString::number(getuid());
    lock_.reset(new QLockFile(base + ".lock"));
    // Stale only when its owner process is gone; a live first instance keeps it however long.
    lock_->setStaleLockTime(0);
    running_ = !lock_->tryLock(0);
    if (!running_) {
        listen();
    }
}

QString ISingleInstance::runtimeFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir;
}

QString ISingleInstance::socketName() const
{
    return runtimeFolder() + "/" + id_ + "-" + QString::number(getuid()) + ".sock";
}

bool ISingleInstance::isRunning() const
{
    return running_;
}

void ISingleInstance::release()
{
    if (running_ || !lock_->isLocked()) {
        return;
    }
    server_.close();
    QLocalServer::removeServer(socketName());
    lock_->unlock();
    qDebug() << "single instance: released";
}

void ISingleInstance::listen()
{
    // We hold the lock, so a socket file left behind belongs to a dead instance.
    QLocalServer::removeServer(socketName());
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketName())) {
        qDebug() << "single instance: cannot listen on" << socketName() << server_.errorString();
        return;
    }
    connect(&server_, SIGNAL(newConnection()), this, SLOT(onNewConnection()));
}

void ISingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
            // One short line per connection; anything longer is not ours and is dropped.
            const int end = socket->peek(kMaxMessageBytes).indexOf('\n');
            if (end < 0) {
                if (socket->bytesAvailable() >= kMaxMessageBytes) {
                    qDebug() << "single instance: oversized message dropped";
                    socket->abort();
                }
                return;
            }
            const QString message = QString::fromUtf8(socket->read(end + 1)).trimmed();
            socket->disconnectFromServer();
            emit messageReceived(message);
        });
    }
}

bool ISingleInstance::sendMessage(const QString& message, int timeoutMs)
{
    if (!running_) {
        return false;
    }
    // The first instance may still be starting: retry until it listens or time runs out.
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(socketName());
        if (socket.waitForConnected(qMax(1, timeoutMs - int(clock.elapsed())))) {
            break;
        }
        if (clock.elapsed() >= timeoutMs) {
            return false;
        }
        QThread::msleep(50);
    }
    socket.write(message.toUtf8() + '\n');
    const bool written = socket.waitForBytesWritten(qMax(1, timeoutMs - int(clock.elapsed())));
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(1000);
    }
    return written;
}
