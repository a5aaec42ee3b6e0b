// MJPEG frames at the size their header announces, and after each a good frame must still decode
// (one decoder for the whole run, as a capture thread keeps it).
#include <cstdlib>

#include "platform/video/iframedecoder.h"
#include "platform/video/iframeencoder.h"
#include "platform/video/ijpegmarkers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QSize goodSize(16, 8);
    static const QByteArray good = [] {
        QImage image(goodSize, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray jpeg;
        IFrameEncoder().encodeMjpeg(image, 80, false, &jpeg);
        return jpeg;
    }();
    static IFrameDecoder decoder;
    QVector<IJpegMarkers::Segment> segments;
    IJpegMarkers::headerSegments(data, int(size), &segments);
    QSize announced = goodSize;
    for (const IJpegMarkers::Segment& s : segments) {
        if (s.marker >= 0xC0 && s.marker <= 0xC2 && s.length >= 11) {
            const uint8_t* sof = data + s.offset;
            announced = QSize((sof[7] << 8) | sof[8], (sof[5] << 8) | sof[6]);
        }
    }
    QImage image;
    QString error;
    if (qint64(announced.width()) * announced.height() <= (1 << 22)) {
        decoder.decode({VideoPixelFormat::Mjpeg, announced, 0}, data, int(size), &image, &error);
    }
    if (!decoder.decode({VideoPixelFormat::Mjpeg, goodSize, 0},
                        reinterpret_cast<const uchar*>(good.constData()), good.size(), &image,
                        &error)) {
        std::abort();
    }
    return 0;
}
