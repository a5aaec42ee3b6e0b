#include "fakev4l2io.h"

#include <poll.h>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace {

int fail(int error)
{
    errno = error;
    return -1;
}

quint32 bytesPerLine(quint32 fourcc, quint32 width)
{
    return fourcc == V4L2_PIX_FMT_YUYV ? width * 2 : 0;
}

quint32 imageSize(quint32 fourcc, quint32 width, quint32 height)
{
    return fourcc == V4L2_PIX_FMT_YUYV ? width * height * 2 : width * height * 2 + 4096;
}

}  // namespace

void FakeV4l2Node::addControl(quint32 id, int minimum, int maximum, int defaultValue, int value,
                              quint32 flags)
{
    Control control;
    control.query.id = id;
    control.query.minimum = minimum;
    control.query.maximum = maximum;
    control.query.step = 1;
    control.query.default_value = defaultValue;
    control.query.flags = flags;
    control.value = value;
    controls.insert(id, control);
}

std::shared_ptr<FakeV4l2Node> FakeV4l2Io::addNode(const QString& path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto node = std::make_shared<FakeV4l2Node>();
    nodes_.insert(path, node);
    return node;
}

void FakeV4l2Io::withNode(const QString& path, const std::function<void(FakeV4l2Node&)>& change)
{
    std::lock_guard<std::mutex> lock(mutex_);
    change(*nodes_.value(path));
}

int FakeV4l2Io::openFileCount() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return fds_.size();
}

int FakeV4l2Io::mappedCount() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return mapped_;
}

QList<QPair<quint32, int>> FakeV4l2Io::controlWrites() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return controlWrites_;
}

int FakeV4l2Io::open(const QString& path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto node = nodes_.value(path);
    if (!node || node->gone) {
        return fail(ENOENT);
    }
    if (node->openErrno) {
        return fail(node->openErrno);
    }
    fds_.insert(nextFd_, node);
    return nextFd_++;
}

int FakeV4l2Io::close(int fd)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return fds_.remove(fd) ? 0 : fail(EBADF);
}

void* FakeV4l2Io::mmap(int fd, size_t length, off_t offset)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto node = fds_.value(fd);
    const size_t index = static_cast<size_t>(offset);
    if (!node || index >= node->buffers.size() ||
        length != static_cast<size_t>(node->buffers[index].size())) {
        errno = EINVAL;
        return nullptr;
    }
    ++mapped_;
    return node->buffers[index].data();
}

int FakeV4l2Io::munmap(void*, size_t)
{
    std::lock_guard<std::mutex> lock(mutex_);
    --mapped_;
    return 0;
}

void FakeV4l2Io::feed(FakeV4l2Node& node, bool produce)
{
    if (produce && node.pending.isEmpty() && node.produce && node.done.isEmpty()) {
        node.pending.append({node.produce(node.produced++), 0});
    }
    while (!node.pending.isEmpty() && !node.queued.isEmpty()) {
        node.done.append({node.queued.takeFirst(), node.pending.takeFirst()});
    }
}

int FakeV4l2Io::poll(int fd, int timeoutMs, short* revents)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto node = fds_.value(fd);
        if (!node) {
            *revents = POLLNVAL;
            return 1;
        }
        if (node->gone || !node->streaming) {
            *revents = POLLERR;
            return 1;
        }
        feed(*node, true);
        if (!node->done.isEmpty()) {
            *revents = POLLIN;
            return 1;
        }
    }
    QThread::msleep(static_cast<unsigned long>(qBound(0, timeoutMs, 5)));
    *revents = 0;
    return 0;
}

int FakeV4l2Io::ioctl(int fd, unsigned long request, void* arg)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto node = fds_.value(fd);
    if (!node) {
        return fail(EBADF);
    }
    if (node->gone) {
        return fail(ENODEV);
    }
    return handleIoctl(*node, request, arg);
}

int FakeV4l2Io::setFormat(FakeV4l2Node& node, v4l2_format* format)
{
    if (node.streaming) {
        return fail(EBUSY);
    }
    if (node.formats.isEmpty()) {
        return fail(EINVAL);
    }
    v4l2_pix_format& pix = format->fmt.pix;
    auto chosen = node.formats.first();
    for (const auto& offered : node.formats) {
        if (offered.first == pix.pixelformat) {
            chosen = offered;
        }
    }
    QSize nearest = chosen.second.value(0);
    for (const QSize& size : chosen.second) {
        const auto distance = [&pix](const QSize& s) {
            return std::abs(s.width() - int(pix.width)) + std::abs(s.height() - int(pix.height));
        };
        if (distance(size) < distance(nearest)) {
            nearest = size;
        }
    }
    pix.pixelformat = chosen.first;
    pix.width = static_cast<quint32>(nearest.width());
    pix.height = static_cast<quint32>(nearest.height());
    pix.field = V4L2_FIELD_NONE;
    pix.bytesperline = bytesPerLine(pix.pixelformat, pix.width);
    pix.sizeimage = imageSize(pix.pixelformat, pix.width, pix.height);
    node.format = pix;
    return 0;
}

