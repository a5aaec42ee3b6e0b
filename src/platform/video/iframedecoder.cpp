#include "iframedecoder.h"

#include <libyuv/convert_argb.h>
#include <libyuv/scale_argb.h>
#include <turbojpeg.h>

#include "platform/video/ijpegmarkers.h"
#include "platform/video/iviewscale.h"

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
            return decodeMjpeg(format.size, 1, data, length, out, error);
        case VideoPixelFormat::Yuyv:
            return decodeYuyv(format, data, length, out, error);
        case VideoPixelFormat::Other:
            break;
    }
    *error = QStringLiteral("unsupported pixel format");
    return false;
}

bool IFrameDecoder::decodeForView(const VideoStreamFormat& format, const uchar* data, int length,
                                  const QSize& shown, QImage* out, QString* error)
{
    const int divisor = IViewScale::divisor(format.size, shown);
    if (divisor == 1) {
        return decode(format, data, length, out, error);
    }
    QImage picture;
    const bool decoded = format.format == VideoPixelFormat::Mjpeg && data && length > 0
                             ? decodeMjpeg(format.size, divisor, data, length, &picture, error)
                             : decode(format, data, length, &picture, error);
    if (!decoded) {
        return false;
    }
    picture = scaled(picture, IViewScale::target(format.size, shown));
    if (picture.isNull()) {
        *error = QStringLiteral("no memory for a scaled frame");
        return false;
    }
    IViewScale::markFullSize(&picture, format.size);
    *out = picture;
    return true;
}

QImage IFrameDecoder::scaled(const QImage& image, const QSize& size)
{
    if (image.size() == size || image.isNull()) {
        return image;
    }
    QImage result(size, QImage::Format_RGB32);
    if (result.isNull() ||
        libyuv::ARGBScale(image.constBits(), static_cast<int>(image.bytesPerLine()), image.width(),
                          image.height(), result.bits(), static_cast<int>(result.bytesPerLine()),
                          size.width(), size.height(), libyuv::kFilterBox) != 0) {
        return QImage();
    }
    return result;
}

bool IFrameDecoder::decodeMjpeg(const QSize& size, int divisor, const uchar* data, int length,
                                QImage* out, QString* error)
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
    // The JPEG's own scaling drops the DCT coefficients the smaller picture cannot show, which
    // saves most of the decoding; it rounds sizes up.
    const QSize decoded((width + divisor - 1) / divisor, (height + divisor - 1) / divisor);
    QImage image(decoded, QImage::Format_RGB32);
    if (image.isNull()) {
        *error = QStringLiteral("no memory for a frame of ") + sizeText(decoded);
        return false;
    }
    // Warnings count too: they mean damaged data that would show as a smeared picture.
    if (tjDecompress2(decompressor_, data, jpegSize, image.bits(), decoded.width(),
                      static_cast<int>(image.bytesPerLine()), decoded.height(), kQImageLayout,
                      0) != 0) {
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
