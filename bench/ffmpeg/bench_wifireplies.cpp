// The wireless camera's reply stream on one read of 64 KB, 1 MB and 4 MB of five-byte replies,
// whole and cut into 1460-byte reads. Time per MB (the MB/s counter) must stay flat with the
// size; a plain copy of the same bytes is the baseline.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "ffmpeg/wifirtsp/wifireplystream.h"

namespace {

QByteArray autofocusReplies(int size)
{
    return QByteArray::fromHex("018001000a").repeated(size / 5);
}

void run(benchmark::State& state, int readSize)
{
    const QByteArray bytes = autofocusReplies(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        WifiReplyStream stream;
        WifiReply reply;
        int replies = 0;
        for (int pos = 0; pos < bytes.size(); pos += readSize) {
            stream.append(bytes.mid(pos, readSize));
            while (stream.next(&reply)) {
                ++replies;
            }
        }
        benchmark::DoNotOptimize(replies);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_Copy(benchmark::State& state)
{
    const QByteArray bytes = autofocusReplies(static_cast<int>(state.range(0)));
    std::vector<char> copy(static_cast<size_t>(bytes.size()));
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.constData(), copy.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_OneRead(benchmark::State& state)
{
    run(state, static_cast<int>(state.range(0)));
}

void BM_SegmentReads(benchmark::State& state)
{
    run(state, 1460);
}

}  // namespace

BENCHMARK(BM_Copy)->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneRead)->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SegmentReads)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
