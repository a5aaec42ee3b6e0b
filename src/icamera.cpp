#include "icamera.h"

#include <QCameraInfo>
#include <QDebug>
#include <QTcpSocket>

#include "appdata.h"
#include "directshow/idirectshowapi.h"
#include "directshow/idshowthread.h"
#include "ffmpeg/wifirtsp/iwifirtspthread.h"
#include "service/iconfigureservice.h"

namespace {

// How long the wireless camera's control port may take to accept a connection.
const int kProbeTimeoutMs = 200;
// How long a stopped wireless stream gets to deliver its last frame.
const int kWifiStopWaitMs = 200;
const QSize kSwitchResolution(1920, 1080);

QSize sizeOf(const QVariant& size)
{
    return size.toSizeF().toSize();
}

QList<QSizeF> toSizes(const QList<QSize>& sizes)
{
    QList<QSizeF> result;
    for (const QSize& size : sizes) {
        result.append(QSizeF(size));
    }
    return result;
}

// The wireless thread's records: contrast, saturation, brightness, exposure, focus, each
// {minimum, maximum, default, current}.
CameraParameterData toParameterData(const IWifiRtspThread::ParameterRecords& records)
{
    CameraParameterData data;
    CameraParameterEntry* entries[] = {&data.contrast, &data.saturation, &data.brightness,
                                       &data.exposure, &data.focus};
    for (int i = 0; i < records.size() && i < int(std::size(entries)); ++i) {
        const QList<QVariant>& record = records[i];
        if (record.size() == 4) {
            *entries[i] = {record[0], record[1], record[2], record[3]};
        }
    }
    return data;
}

bool isUnset(const CameraParameterEntry& entry)
{
    return entry.current.toDouble() == 0.0;
}

// Copies what identifies a device; the recorder's input names stay as they are.
void copyDevice(const ICameraInfo& from, ICameraInfo* to)
{
    to->index = from.index;
    to->pid = from.pid;
    to->vid = from.vid;
    to->devicePath = from.devicePath;
    to->friendlyName = from.friendlyName;
}

}  // namespace

const char* const ICamera::kWifiName = "Kestrima WIFI";

ICamera* ICamera::instance()
{
    static ICamera camera;
    return &camera;
}

ICamera::ICamera()
{
    qRegisterMetaType<ICameraInfo>();
    qRegisterMetaType<ImageType>();
    qRegisterMetaType<CameraParameterData>();
    qRegisterMetaType<EdgeResult>();
    fillDeviceTable();
}

ICamera::~ICamera()
{
    delete dshowThread_;
    closeWifiThread();
}

IConfigureService* ICamera::config()
{
    return IConfigureService::instance();
}

bool ICamera::wifiMode() const
{
    return config()->wifiMode;
}

// Invented ids: the virtual document camera reports the first pair.
void ICamera::fillDeviceTable()
{
    deviceTable_ = {
        {"c8a1", "2b7e"}, {"c8a2", "2b7e"}, {"E2A9", "2B7E"}, {"3f17", "4b2d"},
        {"3f18", "4b2d"}, {"a6e0", "4b2d"}, {"0d52", "5c3e"}, {"0d53", "5c3e"},
        {"7e41", "6f90"}, {"91b5", "6f90"}, {"B80C", "3D17"}, {"3D17", "B80C"},
    };
}

QList<ICamera::DeviceId> ICamera::deviceTable()
{
    return deviceTable_;
}

bool ICamera::isSupported(const ICameraInfo& device) const
{
    if (qEnvironmentVariableIntValue("ORVELLA_ANY_CAMERA") == 1) {
        return true;
    }
    return std::any_of(deviceTable_.cbegin(), deviceTable_.cend(), [&device](const DeviceId& id) {
        return device.pid.compare(id.first, Qt::CaseInsensitive) == 0 &&
               device.vid.compare(id.second, Qt::CaseInsensitive) == 0;
    });
}

QList<ICameraInfo> ICamera::cameraList()
{
    QList<ICameraInfo> devices;
    IDirectShowApi::dxCameraDevices(devices);
    return devices;
}

QList<ICameraInfo> ICamera::companyCameraList()
{
    QList<ICameraInfo> supported;
    for (const ICameraInfo& device : cameraList()) {
        if (isSupported(device)) {
            supported.append(device);
        }
    }
    return supported;
}

