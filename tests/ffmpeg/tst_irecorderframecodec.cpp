#include <QtTest>

#include "ffmpeg/wifirtsp/irecorderframecodec.h"

using Payloads = QList<QByteArray>;

class TestIRecorderFrameCodec : public QObject {
    Q_OBJECT
private slots:
    void stopCommandIsTwelveBytes();
    void encodeLengths_data();
    void encodeLengths();
    void oversizedPayloadIsRefused();
    void decode_data();
    void decode();
    void frameSplitAtEveryByte();
    void incompleteFrameIsKeptAcrossReads();
    void bufferStaysBounded();
};

static QByteArray frame(const QByteArray& payload)
{
    return IRecorderFrameCodec::encode(payload);
}

void TestIRecorderFrameCodec::stopCommandIsTwelveBytes()
{
    QCOMPARE(frame("1"), QByteArray("TSMT8\0\0\0"
                                    "1END",
                                    12));
}

void TestIRecorderFrameCodec::encodeLengths_data()
{
    QTest::addColumn<int>("payloadSize");
    QTest::addColumn<QByteArray>("lengthField");
    QTest::newRow("empty") << 0 << QByteArray("7\0\0\0", 4);
    QTest::newRow("two digits") << 3 << QByteArray("10\0\0", 4);
    QTest::newRow("three digits") << 100 << QByteArray("107\0", 4);
    QTest::newRow("largest") << IRecorderFrameCodec::kMaxPayload << QByteArray("9999", 4);
}

void TestIRecorderFrameCodec::encodeLengths()
{
    QFETCH(int, payloadSize);
    QFETCH(QByteArray, lengthField);
    const QByteArray encoded = frame(QByteArray(payloadSize, 'p'));
    QCOMPARE(encoded.size(), 4 + 4 + payloadSize + 3);
    QCOMPARE(encoded.mid(4, 4), lengthField);
    QVERIFY(encoded.endsWith("END"));
    IRecorderFrameCodec decoder;
    QCOMPARE(decoder.feed(encoded), Payloads{QByteArray(payloadSize, 'p')});
}

void TestIRecorderFrameCodec::oversizedPayloadIsRefused()
{
    QString error;
    QVERIFY(
        IRecorderFrameCodec::encode(QByteArray(IRecorderFrameCodec::kMaxPayload + 1, 'x'), &error)
            .isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestIRecorderFrameCodec::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Payloads>("payloads");
    QTest::addColumn<bool>("problemReported");

    const QByteArray path = "1;/home/me/video/20190422143005.mp4";
    QTest::newRow("one frame") << frame("0") << Payloads{"0"} << false;
    QTest::newRow("two frames in one read")
        << frame("0") + frame("2") << Payloads{"0", "2"} << false;
    QTest::newRow("path with separator") << frame(path) << Payloads{path} << false;
    QTest::newRow("empty payload") << frame("") << Payloads{""} << false;
    QTest::newRow("bad magic before a frame")
        << QByteArray("XXXXjunk") + frame("2") << Payloads{"2"} << true;
    QTest::newRow("wrong magic only") << QByteArray(
                                             "TSMX8\0\0\0"
                                             "1END",
                                             12)
                                      << Payloads{} << true;
    QTest::newRow("non-digit length") << QByteArray(
                                             "TSMTx\0\0\0"
                                             "1END",
                                             12) +
                                             frame("3")
                                      << Payloads{"3"} << true;
    QTest::newRow("length below seven") << QByteArray(
                                               "TSMT6\0\0\0"
                                               "1END",
                                               12) +
                                               frame("3")
                                        << Payloads{"3"} << true;
    QTest::newRow("length all NUL") << QByteArray(
                                           "TSMT\0\0\0\0"
                                           "1END",
                                           12) +
                                           frame("3")
                                    << Payloads{"3"} << true;
    QTest::newRow("digit after padding") << QByteArray(
                                                "TSMT8\0"
                                                "1\0"
                                                "1END",
                                                12) +
                                                frame("3")
                                         << Payloads{"3"} << true;
    QTest::newRow("missing END") << QByteArray(
                                        "TSMT8\0\0\0"
                                        "1XYZ",
                                        12) +
                                        frame("2")
                                 << Payloads{"2"} << true;
    QTest::newRow("length too short for the frame") << QByteArray(
                                                           "TSMT8\0\0\0"
                                                           "12END",
                                                           13) +
                                                           frame("2")
                                                    << Payloads{"2"} << true;
}

void TestIRecorderFrameCodec::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Payloads, payloads);
    QFETCH(bool, problemReported);
    IRecorderFrameCodec decoder;
    QStringList problems;
    QCOMPARE(decoder.feed(bytes, &problems), payloads);
    QCOMPARE(!problems.isEmpty(), problemReported);
    // Whatever came before, the link carries on with the next good frame.
    QCOMPARE(decoder.feed(frame("1;after")), Payloads{"1;after"});
}

void TestIRecorderFrameCodec::frameSplitAtEveryByte()
{
    const QByteArray bytes = frame("0") + frame("1;/tmp/a.mp4") + frame("4");
    IRecorderFrameCodec decoder;
    Payloads received;
    for (const char byte : bytes) {
        received += decoder.feed(QByteArray(1, byte));
    }
    QCOMPARE(received, (Payloads{"0", "1;/tmp/a.mp4", "4"}));
    QCOMPARE(decoder.pending(), 0);
}

void TestIRecorderFrameCodec::incompleteFrameIsKeptAcrossReads()
{
    const QByteArray finished = frame("1;/home/me/video/a.mp4");
    IRecorderFrameCodec decoder;
    QVERIFY(decoder.feed(frame("2") + finished.left(15)).size() == 1);
    QCOMPARE(decoder.pending(), 15);
    QCOMPARE(decoder.feed(finished.mid(15)), Payloads{"1;/home/me/video/a.mp4"});
}

void TestIRecorderFrameCodec::bufferStaysBounded()
{
    IRecorderFrameCodec decoder;
    QStringList problems;
    // Garbage without a magic keeps at most a possible magic start.
    QVERIFY(decoder.feed(QByteArray(100000, 'x') + "TSM", &problems).isEmpty());
    QCOMPARE(decoder.pending(), 3);
    // A frame announcing the largest length is held, and no more than that.
    decoder.clear();
    QVERIFY(decoder.feed(QByteArray("TSMT9999") + QByteArray(20000, 'y')).isEmpty());
    QVERIFY(decoder.pending() < 4 + IRecorderFrameCodec::kMaxLength);
    QCOMPARE(decoder.feed(frame("0")), Payloads{"0"});
    // A flood of bad frames is summarised, not reported frame by frame.
    QVERIFY(decoder.feed(QByteArray("TSMT").repeated(100000), &problems).isEmpty());
    QCOMPARE(problems.size(), IRecorderFrameCodec::kMaxProblems + 2);
    QVERIFY(problems.constLast().endsWith("more problems"));
    // Removing parsed bytes from the front for every frame or skipped byte took quadratic time:
    // 4 MB of frames took 9 s, 4 MB of magics with bad lengths 29 s.
    decoder.clear();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(decoder.feed(frame("0").repeated(500000)).size(), 500000);
    QVERIFY(decoder.feed(QByteArray("TSMT").repeated(1 << 20)).isEmpty());
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_APPLESS_MAIN(TestIRecorderFrameCodec)
#include "tst_irecorderframecodec.moc"
