#ifndef ICAPTUREFORMAT_H
#define ICAPTUREFORMAT_H

#include <QList>
#include <QSizeF>

#include "platform/video/ivideodevice.h"

// Chooses what a capture device streams for a requested frame size.
class ICaptureFormat {
public:
    // MJPEG at `requested`, else YUYV at it (0x0 asks for the device's current size). A device
    // adjusts a size it does not offer instead of failing, so only an exact answer counts; when
    // neither format gives one, the first of `sizes` (the smallest) is tried the same way.
    // False when that fails too or `sizes` is empty.
    static bool negotiate(IVideoDevice& device, const QSize& requested, const QList<QSizeF>& sizes,
                          VideoStreamFormat* format);

private:
    static bool trySize(IVideoDevice& device, const QSize& size, VideoStreamFormat* format);
};

#endif  // ICAPTUREFORMAT_H
