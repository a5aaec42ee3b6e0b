#ifndef UDEVHOTPLUGSOURCE_H
#define UDEVHOTPLUGSOURCE_H

#include "platform/hotplug/ihotplugsource.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

// libudev monitor on the "video4linux" subsystem, read through a QSocketNotifier.
class UdevHotplugSource : public IHotplugSource {
    Q_OBJECT
public:
    explicit UdevHotplugSource(QObject* parent = nullptr);
    ~UdevHotplugSource() override;

    bool isValid() const;

private slots:
    void onReadable();

private:
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
};

#endif  // UDEVHOTPLUGSOURCE_H
