#include "iframedecoder.h"

#include <libyuv/convert_argb.h>
#include <turbojpeg.h>

#include "platform/video/ijpegmarkers.h"

namespace {

// libjpeg-turbo and libyuv name pixel layouts by memory order on little-endian machines:
// B, G, R, A is what QImage::Format_RGB32 stores there.
const TJPF kQImageLayout = TJPF_BGRA;

QString sizeText(const QSize& size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

}  // namespace

IFrameDecoder::IFrameDecoder() : decompressor_(tjInitDecompress()) {}

IFrameDecoder::~IFrameDecoder()
{
    if (decompressor_) {
        tjDestroy(decompressor_);
    }
}

bool IFrameDecoder::decode(const VideoStreamFormat& format, const uchar* data, int length,
                           QImage* out, QString* error)
{
    if (!data || length <= 0 || format.size.isEmpty()) {
        *error = QStringLiteral("empty frame");
        return false;
    }
    switch (format.format) {
        case VideoPixelFormat::Mjpeg:
            return decodeMjpeg(format.size, data, length, out, error);
        case VideoPixelFormat::Yuyv:
            return decodeYuyv(format, data, length, out, error);
        case VideoPixelFormat::Other:
            break;
    }
    *error = QStringLiteral("unsupported pixel format");
    return false;
}

bool IFrameDecoder::decodeMjpeg(const QSize& size, const uchar* data, int length, QImage* out,
                                QString* error)
{
    if (!decompressor_) {
        *error = QStringLiteral("no JPEG decompressor");
        return false;
    }
    if (!IJpegMarkers::hasEndMarker(data, length)) {
        *error = QStringLiteral("truncated MJPEG frame of %1 bytes").arg(length);
        return false;
    }
    if (!IJpegMarkers::withStandardTables(data, length, &withTables_)) {
        *error = QStringLiteral("malformed MJPEG headers");
        return false;
    }
    auto* jpeg = const_cast<uchar*>(data);
    auto jpegSize = static_cast<unsigned long>(length);
    if (!withTables_.isEmpty()) {
        jpeg = reinterpret_cast<uchar*>(withTables_.data());
        jpegSize = static_cast<unsigned long>(withTables_.size());
    }
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    if (tjDecompressHeader3(decompressor_, jpeg, jpegSize, &width, &height, &subsampling,
                            &colorspace) != 0) {
        *error = QStringLiteral("corrupt MJPEG header: ") + tjGetErrorStr2(decompressor_);
        return false;
    }
    if (QSize(width, height) != size) {
        *error = QStringLiteral("MJPEG frame of %1, expected %2")
                     .arg(sizeText(QSize(width, height)), sizeText(size));
        return false;
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        *error = QStringLiteral("no memory for a frame of ") + sizeText(size);
        return false;
    }
    // Warnings count too: they mean damaged data that would show as a smeared picture.
    if (tjDecompress2(decompressor_, jpeg, jpegSize, image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, kQImageLayout, 0) != 0) {
        *error = QStringLiteral("corrupt MJPEG data: ") + tjGetErrorStr2(decompressor_);
        return false;
    }
    *out = image;
    return true;
}

bool IFrameDecoder::decodeYuyv(const VideoStreamFormat& format, const uchar* data, int length,
                               QImage* out, QString* error)
{
    const QSize size = format.size;
    const int stride = format.bytesPerLine;
    if (stride < size.width() * 2 || static_cast<qint64>(stride) * size.height() > length) {
        *error = QStringLiteral("YUYV frame of %1 bytes for %2 at stride %3")
                     .arg(length)
                     .arg(sizeText(size))
                     .arg(stride);
        return false;
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        *error = QStringLiteral("no memory for a frame of ") + sizeText(size);
        return false;
    }
    if (libyuv::YUY2ToARGB(data, stride, image.bits(), static_cast<int>(image.bytesPerLine()),
                           size.width(), size.height()) != 0) {
        *error = QStringLiteral("YUYV conversion failed");
        return false;
    }
    *out = image;
    return true;
}
