#include "imodeeventhandle.h"

#include <QMetaMethod>

IModeEventHandle::IModeEventHandle(QObject* parent) : QObject(parent) {}

void IModeEventHandle::reportPress(IDeviceEvent* device, IMode* mode)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&IModeEventHandle::devicePress))) {
        IDeviceArgs args{device, mode};
        emit devicePress(&args);
    }
}

void IModeEventHandle::reportMove(IDeviceEvent* device, IMode* mode)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&IModeEventHandle::deviceMove))) {
        IDeviceArgs args{device, mode};
        emit deviceMove(&args);
    }
}

void IModeEventHandle::reportRelease(IDeviceEvent* device, IMode* mode)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&IModeEventHandle::deviceRelease))) {
        IDeviceArgs args{device, mode};
        emit deviceRelease(&args);
    }
}
