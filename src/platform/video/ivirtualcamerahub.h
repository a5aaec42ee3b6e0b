#ifndef IVIRTUALCAMERAHUB_H
#define IVIRTUALCAMERAHUB_H

#include <QObject>
#include <QVector>
#include <memory>
#include <mutex>

#include "platform/video/ivideodevice.h"

struct VirtualCameraState;

// The built-in virtual document cameras: ORVELLA_VIRTUAL_CAMERA=N gives N of them (none by
// default), listed after the real devices under the paths "virtual:0", "virtual:1", ...
// Tests use the hooks to make one fail to open, unplug it and plug it in again; plugging and
// unplugging is announced like a hot-plug event.
class IVirtualCameraHub : public QObject {
    Q_OBJECT
public:
    static IVirtualCameraHub* instance();

    // USB ids the virtual camera reports (an entry of the supported-device table).
    static const char* const kVid;
    static const char* const kPid;
    static const char* const kName;

    static QString pathOf(int index);
    static bool isVirtualPath(const QString& path);

    // The plugged-in virtual devices in index order.
    QList<VideoNodeInfo> devices() const;
    // Null for an unknown, unplugged or failing device.
    std::unique_ptr<IVideoDevice> open(const QString& path);

    int count() const;
    void setCount(int count);
    void setFailOpen(int index, bool fail);
    // Open handles of an unplugged device stay dead after a replug, like a real device node.
    void unplug(int index);
    void replug(int index);

signals:
    void sgDeviceChanged(bool connected, const QString& path);

private:
    IVirtualCameraHub();
    std::shared_ptr<VirtualCameraState> stateOf(int index) const;
    void setPlugged(int index, bool plugged);

    mutable std::mutex mutex_;
    QVector<std::shared_ptr<VirtualCameraState>> cameras_;
};

#endif  // IVIRTUALCAMERAHUB_H
