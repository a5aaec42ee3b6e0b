#include "ipeerprocess.h"

#ifdef Q_OS_LINUX
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>

#include <unistd.h>

namespace {

const QByteArray kLoopbackHex = QByteArrayLiteral("0100007F");

QByteArray endpointHex(quint16 port)
{
    return kLoopbackHex + ':' + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
}

// The inode of the socket 127.0.0.1:peerPort -> 127.0.0.1:serverPort in /proc/net/tcp;
// 0 when there is none, -1 when the table cannot be read.
qint64 socketInode(quint16 peerPort, quint16 serverPort)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray local = endpointHex(peerPort);
    const QByteArray remote = endpointHex(serverPort);
    table.readLine();  // column titles
    while (!table.atEnd()) {
        const QList<QByteArray> fields = table.readLine().simplified().split(' ');
        if (fields.size() > 9 && fields.at(1) == local && fields.at(2) == remote) {
            return fields.at(9).toLongLong();
        }
    }
    return 0;
}

}  // namespace

IPeerProcess::Owner IPeerProcess::owner(qint64 pid, quint16 peerPort, quint16 serverPort)
{
    const qint64 inode = socketInode(peerPort, serverPort);
    if (inode < 0) {
        return Owner::Unknown;
    }
    if (inode == 0 || pid <= 0) {
        return Owner::No;
    }
    const QString fdDir = QStringLiteral("/proc/%1/fd").arg(pid);
    QDir dir(fdDir);
    if (!dir.exists()) {
        return Owner::No;  // the process has ended
    }
    const QStringList fds = dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    if (fds.isEmpty()) {
        return Owner::Unknown;  // not allowed to look
    }
    const QByteArray wanted = "socket:[" + QByteArray::number(inode) + "]";
    for (const QString& fd : fds) {
        char target[64];
        const QByteArray link = QFile::encodeName(fdDir + "/" + fd);
        const ssize_t n = ::readlink(link.constData(), target, sizeof(target));
        if (n > 0 && QByteArray(target, static_cast<int>(n)) == wanted) {
            return Owner::Yes;
        }
    }
    return Owner::No;
}

#else

IPeerProcess::Owner IPeerProcess::owner(qint64, quint16, quint16)
{
    return Owner::Unknown;
}

#endif
