#ifndef ISTILLCAPTUREIMAGEGRABBER_H
#define ISTILLCAPTUREIMAGEGRABBER_H

#include <QImage>
#include <QObject>
#include <chrono>
#include <mutex>
#include <optional>

#include "imagetype.h"
#include "opencv/edgeresult.h"

// The newest-frame mailbox of a capture back end (USB or wireless). A capture thread stores each
// finished frame, with the document edge found in it, under one lock; the owner thread gets it as
// sgFrame. At most one delivery is on its way at any time and it hands over whatever is newest
// when it runs, so a stalled owner thread never makes frames queue up. A stored frame belongs to
// the mailbox: the capture thread must not write into it afterwards.
class IStillCaptureImageGrabber : public QObject {
    Q_OBJECT
public:
    struct Frame {
        QImage image;          // as shown: with the document outline when one was drawn
        QImage still;          // without the outline; null when none was drawn
        quint64 sequence = 0;  // grows with every stored frame, 0 before the first
        int session = 0;       // the streaming session that produced it
    };

    explicit IStillCaptureImageGrabber(QObject* parent = nullptr);

    // Any thread. Frames of a session other than the current one are dropped; `edge` (when the
    // frame was searched) becomes the edge result together with the frame. `arrival` is when
    // the frame's data came from the device (reported to an installed ILivePathProbe).
    void storeFrame(
        const QImage& image, int session, const std::optional<EdgeResult>& edge = std::nullopt,
        std::chrono::steady_clock::time_point arrival = std::chrono::steady_clock::now());
    // The same for a searched frame: `shown` carries the outline drawn into a copy of `still`.
    // Photos are taken from `still`, so no outline ends up in them.
    void storeSearchedFrame(const QImage& shown, const QImage& still, int session,
                            const EdgeResult& edge, std::chrono::steady_clock::time_point arrival);
    Frame latestFrame() const;
    // A null picture before the first frame; otherwise the latest frame without any outline,
    // with the filter of `type` applied (outside the lock).
    QImage latestImage(ImageType type) const;
    // The result of the latest frame that was searched for the document.
    EdgeResult edgeResult() const;

    // Starts a new streaming session and returns its number: frames of earlier sessions are
    // neither stored nor delivered any more.
    int nextSession();
    int session() const;

signals:
    void sgFrame(QImage frame);

private:
    void store(const QImage& shown, const QImage& still, int session,
               const std::optional<EdgeResult>& edge,
               std::chrono::steady_clock::time_point arrival);
    Q_INVOKABLE void deliver();

    // A standard mutex: the thread sanitizer sees its locking (QMutex locks inside the
    // uninstrumented Qt library).
    mutable std::mutex frameLock_;  // guards the fields below
    Frame latest_;
    EdgeResult edge_;
    int session_ = 0;
    bool deliveryPending_ = false;
    quint64 lastDelivered_ = 0;
};

#endif  // ISTILLCAPTUREIMAGEGRABBER_H
