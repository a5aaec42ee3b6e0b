#ifndef IV4L2VIDEODEVICE_H
#define IV4L2VIDEODEVICE_H

#include <QString>
#include <memory>
#include <vector>

#include "platform/video/iv4l2io.h"
#include "platform/video/ivideodevice.h"

// A V4L2 capture node: formats and sizes from ENUM_FMT x ENUM_FRAMESIZES, the controls through
// QUERYCTRL/G_CTRL/S_CTRL (FOCUS_AUTO and EXPOSURE_AUTO for the automatic modes), and streaming
// on memory-mapped buffers.
class IV4l2VideoDevice : public IVideoDevice {
public:
    // Null when the node cannot be opened or is no single-planar streaming capture device.
    static std::unique_ptr<IV4l2VideoDevice> open(std::shared_ptr<IV4l2Io> io, const QString& path);
    ~IV4l2VideoDevice() override;

    QList<VideoFrameSize> frameSizes() override;
    bool controlRange(VideoControl control, VideoControlRange* range) override;
    bool controlValue(VideoControl control, int* value) override;
    bool setControlValue(VideoControl control, int value) override;
    bool setAutomatic(VideoControl control) override;
    bool currentFormat(VideoStreamFormat* format) override;
    bool setFormat(VideoPixelFormat format, const QSize& size, VideoStreamFormat* actual) override;
    bool startStreaming() override;
    void stopStreaming() override;
    ReadResult readFrame(int timeoutMs, const FrameConsumer& consume) override;

private:
    struct Buffer {
        void* start = nullptr;
        size_t length = 0;
    };

    IV4l2VideoDevice(std::shared_ptr<IV4l2Io> io, int fd, const QString& path);
    int xioctl(unsigned long request, void* arg);
    QList<QSize> sizesOf(quint32 fourcc);
    bool queryControl(quint32 id, VideoControlRange* range);
    bool setControl(quint32 id, int value);
    bool mapBuffers(quint32 count);
    void releaseBuffers();
    bool queueBuffer(quint32 index);
    ReadResult dequeueNewest(int* index, quint32* bytesUsed, bool* damaged);

    std::shared_ptr<IV4l2Io> io_;
    int fd_;
    QString path_;
    std::vector<Buffer> buffers_;
    bool streaming_ = false;
    int failedReads_ = 0;
};

#endif  // IV4L2VIDEODEVICE_H
