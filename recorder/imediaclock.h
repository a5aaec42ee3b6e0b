#ifndef IMEDIACLOCK_H
#define IMEDIACLOCK_H

#include <QtGlobal>

#include <atomic>

// The recording's time line, shared by the picture and the sound thread: media time = monotonic
// clock (microseconds) - origin. The picture thread sets the origin from each written picture;
// a pause stops the clock until the first picture after it sets a new origin.
class IMediaClock {
public:
    // Monotonic microseconds (av_gettime_relative).
    static qint64 now();

    // The picture at media time `media` was taken just now.
    void follow(qint64 media);
    // Pausing stops the clock; after resuming it waits for the next picture.
    void setPaused(bool paused);
    // The media time of the monotonic instant `monotonic`; -1 while paused or not yet started.
    qint64 mediaTime(qint64 monotonic) const;

private:
    static constexpr qint64 kStopped = -1;
    std::atomic<qint64> origin_{kStopped};
    std::atomic<bool> paused_{false};
};

#endif  // IMEDIACLOCK_H
