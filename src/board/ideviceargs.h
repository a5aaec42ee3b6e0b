#ifndef IDEVICEARGS_H
#define IDEVICEARGS_H

class IDeviceEvent;
class IMode;

// What the relay signals carry: the record and the mode that reports it. Valid only during the
// signal's delivery (connect directly).
struct IDeviceArgs {
    IDeviceEvent* device = nullptr;
    IMode* mode = nullptr;
};

#endif  // IDEVICEARGS_H
