// The wireless camera's picture conversion: a decoded 4:2:0 picture (what its H.264 decoder
// gives: planar I420, or NV12 from a hardware decoder) to a 32-bit image, with libyuv as the
// video thread does, against swscale as the baseline, at 1080p, the camera's largest size and 4K.
// The pixel format argument is FFmpeg's AVPixelFormat number (0 I420, 23 NV12).
#include <benchmark/benchmark.h>

#include <QImage>
#include <utility>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include "ffmpeg/wifirtsp/yuvpicture.h"

namespace {

// A 4:2:0 picture, planar (I420) or with interleaved chroma (NV12), with a gradient and some
// texture, so that no converter meets flat planes.
AVFrame* yuvPicture(int width, int height, AVPixelFormat format)
{
    AVFrame* frame = av_frame_alloc();
    frame->format = format;
    frame->width = width;
    frame->height = height;
    av_frame_get_buffer(frame, 32);
    const int planes = format == AV_PIX_FMT_NV12 ? 2 : 3;
    for (int plane = 0; plane < planes; ++plane) {
        const int h = plane ? height / 2 : height;
        const int w = plane && planes == 3 ? width / 2 : width;
        for (int y = 0; y < h; ++y) {
            uint8_t* row = frame->data[plane] + y * frame->linesize[plane];
            for (int x = 0; x < w; ++x) {
                row[x] = uint8_t(16 + (x + 3 * y + ((x * y) & 31)) % 220);
            }
        }
    }
    return frame;
}

// Arguments: width, height, pixel format.
AVFrame* pictureFor(const benchmark::State& state)
{
    return yuvPicture(int(state.range(0)), int(state.range(1)), AVPixelFormat(state.range(2)));
}

void BM_YuvToImageLibyuv(benchmark::State& state)
{
    AVFrame* frame = pictureFor(state);
    for (auto _ : state) {
        QImage image(frame->width, frame->height, QImage::Format_RGB32);
        if (!convertYuvPicture(*frame, &image)) {
            state.SkipWithError("not converted");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    av_frame_free(&frame);
}

void BM_YuvToImageSwscale(benchmark::State& state)
{
    AVFrame* frame = pictureFor(state);
    // The flags the video thread uses.
    SwsContext* scaler =
        sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                       frame->height, AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr);
    for (auto _ : state) {
        QImage image(frame->width, frame->height, QImage::Format_RGB32);
        uint8_t* target[4] = {image.bits(), nullptr, nullptr, nullptr};
        const int stride[4] = {int(image.bytesPerLine()), 0, 0, 0};
        sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, target, stride);
        benchmark::DoNotOptimize(image.constBits());
    }
    sws_freeContext(scaler);
    av_frame_free(&frame);
}

// 1080p, the camera's largest size and 4K, each as I420 and as NV12.
void sizesAndLayouts(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"w", "h", "fmt"})->Unit(benchmark::kMillisecond);
    for (const AVPixelFormat format : {AV_PIX_FMT_YUV420P, AV_PIX_FMT_NV12}) {
        for (const auto& size : {std::pair{1920, 1080}, {2592, 1944}, {3840, 2160}}) {
            bench->Args({size.first, size.second, format});
        }
    }
}

}  // namespace

BENCHMARK(BM_YuvToImageSwscale)->Apply(sizesAndLayouts);
BENCHMARK(BM_YuvToImageLibyuv)->Apply(sizesAndLayouts);

BENCHMARK_MAIN();
