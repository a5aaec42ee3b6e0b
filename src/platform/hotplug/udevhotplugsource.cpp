#include "udevhotplugsource.h"

#include <QDebug>
#include <QSocketNotifier>

#include <libudev.h>

UdevHotplugSource::UdevHotplugSource(QObject* parent) : IHotplugSource(parent)
{
    udev_ = udev_new();
    if (!udev_) {
        qDebug() << "udev: cannot create context";
        return;
    }
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_ ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "video4linux", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        qDebug() << "udev: cannot monitor video4linux";
        return;
    }
    notifier_ = new QSocketNotifier(udev_monitor_get_fd(monitor_), QSocketNotifier::Read, this);
    connect(notifier_, SIGNAL(activated(int)), this, SLOT(onReadable()));
}

UdevHotplugSource::~UdevHotplugSource()
{
    delete notifier_;
    if (monitor_) {
        udev_monitor_unref(monitor_);
    }
    if (udev_) {
        udev_unref(udev_);
    }
}

bool UdevHotplugSource::isValid() const
{
    return notifier_ != nullptr;
}

void UdevHotplugSource::onReadable()
{
    udev_device* device = udev_monitor_receive_device(monitor_);
    if (!device) {
        return;
    }
    const QString action = QString::fromLatin1(udev_device_get_action(device));
    const QString node = QString::fromLocal8Bit(udev_device_get_devnode(device));
    udev_device_unref(device);
    if (node.isEmpty() || (action != "add" && action != "remove")) {
        return;
    }
    emit deviceChanged(action == "add", node);
}
