#ifndef IVIDEODEVICE_H
#define IVIDEODEVICE_H

#include <QList>
#include <functional>

#include "platform/video/videoformat.h"

// One open capture device. The streaming calls (format, start, stop, readFrame) belong to one
// thread; the control calls may come from another thread while that one streams.
class IVideoDevice {
public:
    enum class ReadResult { Frame, NoFrame, Gone, Failed };
    using FrameConsumer = std::function<void(const uchar* data, int length)>;

    virtual ~IVideoDevice() = default;

    // Every size of every decodable format, in the device's own order (duplicates kept).
    virtual QList<VideoFrameSize> frameSizes() = 0;

    virtual bool controlRange(VideoControl control, VideoControlRange* range) = 0;
    virtual bool controlValue(VideoControl control, int* value) = 0;
    // A manual value; for exposure and focus the automatic mode is switched off first.
    virtual bool setControlValue(VideoControl control, int value) = 0;
    // Automatic exposure or automatic focus; false for the other controls.
    virtual bool setAutomatic(VideoControl control) = 0;

    virtual bool currentFormat(VideoStreamFormat* format) = 0;
    // Asks for a format and size. Like V4L2 the device may adjust both instead of failing:
    // `actual` tells what it took.
    virtual bool setFormat(VideoPixelFormat format, const QSize& size,
                           VideoStreamFormat* actual) = 0;
    virtual bool startStreaming() = 0;
    virtual void stopStreaming() = 0;
    // Waits at most timeoutMs for frames and hands only the newest one to `consume` (older ready
    // frames are dropped). The data is valid during the call only.
    virtual ReadResult readFrame(int timeoutMs, const FrameConsumer& consume) = 0;
};

#endif  // IVIDEODEVICE_H
