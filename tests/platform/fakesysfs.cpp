#include "fakesysfs.h"

#include <QDir>
#include <QFile>

FakeSysfs::FakeSysfs()
{
    QDir(root()).mkpath("class/video4linux");
}

QString FakeSysfs::devicePath(int number) const
{
    return devRoot() + QStringLiteral("/video%1").arg(number);
}

void FakeSysfs::writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
}

void FakeSysfs::linkNode(int number, const QString& nodeDir, const QByteArray& name)
{
    const QString node = QStringLiteral("video%1").arg(number);
    QDir().mkpath(nodeDir + "/video4linux/" + node);
    writeFile(nodeDir + "/video4linux/" + node + "/name", name + "\n");
    QFile::link(nodeDir, nodeDir + "/video4linux/" + node + "/device");
    QFile::link(nodeDir + "/video4linux/" + node, root() + "/class/video4linux/" + node);
}

void FakeSysfs::addUsbNode(int number, const QString& port, const QByteArray& idVendor,
                           const QByteArray& idProduct, const QByteArray& name)
{
    const QString usbDevice = root() + "/devices/pci0000:00/0000:00:14.0/usb1/" + port;
    QDir().mkpath(usbDevice);
    writeFile(usbDevice + "/idVendor", idVendor);
    writeFile(usbDevice + "/idProduct", idProduct);
    linkNode(number, usbDevice + "/" + port + ":1." + QString::number(number % 4), name);
}

void FakeSysfs::addPlatformNode(int number, const QByteArray& name)
{
    linkNode(number, root() + "/devices/platform/camera" + QString::number(number), name);
}
