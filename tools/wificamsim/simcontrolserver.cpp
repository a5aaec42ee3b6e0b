#include "simcontrolserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>
#include <cstdio>

namespace {

const QSize kSizes[] = {{320, 240},   {480, 272},   {640, 480},  {800, 600},
                        {1024, 768},  {1280, 720},  {1280, 960}, {1600, 1200},
                        {1920, 1080}, {2592, 1944}, {3264, 2448}};
const int kSizeCount = int(sizeof(kSizes) / sizeof(kSizes[0]));

const QByteArray kBindRequest = QByteArray::fromHex("ffffffff");
const QByteArray kNotifyId = QByteArray::fromHex("0f0f");
const int kHeaderLength = 8;  // client id, command index, class, code and their complements
const quint16 kResolutionNotice = 0x0010;
const int kDribbleChunk = 997;

void printLine(const QByteArray& line)
{
    std::fprintf(stdout, "%s\n", line.constData());
    std::fflush(stdout);
}

int payloadLength(quint16 index)
{
    switch (index) {
        case 2:
        case 3:
            return 1;
        case 5:
        case 7:
            return 8;
        default:
            return 0;
    }
}

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

}  // namespace

SimControlServer::SimControlServer(const QSize& size, QObject* parent)
    : QObject(parent),
      encoding_(QByteArray::fromHex("011e1e02ffffffff")),
      defaultQuality_(QByteArray::fromHex("3240300501281000")),
      currentQuality_(QByteArray::fromHex("3744350501301200"))
{
    resIndex_ = qMax(0, indexOfSize(size));
    encoding_[3] = char(resIndex_);
    connect(&server_, &QTcpServer::newConnection, this, &SimControlServer::onNewConnection);
}

QSize SimControlServer::sizeOfIndex(int index)
{
    return index >= 0 && index < kSizeCount ? kSizes[index] : QSize();
}

int SimControlServer::indexOfSize(const QSize& size)
{
    for (int i = 0; i < kSizeCount; ++i) {
        if (kSizes[i] == size) {
            return i;
        }
    }
    return -1;
}

int SimControlServer::start(int port)
{
    if (!server_.listen(QHostAddress::LocalHost, quint16(port))) {
        std::fprintf(stderr, "sim: cannot listen for control on port %d: %s\n", port,
                     qPrintable(server_.errorString()));
        return -1;
    }
    return server_.serverPort();
}

void SimControlServer::onNewConnection()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        clients_.insert(socket, Client());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            clients_.remove(socket);
            socket->deleteLater();
        });
    }
}

void SimControlServer::onReadyRead(QTcpSocket* socket)
{
    auto it = clients_.find(socket);
    if (it == clients_.end()) {
        return;
    }
    Client& client = it.value();
    client.pending += socket->readAll();
    if (!client.bound) {
        if (client.pending.size() < kBindRequest.size()) {
            return;
        }
        if (!client.pending.startsWith(kBindRequest)) {
            std::fprintf(stderr, "sim: expected a bind request, got %s\n",
                         client.pending.toHex().constData());
            client.pending.clear();
            return;
        }
        client.pending.remove(0, kBindRequest.size());
        bind(socket, client);
    }
    while (client.bound && !client.sendingPicture && handleRequest(socket, client)) {
    }
}

void SimControlServer::bind(QTcpSocket* socket, Client& client)
{
    const char transport = bindAnswer_ == BindAnswer::Tcp ? char(0x80) : char(0x00);
    client.id = QByteArray(1, char(nextClient_++)) + transport;
    client.bound = true;
    const QByteArray answer = bindAnswer_ == BindAnswer::Bad ? client.id + '\0' : client.id;
    socket->write(answer);
    printLine("bind " + answer.toHex());
}

