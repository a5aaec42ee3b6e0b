#ifndef IDEVICEEVENT_H
#define IDEVICEEVENT_H

#include <QPointF>

class QEvent;
class QMouseEvent;

// One pointer event as a mode sees it: an owned copy of the Qt event, its position in the
// board's viewport coordinates, the device kind (0 mouse) and the device id.
class IDeviceEvent {
public:
    static constexpr int MouseDeviceId = 175;

    // Copies `source` (type, button, buttons, modifiers) placed at `position`.
    IDeviceEvent(const QMouseEvent& source, const QPointF& position, int deviceId);
    ~IDeviceEvent();
    IDeviceEvent(const IDeviceEvent&) = delete;
    IDeviceEvent& operator=(const IDeviceEvent&) = delete;

    QEvent* event() const { return event_; }
    QPointF position() const { return position_; }
    quint8 kind() const { return kind_; }
    int deviceId() const { return deviceId_; }

private:
    QEvent* event_;
    QPointF position_;
    quint8 kind_ = 0;
    int deviceId_;
};

#endif  // IDEVICEEVENT_H
