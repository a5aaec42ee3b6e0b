#ifndef ILOGTHROTTLE_H
#define ILOGTHROTTLE_H

#include <QtGlobal>

// Thins out a log line that a peer or a damaged stream can repeat without end: the first `burst`
// occurrences are written, then every `every`-th with the running count, so the log keeps the
// evidence without being flooded. One throttle per kind of line; not shared between threads.
class ILogThrottle {
public:
    explicit ILogThrottle(quint64 every = 100, quint64 burst = 1);

    // Counts one occurrence; true when this one is to be written.
    bool pass();
    // Occurrences counted since construction or the last reset.
    quint64 count() const { return count_; }
    void reset() { count_ = 0; }

private:
    quint64 every_;
    quint64 burst_;
    quint64 count_ = 0;
};

#endif  // ILOGTHROTTLE_H
