#include "istillcaptureimagegrabber.h"

#include "diagnostics/ilivepathprobe.h"
#include "opencv/iopencvapi.h"

IStillCaptureImageGrabber::IStillCaptureImageGrabber(QObject* parent) : QObject(parent) {}

void IStillCaptureImageGrabber::storeFrame(const QImage& image, int session,
                                           const std::optional<EdgeResult>& edge,
                                           std::chrono::steady_clock::time_point arrival)
{
    store(image, QImage(), session, edge, arrival);
}

void IStillCaptureImageGrabber::storeSearchedFrame(const QImage& shown, const QImage& still,
                                                   int session, const EdgeResult& edge,
                                                   std::chrono::steady_clock::time_point arrival)
{
    store(shown, still, session, edge, arrival);
}

void IStillCaptureImageGrabber::store(const QImage& shown, const QImage& still, int session,
                                      const std::optional<EdgeResult>& edge,
                                      std::chrono::steady_clock::time_point arrival)
{
    bool post = false;
    {
        std::lock_guard<std::mutex> lock(frameLock_);
        if (session != session_) {
            return;
        }
        latest_.image = shown;
        latest_.still = still;
        latest_.session = session;
        ++latest_.sequence;
        if (edge) {
            edge_ = *edge;
        }
        post = !deliveryPending_;
        deliveryPending_ = true;
        // Under the lock, so that the frame is known before it can be delivered.
        if (ILivePathProbe* probe = ILivePathProbe::installed()) {
            probe->frameStored(shown.cacheKey(), arrival);
        }
    }
    if (post) {
        // By name: the call event is then made and freed by Qt alone (see IDShowThread::postCall).
        QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
    }
}

void IStillCaptureImageGrabber::deliver()
{
    QImage image;
    {
        std::lock_guard<std::mutex> lock(frameLock_);
        deliveryPending_ = false;
        if (latest_.sequence <= lastDelivered_ || latest_.session != session_) {
            return;
        }
        lastDelivered_ = latest_.sequence;
        image = latest_.image;
    }
    if (ILivePathProbe* probe = ILivePathProbe::installed()) {
        probe->frameDelivered(image.cacheKey());
    }
    emit sgFrame(image);
}

IStillCaptureImageGrabber::Frame IStillCaptureImageGrabber::latestFrame() const
{
    std::lock_guard<std::mutex> lock(frameLock_);
    return latest_;
}

QImage IStillCaptureImageGrabber::latestImage(ImageType type) const
{
    const Frame latest = latestFrame();
    const QImage frame = latest.still.isNull() ? latest.image : latest.still;
    if (frame.isNull() || type == NormalImage) {
        return frame;
    }
    return IOpencvApi::applyImageType(IOpencvApi::image2Mat(frame), type);
}

EdgeResult IStillCaptureImageGrabber::edgeResult() const
{
    std::lock_guard<std::mutex> lock(frameLock_);
    return edge_;
}

int IStillCaptureImageGrabber::nextSession()
{
    std::lock_guard<std::mutex> lock(frameLock_);
    return ++session_;
}

int IStillCaptureImageGrabber::session() const
{
    std::lock_guard<std::mutex> lock(frameLock_);
    return session_;
}
