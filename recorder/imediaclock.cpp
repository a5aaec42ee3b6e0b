#include "imediaclock.h"

extern "C" {
#include <libavutil/time.h>
}

namespace {
// How much of the difference to a new picture's origin is taken over: the pictures' own
// timestamps jitter by a few milliseconds, the clocks behind them drift slowly.
constexpr qint64 kSmoothing = 16;
}  // namespace

qint64 IMediaClock::now()
{
    return av_gettime_relative();
}

void IMediaClock::follow(qint64 media)
{
    if (paused_) {
        return;
    }
    const qint64 candidate = now() - media;
    const qint64 origin = origin_;
    origin_ = origin == kStopped ? candidate : origin + (candidate - origin) / kSmoothing;
}

void IMediaClock::setPaused(bool paused)
{
    origin_ = kStopped;
    paused_ = paused;
}

qint64 IMediaClock::mediaTime(qint64 monotonic) const
{
    const qint64 origin = origin_;
    return paused_ || origin == kStopped ? -1 : monotonic - origin;
}
