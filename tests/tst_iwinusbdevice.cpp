#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "iwinusbdevice.h"
#include "platform/hotplug/devnodehotplugsource.h"
#include "platform/video/ivirtualcamerahub.h"

class TestIWinUsbDevice : public QObject {
    Q_OBJECT
private slots:
    void init();
    void forwardsTheSource_data();
    void forwardsTheSource();
    void virtualCamerasThroughTheSameSignal();
    void deviceNodesComeAndGo();
    void systemSourceIsOwned();
};

void TestIWinUsbDevice::init()
{
    IVirtualCameraHub::instance()->setCount(2);
    IVirtualCameraHub::instance()->replug(0);
    IVirtualCameraHub::instance()->replug(1);
}

void TestIWinUsbDevice::forwardsTheSource_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("path");
    QTest::newRow("arrival") << true << "/dev/video2";
    QTest::newRow("removal") << false << "/dev/video0";
}

void TestIWinUsbDevice::forwardsTheSource()
{
    QFETCH(bool, connected);
    QFETCH(QString, path);
    auto* source = new IHotplugSource;
    IWinUsbDevice watcher(source);
    QSignalSpy changes(&watcher, &IWinUsbDevice::connectionChanged);
    QSignalSpy volumes(&watcher, &IWinUsbDevice::connectionChangedUSB);
    emit source->deviceChanged(connected, path);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), connected);
    QCOMPARE(changes.at(0).at(1).toString(), path);
    QCOMPARE(volumes.size(), 0);
}

void TestIWinUsbDevice::virtualCamerasThroughTheSameSignal()
{
    IWinUsbDevice watcher(new IHotplugSource);
    QSignalSpy changes(&watcher, &IWinUsbDevice::connectionChanged);
    IVirtualCameraHub::instance()->unplug(1);
    IVirtualCameraHub::instance()->unplug(1);  // already out: no second event
    IVirtualCameraHub::instance()->replug(1);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0), QVariantList({false, "virtual:1"}));
    QCOMPARE(changes.at(1), QVariantList({true, "virtual:1"}));
}

void TestIWinUsbDevice::deviceNodesComeAndGo()
{
    QTemporaryDir dev;
    IWinUsbDevice watcher(new DevNodeHotplugSource(dev.path()));
    QSignalSpy changes(&watcher, &IWinUsbDevice::connectionChanged);
    QFile node(dev.filePath("video4"));
    QVERIFY(node.open(QIODevice::WriteOnly));
    node.close();
    QTRY_COMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0), QVariantList({true, dev.filePath("video4")}));
    QVERIFY(node.remove());
    QTRY_COMPARE(changes.size(), 2);
    QCOMPARE(changes.at(1), QVariantList({false, dev.filePath("video4")}));
}

void TestIWinUsbDevice::systemSourceIsOwned()
{
    QPointer<IHotplugSource> source;
    {
        IWinUsbDevice watcher;
        source = watcher.findChild<IHotplugSource*>();
        QVERIFY(source);
    }
    QVERIFY(source.isNull());
}

QTEST_GUILESS_MAIN(TestIWinUsbDevice)
#include "tst_iwinusbdevice.moc"
