#ifndef IWINUSBDEVICE_H
#define IWINUSBDEVICE_H

#include <QObject>
#include <QString>

class IHotplugSource;

// Announces video capture devices that are plugged in or pulled out: the system's hot-plug
// source (udev, else the /dev video nodes) and the virtual cameras, through one signal.
class IWinUsbDevice : public QObject {
    Q_OBJECT
public:
    // Watches this machine's devices.
    explicit IWinUsbDevice(QObject* parent = nullptr);
    // Watches `source` (taken over) instead of the system's devices.
    explicit IWinUsbDevice(IHotplugSource* source, QObject* parent = nullptr);

signals:
    // strName is the device path, as in the camera record.
    void connectionChanged(bool bConnected, QString strName);
    // A storage volume by drive name; drives have no letters here, so it stays silent.
    void connectionChangedUSB(QString strName);

private:
    void onDeviceChanged(bool connected, const QString& path);
};

#endif  // IWINUSBDEVICE_H
