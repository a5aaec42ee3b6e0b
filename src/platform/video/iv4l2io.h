#ifndef IV4L2IO_H
#define IV4L2IO_H

#include <sys/types.h>
#include <QString>
#include <cstddef>

// The system calls the V4L2 back end makes, so that tests can put a fake device behind them.
// Failures return -1 (nullptr for mmap) with errno set, as the system calls do.
class IV4l2Io {
public:
    virtual ~IV4l2Io() = default;
    // Opens read-write, non-blocking, close-on-exec.
    virtual int open(const QString& path) = 0;
    virtual int close(int fd) = 0;
    // Retried while interrupted by a signal.
    virtual int ioctl(int fd, unsigned long request, void* arg) = 0;
    virtual void* mmap(int fd, size_t length, off_t offset) = 0;
    virtual int munmap(void* address, size_t length) = 0;
    // Waits for input on fd; *revents receives the poll result bits.
    virtual int poll(int fd, int timeoutMs, short* revents) = 0;
};

#endif  // IV4L2IO_H
