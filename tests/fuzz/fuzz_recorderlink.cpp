// Recorder-link bytes: the same payloads and rest however the stream is cut into reads (the
// first byte drives the cuts), and every payload re-encodes into a frame that decodes to itself.
#include <cstdlib>

#include "ffmpeg/wifirtsp/irecorderframecodec.h"
#include "fuzzcuts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), int(size - 1));
    IRecorderFrameCodec whole;
    IRecorderFrameCodec split;
    const QList<QByteArray> expected = whole.feed(bytes);
    QList<QByteArray> received;
    feedInCuts(bytes, data[0], [&](const QByteArray& read) { received += split.feed(read); });
    bool same = received == expected && split.pending() == whole.pending();
    for (const QByteArray& payload : expected) {
        same = same && IRecorderFrameCodec().feed(IRecorderFrameCodec::encode(payload)) ==
                           QList<QByteArray>{payload};
    }
    if (!same || whole.pending() > 4 + IRecorderFrameCodec::kMaxLength) {
        std::abort();
    }
    return 0;
}
