#include "ideviceevent.h"

#include <QMouseEvent>

IDeviceEvent::IDeviceEvent(const QMouseEvent& source, const QPointF& position, int deviceId)
    : event_(new QMouseEvent(source.type(), position, source.button(), source.buttons(),
                             source.modifiers())),
      position_(position),
      deviceId_(deviceId)
{
}

IDeviceEvent::~IDeviceEvent()
{
    delete event_;
}
