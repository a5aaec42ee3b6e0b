#include "idshowthread.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <QTransform>

#include "directshow/icaptureformat.h"
#include "directshow/idirectshowapi.h"
#include "opencv/iopencvapi.h"
#include "platform/thread/workerjoin.h"
#include "platform/video/iframedecoder.h"
#include "platform/video/ivideosystem.h"

namespace {

// Longest wait for a frame; bounds how long a stop or a setting takes to be seen.
const int kFrameWaitMs = 50;
// The codes the camera properties had on the original platform, kept for the log lines.
const int kFlagAuto = 1;
const int kFlagManual = 2;

struct ControlNames {
    const char* kind;  // "VideoProcAmpProperty" or "CameraControlProperty"
    int property;
    CameraParameterEntry CameraParameterData::*entry;
};

ControlNames namesOf(VideoControl control)
{
    switch (control) {
        case VideoControl::Brightness:
            return {"VideoProcAmpProperty", 0, &CameraParameterData::brightness};
        case VideoControl::Contrast:
            return {"VideoProcAmpProperty", 1, &CameraParameterData::contrast};
        case VideoControl::Saturation:
            return {"VideoProcAmpProperty", 3, &CameraParameterData::saturation};
        case VideoControl::Exposure:
            return {"CameraControlProperty", 4, &CameraParameterData::exposure};
        case VideoControl::Focus:
            break;
    }
    return {"CameraControlProperty", 6, &CameraParameterData::focus};
}

void logControlError(VideoControl control, int value, int flags)
{
    const ControlNames names = namesOf(control);
    qDebug().noquote() << QStringLiteral("set %1 error, property: ").arg(names.kind)
                       << names.property << " value: " << value << " flags: " << flags;
}

}  // namespace

IDShowThread::IDShowThread(QObject* parent) : QObject(parent)
{
    connect(&grabber_, &IStillCaptureImageGrabber::sgFrame, this, &IDShowThread::sgCameraFrame);
}

IDShowThread::~IDShowThread()
{
    stopWorker();
}

void IDShowThread::openDevice(const QString& devicePath)
{
    stopWorker();
    devicePath_ = devicePath;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        stopRequested_ = false;
        frozen_ = false;
        restartPending_ = false;
        sizes_.clear();
        parameters_ = CameraParameterData();
    }
    worker_ = QThread::create([this] {
        startCapture();
        workerFinished(stateMutex_);
    });
    worker_->setObjectName(QStringLiteral("IDShowThread"));
    worker_->start();
}

void IDShowThread::stopWorker()
{
    if (!worker_) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        stopRequested_ = true;
        stateChanged_.notify_all();
    }
    grabber_.nextSession();  // a frame still on its way is stale
    joinWorker(*worker_, stateMutex_);
    delete worker_;
    worker_ = nullptr;
    // Whatever the worker posted and was not delivered yet (a status) is stale now.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

bool IDShowThread::isCapturing() const
{
    return worker_ && worker_->isRunning();
}

QImage IDShowThread::latestImage(ImageType type)
{
    return grabber_.latestImage(type);
}

EdgeResult IDShowThread::autoEdgeResult()
{
    return grabber_.edgeResult();
}

void IDShowThread::setViewSize(const QSize& shown)
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    viewSize_ = shown;
}

bool IDShowThread::setAutoEdge(const bool& on)
{
    autoEdge_ = on;
    return true;
}

CameraParameterData IDShowThread::cameraParameter()
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return parameters_;
}

QList<QSizeF> IDShowThread::supportedResolutions()
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return sizes_;
}

QSizeF IDShowThread::requestedSize() const
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return requestedSize_;
}

QVariant IDShowThread::brightness() const
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return parameters_.brightness.current;
}

QVariant IDShowThread::contrast() const
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return parameters_.contrast.current;
}

QVariant IDShowThread::saturation() const
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return parameters_.saturation.current;
}

bool IDShowThread::applyControl(VideoControl control, int value)
{
    std::unique_lock<std::mutex> device(deviceMutex_);
    if (!device_) {
        return false;
    }
    if (!device_->setControlValue(control, value)) {
        logControlError(control, value, kFlagManual);
        return false;
    }
    device.unlock();
    std::lock_guard<std::mutex> lock(stateMutex_);
    (parameters_.*namesOf(control).entry).current = value;
    return true;
}

