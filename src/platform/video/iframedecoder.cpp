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

void IFrameDecoder::renewDecompressor()
{
    tjDestroy(decompressor_);
    decompressor_ = tjInitDecompress();
    holdsTables_ = false;
}

// After an error inside libjpeg-turbo the handle keeps failing every later frame with the same
// error, so a failed frame costs the handle: the next frame gets a fresh one.
bool IFrameDecoder::mjpegFailed(QString* error, const QString& reason)
{
    *error = reason + tjGetErrorStr2(decompressor_);
    renewDecompressor();
    return false;
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
    QVector<IJpegMarkers::Segment> segments;
    if (!IJpegMarkers::headerSegments(data, length, &segments)) {
        *error = QStringLiteral("malformed MJPEG headers");
        return false;
    }
    // libjpeg-turbo falls back to the standard Huffman tables that cameras leave out, but only
    // on a handle that never read tables: it keeps those of earlier frames.
    const bool ownTables = IJpegMarkers::carriesHuffmanTables(segments);
    if (!ownTables && holdsTables_) {
        renewDecompressor();
    }
    holdsTables_ = holdsTables_ || ownTables;
    const auto jpegSize = static_cast<unsigned long>(length);
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    if (tjDecompressHeader3(decompressor_, data, jpegSize, &width, &height, &subsampling,
                            &colorspace) != 0) {
        return mjpegFailed(error, QStringLiteral("corrupt MJPEG header: "));
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
    if (tjDecompress2(decompressor_, data, jpegSize, image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, kQImageLayout, 0) != 0) {
        return mjpegFailed(error, QStringLiteral("corrupt MJPEG data: "));
    }
    *out = image;
    return true;
}

bool IFrameDecoder::decodeYuyv(const VideoStreamFormat& format, const uchar* data, int length,
                               QImage* out, QString* error)
{
    const QSize size = format.size;
    const qint64 stride = format.bytesPerLine;
    // libyuv converts whole pixel pairs (4 bytes), so an odd width reads the pair it ends in.
    const qint64 rowBytes = (static_cast<qint64>(size.width()) + 1) / 2 * 4;
    if (stride < rowBytes || stride * size.height() > length) {
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
    if (libyuv::YUY2ToARGB(data, static_cast<int>(stride), image.bits(),
                           static_cast<int>(image.bytesPerLine()), size.width(),
                           size.height()) != 0) {
        *error = QStringLiteral("YUYV conversion failed");
        return false;
    }
    *out = image;
    return true;
}
