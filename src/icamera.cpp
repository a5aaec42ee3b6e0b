#include "icamera.h"

#include <QCameraInfo>
#include <QDebug>
#include <QTcpSocket>

#include "appdata.h"
#include "directshow/idirectshowapi.h"
#include "directshow/idshowcapturebackend.h"
#include "ffmpeg/wifirtsp/iwificapturebackend.h"
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
    delete backend_;
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

bool ICamera::isListed(const ICameraInfo& device) const
{
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

// The table's ids are not the vendor's, so every capture device counts unless the strict filter
// is asked for; listed devices come first, each group in enumeration order.
QList<ICameraInfo> ICamera::companyCameraList()
{
    const bool listedOnly = qEnvironmentVariableIntValue("ORVELLA_SUPPORTED_CAMERAS_ONLY") == 1;
    QList<ICameraInfo> listed;
    QList<ICameraInfo> others;
    for (const ICameraInfo& device : cameraList()) {
        if (isListed(device)) {
            listed.append(device);
        } else if (!listedOnly) {
            others.append(device);
        }
    }
    return listed + others;
}

bool ICamera::initData()
{
    IConfigureService* cfg = config();
    forgetParameters();
    // Replaced, not appended to: a reopen after a replug must not list the same camera twice.
    cfg->cameraList = companyCameraList();
    if (!cfg->cameraList.isEmpty()) {
        const ICameraInfo& device = cfg->cameraList.first();
        copyDevice(device, &cfg->currentCamera);
        qDebug() << "company camera: " << device.index << device.friendlyName << device.pid
                 << device.vid;
        if (wifiMode()) {  // a supported camera plugged in while the wireless one was in use
            closeWifi();
            cfg->wifiMode = false;
        }
        if (!hasCaptureThread()) {
            createDShowThread();
        }
    } else {
        qDebug() << "not find company camera device.";
        if (!hasValidRtspUrl()) {
            qDebug() << "not find company wifi camera device.";
            return false;
        }
        becomeWifi();
        if (!hasWifiThread()) {
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
    deleteBackend(false);
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
        if (!hasWifiThread()) {
            createWifiRtspThread();
        }
        backend_->open(QString());
        return true;
    }
    if (index == -1) {
        qDebug() << "camera index == -1.";
        return false;
    }
    if (!hasCaptureThread()) {
        createDShowThread();
    }
    backend_->open(config()->currentCamera.devicePath);
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
    deleteBackend(false);
    forgetParameters();
    const ICameraInfo none;
    copyDevice(none, &config()->currentCamera);
}

bool ICamera::hasCaptureThread()
{
    return backend_ && !backend_->isWireless();
}

bool ICamera::hasWifiThread() const
{
    return backend_ && backend_->isWireless();
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
        deleteBackend(false);
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
    backend_->open(QString());
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

void ICamera::setBackend(ICaptureBackend* backend)
{
    delete backend_;
    backend_ = backend;
    backend->setViewSize(viewSize_);
    connect(backend, &ICaptureBackend::sgCameraFrame, this, &ICamera::sgCameraFrame);
    connect(backend, &ICaptureBackend::sgCaptureImage, this, &ICamera::sgCaptureImage);
    connect(backend, &ICaptureBackend::sgError, this, &ICamera::slError);
    connect(backend, &ICaptureBackend::sgResolutionNegotiated, this,
            &ICamera::slResolutionNegotiated);
    connect(backend, &ICaptureBackend::sgChangeResolutionFromOtherApp, this,
            &ICamera::sgChangeResolutionFromOtherApp);
    connect(backend, &ICaptureBackend::sgFrameLossRate, this, &ICamera::sgFrameLossRate);
}

ICaptureBackend* ICamera::backend() const
{
    return backend_ && backend_->isWireless() == wifiMode() ? backend_ : nullptr;
}

void ICamera::createDShowThread()
{
    setBackend(new IDShowCaptureBackend());
}

void ICamera::createWifiRtspThread()
{
    setBackend(new IWifiCaptureBackend());
}

ICaptureBackend* ICamera::createCaptureObject()
{
    return new IDShowCaptureBackend();
}

void ICamera::deleteBackend(bool wireless)
{
    if (backend_ && backend_->isWireless() == wireless) {
        delete backend_;
        backend_ = nullptr;
    }
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
    ICaptureBackend* current = backend();
    return current ? current->captureImage(type) : QImage();
}

QVariant ICamera::contrast()
{
    ICaptureBackend* current = backend();
    return current ? current->contrast() : QVariant(kNoValue);
}

QVariant ICamera::saturation()
{
    ICaptureBackend* current = backend();
    return current ? current->saturation() : QVariant(kNoValue);
}

QVariant ICamera::brightness()
{
    ICaptureBackend* current = backend();
    return current ? current->brightness() : QVariant(kNoValue);
}

QVariant ICamera::currentResolution()
{
    ICaptureBackend* current = backend();
    return current ? current->currentResolution() : QVariant();
}

EdgeResult ICamera::autoEdgeResult()
{
    ICaptureBackend* current = backend();
    return current ? current->autoEdgeResult() : EdgeResult();
}

QList<QSizeF> ICamera::supportedResolutions()
{
    ICaptureBackend* current = backend();
    return current ? current->supportedResolutions() : QList<QSizeF>();
}

CameraParameterData ICamera::cameraParameter()
{
    if (!isUnset(parameter_.brightness) || !isUnset(parameter_.contrast) ||
        !isUnset(parameter_.saturation)) {
        return parameter_;
    }
    if (ICaptureBackend* current = backend()) {
        parameter_ = current->cameraParameter();
    } else if (!wifiMode() && config()->currentCamera.index >= 0) {
        IDirectShowApi::dxCameraParameter(config()->currentCamera.index, parameter_);
    }
    return parameter_;
}

void ICamera::setContrast(QVariant value)
{
    if (ICaptureBackend* current = backend()) {
        current->setContrast(value);
    }
}

void ICamera::setSaturation(QVariant value)
{
    if (ICaptureBackend* current = backend()) {
        current->setSaturation(value);
    }
}

void ICamera::setBrightness(QVariant value)
{
    if (ICaptureBackend* current = backend()) {
        current->setBrightness(value);
    }
}

bool ICamera::setResolution(QVariant size)
{
    config()->setCameraResolution(sizeOf(size));
    ICaptureBackend* current = backend();
    return current && current->setResolution(size);
}

void ICamera::setStreamRunning(const bool& running)
{
    if (ICaptureBackend* current = backend()) {
        current->setStreamRunning(running);
    }
}

bool ICamera::setCaptureFalg(ImageType type)
{
    ICaptureBackend* current = backend();
    return current && current->setCaptureFalg(type);
}

void ICamera::setVideoStreamFilter(ImageType type)
{
    ICaptureBackend* current = backend();
    if (current && current->isWireless()) {
        current->setVideoStreamFilter(type);
        qDebug() << "video stream filter: " << type;
    }
}

void ICamera::setVideoStreamMode(int value)
{
    if (ICaptureBackend* current = backend()) {
        current->setVideoStreamMode(value);
    }
}

void ICamera::nextVideoStreamMode()
{
    if (ICaptureBackend* current = backend()) {
        current->nextVideoStreamMode();
    }
}

int ICamera::switchLamp()
{
    ICaptureBackend* current = backend();
    return current ? current->switchLamp() : -1;
}

void ICamera::setViewSize(const QSize& shown)
{
    viewSize_ = shown;
    if (backend_) {
        backend_->setViewSize(shown);
    }
}

void ICamera::setAutoEdge(const bool& on)
{
    if (ICaptureBackend* current = backend()) {
        current->setAutoEdge(on);
    }
}

void ICamera::setFocus(const int& value)
{
    if (ICaptureBackend* current = backend()) {
        current->setFocus(value);  // kNoValue selects the automatic focus
    }
}

void ICamera::setExposure(const int& value)
{
    if (ICaptureBackend* current = backend()) {
        current->setExposure(value);  // the wireless camera keeps its own exposure for kNoValue
    }
}

bool ICamera::closeWifiThread()
{
    deleteBackend(true);
    forgetParameters();
    return true;
}

void ICamera::closeWifi()
{
    if (!hasWifiThread()) {
        return;
    }
    backend_->setStreamRunning(false);
    waitProcessingEvents(kWifiStopWaitMs);
    emit sgRunCopyImage();
    closeWifiThread();
}