bool IDShowThread::applyAutomatic(VideoControl control)
{
    std::lock_guard<std::mutex> device(deviceMutex_);
    if (!device_) {
        return false;
    }
    if (!device_->setAutomatic(control)) {
        logControlError(control, 0, kFlagAuto);
        return false;
    }
    return true;
}

bool IDShowThread::setBrightness(const QVariant& value)
{
    return applyControl(VideoControl::Brightness, value.toInt());
}

bool IDShowThread::setContrast(const QVariant& value)
{
    return applyControl(VideoControl::Contrast, value.toInt());
}

bool IDShowThread::setSaturation(const QVariant& value)
{
    return applyControl(VideoControl::Saturation, value.toInt());
}

bool IDShowThread::setFocus(const int& value)
{
    return value == kAutomatic ? setAutoFocus() : applyControl(VideoControl::Focus, value);
}

bool IDShowThread::setExposure(const int& value)
{
    return value == kAutomatic ? setAutoExposure() : applyControl(VideoControl::Exposure, value);
}

bool IDShowThread::setAutoFocus()
{
    return applyAutomatic(VideoControl::Focus);
}

bool IDShowThread::setAutoExposure()
{
    return applyAutomatic(VideoControl::Exposure);
}

bool IDShowThread::setStreamRunning(const bool& running)
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    frozen_ = !running;
    stateChanged_.notify_all();
    return true;
}

bool IDShowThread::setResolution(const QVariant& size)
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    requestedSize_ = size.toSizeF();
    if (!isCapturing()) {
        return true;
    }
    restartPending_ = true;
    frozen_ = false;
    grabber_.nextSession();
    stateChanged_.notify_all();
    return false;
}

// By name rather than as a lambda: the call event and the copy of the argument are then made and
// freed by Qt alone. A lambda would be allocated here and freed in the owner thread, a hand-off
// that only Qt's event queue orders, which the thread sanitizer cannot see into.
void IDShowThread::postCall(const char* method, QGenericArgument argument)
{
    QMetaObject::invokeMethod(this, method, Qt::QueuedConnection, argument);
}

bool IDShowThread::isListed(const QString& path) const
{
    const QList<VideoNodeInfo> nodes = IVideoSystem::instance()->devices();
    return std::any_of(nodes.cbegin(), nodes.cend(),
                       [&path](const VideoNodeInfo& node) { return node.path == path; });
}

void IDShowThread::startCapture()
{
    std::unique_ptr<IVideoDevice> device = IVideoSystem::instance()->open(devicePath_);
    if (!device) {
        if (isListed(devicePath_)) {
            qInfo() << "OpenDevice failed";
        } else {
            qDebug() << "not find device: " << devicePath_;
        }
        postCall("sgError", Q_ARG(int, 1));
        return;
    }
    qDebug() << "dshow open camera: " << devicePath_;
    QList<QSizeF> sizes;
    IDirectShowApi::deviceSupportResolution(*device, sizes);
    CameraParameterData parameters;
    IDirectShowApi::deviceParameter(*device, parameters);
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        sizes_ = sizes;
        parameters_ = parameters;
    }
    {
        std::lock_guard<std::mutex> lock(deviceMutex_);
        device_ = device.get();
    }
    Stream stream;
    if (startStream(*device, &stream)) {
        streamLoop(*device, stream);
    } else {
        qInfo() << "OpenDevice failed";
        postCall("sgError", Q_ARG(int, 1));
    }
    {
        std::lock_guard<std::mutex> lock(deviceMutex_);
        device_ = nullptr;
    }
    device.reset();
    qDebug() << "exit direct show thread.";
}

bool IDShowThread::startStream(IVideoDevice& device, Stream* stream)
{
    QSize requested;
    QList<QSizeF> sizes;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        requested = requestedSize_.toSize();
        sizes = sizes_;
        restartPending_ = false;
        stream->session = grabber_.session();
    }
    dropped_ = 0;
    if (!ICaptureFormat::negotiate(device, requested, sizes, &stream->format) ||
        !device.startStreaming()) {
        return false;
    }
    const QSize negotiated = stream->format.size;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        if (!restartPending_) {  // a newer request wins over what this one ended with
            requestedSize_ = QSizeF(negotiated);
        }
    }
    postCall("deliverNegotiated", Q_ARG(QSize, negotiated));
    return true;
}

