#include "ilivepathrecorder.h"

#include <algorithm>

namespace {

// Arrival times are kept for this many of the latest frames: a frame is painted long before
// that many newer ones arrive, and the map stays small however long the program runs.
const size_t kKeptArrivals = 64;

}  // namespace

double ILivePathRecorder::Window::delayPercentile(double p) const
{
    if (delaysMs.empty()) {
        return 0;
    }
    std::vector<double> sorted = delaysMs;
    std::sort(sorted.begin(), sorted.end());
    const size_t rank = size_t(std::clamp(p, 0.0, 1.0) * (sorted.size() - 1) + 0.5);
    return sorted[std::min(sorted.size() - 1, rank)];
}

void ILivePathRecorder::frameStored(qint64 frame, Clock::time_point arrival)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (arrivals_.emplace(frame, arrival).second) {
        order_.push_back(frame);
    }
    if (order_.size() > kKeptArrivals) {
        arrivals_.erase(order_.front());
        order_.pop_front();
    }
    ++window_.stored;
}

void ILivePathRecorder::frameDelivered(qint64)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++window_.delivered;
}

void ILivePathRecorder::framePainted(qint64 frame)
{
    const Clock::time_point now = Clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    if (frame == lastPainted_) {
        return;  // the same frame again (an exposed area), not a new one shown
    }
    lastPainted_ = frame;
    ++paintedEver_;
    const auto arrival = arrivals_.find(frame);
    if (arrival == arrivals_.end()) {
        return;
    }
    ++window_.painted;
    window_.delaysMs.push_back(
        std::chrono::duration<double, std::milli>(now - arrival->second).count());
}

int ILivePathRecorder::paintedEver() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return paintedEver_;
}

ILivePathRecorder::Window ILivePathRecorder::take()
{
    std::lock_guard<std::mutex> lock(mutex_);
    Window taken;
    std::swap(taken, window_);
    return taken;
}
