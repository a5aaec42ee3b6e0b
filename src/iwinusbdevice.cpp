#include "iwinusbdevice.h"

#include <QDebug>

#include "platform/hotplug/ihotplugsource.h"
#include "platform/video/ivirtualcamerahub.h"

IWinUsbDevice::IWinUsbDevice(QObject* parent)
    : IWinUsbDevice(IHotplugSource::createDefault(nullptr), parent)
{
}

IWinUsbDevice::IWinUsbDevice(IHotplugSource* source, QObject* parent) : QObject(parent)
{
    source->setParent(this);
    connect(source, &IHotplugSource::deviceChanged, this, &IWinUsbDevice::onDeviceChanged);
    connect(IVirtualCameraHub::instance(), &IVirtualCameraHub::sgDeviceChanged, this,
            &IWinUsbDevice::onDeviceChanged);
}

void IWinUsbDevice::onDeviceChanged(bool connected, const QString& path)
{
    qDebug() << "device change: " << connected << path;
    emit connectionChanged(connected, path);
}
