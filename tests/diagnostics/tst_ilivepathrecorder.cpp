#include <QtTest>

#include "diagnostics/ilivepathrecorder.h"

// Which paints the live-path recorder counts as frames shown and times, and its windows.
class TestILivePathRecorder : public QObject {
    Q_OBJECT
private slots:
    void countsAndTimes_data();
    void countsAndTimes();
};

void TestILivePathRecorder::countsAndTimes_data()
{
    QTest::addColumn<QString>("events");  // s<n> stored 20 ms ago, d<n> delivered, p<n> painted
    QTest::addColumn<int>("painted");     // timed paints
    QTest::addColumn<int>("paintedEver");
    QString many;  // the 65 frames after frame 1 push its arrival out
    for (int frame = 1; frame <= 66; ++frame) {
        many += QStringLiteral("s%1 ").arg(frame);
    }
    QTest::newRow("each frame once") << "s1 d1 p1 s2 d2 p2" << 2 << 2;
    QTest::newRow("repaint of the shown frame") << "s1 d1 p1 p1 p1" << 1 << 1;
    QTest::newRow("frame never stored") << "p9" << 0 << 1;
    QTest::newRow("old arrival forgotten") << many + "p1 p66" << 1 << 2;
}

void TestILivePathRecorder::countsAndTimes()
{
    QFETCH(QString, events);
    QFETCH(int, painted);
    QFETCH(int, paintedEver);
    ILivePathRecorder recorder;
    const auto arrival = ILivePathProbe::Clock::now() - std::chrono::milliseconds(20);
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
    QVERIFY(window.delayPercentile(0.5) >= (painted ? 20 : 0));
    QCOMPARE(recorder.paintedEver(), paintedEver);
    const ILivePathRecorder::Window next = recorder.take();  // a new window starts empty
    QCOMPARE(next.stored + next.delivered + next.painted, 0);
}

QTEST_GUILESS_MAIN(TestILivePathRecorder)
#include "tst_ilivepathrecorder.moc"
