#include <QtTest>

#include "ffmpeg/wifirtsp/wifipacketbuilder.h"
#include "ffmpeg/wifirtsp/wifireply.h"
#include "ffmpeg/wifirtsp/wifiresolutiontable.h"

// The wireless camera's wire format: request bytes, reply parsing and the resolution table.
class TestWifiProtocol : public QObject {
    Q_OBJECT
private slots:
    void requestBytes_data();
    void requestBytes();
    void complementsFollowClassAndCode();
    void qualityByteIsClamped_data();
    void qualityByteIsClamped();
    void replyLayout_data();
    void replyLayout();
    void repliesJoinedInOneChunkSplit();
    void pictureHeaderKeepsFollowingBytes();
    void resIndexToSize_data();
    void resIndexToSize();
    void sizeToResIndex_data();
    void sizeToResIndex();
};

void TestWifiProtocol::requestBytes_data()
{
    QTest::addColumn<QByteArray>("clientId");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray id = QByteArray::fromHex("abcd");
    QTest::newRow("autofocus ignores a payload")
        << id << 1 << QByteArray::fromHex("77") << QByteArray::fromHex("abcd010002f3fd0c");
    QTest::newRow("wall lamp carries its step")
        << id << 3 << QByteArray::fromHex("02") << QByteArray::fromHex("abcd030002fafd0502");
    QTest::newRow("top lamp") << id << 2 << QByteArray::fromHex("01")
                              << QByteArray::fromHex("abcd020002f9fd0601");
    QTest::newRow("lamp query") << id << 4 << QByteArray()
                                << QByteArray::fromHex("abcd04000af0f50f");
    QTest::newRow("set encoding") << id << 5 << QByteArray::fromHex("00011e08ffffffff")
                                  << QByteArray::fromHex("abcd05000bf0f40f00011e08ffffffff");
    QTest::newRow("encoding query")
        << id << 6 << QByteArray() << QByteArray::fromHex("abcd06000bf1f40e");
    QTest::newRow("set quality") << id << 7 << QByteArray::fromHex("0102030405060708")
                                 << QByteArray::fromHex("abcd07000bf2f40d0102030405060708");
    QTest::newRow("current quality")
        << id << 8 << QByteArray() << QByteArray::fromHex("abcd08000bf3f40c");
    QTest::newRow("default quality")
        << id << 9 << QByteArray() << QByteArray::fromHex("abcd08000bf4f40b");
    QTest::newRow("take picture") << id << 10 << QByteArray::fromHex("01")
                                  << QByteArray::fromHex("abcd09000bf5f40a");
    QTest::newRow("without a client id")
        << QByteArray() << 6 << QByteArray() << QByteArray::fromHex("06000bf1f40e");
    QTest::newRow("unknown command gives the payload")
        << id << 11 << QByteArray::fromHex("1234") << QByteArray::fromHex("1234");
    QTest::newRow("command 0") << id << 0 << QByteArray() << QByteArray();
}

void TestWifiProtocol::requestBytes()
{
    QFETCH(QByteArray, clientId);
    QFETCH(int, command);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, expected);
    QCOMPARE(WifiPacketBuilder::build(clientId, command, payload).toHex(), expected.toHex());
}

void TestWifiProtocol::complementsFollowClassAndCode()
{
    // On the wire: index (2), class, code, ~class, ~code.
    for (int command = 1; command <= 10; ++command) {
        const QByteArray bytes = WifiPacketBuilder::commandBytes(command);
        QCOMPARE(bytes.size(), 6);
        QCOMPARE(quint8(bytes[4]), quint8(~quint8(bytes[2])));
        QCOMPARE(quint8(bytes[5]), quint8(~quint8(bytes[3])));
    }
    QCOMPARE(WifiPacketBuilder::commandBytes(8).left(2),
             WifiPacketBuilder::commandBytes(9).left(2));
    QCOMPARE(WifiPacketBuilder::bindRequest(), QByteArray::fromHex("ffffffff"));
}

void TestWifiProtocol::qualityByteIsClamped_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("zero") << QVariant(0) << QByteArray::fromHex("00");
    QTest::newRow("mid") << QVariant(70) << QByteArray::fromHex("46");
    QTest::newRow("255") << QVariant(255) << QByteArray::fromHex("ff");
    QTest::newRow("256 clamps") << QVariant(256) << QByteArray::fromHex("ff");
    QTest::newRow("4096 clamps") << QVariant(4096) << QByteArray::fromHex("ff");
    QTest::newRow("negative clamps") << QVariant(-5) << QByteArray::fromHex("00");
    QTest::newRow("double") << QVariant(12.0) << QByteArray::fromHex("0c");
}