void IDShowThread::streamLoop(IVideoDevice& device, Stream stream)
{
    IFrameDecoder decoder;
    const IVideoDevice::FrameConsumer consume = [&](const uchar* data, int length) {
        handleFrame(decoder, stream, data, length);
    };
    for (;;) {
        bool restart = false;
        bool frozen = false;
        {
            std::lock_guard<std::mutex> lock(stateMutex_);
            if (stopRequested_) {
                return;
            }
            restart = restartPending_;
            frozen = frozen_;
        }
        if (restart) {
            device.stopStreaming();
            if (!startStream(device, &stream)) {
                qInfo() << "OpenDevice failed";
                postCall("sgError", Q_ARG(int, 1));
                return;
            }
            continue;
        }
        if (frozen) {
            if (!waitWhileFrozen(device)) {
                return;
            }
            continue;
        }
        const IVideoDevice::ReadResult result = device.readFrame(kFrameWaitMs, consume);
        if (result == IVideoDevice::ReadResult::Gone) {
            qDebug() << "camera device is gone: " << devicePath_;
            return;
        }
        if (result == IVideoDevice::ReadResult::Failed) {
            qDebug() << "camera stream failed: " << devicePath_;
            return;
        }
    }
}

bool IDShowThread::waitWhileFrozen(IVideoDevice& device)
{
    device.stopStreaming();
    {
        std::unique_lock<std::mutex> lock(stateMutex_);
        stateChanged_.wait(lock, [this] { return !frozen_ || stopRequested_ || restartPending_; });
        if (stopRequested_) {
            return false;
        }
        if (restartPending_) {
            return true;  // the restart starts the stream again
        }
    }
    if (!device.startStreaming()) {
        qInfo() << "OpenDevice failed";
        postCall("sgError", Q_ARG(int, 1));
        return false;
    }
    return true;
}

void IDShowThread::handleFrame(IFrameDecoder& decoder, const Stream& stream, const uchar* data,
                               int length)
{
    const auto arrival = std::chrono::steady_clock::now();
    QSize shown;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        if (restartPending_) {
            return;
        }
        shown = viewSize_;
    }
    QImage frame;
    QString error;
    if (!decoder.decodeForView(stream.format, data, length, shown, &frame, &error)) {
        ++dropped_;
        if (dropped_ == 1 || dropped_ % 100 == 0) {
            qDebug().noquote() << "camera frame dropped (" << dropped_
                               << " in this stream): " << error;
        }
        return;
    }
    if (frame.size() == stream.format.size) {
        storeFullFrame(frame, stream.session, arrival);
        return;
    }
    std::optional<EdgeResult> edge;
    if (autoEdge_) {
        const cv::Mat pixels(frame.height(), frame.width(), CV_8UC4, frame.bits(),
                             static_cast<size_t>(frame.bytesPerLine()));
        edge = IOpencvApi::detectDocumentEdge(pixels);
        edge->polygon = QTransform::fromScale(double(stream.format.size.width()) / frame.width(),
                                              double(stream.format.size.height()) / frame.height())
                            .map(edge->polygon);
    }
    // Photos decode the camera's own bytes again at full size, exactly as a full-size frame.
    const QByteArray bytes(reinterpret_cast<const char*>(data), length);
    const VideoStreamFormat format = stream.format;
    grabber_.storeViewFrame(
        frame,
        [bytes, format] {
            IFrameDecoder full;
            QImage picture;
            QString failure;
            if (!full.decode(format, reinterpret_cast<const uchar*>(bytes.constData()),
                             bytes.size(), &picture, &failure)) {
                qDebug().noquote() << "camera frame for a still did not decode: " << failure;
            }
            return picture;
        },
        stream.session, edge, arrival);
}

void IDShowThread::storeFullFrame(QImage frame, int session,
                                  std::chrono::steady_clock::time_point arrival)
{
    if (!autoEdge_) {
        grabber_.storeFrame(frame, session, std::nullopt, arrival);
        return;
    }
    // The outline is drawn into a copy for the screen (bits() detaches it from `still`).
    const QImage still = frame;
    const cv::Mat pixels(frame.height(), frame.width(), CV_8UC4, frame.bits(),
                         static_cast<size_t>(frame.bytesPerLine()));
    grabber_.storeSearchedFrame(frame, still, session, IOpencvApi::detectDocumentEdge(pixels),
                                arrival);
}

void IDShowThread::deliverNegotiated(QSize size)
{
    emit sgResolutionNegotiated(size);
    emit sgError(0);
}
