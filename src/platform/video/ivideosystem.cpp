#include "ivideosystem.h"

#include "platform/video/iv4l2enumerator.h"
#include "platform/video/iv4l2systemio.h"
#include "platform/video/iv4l2videodevice.h"
#include "platform/video/ivirtualcamerahub.h"

IVideoSystem* IVideoSystem::instance()
{
    static IVideoSystem system;
    return &system;
}

IVideoSystem::IVideoSystem()
    : io_(std::make_shared<IV4l2SystemIo>()),
      sysRoot_(QStringLiteral("/sys")),
      devRoot_(QStringLiteral("/dev"))
{
}

void IVideoSystem::setV4l2(std::shared_ptr<IV4l2Io> io, const QString& sysRoot,
                           const QString& devRoot)
{
    std::lock_guard<std::mutex> lock(mutex_);
    io_ = std::move(io);
    sysRoot_ = sysRoot;
    devRoot_ = devRoot;
}

QList<VideoNodeInfo> IVideoSystem::devices()
{
    std::unique_lock<std::mutex> lock(mutex_);
    const IV4l2Enumerator enumerator(io_, sysRoot_, devRoot_);
    lock.unlock();
    return enumerator.devices() + IVirtualCameraHub::instance()->devices();
}

QStringList IVideoSystem::deniedDevices()
{
    std::unique_lock<std::mutex> lock(mutex_);
    const IV4l2Enumerator enumerator(io_, sysRoot_, devRoot_);
    lock.unlock();
    return enumerator.deniedNodes();
}

std::unique_ptr<IVideoDevice> IVideoSystem::open(const QString& path)
{
    if (IVirtualCameraHub::isVirtualPath(path)) {
        return IVirtualCameraHub::instance()->open(path);
    }
    std::unique_lock<std::mutex> lock(mutex_);
    const std::shared_ptr<IV4l2Io> io = io_;
    lock.unlock();
    return IV4l2VideoDevice::open(io, path);
}