// Takes one complete request off the front of the client's buffer and answers it. False when
// the buffer holds no complete request; a malformed request empties the buffer.
bool SimControlServer::handleRequest(QTcpSocket* socket, Client& client)
{
    QByteArray& data = client.pending;
    if (data.size() < kHeaderLength) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const quint16 index = qFromLittleEndian<quint16>(bytes + 2);
    if (bytes[6] != uchar(~bytes[4]) || bytes[7] != uchar(~bytes[5]) || index < 1 || index > 9) {
        std::fprintf(stderr, "sim: malformed request %s\n", data.toHex().constData());
        data.clear();
        return false;
    }
    const int length = kHeaderLength + payloadLength(index);
    if (data.size() < length) {
        return false;
    }
    const QByteArray request = data.left(length);
    data.remove(0, length);
    printLine("request " + request.toHex());
    const QByteArray payload = request.mid(kHeaderLength);
    const QByteArray id = request.left(2);
    if (id != client.id) {
        std::fprintf(stderr, "sim: request with a foreign client id %s\n", id.toHex().constData());
    }
    switch (index) {
        case 2:
            topLamp_ = quint8(payload.at(0));
            break;
        case 3:
            wallLamp_ = quint8(payload.at(0));
            break;
        case 5:
            encoding_ = payload;
            setResolutionIndex(quint8(payload.at(3)), socket);
            break;
        case 7:
            currentQuality_ = payload;
            break;
        case 9:
            sendPicture(socket, client);
            return true;
        default:
            break;
    }
    QByteArray body;
    if (index == 4) {
        body = QByteArray(1, char(topLamp_));
    } else if (index == 6) {
        body = encodingBody();
    } else if (index == 8) {
        body = bytes[5] == 0xF4 ? defaultQuality_ : currentQuality_;
    }
    answer(socket, client.id, index, body);
    return true;
}

void SimControlServer::answer(QTcpSocket* socket, const QByteArray& id, quint16 index,
                              const QByteArray& body)
{
    QByteArray reply = id;
    reply += char(index & 0xFF);
    reply += char(index >> 8);
    reply += '\0';  // state: done
    reply += body;
    socket->write(reply);
}

QByteArray SimControlServer::encodingBody() const
{
    QByteArray body = encoding_;
    body[3] = char(resIndex_);
    return body;
}

void SimControlServer::sendPicture(QTcpSocket* socket, Client& client)
{
    const QByteArray jpeg = picture_.jpeg(sizeOfIndex(resIndex_));
    const QByteArray header =
        client.id + QByteArray::fromHex("090000") + littleEndian32(quint32(jpeg.size()));
    printLine("picture " + QByteArray::number(jpeg.size()));
    switch (pictureDelivery_) {
        case PictureDelivery::Joined:
            socket->write(header + jpeg);
            return;
        case PictureDelivery::Truncated:
            socket->write(header + jpeg.left(jpeg.size() / 2));
            return;
        case PictureDelivery::Split:
            client.sendingPicture = true;
            socket->write(header);
            socket->flush();
            QTimer::singleShot(100, socket, [this, socket, jpeg] {
                socket->write(jpeg);
                finishPicture(socket);
            });
            return;
        case PictureDelivery::Dribble:
            client.sendingPicture = true;
            socket->write(header);
            int part = 1;
            for (int offset = 0; offset < jpeg.size(); offset += kDribbleChunk, ++part) {
                const bool last = offset + kDribbleChunk >= jpeg.size();
                QTimer::singleShot(5 * part, socket,
                                   [this, socket, last, bytes = jpeg.mid(offset, kDribbleChunk)] {
                                       socket->write(bytes);
                                       if (last) {
                                           finishPicture(socket);
                                       }
                                   });
            }
            return;
    }
}

// The picture is out: answer the requests that arrived meanwhile.
void SimControlServer::finishPicture(QTcpSocket* socket)
{
    auto it = clients_.find(socket);
    if (it != clients_.end()) {
        it->sendingPicture = false;
        onReadyRead(socket);
    }
}

void SimControlServer::setResolutionIndex(int index, QTcpSocket* requester)
{
    const QSize size = sizeOfIndex(index);
    if (!size.isValid() || index == resIndex_) {
        return;
    }
    resIndex_ = index;
    Q_EMIT resolutionChanged(size);
    QByteArray notice = kNotifyId;
    notice += char(kResolutionNotice & 0xFF);
    notice += char(kResolutionNotice >> 8);
    notice += '\0';
    notice += encodingBody();
    for (auto it = clients_.begin(); it != clients_.end(); ++it) {
        if (it.key() != requester && it.value().bound) {
            it.key()->write(notice);
        }
    }
}

bool SimControlServer::changeResolution(const QSize& size)
{
    const int index = indexOfSize(size);
    if (index < 0) {
        return false;
    }
    setResolutionIndex(index, nullptr);
    return true;
}

void SimControlServer::disconnectClients()
{
    const QList<QTcpSocket*> sockets = clients_.keys();
    for (QTcpSocket* socket : sockets) {
        socket->abort();
    }
}
