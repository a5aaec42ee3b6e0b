#ifndef ISTILLCAPTUREIMAGEGRABBER_H
#define ISTILLCAPTUREIMAGEGRABBER_H

#include <QImage>
#include <QObject>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>

#include "imagetype.h"
#include "opencv/edgeresult.h"

// The newest-frame mailbox of a capture back end (USB or wireless). A capture thread stores each
// finished frame, with the document edge found in it, under one lock; the owner thread gets it as
// sgFrame. At most one delivery is on its way at any time and it hands over whatever is newest
// when it runs, so a stalled owner thread never makes frames queue up. A stored frame belongs to
// the mailbox: the capture thread must not write into it afterwards. A frame made smaller for the
// view comes with what it was made from, so photos still get every pixel of it.
class IStillCaptureImageGrabber : public QObject {
    Q_OBJECT
public:
    // Makes the full-size picture of a frame stored smaller for the view (for example by
    // decoding the camera's bytes kept with it). Called outside the lock on the thread that
    // asks for a still; it must only read what it captured.
    using FullPicture = std::function<QImage()>;

    struct Frame {
        QImage image;          // as shown: with the document outline when one was drawn
        QImage still;          // without the outline; null when none was drawn
        FullPicture full;      // set when `image` is smaller than the camera's picture
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
    // A frame made smaller for the view: `full` gives the full-size picture on demand. An
    // `edge` found on `shown` is given in full-size pixels; it is placed on the full-size
    // picture's own edges when it is asked for (edgeResult).
    void storeViewFrame(const QImage& shown, const FullPicture& full, int session,
                        const std::optional<EdgeResult>& edge,
                        std::chrono::steady_clock::time_point arrival);
    Frame latestFrame() const;
    // A null picture before the first frame; otherwise the latest frame at full size without
    // any outline, with the filter of `type` applied (outside the lock).
    QImage latestImage(ImageType type) const;
    // The result of the latest frame that was searched for the document, in full-size pixels.
    EdgeResult edgeResult() const;

    // Starts a new streaming session and returns its number: frames of earlier sessions are
    // neither stored nor delivered any more.
    int nextSession();
    int session() const;

signals:
    void sgFrame(QImage frame);

private:
    void store(Frame frame, const std::optional<EdgeResult>& edge,
               std::chrono::steady_clock::time_point arrival);
    Q_INVOKABLE void deliver();
    // The latest frame's full-size picture without outline, made once per frame.
    QImage fullStill() const;

    // A standard mutex: the thread sanitizer sees its locking (QMutex locks inside the
    // uninstrumented Qt library).
    mutable std::mutex frameLock_;  // guards the fields below
    Frame latest_;
    EdgeResult edge_;
    double edgeScale_ = 1;  // how much smaller than full size the picture searched for edge_ was
    int session_ = 0;
    mutable QImage fullStill_;  // made from latest_.full
    mutable quint64 fullStillSequence_ = 0;
    bool deliveryPending_ = false;
    quint64 lastDelivered_ = 0;
};

#endif  // ISTILLCAPTUREIMAGEGRABBER_H
