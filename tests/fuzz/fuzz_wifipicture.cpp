// A picture header of the wireless camera and the JPEG bytes after it: whatever they hold, the
// decoded picture stays within the size the program accepts.
#include <climits>
#include <cstdlib>

#include "ffmpeg/wifirtsp/wifireplystream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WifiReplyStream stream;
    stream.append(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    WifiReply reply;
    if (!stream.next(&reply) || !reply.isComplete() || reply.index() != WifiReply::PictureHeader) {
        return 0;
    }
    const QByteArray bytes = stream.take(int(qMin<quint32>(reply.pictureSize(), INT_MAX)));
    const QImage picture = WifiReplyStream::decodePicture(bytes);
    if (qint64(picture.width()) * picture.height() > WifiReplyStream::kMaxPicturePixels) {
        std::abort();
    }
    return 0;
}
