#include "iframeencoder.h"

#include <libyuv/convert_from_argb.h>
#include <turbojpeg.h>

#include "platform/video/ijpegmarkers.h"

IFrameEncoder::IFrameEncoder() : compressor_(tjInitCompress()) {}

IFrameEncoder::~IFrameEncoder()
{
    tjFree(buffer_);
    if (compressor_) {
        tjDestroy(compressor_);
    }
}

bool IFrameEncoder::encodeMjpeg(const QImage& image, int quality, bool huffmanTables,
                                QByteArray* out)
{
    if (!compressor_ || image.isNull() || image.format() != QImage::Format_RGB32) {
        return false;
    }
    const unsigned long needed = tjBufSize(image.width(), image.height(), TJSAMP_422);
    if (needed > bufferSize_) {
        tjFree(buffer_);
        buffer_ = tjAlloc(static_cast<int>(needed));
        bufferSize_ = buffer_ ? needed : 0;
        if (!buffer_) {
            return false;
        }
    }
    unsigned long size = bufferSize_;
    if (tjCompress2(compressor_, image.constBits(), image.width(),
                    static_cast<int>(image.bytesPerLine()), image.height(), TJPF_BGRX, &buffer_,
                    &size, TJSAMP_422, quality, TJFLAG_NOREALLOC | TJFLAG_FASTDCT) != 0) {
        return false;
    }
    const QByteArray jpeg =
        QByteArray::fromRawData(reinterpret_cast<const char*>(buffer_), static_cast<int>(size));
    *out = huffmanTables ? QByteArray(jpeg.constData(), jpeg.size())
                         : IJpegMarkers::withoutHuffmanTables(jpeg);
    return !out->isEmpty();
}

bool IFrameEncoder::encodeYuyv(const QImage& image, QByteArray* out)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32 || image.width() % 2) {
        return false;
    }
    const int stride = image.width() * 2;
    out->resize(stride * image.height());
    return libyuv::ARGBToYUY2(image.constBits(), static_cast<int>(image.bytesPerLine()),
                              reinterpret_cast<uint8_t*>(out->data()), stride, image.width(),
                              image.height()) == 0;
}