bool ICamera::initData()
{
    IConfigureService* cfg = config();
    // A reopen after a replug must not list the same camera twice.
    cfg->cameraList.clear();
    forgetParameters();
    bool chosen = false;
    for (const ICameraInfo& device : cameraList()) {
        if (!isSupported(device)) {
            continue;
        }
        if (!chosen) {
            chosen = true;
            copyDevice(device, &cfg->currentCamera);
            qDebug() << "company camera: " << device.index << device.friendlyName << device.pid
                     << device.vid;
        }
        cfg->cameraList.append(device);
    }
    if (chosen) {
        if (wifiMode()) {  // a supported camera plugged in while the wireless one was in use
            closeWifi();
            cfg->wifiMode = false;
        }
        if (!dshowThread_) {
            createDShowThread();
        }
    } else {
        qDebug() << "not find company camera device.";
        if (!hasValidRtspUrl()) {
            qDebug() << "not find company wifi camera device.";
            return false;
        }
        becomeWifi();
        if (!wifiThread_) {
            createWifiRtspThread();
        }
        qDebug() << "open wifi device.";
    }
    setResolution(cfg->cameraResolution());
    return true;
}

void ICamera::becomeWifi()
{
    IConfigureService* cfg = config();
    cfg->wifiMode = true;
    ICameraInfo wifi;
    wifi.index = kWifiIndex;
    wifi.friendlyName = QLatin1String(kWifiName);
    // No device path: a USB device's unplug must never be taken for the wireless camera's.
    copyDevice(wifi, &cfg->currentCamera);
}

void ICamera::closeAll()
{
    closeWifi();
    deleteDShowThread();
    forgetParameters();
}

bool ICamera::reopen()
{
    if (!initData()) {
        return false;
    }
    return openCamera(config()->currentCamera.index);
}

bool ICamera::openCamera(int index)
{
    if (wifiMode()) {
        if (!wifiThread_) {
            createWifiRtspThread();
        }
        startWifiThread();
        return true;
    }
    if (index == -1) {
        qDebug() << "camera index == -1.";
        return false;
    }
    if (!dshowThread_) {
        createDShowThread();
    }
    dshowThread_->openDevice(config()->currentCamera.devicePath);
    return true;
}

bool ICamera::openByDescription(const QString& description)
{
    if (description.isEmpty()) {
        return false;
    }
    const QList<QCameraInfo> cameras = QCameraInfo::availableCameras();
    const auto found = std::find_if(
        cameras.cbegin(), cameras.cend(),
        [&description](const QCameraInfo& camera) { return camera.description() == description; });
    if (found == cameras.cend()) {
        return false;
    }
    // The system list and ours may be ordered differently: find the device by its path.
    const QList<ICameraInfo> devices = cameraList();
    const auto device = std::find_if(
        devices.cbegin(), devices.cend(),
        [&found](const ICameraInfo& info) { return info.devicePath == found->deviceName(); });
    if (device == devices.cend()) {
        return false;
    }
    if (wifiMode()) {
        closeWifi();
        config()->wifiMode = false;
    }
    if (device->devicePath != config()->currentCamera.devicePath) {
        forgetParameters();
        copyDevice(*device, &config()->currentCamera);
    }
    return openCamera(device->index);
}

void ICamera::closeCurrent()
{
    deleteDShowThread();
    forgetParameters();
    const ICameraInfo none;
    copyDevice(none, &config()->currentCamera);
}

bool ICamera::hasCaptureThread()
{
    return dshowThread_ != nullptr;
}

bool ICamera::reserved()
{
    return false;
}

void ICamera::switchCamera(ICameraInfo info)
{
    IConfigureService* cfg = config();
    if (wifiMode()) {
        closeWifi();
    } else {
        deleteDShowThread();
        createDShowThread();
    }
    ICameraInfo& current = cfg->currentCamera;
    qDebug() << "switch camera before: " << current.index << current.pid << current.vid
             << current.friendlyName;
    forgetParameters();
    copyDevice(info, &current);
    cfg->wifiMode = info.index == kWifiIndex;
    qDebug() << "switch camera after: " << current.index << current.pid << current.vid
             << current.friendlyName << cfg->wifiMode;
    setResolution(kSwitchResolution);
    openCamera(current.index);
}

bool ICamera::openWifi()
{
    if (!hasValidRtspUrl()) {
        emit sgError(1);
        return true;
    }
    forgetParameters();
    becomeWifi();
    closeWifiThread();
    createWifiRtspThread();
    startWifiThread();
    return true;
}

