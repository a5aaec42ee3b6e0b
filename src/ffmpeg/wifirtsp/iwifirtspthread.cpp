// IWifiRtspThread: construction, lifecycle, the process-wide values and what both threads share.
#include "iwifirtspthread.h"

#include <mutex>

#include "ffmpeg/wifirtsp/itcpsocket.h"
#include "ffmpeg/wifirtsp/wifiresolutiontable.h"
#include "opencv/iopencvapi.h"
#include "platform/thread/workerjoin.h"
#include "service/iconfigureservice.h"

namespace {

std::mutex g_sharedMutex;  // guards the two process-wide values below
QString g_rtspUrl;
bool g_rtspUrlSet = false;
QSize g_lastWifiResolution(-1, -1);

}  // namespace

IWifiRtspThread::IWifiRtspThread(QObject* parent) : QThread(parent)
{
    initProtocolRecords();
    reconnectDelayMs_ = timings_.reconnectFirstMs;
    captureTimer_.setSingleShot(true);
    connect(&captureTimer_, &QTimer::timeout, this, &IWifiRtspThread::onCaptureTimeout);
    reconnectTimer_.setSingleShot(true);
    connect(&reconnectTimer_, &QTimer::timeout, this, &IWifiRtspThread::initSocket);
    connect(&grabber_, &IStillCaptureImageGrabber::sgFrame, this, &IWifiRtspThread::sgCameraFrame);
}

IWifiRtspThread::~IWifiRtspThread()
{
    {
        std::lock_guard<std::mutex> locker(mutex_);
        stopFlag_ = true;  // a bind answer arriving now must not start the video loop
    }
    reconnectTimer_.stop();
    captureTimer_.stop();
    ITcpSocket* socket = nullptr;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        std::swap(socket, tcpSocket_);
    }
    delete socket;  // waits for the control connection's thread
    delete flushTimer_;
    requestInterruption();
    quit();
    joinWorker(*this, mutex_);
}

void IWifiRtspThread::setTimings(const WifiTimings& timings)
{
    timings_ = timings;
    reconnectDelayMs_ = timings.reconnectFirstMs;
}

// ---------------------------------------------------------------------------------------------
// Process-wide values

QString IWifiRtspThread::rtspUrl() const
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    if (!g_rtspUrlSet) {
        g_rtspUrl = IConfigureService::instance()->wifiRtspUrl;
        g_rtspUrlSet = true;
    }
    return g_rtspUrl;
}

void IWifiRtspThread::setRtspUrl(const QString& url)
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    g_rtspUrl = url;
    g_rtspUrlSet = true;
}

QSize IWifiRtspThread::lastWifiResolution()
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    return g_lastWifiResolution;
}

void IWifiRtspThread::resetLastWifiResolution()
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    g_lastWifiResolution = QSize(-1, -1);
}

bool IWifiRtspThread::updateLastWifiResolution(const QSize& size, QSize* previous)
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    if (previous) {
        *previous = g_lastWifiResolution;
    }
    if (g_lastWifiResolution == size) {
        return false;
    }
    g_lastWifiResolution = size;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Getters and small setters

QImage IWifiRtspThread::currentImage(ImageType type)
{
    // The video thread replaces, never rewrites, a stored picture.
    return grabber_.latestImage(type);
}

QImage IWifiRtspThread::convertImage(const cv::Mat& frame, ImageType type) const
{
    return IOpencvApi::applyImageType(frame, type);
}

QList<QSize> IWifiRtspThread::resolutionList() const
{
    return WifiResolutionTable::sizes();
}

int IWifiRtspThread::sizeToResIndex(const QSizeF& size) const
{
    return WifiResolutionTable::sizeToResIndex(size);
}

QSize IWifiRtspThread::resIndexToSize(int index) const
{
    return WifiResolutionTable::resIndexToSize(index);
}

EdgeResult IWifiRtspThread::documentEdge() const
{
    return grabber_.edgeResult();
}

void IWifiRtspThread::stopThread()
{
    {
        std::lock_guard<std::mutex> locker(mutex_);
        if (stopFlag_) {
            return;
        }
        stopFlag_ = true;
    }
    requestInterruption();
    quit();
    joinWorker(*this, mutex_);
}

// By name, so that the call event and the copy of the argument are made and freed by Qt alone
// (as IDShowThread::postCall).
void IWifiRtspThread::postSignal(const char* signal, QGenericArgument argument)
{
    QMetaObject::invokeMethod(this, signal, Qt::QueuedConnection, argument);
}
