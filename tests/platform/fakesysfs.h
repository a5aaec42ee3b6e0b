#ifndef FAKESYSFS_H
#define FAKESYSFS_H

#include <QString>
#include <QTemporaryDir>

// A throw-away sysfs tree laid out like the kernel's: /class/video4linux/videoN links into
// /devices, where a USB device folder (idVendor, idProduct) holds the interface that owns the
// video node.
class FakeSysfs {
public:
    FakeSysfs();
    QString root() const { return dir_.path(); }
    QString devRoot() const { return dir_.path() + "/dev"; }
    QString devicePath(int number) const;

    // A node under USB device `port` (e.g. "1-1") whose id files hold the given texts.
    void addUsbNode(int number, const QString& port, const QByteArray& idVendor,
                    const QByteArray& idProduct, const QByteArray& name = "USB Camera");
    // A node without a USB parent (a platform device).
    void addPlatformNode(int number, const QByteArray& name = "platform camera");

private:
    void linkNode(int number, const QString& nodeDir, const QByteArray& name);
    static void writeFile(const QString& path, const QByteArray& text);

    QTemporaryDir dir_;
};

#endif  // FAKESYSFS_H
