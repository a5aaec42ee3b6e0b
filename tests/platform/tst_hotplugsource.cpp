#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "platform/hotplug/devnodehotplugsource.h"

class TestHotplugSource : public QObject {
    Q_OBJECT
private slots:
    void videoNodesComeAndGo();
    void otherNodesAreIgnored();
};

namespace {
void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
}  // namespace

void TestHotplugSource::videoNodesComeAndGo()
{
    QTemporaryDir dev;
    touch(dev.filePath("video0"));
    DevNodeHotplugSource source(dev.path());
    QSignalSpy changes(&source, &IHotplugSource::deviceChanged);
    touch(dev.filePath("video2"));
    QTRY_COMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), true);
    QCOMPARE(changes.at(0).at(1).toString(), dev.filePath("video2"));
    QVERIFY(QFile::remove(dev.filePath("video0")));
    QTRY_COMPARE(changes.size(), 2);
    QCOMPARE(changes.at(1).at(0).toBool(), false);
    QCOMPARE(changes.at(1).at(1).toString(), dev.filePath("video0"));
}

void TestHotplugSource::otherNodesAreIgnored()
{
    QTemporaryDir dev;
    DevNodeHotplugSource source(dev.path());
    QSignalSpy changes(&source, &IHotplugSource::deviceChanged);
    touch(dev.filePath("video-extra"));
    touch(dev.filePath("ttyS0"));
    touch(dev.filePath("video7"));
    QTRY_COMPARE(changes.size(), 1);
    QTest::qWait(100);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(1).toString(), dev.filePath("video7"));
}

QTEST_GUILESS_MAIN(TestHotplugSource)
#include "tst_hotplugsource.moc"
