// The wireless camera's picture conversion: a decoded 4:2:0 picture (what its H.264 decoder
// gives) to a 32-bit image, with libyuv as the video thread does, against swscale as the
// baseline, at 1080p and at the camera's largest size.
#include <benchmark/benchmark.h>

#include <QImage>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include "ffmpeg/wifirtsp/yuvpicture.h"

namespace {

// A 4:2:0 picture with a gradient and some texture, so that no converter meets flat planes.
AVFrame* planarPicture(int width, int height)
{
    AVFrame* frame = av_frame_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    av_frame_get_buffer(frame, 32);
    for (int plane = 0; plane < 3; ++plane) {
        const int h = plane ? height / 2 : height;
        const int w = plane ? width / 2 : width;
        for (int y = 0; y < h; ++y) {
            uint8_t* row = frame->data[plane] + y * frame->linesize[plane];
            for (int x = 0; x < w; ++x) {
                row[x] = uint8_t(16 + (x + 3 * y + ((x * y) & 31)) % 220);
            }
        }
    }
    return frame;
}

void BM_PlanarToImageLibyuv(benchmark::State& state)
{
    AVFrame* frame = planarPicture(int(state.range(0)), int(state.range(1)));
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

void BM_PlanarToImageSwscale(benchmark::State& state)
{
    AVFrame* frame = planarPicture(int(state.range(0)), int(state.range(1)));
    SwsContext* scaler =
        sws_getContext(frame->width, frame->height, AV_PIX_FMT_YUV420P, frame->width, frame->height,
                       AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr);
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

}  // namespace

BENCHMARK(BM_PlanarToImageSwscale)
    ->Args({1920, 1080})
    ->Args({2592, 1944})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanarToImageLibyuv)
    ->Args({1920, 1080})
    ->Args({2592, 1944})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
