#include <QtTest>

#include <QBuffer>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <mutex>

#include "ffmpeg/wifirtsp/itcpsocket.h"

namespace {

QByteArray jpegPicture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return data;
}

WifiTimings shortTimings()
{
    WifiTimings timings;
    timings.pictureWaitMs = 300;
    timings.sendTickMs = 20;
    return timings;
}

// What the connection thread saw while reading one picture.
struct PictureRead {
    std::mutex mutex;  // seen by the thread sanitizer, unlike QMutex
    QImage image;
    QByteArray rest;
    QList<QByteArray> later;  // chunks delivered after the picture
    bool done = false;
};

// Repeats the connection's signals, queued, in the test thread: the spies that count them are
// only touched there.
class Relay : public QObject {
    Q_OBJECT
public:
    explicit Relay(ITcpSocket* socket)
    {
        connect(socket, &ITcpSocket::sgReceivePacket, this, &Relay::packet, Qt::QueuedConnection);
        connect(socket, &ITcpSocket::sgDisconnect, this, &Relay::lost, Qt::QueuedConnection);
        connect(socket, &ITcpSocket::sgError, this, &Relay::error, Qt::QueuedConnection);
    }

signals:
    void packet(const QByteArray& chunk);
    void lost();
    void error(const QString& text);
};

}  // namespace

// The control connection against a real TCP peer on loopback.
class TestITcpSocket : public QObject {
    Q_OBJECT
private slots:
    void init();
    void bindGoesFirstThenQueuedMessagesInOrder();
    void receivedChunksAreDelivered();
    void readPicture_data();
    void readPicture();
    void refusedConnectionReportsLoss();
    void peerCloseReportsLossOnce();
    void deletionInterruptsPictureRead();

private:
    QTcpSocket* acceptPeer();
    std::unique_ptr<ITcpSocket> makeClient();

    std::unique_ptr<QTcpServer> server_;
};

void TestITcpSocket::init()
{
    server_ = std::make_unique<QTcpServer>();
    QVERIFY(server_->listen(QHostAddress::LocalHost));
}

QTcpSocket* TestITcpSocket::acceptPeer()
{
    if (!server_->hasPendingConnections() && !server_->waitForNewConnection(5000)) {
        return nullptr;
    }
    QTcpSocket* peer = server_->nextPendingConnection();
    // The bind request is always the first thing on the wire.
    while (peer && peer->bytesAvailable() < 4 && peer->waitForReadyRead(5000)) {
    }
    return peer;
}

// Not started yet: connections to its signals are made before its thread runs.
std::unique_ptr<ITcpSocket> TestITcpSocket::makeClient()
{
    return std::make_unique<ITcpSocket>("127.0.0.1", server_->serverPort(), shortTimings());
}

void TestITcpSocket::bindGoesFirstThenQueuedMessagesInOrder()
{
    auto client = std::make_unique<ITcpSocket>("127.0.0.1", server_->serverPort(), shortTimings());
    client->queueMessage("first");
    client->queueMessage("second");
    client->start();
    QTcpSocket* peer = acceptPeer();
    QVERIFY(peer);
    client->queueMessage("third");
    const QByteArray expected = QByteArray::fromHex("ffffffff") + "firstsecondthird";
    QByteArray received;
    QElapsedTimer timer;
    timer.start();
    while (received.size() < expected.size() && timer.elapsed() < 5000) {
        peer->waitForReadyRead(100);
        received += peer->readAll();
    }
    QCOMPARE(received, expected);
}

void TestITcpSocket::receivedChunksAreDelivered()
{
    auto client = makeClient();
    Relay relay(client.get());
    QSignalSpy packets(&relay, &Relay::packet);
    client->start();
    QTcpSocket* peer = acceptPeer();
    QVERIFY(peer);
    peer->write(QByteArray::fromHex("0180"));
    QVERIFY(packets.wait(5000));
    QCOMPARE(packets.first().first().toByteArray(), QByteArray::fromHex("0180"));
}

void TestITcpSocket::readPicture_data()
{
    QTest::addColumn<QString>("delivery");
    QTest::addColumn<int>("announced");  // -1: the picture's own length
    QTest::addColumn<bool>("decodes");
    QTest::newRow("joined with the header") << "joined" << -1 << true;
    QTest::newRow("header then picture") << "split" << -1 << true;
    QTest::newRow("dribbled") << "dribble" << -1 << true;
    QTest::newRow("joined with the next message") << "joined+next" << -1 << true;
    QTest::newRow("next message after a split picture") << "split+next" << -1 << true;
    QTest::newRow("truncated") << "truncated" << -1 << false;
    QTest::newRow("size zero") << "joined" << 0 << false;
    QTest::newRow("size over the cap") << "joined" << ITcpSocket::kMaxPictureBytes + 1 << false;
    QTest::newRow("damaged bytes") << "garbage" << -1 << false;
}

