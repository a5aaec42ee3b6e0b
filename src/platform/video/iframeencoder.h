#ifndef IFRAMEENCODER_H
#define IFRAMEENCODER_H

#include <QByteArray>
#include <QImage>

// Turns 32-bit pictures into camera frames: MJPEG (4:2:2, as USB cameras send it) and YUYV.
// Used by the virtual camera and by tests. One encoder per thread.
class IFrameEncoder {
public:
    IFrameEncoder();
    ~IFrameEncoder();
    IFrameEncoder(const IFrameEncoder&) = delete;
    IFrameEncoder& operator=(const IFrameEncoder&) = delete;

    // A JPEG of `image` (Format_RGB32); without its Huffman tables unless `huffmanTables`.
    bool encodeMjpeg(const QImage& image, int quality, bool huffmanTables, QByteArray* out);
    // Packed YUYV rows of `image` (Format_RGB32, even width).
    static bool encodeYuyv(const QImage& image, QByteArray* out);

private:
    void* compressor_;
    unsigned char* buffer_ = nullptr;
    unsigned long bufferSize_ = 0;
};

#endif  // IFRAMEENCODER_H
