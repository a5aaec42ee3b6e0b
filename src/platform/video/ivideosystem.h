#ifndef IVIDEOSYSTEM_H
#define IVIDEOSYSTEM_H

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>

#include "platform/video/ivideodevice.h"

class IV4l2Io;

// The one place that chooses the capture back ends: the V4L2 devices first (numeric node
// order), then the virtual document cameras. Safe to call from any thread.
class IVideoSystem {
public:
    static IVideoSystem* instance();

    QList<VideoNodeInfo> devices();
    // V4L2 nodes present but not openable for lack of permission.
    QStringList deniedDevices();
    // Null when the device cannot be opened.
    std::unique_ptr<IVideoDevice> open(const QString& path);

    // Replaces the V4L2 system calls and the sysfs and /dev roots (tests).
    void setV4l2(std::shared_ptr<IV4l2Io> io, const QString& sysRoot, const QString& devRoot);

private:
    IVideoSystem();

    std::mutex mutex_;  // guards the three V4L2 settings
    std::shared_ptr<IV4l2Io> io_;
    QString sysRoot_;
    QString devRoot_;
};

#endif  // IVIDEOSYSTEM_H
