#include "idshowcapturebackend.h"

#include "directshow/idshowthread.h"

IDShowCaptureBackend::IDShowCaptureBackend(QObject* parent)
    : ICaptureBackend(parent), thread_(std::make_unique<IDShowThread>())
{
    connect(thread_.get(), &IDShowThread::sgCameraFrame, this, &ICaptureBackend::sgCameraFrame);
    connect(thread_.get(), &IDShowThread::sgError, this, &ICaptureBackend::sgError);
    connect(thread_.get(), &IDShowThread::sgResolutionNegotiated, this,
            &ICaptureBackend::sgResolutionNegotiated);
}

IDShowCaptureBackend::~IDShowCaptureBackend() = default;

void IDShowCaptureBackend::open(const QString& devicePath)
{
    thread_->openDevice(devicePath);
}

QImage IDShowCaptureBackend::captureImage(ImageType type)
{
    return thread_->latestImage(type);
}

QVariant IDShowCaptureBackend::contrast()
{
    return thread_->contrast();
}

QVariant IDShowCaptureBackend::saturation()
{
    return thread_->saturation();
}

QVariant IDShowCaptureBackend::brightness()
{
    return thread_->brightness();
}

QVariant IDShowCaptureBackend::currentResolution()
{
    return thread_->requestedSize();
}

EdgeResult IDShowCaptureBackend::autoEdgeResult()
{
    return thread_->autoEdgeResult();
}

QList<QSizeF> IDShowCaptureBackend::supportedResolutions()
{
    return thread_->supportedResolutions();
}

CameraParameterData IDShowCaptureBackend::cameraParameter()
{
    return thread_->cameraParameter();
}

void IDShowCaptureBackend::setContrast(const QVariant& value)
{
    thread_->setContrast(value);
}

void IDShowCaptureBackend::setSaturation(const QVariant& value)
{
    thread_->setSaturation(value);
}

void IDShowCaptureBackend::setBrightness(const QVariant& value)
{
    thread_->setBrightness(value);
}

bool IDShowCaptureBackend::setResolution(const QVariant& size)
{
    return thread_->setResolution(size);
}

void IDShowCaptureBackend::setStreamRunning(bool running)
{
    thread_->setStreamRunning(running);
}

void IDShowCaptureBackend::setAutoEdge(bool on)
{
    thread_->setAutoEdge(on);
}

void IDShowCaptureBackend::setFocus(int value)
{
    thread_->setFocus(value);  // kAutomatic selects the automatic mode
}

void IDShowCaptureBackend::setViewSize(const QSize& shown)
{
    thread_->setViewSize(shown);
}

void IDShowCaptureBackend::setExposure(int value)
{
    thread_->setExposure(value);
}