void TestITcpSocket::readPicture()
{
    QFETCH(QString, delivery);
    QFETCH(int, announced);
    QFETCH(bool, decodes);
    const QByteArray header = "HDR";
    QByteArray jpeg = jpegPicture(QSize(64, 48));
    if (delivery == "garbage") {
        jpeg.fill('x');
    }
    const int byteCount = announced < 0 ? jpeg.size() : announced;
    const QByteArray next = "NEXT";

    auto client = makeClient();
    PictureRead read;
    ITcpSocket* raw = client.get();
    connect(
        raw, &ITcpSocket::sgReceivePacket, raw,
        [raw, &read, &header, byteCount](const QByteArray& chunk) {
            std::unique_lock<std::mutex> locker(read.mutex);
            if (read.done) {
                read.later.append(chunk);
                return;
            }
            if (!chunk.startsWith(header)) {
                read.done = true;  // leaves a null image: the check below fails
                return;
            }
            read.image = raw->readPicture(byteCount, chunk.mid(header.size()), &read.rest);
            read.done = true;
        },
        Qt::DirectConnection);
    client->start();
    QTcpSocket* peer = acceptPeer();
    QVERIFY(peer);

    if (delivery.startsWith("joined") || delivery == "garbage") {
        peer->write(header + jpeg + (delivery.endsWith("+next") ? next : QByteArray()));
    } else if (delivery.startsWith("split")) {
        peer->write(header);
        peer->flush();
        QTest::qWait(50);
        peer->write(jpeg);
        peer->flush();
        if (delivery.endsWith("+next")) {
            QTest::qWait(20);  // the picture read must leave these bytes for the next message
            peer->write(next);
        }
    } else if (delivery == "dribble") {
        peer->write(header + jpeg.left(10));
        for (int offset = 10; offset < jpeg.size(); offset += 100) {
            peer->flush();
            QTest::qWait(5);
            peer->write(jpeg.mid(offset, 100));
        }
    } else if (delivery == "truncated") {
        peer->write(header + jpeg.left(jpeg.size() / 2));
    }
    peer->flush();

    QTRY_VERIFY_WITH_TIMEOUT(([&read] {
                                 std::unique_lock<std::mutex> locker(read.mutex);
                                 return read.done;
                             }()),
                             5000);
    std::unique_lock<std::mutex> locker(read.mutex);
    QCOMPARE(!read.image.isNull(), decodes);
    if (decodes) {
        QCOMPARE(read.image.size(), QSize(64, 48));
    }
    if (delivery == "joined+next") {
        QCOMPARE(read.rest, next);
    } else if (delivery == "split+next") {
        locker.unlock();
        QTRY_VERIFY_WITH_TIMEOUT(([&read] {
                                     std::lock_guard<std::mutex> l(read.mutex);
                                     return !read.later.isEmpty();
                                 }()),
                                 5000);
        locker.lock();
        QCOMPARE(read.later.join(), next);
    } else {
        QVERIFY(read.rest.isEmpty());
    }
}

void TestITcpSocket::refusedConnectionReportsLoss()
{
    const quint16 port = server_->serverPort();
    server_->close();
    ITcpSocket client("127.0.0.1", port, shortTimings());
    Relay relay(&client);
    QSignalSpy lost(&relay, &Relay::lost);
    QSignalSpy errors(&relay, &Relay::error);
    client.start();
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 5000);
    QVERIFY(!errors.isEmpty());
    QVERIFY(client.connectionLost());
    QVERIFY(client.wait(2000));
    QTest::qWait(20);  // a second report would be queued by now
    QCOMPARE(lost.count(), 1);
}

void TestITcpSocket::peerCloseReportsLossOnce()
{
    auto client = makeClient();
    Relay relay(client.get());
    QSignalSpy lost(&relay, &Relay::lost);
    client->start();
    QTcpSocket* peer = acceptPeer();
    QVERIFY(peer);
    QVERIFY(!client->connectionLost());
    peer->close();
    // The client's thread may report before a wait() would start, so poll the count instead.
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 5000);
    QVERIFY(client->wait(2000));
    QTest::qWait(20);
    QCOMPARE(lost.count(), 1);
}

void TestITcpSocket::deletionInterruptsPictureRead()
{
    WifiTimings timings = shortTimings();
    timings.pictureWaitMs = 30000;
    auto client = std::make_unique<ITcpSocket>("127.0.0.1", server_->serverPort(), timings);
    std::atomic<bool> reading{false};
    ITcpSocket* raw = client.get();
    connect(
        raw, &ITcpSocket::sgReceivePacket, raw,
        [raw, &reading](const QByteArray&) {
            reading = true;
            raw->readPicture(1000);
        },
        Qt::DirectConnection);
    client->start();
    QTcpSocket* peer = acceptPeer();
    QVERIFY(peer);
    peer->write("HDR");
    QTRY_VERIFY_WITH_TIMEOUT(reading.load(), 5000);
    QElapsedTimer timer;
    timer.start();
    client.reset();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestITcpSocket)
#include "tst_itcpsocket.moc"
