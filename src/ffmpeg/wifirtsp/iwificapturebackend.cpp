#include "iwificapturebackend.h"

#include "ffmpeg/wifirtsp/iwifirtspthread.h"

namespace {

// The thread's records: contrast, saturation, brightness, exposure, focus, each
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

}  // namespace

IWifiCaptureBackend::IWifiCaptureBackend(QObject* parent)
    : ICaptureBackend(parent), thread_(std::make_unique<IWifiRtspThread>())
{
    IWifiRtspThread* thread = thread_.get();
    connect(thread, &IWifiRtspThread::sgCameraFrame, this, &ICaptureBackend::sgCameraFrame);
    connect(thread, &IWifiRtspThread::sgCaptureImage, this, &ICaptureBackend::sgCaptureImage);
    connect(thread, &IWifiRtspThread::sgError, this, &ICaptureBackend::sgError);
    connect(thread, &IWifiRtspThread::sgChangeResolutionFromOtherApp, this,
            &ICaptureBackend::sgChangeResolutionFromOtherApp);
    connect(thread, &IWifiRtspThread::sgFrameLossRate, this, &ICaptureBackend::sgFrameLossRate);
}

IWifiCaptureBackend::~IWifiCaptureBackend() = default;

void IWifiCaptureBackend::open(const QString&)
{
    // A second start would replace a control link that is up (a reopen after a USB arrival).
    if (!started_) {
        started_ = true;
        thread_->startControl();
    }
}

QImage IWifiCaptureBackend::captureImage(ImageType type)
{
    return thread_->currentImage(type);
}

QVariant IWifiCaptureBackend::contrast()
{
    return thread_->contrast();
}

QVariant IWifiCaptureBackend::saturation()
{
    return thread_->saturation();
}

QVariant IWifiCaptureBackend::brightness()
{
    return thread_->brightness();
}

QVariant IWifiCaptureBackend::currentResolution()
{
    return thread_->currentResolution();
}

EdgeResult IWifiCaptureBackend::autoEdgeResult()
{
    return thread_->documentEdge();
}

QList<QSizeF> IWifiCaptureBackend::supportedResolutions()
{
    QList<QSizeF> sizes;
    for (const QSize& size : thread_->resolutionList()) {
        sizes.append(QSizeF(size));
    }
    return sizes;
}

CameraParameterData IWifiCaptureBackend::cameraParameter()
{
    return toParameterData(thread_->parameterData());
}

void IWifiCaptureBackend::setContrast(const QVariant& value)
{
    thread_->setContrast(value);
}

void IWifiCaptureBackend::setSaturation(const QVariant& value)
{
    thread_->setSaturation(value);
}

void IWifiCaptureBackend::setBrightness(const QVariant& value)
{
    thread_->setBrightness(value);
}

bool IWifiCaptureBackend::setResolution(const QVariant& size)
{
    return thread_->setResolution(size);
}

void IWifiCaptureBackend::setStreamRunning(bool running)
{
    thread_->setPlaying(running);
}

void IWifiCaptureBackend::setViewSize(const QSize& shown)
{
    thread_->setViewSize(shown);
}

void IWifiCaptureBackend::setAutoEdge(bool on)
{
    thread_->setEdgeDetection(on);
}

void IWifiCaptureBackend::setFocus(int value)
{
    thread_->setAutoFocusFlag(value);
}

void IWifiCaptureBackend::setExposure(int value)
{
    thread_->setAutoExposureFlag(value);
}

bool IWifiCaptureBackend::setCaptureFalg(ImageType type)
{
    return thread_->setCaptureFalg(type);
}

void IWifiCaptureBackend::setVideoStreamFilter(ImageType type)
{
    thread_->setVideoStreamFilter(type);
}

void IWifiCaptureBackend::setVideoStreamMode(int value)
{
    thread_->setVideoStreamMode(value);
}

void IWifiCaptureBackend::nextVideoStreamMode()
{
    thread_->nextVideoStreamMode();
}

int IWifiCaptureBackend::switchLamp()
{
    return thread_->switchLamp();
}
