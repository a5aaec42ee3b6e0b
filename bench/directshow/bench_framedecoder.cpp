// Decode cost of camera frames (MJPEG, YUYV) at 1080p and 2160p against a plain copy of the
// decoded frame, and the CPU share of the virtual document camera at 1080p.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QRandomGenerator>
#include <cstring>
#include <ctime>

#include "platform/video/iframedecoder.h"
#include "platform/video/iframeencoder.h"
#include "platform/video/ivirtualcamerahub.h"
#include "platform/video/ivirtualscene.h"

namespace {

QSize sizeOf(const benchmark::State& state)
{
    return QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

// The virtual camera's page with sensor-like noise, so that JPEG frames have the entropy of
// a real camera's rather than of flat synthetic areas.
QImage cameraPicture(const QSize& size)
{
    IVirtualScene scene;
    QImage picture = scene.frame(size, VirtualSceneSettings(), 1).copy();
    QRandomGenerator noise(1);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int n = noise.bounded(-6, 7);
            row[x] = qRgb(qBound(0, qRed(row[x]) + n, 255), qBound(0, qGreen(row[x]) + n, 255),
                          qBound(0, qBlue(row[x]) + n, 255));
        }
    }
    return picture;
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

void BM_MemcpyFrame(benchmark::State& state)
{
    const QSize size = sizeOf(state);
    const size_t bytes = size_t(size.width()) * size.height() * 4;
    std::vector<char> source(bytes, 1);
    for (auto _ : state) {
        QImage target(size, QImage::Format_RGB32);
        std::memcpy(target.bits(), source.data(), bytes);
        benchmark::DoNotOptimize(target.bits());
    }
}

void BM_DecodeYuyv(benchmark::State& state)
{
    const QSize size = sizeOf(state);
    QByteArray frame;
    IFrameEncoder::encodeYuyv(cameraPicture(size), &frame);
    const VideoStreamFormat format{VideoPixelFormat::Yuyv, size, size.width() * 2};
    IFrameDecoder decoder;
    QImage image;
    QString error;
    for (auto _ : state) {
        decoder.decode(format, reinterpret_cast<const uchar*>(frame.constData()), frame.size(),
                       &image, &error);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_DecodeMjpeg(benchmark::State& state)
{
    const QSize size = sizeOf(state);
    QByteArray frame;
    IFrameEncoder encoder;
    encoder.encodeMjpeg(cameraPicture(size), 80, false, &frame);
    const VideoStreamFormat format{VideoPixelFormat::Mjpeg, size, 0};
    IFrameDecoder decoder;
    QImage image;
    QString error;
    for (auto _ : state) {
        if (!decoder.decode(format, reinterpret_cast<const uchar*>(frame.constData()), frame.size(),
                            &image, &error)) {
            state.SkipWithError("decode failed");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["frame_kB"] = frame.size() / 1024.0;
}

// Streams the virtual camera for about two seconds at its own pace (15 frames per second) and
// reports the share of one core its frame production takes, without and with decoding.
void BM_VirtualCameraCpuShare(benchmark::State& state)
{
    const QSize size = sizeOf(state);
    IVirtualCameraHub::instance()->setCount(1);
    const auto format = static_cast<VideoPixelFormat>(state.range(2));
    for (auto _ : state) {
        auto device = IVirtualCameraHub::instance()->open(IVirtualCameraHub::pathOf(0));
        VideoStreamFormat stream;
        device->setFormat(format, size, &stream);
        device->startStreaming();
        IFrameDecoder decoder;
        QImage image;
        QString error;
        double produce = 0;
        double decode = 0;
        int frames = 0;
        const auto started = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - started < std::chrono::seconds(2)) {
            const double before = threadCpuSeconds();
            double consumed = 0;
            device->readFrame(50, [&](const uchar* data, int length) {
                const double start = threadCpuSeconds();
                decoder.decode(stream, data, length, &image, &error);
                consumed = threadCpuSeconds() - start;
                ++frames;
            });
            produce += threadCpuSeconds() - before - consumed;
            decode += consumed;
        }
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.counters["fps"] = frames / wall;
        state.counters["camera_cpu_pct"] = 100 * produce / wall;
        state.counters["with_decode_cpu_pct"] = 100 * (produce + decode) / wall;
    }
}

}  // namespace

BENCHMARK(BM_MemcpyFrame)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeYuyv)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeMjpeg)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VirtualCameraCpuShare)
    ->Args({1920, 1080, int(VideoPixelFormat::Mjpeg)})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);  // fonts for the virtual camera's page
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
