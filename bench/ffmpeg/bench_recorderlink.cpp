// The recorder link's frame parser on one read of 64 KB, 1 MB and 4 MB: valid frames, and
// "TSMT" repeated with bad lengths. Time per MB (the MB/s counter) must stay flat with the size;
// a plain copy of the same bytes is the baseline.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "ffmpeg/wifirtsp/irecorderframecodec.h"

namespace {

QByteArray validFrames(int size)
{
    const QByteArray frame = IRecorderFrameCodec::encode("1;/home/me/video/20190422143005.mp4");
    return frame.repeated(size / frame.size());
}

QByteArray badLengths(int size)
{
    return QByteArray("TSMT").repeated(size / 4);
}

void run(benchmark::State& state, const QByteArray& bytes)
{
    for (auto _ : state) {
        IRecorderFrameCodec codec;
        benchmark::DoNotOptimize(codec.feed(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_Copy(benchmark::State& state)
{
    const QByteArray bytes = validFrames(static_cast<int>(state.range(0)));
    std::vector<char> copy(static_cast<size_t>(bytes.size()));
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.constData(), copy.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_ValidFrames(benchmark::State& state)
{
    run(state, validFrames(static_cast<int>(state.range(0))));
}

void BM_BadLengths(benchmark::State& state)
{
    run(state, badLengths(static_cast<int>(state.range(0))));
}

}  // namespace

BENCHMARK(BM_Copy)->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidFrames)->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BadLengths)->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
