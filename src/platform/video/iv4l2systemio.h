#ifndef IV4L2SYSTEMIO_H
#define IV4L2SYSTEMIO_H

#include "platform/video/iv4l2io.h"

// The real system calls.
class IV4l2SystemIo : public IV4l2Io {
public:
    int open(const QString& path) override;
    int close(int fd) override;
    int ioctl(int fd, unsigned long request, void* arg) override;
    void* mmap(int fd, size_t length, off_t offset) override;
    int munmap(void* address, size_t length) override;
    int poll(int fd, int timeoutMs, short* revents) override;
};

#endif  // IV4L2SYSTEMIO_H
