#include "iv4l2videodevice.h"

#include <linux/videodev2.h>
#include <poll.h>
#include <QDebug>
#include <cerrno>
#include <cstring>

namespace {

const quint32 kBufferCount = 4;
const quint32 kMaxBufferCount = 32;
// Loop bounds against drivers that never end an enumeration.
const quint32 kMaxFormats = 64;
const quint32 kMaxFrameSizes = 256;
// Consecutive EIO results from DQBUF before the stream counts as broken.
const int kMaxFailedReads = 30;

// Sizes offered for devices that describe a range instead of a list.
const QSize kStandardSizes[] = {{320, 240},   {640, 480},  {800, 600},   {1024, 768},
                                {1280, 720},  {1280, 960}, {1600, 1200}, {1920, 1080},
                                {2592, 1944}, {3840, 2160}};

VideoPixelFormat formatOf(quint32 fourcc)
{
    switch (fourcc) {
        case V4L2_PIX_FMT_MJPEG:
            return VideoPixelFormat::Mjpeg;
        case V4L2_PIX_FMT_YUYV:
            return VideoPixelFormat::Yuyv;
        default:
            return VideoPixelFormat::Other;
    }
}

quint32 fourccOf(VideoPixelFormat format)
{
    return format == VideoPixelFormat::Yuyv ? V4L2_PIX_FMT_YUYV : V4L2_PIX_FMT_MJPEG;
}

VideoStreamFormat streamFormatOf(const v4l2_pix_format& pix)
{
    VideoStreamFormat format;
    format.format = formatOf(pix.pixelformat);
    format.size = QSize(static_cast<int>(pix.width), static_cast<int>(pix.height));
    if (format.format == VideoPixelFormat::Yuyv) {
        format.bytesPerLine = static_cast<int>(pix.bytesperline ? pix.bytesperline : pix.width * 2);
    }
    return format;
}

quint32 controlId(VideoControl control)
{
    switch (control) {
        case VideoControl::Brightness:
            return V4L2_CID_BRIGHTNESS;
        case VideoControl::Contrast:
            return V4L2_CID_CONTRAST;
        case VideoControl::Saturation:
            return V4L2_CID_SATURATION;
        case VideoControl::Exposure:
            return V4L2_CID_EXPOSURE_ABSOLUTE;
        case VideoControl::Focus:
            return V4L2_CID_FOCUS_ABSOLUTE;
    }
    return 0;
}

// The control that switches the automatic mode of exposure or focus; 0 for the others.
quint32 automaticId(VideoControl control)
{
    if (control == VideoControl::Exposure) {
        return V4L2_CID_EXPOSURE_AUTO;
    }
    return control == VideoControl::Focus ? V4L2_CID_FOCUS_AUTO : 0;
}

bool isCaptureDevice(const v4l2_capability& cap)
{
    const quint32 caps =
        (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps : cap.capabilities;
    return (caps & V4L2_CAP_VIDEO_CAPTURE) && (caps & V4L2_CAP_STREAMING);
}

bool fitsStepwise(const QSize& size, const v4l2_frmsize_stepwise& range)
{
    const quint32 w = static_cast<quint32>(size.width());
    const quint32 h = static_cast<quint32>(size.height());
    if (w < range.min_width || w > range.max_width || h < range.min_height ||
        h > range.max_height) {
        return false;
    }
    const quint32 stepW = range.step_width ? range.step_width : 1;
    const quint32 stepH = range.step_height ? range.step_height : 1;
    return (w - range.min_width) % stepW == 0 && (h - range.min_height) % stepH == 0;
}

}  // namespace

std::unique_ptr<IV4l2VideoDevice> IV4l2VideoDevice::open(std::shared_ptr<IV4l2Io> io,
                                                         const QString& path)
{
    const int fd = io->open(path);
    if (fd < 0) {
        qDebug() << "v4l2 open failed:" << path << strerror(errno);
        return nullptr;
    }
    v4l2_capability cap{};
    if (io->ioctl(fd, VIDIOC_QUERYCAP, &cap) < 0 || !isCaptureDevice(cap)) {
        qDebug() << "v4l2 node is no capture device:" << path;
        io->close(fd);
        return nullptr;
    }
    return std::unique_ptr<IV4l2VideoDevice>(new IV4l2VideoDevice(std::move(io), fd, path));
}

IV4l2VideoDevice::IV4l2VideoDevice(std::shared_ptr<IV4l2Io> io, int fd, const QString& path)
    : io_(std::move(io)), fd_(fd), path_(path)
{
}

IV4l2VideoDevice::~IV4l2VideoDevice()
{
    stopStreaming();
    io_->close(fd_);
}

int IV4l2VideoDevice::xioctl(unsigned long request, void* arg)
{
    return io_->ioctl(fd_, request, arg);
}

QList<QSize> IV4l2VideoDevice::sizesOf(quint32 fourcc)
{
    QList<QSize> sizes;
    for (quint32 index = 0; index < kMaxFrameSizes; ++index) {
        v4l2_frmsizeenum entry{};
        entry.index = index;
        entry.pixel_format = fourcc;
        if (xioctl(VIDIOC_ENUM_FRAMESIZES, &entry) < 0) {
            break;
        }
        if (entry.type == V4L2_FRMSIZE_TYPE_DISCRETE) {
            sizes.append(QSize(static_cast<int>(entry.discrete.width),
                               static_cast<int>(entry.discrete.height)));
            continue;
        }
        // A range is described once, by index 0.
        for (const QSize& size : kStandardSizes) {
            if (fitsStepwise(size, entry.stepwise)) {
                sizes.append(size);
            }
        }
        const QSize largest(static_cast<int>(entry.stepwise.max_width),
                            static_cast<int>(entry.stepwise.max_height));
        if (!sizes.contains(largest)) {
            sizes.append(largest);
        }
        break;
    }
    return sizes;
}

QList<VideoFrameSize> IV4l2VideoDevice::frameSizes()
{
    QList<VideoFrameSize> result;
    for (quint32 index = 0; index < kMaxFormats; ++index) {
        v4l2_fmtdesc desc{};
        desc.index = index;
        desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        if (xioctl(VIDIOC_ENUM_FMT, &desc) < 0) {
            break;
        }
        const VideoPixelFormat format = formatOf(desc.pixelformat);
        if (format == VideoPixelFormat::Other) {
            continue;
        }
        for (const QSize& size : sizesOf(desc.pixelformat)) {
            result.append({format, size});
        }
    }
    return result;
}

bool IV4l2VideoDevice::queryControl(quint32 id, VideoControlRange* range)
{
    v4l2_queryctrl query{};
    query.id = id;
    if (xioctl(VIDIOC_QUERYCTRL, &query) < 0 || (query.flags & V4L2_CTRL_FLAG_DISABLED)) {
        return false;
    }
    if (range) {
        range->minimum = query.minimum;
        range->maximum = query.maximum;
        range->step = query.step;
        range->defaultValue = query.default_value;
    }
    return true;
}

bool IV4l2VideoDevice::setControl(quint32 id, int value)
{
    v4l2_control ctrl{};
    ctrl.id = id;
    ctrl.value = value;
    return xioctl(VIDIOC_S_CTRL, &ctrl) == 0;
}

bool IV4l2VideoDevice::controlRange(VideoControl control, VideoControlRange* range)
{
    return queryControl(controlId(control), range);
}

bool IV4l2VideoDevice::controlValue(VideoControl control, int* value)
{
    v4l2_control ctrl{};
    ctrl.id = controlId(control);
    if (xioctl(VIDIOC_G_CTRL, &ctrl) < 0) {
        return false;
    }
    *value = ctrl.value;
    return true;
}

bool IV4l2VideoDevice::setControlValue(VideoControl control, int value)
{
    const quint32 automatic = automaticId(control);
    if (automatic && queryControl(automatic, nullptr)) {
        const int manual = control == VideoControl::Exposure ? V4L2_EXPOSURE_MANUAL : 0;
        if (!setControl(automatic, manual)) {
            qDebug() << "v4l2 cannot leave the automatic mode of control" << controlId(control);
        }
    }
    return setControl(controlId(control), value);
}

bool IV4l2VideoDevice::setAutomatic(VideoControl control)
{
    const quint32 automatic = automaticId(control);
    if (!automatic || !queryControl(automatic, nullptr)) {
        return false;
    }
    if (control == VideoControl::Focus) {
        return setControl(automatic, 1);
    }
    // UVC cameras usually offer aperture priority as their automatic mode, others full auto.
    return setControl(automatic, V4L2_EXPOSURE_APERTURE_PRIORITY) ||
           setControl(automatic, V4L2_EXPOSURE_AUTO);
}

bool IV4l2VideoDevice::currentFormat(VideoStreamFormat* format)
{
    v4l2_format current{};
    current.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (xioctl(VIDIOC_G_FMT, &current) < 0) {
        return false;
    }
    *format = streamFormatOf(current.fmt.pix);
    return true;
}

bool IV4l2VideoDevice::setFormat(VideoPixelFormat format, const QSize& size,
                                 VideoStreamFormat* actual)
{
    if (streaming_ || size.width() <= 0 || size.height() <= 0) {
        return false;
    }
    v4l2_format wanted{};
    wanted.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    wanted.fmt.pix.width = static_cast<quint32>(size.width());
    wanted.fmt.pix.height = static_cast<quint32>(size.height());
    wanted.fmt.pix.pixelformat = fourccOf(format);
    wanted.fmt.pix.field = V4L2_FIELD_ANY;
    if (xioctl(VIDIOC_S_FMT, &wanted) < 0) {
        qDebug() << "v4l2 S_FMT failed:" << path_ << size << strerror(errno);
        return false;
    }
    *actual = streamFormatOf(wanted.fmt.pix);
    return true;
}

bool IV4l2VideoDevice::mapBuffers(quint32 count)
{
    for (quint32 index = 0; index < count; ++index) {
        v4l2_buffer buf{};
        buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buf.memory = V4L2_MEMORY_MMAP;
        buf.index = index;
        if (xioctl(VIDIOC_QUERYBUF, &buf) < 0) {
            return false;
        }
        Buffer mapped;
        mapped.length = buf.length;
        mapped.start = io_->mmap(fd_, buf.length, static_cast<off_t>(buf.m.offset));
        if (!mapped.start) {
            return false;
        }
        buffers_.push_back(mapped);
    }
    return true;
}

void IV4l2VideoDevice::releaseBuffers()
{
    for (const Buffer& buffer : buffers_) {
        io_->munmap(buffer.start, buffer.length);
    }
    buffers_.clear();
    v4l2_requestbuffers none{};
    none.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    none.memory = V4L2_MEMORY_MMAP;
    xioctl(VIDIOC_REQBUFS, &none);
}

bool IV4l2VideoDevice::queueBuffer(quint32 index)
{
    v4l2_buffer buf{};
    buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    buf.memory = V4L2_MEMORY_MMAP;
    buf.index = index;
    return xioctl(VIDIOC_QBUF, &buf) == 0;
}

bool IV4l2VideoDevice::startStreaming()
{
    if (streaming_) {
        return true;
    }
    v4l2_requestbuffers request{};
    request.count = kBufferCount;
    request.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    request.memory = V4L2_MEMORY_MMAP;
    bool ready = xioctl(VIDIOC_REQBUFS, &request) == 0 && request.count >= 2 &&
                 request.count <= kMaxBufferCount && mapBuffers(request.count);
    for (quint32 index = 0; ready && index < request.count; ++index) {
        ready = queueBuffer(index);
    }
    int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (!ready || xioctl(VIDIOC_STREAMON, &type) < 0) {
        qDebug() << "v4l2 cannot start streaming:" << path_ << strerror(errno);
        releaseBuffers();
        return false;
    }
    streaming_ = true;
    failedReads_ = 0;
    return true;
}

void IV4l2VideoDevice::stopStreaming()
{
    if (!streaming_) {
        return;
    }
    int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    xioctl(VIDIOC_STREAMOFF, &type);
    streaming_ = false;
    releaseBuffers();
}

IVideoDevice::ReadResult IV4l2VideoDevice::dequeueNewest(int* index, quint32* bytesUsed,
                                                         bool* damaged)
{
    int newest = -1;
    for (size_t round = 0; round <= buffers_.size(); ++round) {
        v4l2_buffer buf{};
        buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buf.memory = V4L2_MEMORY_MMAP;
        if (xioctl(VIDIOC_DQBUF, &buf) < 0) {
            const int error = errno;
            if (error == EAGAIN) {
                break;
            }
            if (error == ENODEV) {
                return ReadResult::Gone;
            }
            if (newest >= 0) {
                queueBuffer(static_cast<quint32>(newest));
            }
            return error == EIO && ++failedReads_ < kMaxFailedReads ? ReadResult::NoFrame
                                                                    : ReadResult::Failed;
        }
        if (buf.index >= buffers_.size()) {
            return ReadResult::Failed;
        }
        // An older frame is handed straight back: the newest wins.
        if (newest >= 0 && !queueBuffer(static_cast<quint32>(newest))) {
            return errno == ENODEV ? ReadResult::Gone : ReadResult::Failed;
        }
        newest = static_cast<int>(buf.index);
        *bytesUsed = buf.bytesused;
        *damaged = buf.flags & V4L2_BUF_FLAG_ERROR;
    }
    if (newest < 0) {
        return ReadResult::NoFrame;
    }
    failedReads_ = 0;
    *index = newest;
    return ReadResult::Frame;
}

IVideoDevice::ReadResult IV4l2VideoDevice::readFrame(int timeoutMs, const FrameConsumer& consume)
{
    if (!streaming_) {
        return ReadResult::Failed;
    }
    short revents = 0;
    const int ready = io_->poll(fd_, timeoutMs, &revents);
    if (ready < 0) {
        return errno == EINTR ? ReadResult::NoFrame : ReadResult::Failed;
    }
    if (ready == 0 || !(revents & (POLLIN | POLLERR | POLLHUP | POLLNVAL))) {
        return ReadResult::NoFrame;
    }
    if (revents & (POLLERR | POLLHUP | POLLNVAL)) {
        // The driver flags an unplugged device or a broken stream this way; polling again
        // would return at once, so the stream ends here.
        qDebug() << "v4l2 stream ended by the device:" << path_;
        return ReadResult::Gone;
    }
    int index = -1;
    quint32 used = 0;
    bool damaged = false;
    const ReadResult result = dequeueNewest(&index, &used, &damaged);
    if (result != ReadResult::Frame) {
        return result;
    }
    const Buffer& buffer = buffers_[static_cast<size_t>(index)];
    const bool usable = !damaged && used > 0 && used <= buffer.length;
    if (usable) {
        consume(static_cast<const uchar*>(buffer.start), static_cast<int>(used));
    }
    if (!queueBuffer(static_cast<quint32>(index))) {
        return errno == ENODEV ? ReadResult::Gone : ReadResult::Failed;
    }
    return usable ? ReadResult::Frame : ReadResult::NoFrame;
}
