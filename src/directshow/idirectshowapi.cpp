#include "idirectshowapi.h"

#include <QDebug>
#include <QHash>
#include <algorithm>

#include "platform/video/ivideosystem.h"

namespace {

struct ControlReading {
    VideoControl control;
    const char* name;
    CameraParameterEntry CameraParameterData::*entry;
};

const ControlReading kCameraControls[] = {
    {VideoControl::Focus, "Focus", &CameraParameterData::focus},
    {VideoControl::Exposure, "Exposure", &CameraParameterData::exposure},
};
const ControlReading kProcAmpControls[] = {
    {VideoControl::Brightness, "Brightness", &CameraParameterData::brightness},
    {VideoControl::Contrast, "Contrast", &CameraParameterData::contrast},
    {VideoControl::Saturation, "Saturation", &CameraParameterData::saturation},
};

bool hasAny(IVideoDevice& device, const ControlReading* begin, const ControlReading* end)
{
    VideoControlRange range;
    return std::any_of(begin, end, [&](const ControlReading& reading) {
        return device.controlRange(reading.control, &range);
    });
}

void readControl(IVideoDevice& device, const ControlReading& reading, CameraParameterData& data)
{
    VideoControlRange range;
    if (!device.controlRange(reading.control, &range)) {
        qDebug().noquote() << QStringLiteral("Get %1 Parameter Error.").arg(reading.name);
        return;
    }
    int current = range.defaultValue;
    if (!device.controlValue(reading.control, &current)) {
        qDebug().noquote() << QStringLiteral("Get %1 Cur value error.").arg(reading.name);
    }
    CameraParameterEntry& entry = data.*reading.entry;
    entry.minimum = range.minimum;
    entry.maximum = range.maximum;
    entry.defaultValue = range.defaultValue;
    entry.current = current;
    qDebug().noquote() << QStringLiteral("%1--->").arg(reading.name) << "Min:" << range.minimum
                       << "Max:" << range.maximum << "Default:" << range.defaultValue
                       << "Cur:" << current;
}

}  // namespace

bool IDirectShowApi::dxCameraDevices(QList<ICameraInfo>& devices)
{
    devices.clear();
    const QList<VideoNodeInfo> nodes = IVideoSystem::instance()->devices();
    if (nodes.isEmpty()) {
        qDebug() << "no video capture device found.";
        return false;
    }
    QHash<QString, int> nameCount;
    for (int index = 0; index < nodes.size(); ++index) {
        const VideoNodeInfo& node = nodes[index];
        ICameraInfo info;
        info.index = index;
        info.friendlyName = node.name + QStringLiteral(" #%1").arg(++nameCount[node.name]);
        info.devicePath = node.path;
        info.pid = node.pid;
        info.vid = node.vid;
        devices.append(info);
        qDebug() << "directshow camera info: " << info.index << info.friendlyName << info.pid
                 << info.vid << info.devicePath;
    }
    return true;
}

bool IDirectShowApi::bindDevice(int index, std::unique_ptr<IVideoDevice>& device)
{
    device.reset();
    if (index < 0) {
        return false;
    }
    const QList<VideoNodeInfo> nodes = IVideoSystem::instance()->devices();
    if (index >= nodes.size()) {
        return false;
    }
    device = IVideoSystem::instance()->open(nodes[index].path);
    return device != nullptr;
}

void IDirectShowApi::deviceSupportResolution(IVideoDevice& device, QList<QSizeF>& sizes)
{
    for (const VideoFrameSize& offered : device.frameSizes()) {
        const QSizeF size(offered.size);
        if (!sizes.contains(size)) {
            sizes.append(size);
        }
    }
    std::stable_sort(sizes.begin(), sizes.end(),
                     [](const QSizeF& a, const QSizeF& b) { return a.width() < b.width(); });
}

bool IDirectShowApi::dxCameraSupportResolution(int index, QList<QSizeF>& sizes)
{
    std::unique_ptr<IVideoDevice> device;
    if (!bindDevice(index, device)) {
        qDebug() << "directshow BindFilter error";
        return false;
    }
    deviceSupportResolution(*device, sizes);
    return true;
}

void IDirectShowApi::deviceParameter(IVideoDevice& device, CameraParameterData& data)
{
    if (hasAny(device, std::begin(kCameraControls), std::end(kCameraControls))) {
        for (const ControlReading& reading : kCameraControls) {
            readControl(device, reading, data);
        }
    } else {
        qDebug() << "The device does not support IAMCameraControl";
    }
    if (hasAny(device, std::begin(kProcAmpControls), std::end(kProcAmpControls))) {
        for (const ControlReading& reading : kProcAmpControls) {
            readControl(device, reading, data);
        }
    }
}

bool IDirectShowApi::dxCameraParameter(int index, CameraParameterData& data)
{
    std::unique_ptr<IVideoDevice> device;
    if (!bindDevice(index, device)) {
        qDebug() << "directshow BindFilter error";
        return false;
    }
    deviceParameter(*device, data);
    return true;
}