bool ICamera::hasValidRtspUrl()
{
    IConfigureService* cfg = config();
    if (cfg->wifiRtspUrl.isEmpty() || cfg->wifi.host.isEmpty()) {
        qDebug() << "wifi rtsp url is null.";
        return false;
    }
    QTcpSocket socket;
    socket.connectToHost(cfg->wifi.host, cfg->wifi.controlPort);
    const bool connected = socket.waitForConnected(kProbeTimeoutMs);
    if (!connected) {
        qDebug() << "tcp connect server error: " << socket.errorString();
    }
    socket.abort();
    return connected;
}

void ICamera::createDShowThread()
{
    dshowThread_ = new IDShowThread();
    connect(dshowThread_, &IDShowThread::sgCameraFrame, this, &ICamera::sgCameraFrame);
    connect(dshowThread_, &IDShowThread::sgError, this, &ICamera::slError);
    connect(dshowThread_, &IDShowThread::sgResolutionNegotiated, this,
            &ICamera::slResolutionNegotiated);
}

IDShowThread* ICamera::createCaptureObject()
{
    return new IDShowThread();
}

void ICamera::deleteDShowThread()
{
    delete dshowThread_;
    dshowThread_ = nullptr;
}

void ICamera::forgetParameters()
{
    parameter_ = CameraParameterData();
}

void ICamera::slError(int code)
{
    // Reported whenever it comes, also long after start-up: a late 1 must not go unseen.
    qDebug() << "camera status: " << code;
    emit sgError(code);
}

void ICamera::slResolutionNegotiated(QSize size)
{
    if (size != config()->cameraResolution()) {
        qDebug() << "camera resolution negotiated: " << size;
        config()->setCameraResolution(size);
    }
}

QImage ICamera::captureImage(ImageType type)
{
    if (wifiMode()) {
        return wifiThread_ ? wifiThread_->currentImage(type) : QImage();
    }
    return dshowThread_ ? dshowThread_->latestImage(type) : QImage();
}

QVariant ICamera::contrast()
{
    if (wifiMode()) {
        return wifiThread_ ? wifiThread_->contrast() : QVariant(kNoValue);
    }
    return dshowThread_ ? dshowThread_->contrast() : QVariant(kNoValue);
}

QVariant ICamera::saturation()
{
    if (wifiMode()) {
        return wifiThread_ ? wifiThread_->saturation() : QVariant(kNoValue);
    }
    return dshowThread_ ? dshowThread_->saturation() : QVariant(kNoValue);
}

QVariant ICamera::brightness()
{
    if (wifiMode()) {
        return wifiThread_ ? wifiThread_->brightness() : QVariant(kNoValue);
    }
    return dshowThread_ ? dshowThread_->brightness() : QVariant(kNoValue);
}

QVariant ICamera::currentResolution()
{
    if (wifiMode()) {
        return wifiThread_ ? wifiThread_->currentResolution() : QVariant();
    }
    return dshowThread_ ? QVariant(dshowThread_->requestedSize()) : QVariant();
}

EdgeResult ICamera::autoEdgeResult()
{
    if (wifiMode()) {
        return wifiThread_ ? wifiThread_->documentEdge() : EdgeResult();
    }
    return dshowThread_ ? dshowThread_->autoEdgeResult() : EdgeResult();
}

QList<QSizeF> ICamera::supportedResolutions()
{
    if (wifiMode()) {
        return wifiThread_ ? toSizes(wifiThread_->resolutionList()) : QList<QSizeF>();
    }
    return dshowThread_ ? dshowThread_->supportedResolutions() : QList<QSizeF>();
}

CameraParameterData ICamera::cameraParameter()
{
    if (!isUnset(parameter_.brightness) || !isUnset(parameter_.contrast) ||
        !isUnset(parameter_.saturation)) {
        return parameter_;
    }
    if (wifiMode()) {
        if (wifiThread_) {
            parameter_ = toParameterData(wifiThread_->parameterData());
        }
    } else if (dshowThread_) {
        parameter_ = dshowThread_->cameraParameter();
    } else if (config()->currentCamera.index >= 0) {
        IDirectShowApi::dxCameraParameter(config()->currentCamera.index, parameter_);
    }
    return parameter_;
}

void ICamera::setContrast(QVariant value)
{
    if (wifiMode()) {
        if (wifiThread_) {
            wifiThread_->setContrast(value);
        }
    } else if (dshowThread_) {
        dshowThread_->setContrast(value);
    }
}

