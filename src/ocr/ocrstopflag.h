#ifndef OCRSTOPFLAG_H
#define OCRSTOPFLAG_H

#include <mutex>

// A request to stop the running OCR job, set from any thread and read by the engine's threads
// (also from inside the engine's own progress checks).
class OcrStopFlag {
public:
    void set(bool stop)
    {
        std::lock_guard<std::mutex> guard(lock_);
        stop_ = stop;
    }
    bool isSet() const
    {
        std::lock_guard<std::mutex> guard(lock_);
        return stop_;
    }

private:
    mutable std::mutex lock_;
    bool stop_ = false;
};

#endif  // OCRSTOPFLAG_H
