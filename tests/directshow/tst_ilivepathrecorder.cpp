#include <QtTest>

#include "directshow/ilivepathrecorder.h"

// The live-path recorder: which paints count as frames shown and are timed, and what one window
// of figures holds.
class TestILivePathRecorder : public QObject {
    Q_OBJECT
private slots:
    void countsAndTimes_data();
    void countsAndTimes();
    void windowsAndPercentiles();
};

void TestILivePathRecorder::countsAndTimes_data()
{
    QTest::addColumn<QString>("events");  // s<n> stored, d<n> delivered, p<n> painted
    QTest::addColumn<int>("painted");     // timed paints in the window
    QTest::addColumn<int>("paintedEver");
    QTest::newRow("each frame once") << "s1 d1 p1 s2 d2 p2" << 2 << 2;
    QTest::newRow("repaint of the shown frame") << "s1 d1 p1 p1 p1" << 1 << 1;
    QTest::newRow("frame never stored") << "p9" << 0 << 1;
}

void TestILivePathRecorder::countsAndTimes()
{
    QFETCH(QString, events);
    QFETCH(int, painted);
    QFETCH(int, paintedEver);
    ILivePathRecorder recorder;
    const auto arrival = ILivePathProbe::Clock::now();
    int stored = 0, delivered = 0;
    for (const QString& event : events.split(' ', Qt::SkipEmptyParts)) {
        const qint64 frame = event.mid(1).toLongLong();
        if (event.startsWith('s')) {
            recorder.frameStored(frame, arrival);
            ++stored;
        } else if (event.startsWith('d')) {
            recorder.frameDelivered(frame);
            ++delivered;
        } else {
            recorder.framePainted(frame);
        }
    }
    const ILivePathRecorder::Window window = recorder.take();
    QCOMPARE(window.stored, stored);
    QCOMPARE(window.delivered, delivered);
    QCOMPARE(window.painted, painted);
    QCOMPARE(int(window.delaysMs.size()), painted);
    QCOMPARE(recorder.paintedEver(), paintedEver);
}

void TestILivePathRecorder::windowsAndPercentiles()
{
    ILivePathRecorder recorder;
    const auto now = ILivePathProbe::Clock::now();
    // 65 newer frames push the first one's arrival out; the others are timed from theirs.
    for (int frame = 1; frame <= 66; ++frame) {
        recorder.frameStored(frame, now - std::chrono::milliseconds(frame == 66 ? 200 : 20));
    }
    recorder.framePainted(1);
    recorder.framePainted(66);
    recorder.framePainted(65);
    const ILivePathRecorder::Window first = recorder.take();
    QCOMPARE(first.painted, 2);
    QVERIFY(first.delayPercentile(0) >= 20 && first.delayPercentile(0) < 200);
    QVERIFY(first.delayPercentile(1) >= 200);
    const ILivePathRecorder::Window second = recorder.take();  // a new window starts empty
    QCOMPARE(second.stored + second.painted, 0);
    QCOMPARE(second.delayPercentile(0.5), 0.0);
    QCOMPARE(recorder.paintedEver(), 3);
}

QTEST_GUILESS_MAIN(TestILivePathRecorder)
#include "tst_ilivepathrecorder.moc"
