// Wireless camera replies: the same replies and picture bytes however the stream is cut into
// reads (the first byte drives the cuts), and what waits for the next read stays below one reply.
// A reply of unknown layout ends the comparison: it takes the rest of its read with it.
#include <cstdlib>

#include "ffmpeg/wifirtsp/wifireplystream.h"
#include "fuzzcuts.h"

namespace {

// What the connection thread takes from the stream: each reply, and after a picture header the
// picture's bytes.
struct Reader {
    WifiReplyStream stream;
    QList<QByteArray> taken;
    int pictureLeft = 0;
    bool unframed = false;

    void feed(const QByteArray& bytes)
    {
        if (unframed) {
            return;
        }
        stream.append(bytes);
        WifiReply reply;
        while (pictureLeft > 0 || stream.next(&reply)) {
            if (pictureLeft > 0) {
                const QByteArray part = stream.take(pictureLeft);
                if (part.isEmpty()) {
                    return;
                }
                taken.last() += part;
                pictureLeft -= part.size();
                continue;
            }
            if (WifiReply::bodyLength(reply.index()) < 0) {
                taken << reply.message().left(WifiReply::kHeaderLength);
                unframed = true;
                return;
            }
            taken << reply.message();
            if (reply.isComplete() && reply.index() == WifiReply::PictureHeader) {
                pictureLeft = int(qMin<quint32>(reply.pictureSize(), 1 << 16));
                taken << QByteArray();
            }
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), int(size - 1));
    Reader whole;
    Reader split;
    whole.feed(bytes);
    feedInCuts(bytes, data[0], [&split](const QByteArray& read) { split.feed(read); });
    const bool same =
        split.taken == whole.taken && split.stream.pending() == whole.stream.pending();
    if (!same || whole.stream.pending() >= WifiReply::kHeaderLength + 8) {
        std::abort();
    }
    return 0;
}
