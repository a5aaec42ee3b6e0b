#pragma once
// Ending a worker thread so that the thread sanitizer can follow it. Debian's Qt is not
// instrumented, so the sanitizer cannot see that QThread::wait() orders the worker's work before
// the owner's next step. The worker's last step is workerFinished(lock), and the owner joins with
// joinWorker(thread, lock): taking the same std::mutex again after wait() makes that order
// visible, and the owner may then free what the worker used.

#include <QThread>
#include <mutex>

inline void workerFinished(std::mutex& lock)
{
    std::lock_guard<std::mutex> last(lock);
}

inline void joinWorker(QThread& thread, std::mutex& lock)
{
    thread.wait();
    std::lock_guard<std::mutex> after(lock);
}
