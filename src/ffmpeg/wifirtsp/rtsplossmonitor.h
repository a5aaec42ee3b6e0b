#ifndef RTSPLOSSMONITOR_H
#define RTSPLOSSMONITOR_H

#include <atomic>

struct AVFormatContext;
struct AVCodecContext;

// Tells whether pictures of one RTSP stream may be damaged by lost network data. FFmpeg reports
// RTP sequence gaps ("RTP: missed N packets", "max delay reached") and decoder errors only as
// log lines, so a process-wide log callback routes each line to the monitor that watches the
// context it came from. The state belongs to one stream, not to the process.
class RtspLossMonitor {
public:
    RtspLossMonitor() = default;
    ~RtspLossMonitor();
    RtspLossMonitor(const RtspLossMonitor&) = delete;
    RtspLossMonitor& operator=(const RtspLossMonitor&) = delete;

    // Starts routing the log lines of these contexts here (either may be null).
    void watch(const AVFormatContext* demuxer, const AVCodecContext* decoder);
    // Stops routing; call before the contexts are freed.
    void unwatch();

    // Network data was lost since the last clear.
    bool networkLoss() const { return networkLoss_; }
    // The decoder reported damage since the last clear.
    bool decodeDamage() const { return decodeDamage_; }
    // Counts every damage report of the decoder; compare before and after one decode.
    int decodeDamageCount() const { return decodeDamageCount_; }
    void noteNetworkLoss() { networkLoss_ = true; }
    void noteDecodeDamage();
    void clear();

private:
    const AVFormatContext* demuxer_ = nullptr;
    const AVCodecContext* decoder_ = nullptr;
    std::atomic<bool> networkLoss_{false};
    std::atomic<bool> decodeDamage_{false};
    std::atomic<int> decodeDamageCount_{0};

    friend class RtspLossLogRouter;
};

#endif  // RTSPLOSSMONITOR_H
