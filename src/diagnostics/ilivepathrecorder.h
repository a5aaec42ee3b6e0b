#ifndef ILIVEPATHRECORDER_H
#define ILIVEPATHRECORDER_H

#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "diagnostics/ilivepathprobe.h"

// A live-path listener that counts frames and times each newly painted one from its arrival
// from the device. Capture threads and the GUI thread report to it at once; take() hands over
// what was gathered since the previous call, so a caller reads it in windows of its choosing.
class ILivePathRecorder : public ILivePathProbe {
public:
    struct Window {
        int stored = 0;
        int delivered = 0;
        int painted = 0;               // new frames drawn whose arrival is known
        std::vector<double> delaysMs;  // arrival to paint, one per painted frame

        // The delay below which the fraction `p` (0..1) of the painted frames lie; 0 if none.
        double delayPercentile(double p) const;
    };

    void frameStored(qint64 frame, Clock::time_point arrival) override;
    void frameDelivered(qint64 frame) override;
    void framePainted(qint64 frame) override;

    // New frames painted since the recorder was made (a repaint of the same frame not counted).
    int paintedEver() const;
    // What was gathered since the previous call (or since the recorder was made).
    Window take();

private:
    mutable std::mutex mutex_;                      // guards the fields below
    std::map<qint64, Clock::time_point> arrivals_;  // of the most recent frames stored
    std::deque<qint64> order_;                      // their keys, oldest first
    Window window_;
    int paintedEver_ = 0;
    qint64 lastPainted_ = 0;
};

#endif  // ILIVEPATHRECORDER_H
