#ifndef IMODEEVENTHANDLE_H
#define IMODEEVENTHANDLE_H

#include <QObject>

#include "board/ideviceargs.h"

// Relay through which an observer follows the device activity of a mode. The arguments live on
// the reporter's stack, so receivers must be connected directly.
class IModeEventHandle : public QObject {
    Q_OBJECT
public:
    explicit IModeEventHandle(QObject* parent = nullptr);

    // Emit the matching signal only when someone listens.
    void reportPress(IDeviceEvent* device, IMode* mode);
    void reportMove(IDeviceEvent* device, IMode* mode);
    void reportRelease(IDeviceEvent* device, IMode* mode);

signals:
    void devicePress(IDeviceArgs* dev);
    void deviceMove(IDeviceArgs* dev);
    void deviceRelease(IDeviceArgs* dev);
};

#endif  // IMODEEVENTHANDLE_H
