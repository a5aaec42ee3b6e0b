#ifndef IVIRTUALCAMERA_H
#define IVIRTUALCAMERA_H

#include <QByteArray>
#include <chrono>
#include <memory>
#include <mutex>

#include "platform/video/iframeencoder.h"
#include "platform/video/ivideodevice.h"
#include "platform/video/ivirtualscene.h"

// What a virtual device shares between its open handles, like a real device's state in the
// driver: controls, format, who streams, and whether it is plugged in.
struct VirtualCameraState {
    std::mutex mutex;  // guards every field
    bool plugged = true;
    int plugGeneration = 0;  // grows on every unplug; handles opened before are dead
    bool failOpen = false;
    VirtualSceneSettings settings;
    VideoStreamFormat format{VideoPixelFormat::Mjpeg, QSize(1920, 1080), 0};
    QList<QImage> pictures;  // shown instead of the drawn page when there are any
    const void* streamingHandle = nullptr;
};

// One open handle of the virtual document camera. Frames are painted by IVirtualScene, encoded
// as a camera would (MJPEG without Huffman tables, or YUYV) and handed out at about 15 per
// second, so they take the same decode path as those of a real device.
class IVirtualCamera : public IVideoDevice {
public:
    // `generation` is the state's plug generation at the time of opening.
    IVirtualCamera(std::shared_ptr<VirtualCameraState> state, int generation);
    ~IVirtualCamera() override;

    static QList<VideoFrameSize> offeredSizes();
    static bool rangeOf(VideoControl control, VideoControlRange* range);

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
    bool presentLocked() const;
    bool present() const;
    bool produceFrame(const FrameConsumer& consume);

    std::shared_ptr<VirtualCameraState> state_;
    const int generation_;
    bool streaming_ = false;
    VideoStreamFormat streamFormat_;
    std::chrono::steady_clock::time_point nextFrame_;
    int counter_ = 0;
    IVirtualScene scene_;
    IFrameEncoder encoder_;
    QByteArray encoded_;
    qint64 encodedKey_ = 0;  // the picture encoded_ holds
    VideoPixelFormat encodedFormat_ = VideoPixelFormat::Other;
};

#endif  // IVIRTUALCAMERA_H
