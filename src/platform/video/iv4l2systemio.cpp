#include "iv4l2systemio.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>

int IV4l2SystemIo::open(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

int IV4l2SystemIo::close(int fd)
{
    return ::close(fd);
}

int IV4l2SystemIo::ioctl(int fd, unsigned long request, void* arg)
{
    int result;
    do {
        result = ::ioctl(fd, request, arg);
    } while (result == -1 && errno == EINTR);
    return result;
}

void* IV4l2SystemIo::mmap(int fd, size_t length, off_t offset)
{
    void* address = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, fd, offset);
    return address == MAP_FAILED ? nullptr : address;
}

int IV4l2SystemIo::munmap(void* address, size_t length)
{
    return ::munmap(address, length);
}

int IV4l2SystemIo::poll(int fd, int timeoutMs, short* revents)
{
    pollfd entry{fd, POLLIN, 0};
    const int result = ::poll(&entry, 1, timeoutMs);
    *revents = entry.revents;
    return result;
}