void ICamera::setSaturation(QVariant value)
{
    if (wifiMode()) {
        if (wifiThread_) {
            wifiThread_->setSaturation(value);
        }
    } else if (dshowThread_) {
        dshowThread_->setSaturation(value);
    }
}

void ICamera::setBrightness(QVariant value)
{
    if (wifiMode()) {
        if (wifiThread_) {
            wifiThread_->setBrightness(value);
        }
    } else if (dshowThread_) {
        dshowThread_->setBrightness(value);
    }
}

bool ICamera::setResolution(QVariant size)
{
    config()->setCameraResolution(sizeOf(size));
    if (wifiMode()) {
        return wifiThread_ && wifiThread_->setResolution(size);
    }
    return dshowThread_ && dshowThread_->setResolution(size);
}

void ICamera::setStreamRunning(const bool& running)
{
    if (wifiMode()) {
        if (wifiThread_) {
            wifiThread_->setPlaying(running);
        }
    } else if (dshowThread_) {
        dshowThread_->setStreamRunning(running);
    }
}

IWifiRtspThread* ICamera::wifiOnly() const
{
    return wifiMode() ? wifiThread_ : nullptr;
}

bool ICamera::setCaptureFalg(ImageType type)
{
    IWifiRtspThread* wifi = wifiOnly();
    return wifi && wifi->setCaptureFalg(type);
}

void ICamera::setVideoStreamFilter(ImageType type)
{
    if (IWifiRtspThread* wifi = wifiOnly()) {
        wifi->setVideoStreamFilter(type);
        qDebug() << "video stream filter: " << type;
    }
}

void ICamera::setVideoStreamMode(int value)
{
    if (IWifiRtspThread* wifi = wifiOnly()) {
        wifi->setVideoStreamMode(value);
    }
}

void ICamera::nextVideoStreamMode()
{
    if (IWifiRtspThread* wifi = wifiOnly()) {
        wifi->nextVideoStreamMode();
    }
}

int ICamera::switchLamp()
{
    IWifiRtspThread* wifi = wifiOnly();
    return wifi ? wifi->switchLamp() : -1;
}

void ICamera::setAutoEdge(const bool& on)
{
    if (wifiMode()) {
        if (wifiThread_) {
            wifiThread_->setEdgeDetection(on);
        }
    } else if (dshowThread_) {
        dshowThread_->setAutoEdge(on);
    }
}

void ICamera::setFocus(const int& value)
{
    if (wifiMode()) {
        if (wifiThread_) {
            wifiThread_->setAutoFocusFlag(value);  // -999 starts the camera's autofocus
        }
    } else if (dshowThread_) {
        if (value == kNoValue) {
            dshowThread_->setAutoFocus();
        } else {
            dshowThread_->setFocus(value);
        }
    }
}

void ICamera::setExposure(const int& value)
{
    if (wifiMode()) {
        if (wifiThread_) {
            wifiThread_->setAutoExposureFlag(value);  // the camera keeps its own exposure for -999
        }
    } else if (dshowThread_) {
        if (value == kNoValue) {
            dshowThread_->setAutoExposure();
        } else {
            dshowThread_->setExposure(value);
        }
    }
}

void ICamera::createWifiRtspThread()
{
    wifiThread_ = new IWifiRtspThread();
    wifiStarted_ = false;
    connect(wifiThread_, &IWifiRtspThread::sgCameraFrame, this, &ICamera::sgCameraFrame);
    connect(wifiThread_, &IWifiRtspThread::sgCaptureImage, this, &ICamera::sgCaptureImage);
    connect(wifiThread_, &IWifiRtspThread::sgError, this, &ICamera::slError);
    connect(wifiThread_, &IWifiRtspThread::sgChangeResolutionFromOtherApp, this,
            &ICamera::sgChangeResolutionFromOtherApp);
    connect(wifiThread_, &IWifiRtspThread::sgFrameLossRate, this, &ICamera::sgFrameLossRate);
}

void ICamera::startWifiThread()
{
    // A second start would replace a control link that is up (a reopen after a USB arrival).
    if (!wifiStarted_) {
        wifiStarted_ = true;
        wifiThread_->startControl();
    }
}

bool ICamera::closeWifiThread()
{
    delete wifiThread_;
    wifiThread_ = nullptr;
    wifiStarted_ = false;
    forgetParameters();
    return true;
}

void ICamera::closeWifi()
{
    if (!wifiThread_) {
        return;
    }
    wifiThread_->setPlaying(false);
    waitProcessingEvents(kWifiStopWaitMs);
    emit sgRunCopyImage();
    closeWifiThread();
}
