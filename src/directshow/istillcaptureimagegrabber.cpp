#include "istillcaptureimagegrabber.h"

#include "opencv/iopencvapi.h"

void IStillCaptureImageGrabber::storeFrame(const QImage& image, int session)
{
    std::lock_guard<std::mutex> lock(frameLock_);
    latest_.image = image;
    latest_.session = session;
    ++latest_.sequence;
}

IStillCaptureImageGrabber::Frame IStillCaptureImageGrabber::latestFrame() const
{
    std::lock_guard<std::mutex> lock(frameLock_);
    return latest_;
}

QImage IStillCaptureImageGrabber::latestImage(ImageType type) const
{
    const QImage frame = latestFrame().image;
    if (frame.isNull() || type == NormalImage) {
        return frame;
    }
    return IOpencvApi::applyImageType(IOpencvApi::image2Mat(frame), type);
}

void IStillCaptureImageGrabber::setEdgeResult(const EdgeResult& result)
{
    std::lock_guard<std::mutex> lock(frameLock_);
    edge_ = result;
}

EdgeResult IStillCaptureImageGrabber::edgeResult() const
{
    std::lock_guard<std::mutex> lock(frameLock_);
    return edge_;
}
