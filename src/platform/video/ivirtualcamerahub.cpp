#include "ivirtualcamerahub.h"

#include <QDebug>

#include "platform/video/ivirtualcamera.h"
#include "platform/video/ivirtualscene.h"

namespace {

const char kPrefix[] = "virtual:";
const int kMaxCameras = 8;

int countFromEnvironment()
{
    const QByteArray text = qgetenv("ORVELLA_VIRTUAL_CAMERA");
    if (text.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const int count = text.toInt(&ok);
    if (!ok || count < 0 || count > kMaxCameras) {
        qDebug() << "ORVELLA_VIRTUAL_CAMERA must be 0 to" << kMaxCameras << ", ignored:" << text;
        return 0;
    }
    return count;
}

}  // namespace

const char* const IVirtualCameraHub::kVid = "2b7e";
const char* const IVirtualCameraHub::kPid = "c8a1";
const char* const IVirtualCameraHub::kName = "Virtual Document Camera";

IVirtualCameraHub* IVirtualCameraHub::instance()
{
    static IVirtualCameraHub hub;
    return &hub;
}

IVirtualCameraHub::IVirtualCameraHub()
{
    setCount(countFromEnvironment());
}

QString IVirtualCameraHub::pathOf(int index)
{
    return QLatin1String(kPrefix) + QString::number(index);
}

bool IVirtualCameraHub::isVirtualPath(const QString& path)
{
    return path.startsWith(QLatin1String(kPrefix));
}

int IVirtualCameraHub::count() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return cameras_.size();
}

void IVirtualCameraHub::setCount(int count)
{
    std::lock_guard<std::mutex> lock(mutex_);
    count = std::clamp(count, 0, kMaxCameras);
    const int before = cameras_.size();
    cameras_.resize(count);
    for (int index = before; index < count; ++index) {
        cameras_[index] = std::make_shared<VirtualCameraState>();
        cameras_[index]->pictures = IVirtualScene::picturesFor(index);
    }
}

std::shared_ptr<VirtualCameraState> IVirtualCameraHub::stateOf(int index) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return index >= 0 && index < cameras_.size() ? cameras_[index] : nullptr;
}

QList<VideoNodeInfo> IVirtualCameraHub::devices() const
{
    QList<VideoNodeInfo> found;
    for (int index = 0; index < count(); ++index) {
        const auto state = stateOf(index);
        std::lock_guard<std::mutex> lock(state->mutex);
        if (state->plugged) {
            found.append(
                {pathOf(index), QLatin1String(kName), QLatin1String(kVid), QLatin1String(kPid)});
        }
    }
    return found;
}

std::unique_ptr<IVideoDevice> IVirtualCameraHub::open(const QString& path)
{
    bool ok = false;
    const int index = path.mid(int(sizeof(kPrefix)) - 1).toInt(&ok);
    const auto state = ok && path == pathOf(index) ? stateOf(index) : nullptr;
    if (!state) {
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(state->mutex);
    if (!state->plugged || state->failOpen) {
        qDebug() << "virtual camera cannot be opened:" << path;
        return nullptr;
    }
    return std::make_unique<IVirtualCamera>(state, state->plugGeneration);
}

void IVirtualCameraHub::setFailOpen(int index, bool fail)
{
    if (const auto state = stateOf(index)) {
        std::lock_guard<std::mutex> lock(state->mutex);
        state->failOpen = fail;
    }
}

void IVirtualCameraHub::setPlugged(int index, bool plugged)
{
    const auto state = stateOf(index);
    if (!state) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        if (state->plugged == plugged) {
            return;
        }
        state->plugged = plugged;
        if (!plugged) {
            ++state->plugGeneration;
            state->streamingHandle = nullptr;
        }
    }
    qDebug() << "virtual camera" << (plugged ? "plugged in:" : "unplugged:") << pathOf(index);
    emit sgDeviceChanged(plugged, pathOf(index));
}

void IVirtualCameraHub::unplug(int index)
{
    setPlugged(index, false);
}

void IVirtualCameraHub::replug(int index)
{
    setPlugged(index, true);
}