int FakeV4l2Io::setControl(FakeV4l2Node& node, v4l2_control* control)
{
    auto found = node.controls.find(control->id);
    if (found == node.controls.end() || found->rejected.contains(control->value)) {
        return fail(EINVAL);
    }
    if (control->value < found->query.minimum || control->value > found->query.maximum) {
        return fail(ERANGE);
    }
    found->value = control->value;
    controlWrites_.append({control->id, control->value});
    return 0;
}

int FakeV4l2Io::handleIoctl(FakeV4l2Node& node, unsigned long request, void* arg)
{
    switch (request) {
        case VIDIOC_QUERYCAP: {
            auto* cap = static_cast<v4l2_capability*>(arg);
            memset(cap, 0, sizeof(*cap));
            memcpy(cap->card, node.card.constData(),
                   std::min(sizeof(cap->card), static_cast<size_t>(node.card.size())));
            cap->capabilities = node.deviceCaps | V4L2_CAP_DEVICE_CAPS | V4L2_CAP_META_CAPTURE;
            cap->device_caps = node.deviceCaps;
            return 0;
        }
        case VIDIOC_ENUM_FMT: {
            auto* desc = static_cast<v4l2_fmtdesc*>(arg);
            if (desc->index >= static_cast<quint32>(node.formats.size())) {
                return fail(EINVAL);
            }
            desc->pixelformat = node.formats[static_cast<int>(desc->index)].first;
            return 0;
        }
        case VIDIOC_ENUM_FRAMESIZES: {
            auto* entry = static_cast<v4l2_frmsizeenum*>(arg);
            if (node.frameSizeOverride) {
                return node.frameSizeOverride(entry->index, entry) ? 0 : fail(EINVAL);
            }
            for (const auto& offered : node.formats) {
                if (offered.first == entry->pixel_format &&
                    entry->index < static_cast<quint32>(offered.second.size())) {
                    const QSize size = offered.second[static_cast<int>(entry->index)];
                    entry->type = V4L2_FRMSIZE_TYPE_DISCRETE;
                    entry->discrete.width = static_cast<quint32>(size.width());
                    entry->discrete.height = static_cast<quint32>(size.height());
                    return 0;
                }
            }
            return fail(EINVAL);
        }
        case VIDIOC_QUERYCTRL: {
            auto* query = static_cast<v4l2_queryctrl*>(arg);
            if (!node.controls.contains(query->id)) {
                return fail(EINVAL);
            }
            *query = node.controls.value(query->id).query;
            return 0;
        }
        case VIDIOC_G_CTRL: {
            auto* control = static_cast<v4l2_control*>(arg);
            if (!node.controls.contains(control->id)) {
                return fail(EINVAL);
            }
            control->value = node.controls.value(control->id).value;
            return 0;
        }
        case VIDIOC_S_CTRL:
            return setControl(node, static_cast<v4l2_control*>(arg));
        case VIDIOC_G_FMT:
            static_cast<v4l2_format*>(arg)->fmt.pix = node.format;
            return 0;
        case VIDIOC_S_FMT:
            return setFormat(node, static_cast<v4l2_format*>(arg));
        case VIDIOC_REQBUFS: {
            auto* request = static_cast<v4l2_requestbuffers*>(arg);
            if (node.streaming) {
                return fail(EBUSY);
            }
            node.buffers.assign(request->count,
                                QByteArray(static_cast<int>(node.format.sizeimage), '\0'));
            node.queued.clear();
            node.done.clear();
            return 0;
        }
        case VIDIOC_QUERYBUF: {
            auto* buf = static_cast<v4l2_buffer*>(arg);
            if (buf->index >= node.buffers.size()) {
                return fail(EINVAL);
            }
            buf->length = static_cast<quint32>(node.buffers[buf->index].size());
            buf->m.offset = buf->index;
            return 0;
        }
        case VIDIOC_QBUF: {
            auto* buf = static_cast<v4l2_buffer*>(arg);
            if (buf->index >= node.buffers.size() || node.queued.contains(int(buf->index))) {
                return fail(EINVAL);
            }
            node.queued.append(static_cast<int>(buf->index));
            return 0;
        }
        case VIDIOC_DQBUF: {
            if (node.dqbufErrno) {
                const int error = node.dqbufErrno;
                node.dqbufErrno = 0;
                return fail(error);
            }
            feed(node, false);
            if (node.done.isEmpty()) {
                return fail(EAGAIN);
            }
            auto* buf = static_cast<v4l2_buffer*>(arg);
            const auto entry = node.done.takeFirst();
            QByteArray& memory = node.buffers[static_cast<size_t>(entry.first)];
            memcpy(memory.data(), entry.second.data.constData(),
                   std::min<size_t>(memory.size(), entry.second.data.size()));
            buf->index = static_cast<quint32>(entry.first);
            buf->bytesused = static_cast<quint32>(entry.second.data.size());
            buf->flags = entry.second.flags;
            return 0;
        }
        case VIDIOC_STREAMON:
            node.streaming = true;
            return 0;
        case VIDIOC_STREAMOFF:
            node.streaming = false;
            node.queued.clear();
            node.done.clear();
            return 0;
        default:
            return fail(ENOTTY);
    }
}
