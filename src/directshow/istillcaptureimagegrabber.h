#ifndef ISTILLCAPTUREIMAGEGRABBER_H
#define ISTILLCAPTUREIMAGEGRABBER_H

#include <QImage>
#include <mutex>

#include "imagetype.h"
#include "opencv/edgeresult.h"

// The latest frame of a capture device and the still pictures taken from it. The capture
// worker stores frames, other threads read them; the frame lock is held only for copying.
class IStillCaptureImageGrabber {
public:
    struct Frame {
        QImage image;
        quint64 sequence = 0;  // grows with every stored frame, 0 before the first
        int session = 0;       // the streaming session that produced it
    };

    void storeFrame(const QImage& image, int session);
    Frame latestFrame() const;
    // A null picture before the first frame; otherwise the latest frame with the filter of
    // `type` applied (outside the lock).
    QImage latestImage(ImageType type) const;

    // The automatic-edging result of the latest frame that was searched.
    void setEdgeResult(const EdgeResult& result);
    EdgeResult edgeResult() const;

private:
    // A standard mutex: the thread sanitizer sees its locking (QMutex locks inside the
    // uninstrumented Qt library).
    mutable std::mutex frameLock_;  // guards latest_ and edge_
    Frame latest_;
    EdgeResult edge_;
};

#endif  // ISTILLCAPTUREIMAGEGRABBER_H
