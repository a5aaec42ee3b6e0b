#include "istillcaptureimagegrabber.h"

#include "diagnostics/ilivepathprobe.h"
#include "opencv/iopencvapi.h"
#include "platform/video/iviewscale.h"

IStillCaptureImageGrabber::IStillCaptureImageGrabber(QObject* parent) : QObject(parent) {}

void IStillCaptureImageGrabber::storeFrame(const QImage& image, int session,
                                           const std::optional<EdgeResult>& edge,
                                           std::chrono::steady_clock::time_point arrival)
{
    store({image, QImage(), nullptr, 0, session}, edge, arrival);
}

void IStillCaptureImageGrabber::storeSearchedFrame(const QImage& shown, const QImage& still,
                                                   int session, const EdgeResult& edge,
                                                   std::chrono::steady_clock::time_point arrival)
{
    store({shown, still, nullptr, 0, session}, edge, arrival);
}

void IStillCaptureImageGrabber::storeViewFrame(const QImage& shown, const FullPicture& full,
                                               int session, const std::optional<EdgeResult>& edge,
                                               std::chrono::steady_clock::time_point arrival)
{
    store({shown, QImage(), full, 0, session}, edge, arrival);
}

void IStillCaptureImageGrabber::store(Frame frame, const std::optional<EdgeResult>& edge,
                                      std::chrono::steady_clock::time_point arrival)
{
    bool post = false;
    const QImage shown = frame.image;
    QImage outdated;  // the previous frame's full picture, freed outside the lock
    {
        std::lock_guard<std::mutex> lock(frameLock_);
        if (frame.session != session_) {
            return;
        }
        frame.sequence = latest_.sequence + 1;
        latest_ = std::move(frame);
        outdated.swap(fullStill_);
        if (edge) {
            edge_ = *edge;
            edgeScale_ =
                latest_.full ? double(IViewScale::fullSize(shown).width()) / shown.width() : 1.0;
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

QImage IStillCaptureImageGrabber::fullStill() const
{
    const Frame latest = latestFrame();
    if (!latest.full) {
        return latest.still.isNull() ? latest.image : latest.still;
    }
    {
        std::lock_guard<std::mutex> lock(frameLock_);
        if (fullStillSequence_ == latest.sequence) {
            return fullStill_;
        }
    }
    const QImage full = latest.full();
    std::lock_guard<std::mutex> lock(frameLock_);
    if (!full.isNull() && latest_.sequence == latest.sequence) {
        fullStill_ = full;
        fullStillSequence_ = latest.sequence;
    }
    return full.isNull() ? latest.image : full;
}

QImage IStillCaptureImageGrabber::latestImage(ImageType type) const
{
    const QImage frame = fullStill();
    if (frame.isNull() || type == NormalImage) {
        return frame;
    }
    return IOpencvApi::applyImageType(IOpencvApi::image2Mat(frame), type);
}

EdgeResult IStillCaptureImageGrabber::edgeResult() const
{
    EdgeResult edge;
    double scale = 1;
    {
        std::lock_guard<std::mutex> lock(frameLock_);
        edge = edge_;
        scale = edgeScale_;
    }
    if (scale <= 1 || edge.angle == -1) {
        return edge;
    }
    // Found on the small picture of the view: its sides go onto the full picture's edges.
    QImage full = fullStill();
    if (full.format() != QImage::Format_RGB32) {
        full = full.convertToFormat(QImage::Format_RGB32);
    }
    const cv::Mat pixels(full.height(), full.width(), CV_8UC4, const_cast<uchar*>(full.constBits()),
                         size_t(full.bytesPerLine()));
    return IOpencvApi::refineDocumentEdge(pixels, edge, scale);
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
