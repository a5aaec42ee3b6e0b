#ifndef ILIVEPATHPROBE_H
#define ILIVEPATHPROBE_H

#include <QtGlobal>
#include <chrono>

// Watches the live picture on its way from the device to the screen: when a frame's data
// arrived from the device (as its newest-frame mailbox stores it), when the mailbox handed it to
// the GUI thread, and when the board drew it. Frames are named by QImage::cacheKey(), which
// stays the same while the picture is shared. One listener at a time (the live-path benchmark);
// without one each report costs one atomic load.
class ILivePathProbe {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~ILivePathProbe() = default;

    // Called on the capture thread, under its mailbox's lock: return quickly.
    virtual void frameStored(qint64 frame, Clock::time_point arrival) = 0;
    // Called on the GUI thread.
    virtual void frameDelivered(qint64 frame) = 0;
    virtual void framePainted(qint64 frame) = 0;

    // Installs `probe` (nullptr removes it). The caller keeps it alive until it is removed and
    // no capture thread runs any more.
    static void install(ILivePathProbe* probe);
    // The installed listener, or nullptr.
    static ILivePathProbe* installed();
};

#endif  // ILIVEPATHPROBE_H
