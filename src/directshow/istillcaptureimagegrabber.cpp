#include "istillcaptureimagegrabber.h"

#include <QMutexLocker>

#include "opencv/iopencvapi.h"

void IStillCaptureImageGrabber::storeFrame(const QImage& image, int session)
{
    QMutexLocker lock(&frameLock_);
    latest_.image = image;
    latest_.session = session;
    ++latest_.sequence;
}

IStillCaptureImageGrabber::Frame IStillCaptureImageGrabber::latestFrame() const
{
    QMutexLocker lock(&frameLock_);
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
    QMutexLocker lock(&frameLock_);
    edge_ = result;
}

EdgeResult IStillCaptureImageGrabber::edgeResult() const
{
    QMutexLocker lock(&frameLock_);
    return edge_;
}
