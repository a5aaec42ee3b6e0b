#ifndef VIDEOFORMAT_H
#define VIDEOFORMAT_H

#include <QSize>
#include <QString>

// Pixel formats of camera frames; only the two the program decodes have names.
enum class VideoPixelFormat { Mjpeg, Yuyv, Other };

// One size a device offers in one pixel format.
struct VideoFrameSize {
    VideoPixelFormat format = VideoPixelFormat::Other;
    QSize size;
};

// What a device streams after format negotiation.
struct VideoStreamFormat {
    VideoPixelFormat format = VideoPixelFormat::Other;
    QSize size;
    int bytesPerLine = 0;  // row stride of uncompressed formats, 0 for compressed ones
};

// The five picture controls of a document camera.
enum class VideoControl { Brightness, Contrast, Saturation, Exposure, Focus };

struct VideoControlRange {
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    int defaultValue = 0;
};

// A capture device as the enumeration finds it; vid and pid are four lower-case hex digits or
// empty when unknown.
struct VideoNodeInfo {
    QString path;
    QString name;
    QString vid;
    QString pid;
};

#endif  // VIDEOFORMAT_H
