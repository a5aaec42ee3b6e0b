#ifndef IFRAMEDECODER_H
#define IFRAMEDECODER_H

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/video/videoformat.h"

// Turns camera frames (MJPEG through libjpeg-turbo, YUYV through libyuv) into 32-bit pictures,
// rows top-down as V4L2 delivers them. One decoder per thread.
class IFrameDecoder {
public:
    IFrameDecoder();
    ~IFrameDecoder();
    IFrameDecoder(const IFrameDecoder&) = delete;
    IFrameDecoder& operator=(const IFrameDecoder&) = delete;

    // Decodes one frame of the negotiated `format` into a new Format_RGB32 picture of exactly
    // format.size. A corrupt, truncated or wrongly sized frame gives false and the reason in
    // *error; *out is then left as it was.
    bool decode(const VideoStreamFormat& format, const uchar* data, int length, QImage* out,
                QString* error);
    // The same for a view that shows the frame at `shown` (see IViewScale): MJPEG is decoded
    // straight at a half or a quarter of its size through the JPEG's own scaling, YUYV is
    // converted and scaled, and the result is exactly IViewScale::target in size, marked with
    // the full size. An empty `shown` gives what decode gives.
    bool decodeForView(const VideoStreamFormat& format, const uchar* data, int length,
                       const QSize& shown, QImage* out, QString* error);

    // `image` scaled (bilinear over boxes) to `size`; itself when the size is the same.
    static QImage scaled(const QImage& image, const QSize& size);

private:
    bool decodeMjpeg(const QSize& size, int divisor, const uchar* data, int length, QImage* out,
                     QString* error);
    static bool decodeYuyv(const VideoStreamFormat& format, const uchar* data, int length,
                           QImage* out, QString* error);
    bool mjpegFailed(QString* error, const QString& reason);
    void renewDecompressor();

    void* decompressor_;
    bool holdsTables_ = false;  // the handle has read Huffman tables of an earlier frame
};

#endif  // IFRAMEDECODER_H