void TestWifiProtocol::qualityByteIsClamped()
{
    QFETCH(QVariant, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(WifiPacketBuilder::qualityByte(value).toHex(), expected.toHex());
}

void TestWifiProtocol::replyLayout_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("notification");
    QTest::newRow("empty") << QByteArray() << false << false << 0 << QByteArray() << false;
    QTest::newRow("four bytes") << QByteArray::fromHex("abcd0600") << false << false << 6
                                << QByteArray() << false;
    QTest::newRow("autofocus done")
        << QByteArray::fromHex("abcd010000") << true << true << 1 << QByteArray() << false;
    QTest::newRow("lamp state") << QByteArray::fromHex("abcd04000001") << true << true << 4
                                << QByteArray::fromHex("01") << false;
    QTest::newRow("lamp state without body")
        << QByteArray::fromHex("abcd040000") << true << false << 4 << QByteArray() << false;
    QTest::newRow("encoding") << QByteArray::fromHex("abcd060000011e1e05ffffffff") << true << true
                              << 6 << QByteArray::fromHex("011e1e05ffffffff") << false;
    QTest::newRow("encoding short") << QByteArray::fromHex("abcd060000011e1e") << true << false << 6
                                    << QByteArray::fromHex("011e1e") << false;
    QTest::newRow("quality short by one") << QByteArray::fromHex("abcd08000032403005012810") << true
                                          << false << 8 << QByteArray() << false;
    QTest::newRow("picture header") << QByteArray::fromHex("abcd09000010270000") << true << true
                                    << 9 << QByteArray::fromHex("10270000") << false;
    QTest::newRow("notification") << QByteArray::fromHex("0f0f100000011e1e08ffffffff") << true
                                  << true << 0x10 << QByteArray::fromHex("011e1e08ffffffff")
                                  << true;
    QTest::newRow("unknown index") << QByteArray::fromHex("abcd3300001122") << true << false << 0x33
                                   << QByteArray::fromHex("1122") << false;
}

void TestWifiProtocol::replyLayout()
{
    QFETCH(QByteArray, chunk);
    QFETCH(bool, header);
    QFETCH(bool, complete);
    QFETCH(int, index);
    QFETCH(QByteArray, body);
    QFETCH(bool, notification);
    const WifiReply reply = WifiReply::parse(chunk);
    QCOMPARE(reply.hasHeader(), header);
    QCOMPARE(reply.isComplete(), complete);
    QCOMPARE(int(reply.index()), index);
    QCOMPARE(reply.isNotification(), notification);
    if (!body.isEmpty()) {
        QCOMPARE(reply.body().toHex(), body.toHex());
    }
    if (!complete) {
        QVERIFY(reply.rest().isEmpty());
    }
}

void TestWifiProtocol::repliesJoinedInOneChunkSplit()
{
    const QByteArray encoding = QByteArray::fromHex("abcd060000011e1e05ffffffff");
    const QByteArray quality = QByteArray::fromHex("abcd0800003240300501281000");
    const WifiReply first = WifiReply::parse(encoding + quality);
    QCOMPARE(first.index(), quint16(6));
    QCOMPARE(first.message(), encoding);
    QCOMPARE(first.resIndex(), 5);
    QCOMPARE(first.bitRate().toHex(), QByteArray("ffffffff"));
    const WifiReply second = WifiReply::parse(first.rest());
    QCOMPARE(second.index(), quint16(8));
    QCOMPARE(second.body().toHex(), QByteArray("3240300501281000"));
    QVERIFY(second.rest().isEmpty());
}

void TestWifiProtocol::pictureHeaderKeepsFollowingBytes()
{
    const QByteArray jpegStart = QByteArray::fromHex("ffd8ffe0");
    const WifiReply reply = WifiReply::parse(QByteArray::fromHex("abcd09000040e20100") + jpegStart);
    QCOMPARE(reply.pictureSize(), quint32(123456));
    QCOMPARE(reply.rest(), jpegStart);
    QCOMPARE(WifiReply::parse(QByteArray::fromHex("abcd090000ffffffff")).pictureSize(),
             quint32(0xFFFFFFFF));
}

void TestWifiProtocol::resIndexToSize_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    QTest::newRow("00") << 0 << QSize(320, 240);
    QTest::newRow("01") << 1 << QSize(480, 272);
    QTest::newRow("05") << 5 << QSize(1280, 720);
    QTest::newRow("08") << 8 << QSize(1920, 1080);
    QTest::newRow("0A") << 10 << QSize(3264, 2448);
    QTest::newRow("0B is unknown") << 11 << QSize(320, 240);
    QTest::newRow("FF is unknown") << 255 << QSize(320, 240);
    QTest::newRow("negative") << -1 << QSize(320, 240);
}

void TestWifiProtocol::resIndexToSize()
{
    QFETCH(int, index);
    QFETCH(QSize, size);
    QCOMPARE(WifiResolutionTable::resIndexToSize(index), size);
    QCOMPARE(WifiResolutionTable::sizes().size(), 11);
}

void TestWifiProtocol::sizeToResIndex_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<int>("index");
    QTest::newRow("1920x1080") << QSizeF(1920, 1080) << 8;
    QTest::newRow("2592x1944") << QSizeF(2592, 1944) << 9;
    QTest::newRow("1280x960") << QSizeF(1280, 960) << 6;
    QTest::newRow("1280x720") << QSizeF(1280, 720) << 5;
    QTest::newRow("within 12 digits") << QSizeF(640.0000000000001, 480) << 2;
    QTest::newRow("off by a little") << QSizeF(640.001, 480) << 0;
    QTest::newRow("1000x1000") << QSizeF(1000, 1000) << 0;
    QTest::newRow("swapped") << QSizeF(1080, 1920) << 0;
}

void TestWifiProtocol::sizeToResIndex()
{
    QFETCH(QSizeF, size);
    QFETCH(int, index);
    QCOMPARE(WifiResolutionTable::sizeToResIndex(size), index);
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(WifiResolutionTable::sizeToResIndex(WifiResolutionTable::resIndexToSize(i)), i);
    }
}

QTEST_GUILESS_MAIN(TestWifiProtocol)
#include "tst_wifiprotocol.moc"
