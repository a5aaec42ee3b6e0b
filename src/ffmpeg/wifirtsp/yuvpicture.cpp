#include "yuvpicture.h"

#include <libyuv/convert_argb.h>
#include <QImage>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace {

// libyuv's ARGB is B, G, R, A in memory: Format_RGB32 on little-endian machines.
using PlanarToArgb = int (*)(const uint8_t*, int, const uint8_t*, int, const uint8_t*, int,
                             uint8_t*, int, int, int);

PlanarToArgb planarConverter(const AVFrame& frame)
{
    const bool full = frame.color_range == AVCOL_RANGE_JPEG;
    const bool hd = frame.colorspace == AVCOL_SPC_BT709;
    switch (frame.format) {
        case AV_PIX_FMT_YUVJ420P:
            return libyuv::J420ToARGB;
        case AV_PIX_FMT_YUV420P:
            return full ? libyuv::J420ToARGB : hd ? libyuv::H420ToARGB : libyuv::I420ToARGB;
        case AV_PIX_FMT_YUVJ422P:
            return libyuv::J422ToARGB;
        case AV_PIX_FMT_YUV422P:
            return full ? libyuv::J422ToARGB : hd ? libyuv::H422ToARGB : libyuv::I422ToARGB;
        default:
            return nullptr;
    }
}

}  // namespace

bool convertYuvPicture(const AVFrame& frame, QImage* out)
{
    uint8_t* target = out->bits();
    const int stride = int(out->bytesPerLine());
    if (PlanarToArgb convert = planarConverter(frame)) {
        return convert(frame.data[0], frame.linesize[0], frame.data[1], frame.linesize[1],
                       frame.data[2], frame.linesize[2], target, stride, frame.width,
                       frame.height) == 0;
    }
    if (frame.format == AV_PIX_FMT_NV12 && frame.color_range != AVCOL_RANGE_JPEG &&
        frame.colorspace != AVCOL_SPC_BT709) {
        return libyuv::NV12ToARGB(frame.data[0], frame.linesize[0], frame.data[1],
                                  frame.linesize[1], target, stride, frame.width,
                                  frame.height) == 0;
    }
    return false;
}
