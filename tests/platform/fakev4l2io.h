#ifndef FAKEV4L2IO_H
#define FAKEV4L2IO_H

#include <linux/videodev2.h>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSize>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/video/iv4l2io.h"

// One simulated V4L2 node with the behaviour the back end relies on: capabilities, formats
// with discrete sizes, controls, a driver that adjusts S_FMT to the nearest size it offers,
// and an mmap buffer queue fed from `pending` (or from `produce` when that is empty).
struct FakeV4l2Node {
    struct Control {
        v4l2_queryctrl query{};
        int value = 0;
        QList<int> rejected;  // values S_CTRL refuses with EINVAL
    };
    struct Payload {
        QByteArray data;
        quint32 flags = 0;
    };

    QByteArray card = "Fake Camera";
    quint32 deviceCaps = V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_STREAMING;
    QList<QPair<quint32, QList<QSize>>> formats;  // in ENUM_FMT order
    std::function<bool(quint32 index, v4l2_frmsizeenum*)> frameSizeOverride;
    QMap<quint32, Control> controls;
    v4l2_pix_format format{};
    int openErrno = 0;   // open fails with it when set
    bool gone = false;   // unplugged: ENODEV from ioctls, POLLERR from poll
    int dqbufErrno = 0;  // DQBUF fails with it once when set

    QList<Payload> pending;                           // frames waiting for a queued buffer
    std::function<QByteArray(int sequence)> produce;  // frames on demand, one per poll

    // Stream state.
    std::vector<QByteArray> buffers;
    QList<int> queued;
    QList<QPair<int, Payload>> done;
    bool streaming = false;
    int produced = 0;

    void addControl(quint32 id, int minimum, int maximum, int defaultValue, int value,
                    quint32 flags = 0);
};

class FakeV4l2Io : public IV4l2Io {
public:
    std::shared_ptr<FakeV4l2Node> addNode(const QString& path);

    int open(const QString& path) override;
    int close(int fd) override;
    int ioctl(int fd, unsigned long request, void* arg) override;
    void* mmap(int fd, size_t length, off_t offset) override;
    int munmap(void* address, size_t length) override;
    int poll(int fd, int timeoutMs, short* revents) override;

    // Thread-safe access to a node while another thread streams from it.
    void withNode(const QString& path, const std::function<void(FakeV4l2Node&)>& change);

    int openFileCount() const;
    int mappedCount() const;
    QList<QPair<quint32, int>> controlWrites() const;  // every accepted S_CTRL (id, value)

private:
    int handleIoctl(FakeV4l2Node& node, unsigned long request, void* arg);
    int setFormat(FakeV4l2Node& node, v4l2_format* format);
    int setControl(FakeV4l2Node& node, v4l2_control* control);
    void feed(FakeV4l2Node& node, bool produce);

    mutable std::mutex mutex_;  // the thread sanitizer sees its locking, unlike QMutex's
    QMap<QString, std::shared_ptr<FakeV4l2Node>> nodes_;
    QMap<int, std::shared_ptr<FakeV4l2Node>> fds_;
    int nextFd_ = 100;
    int mapped_ = 0;
    QList<QPair<quint32, int>> controlWrites_;
};

#endif  // FAKEV4L2IO_H
