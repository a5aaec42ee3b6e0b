#ifndef WIFIREPLYSTREAM_H
#define WIFIREPLYSTREAM_H

#include <QByteArray>
#include <QImage>

#include "ffmpeg/wifirtsp/wifireply.h"

// The replies of the wireless camera as they arrive over TCP, which keeps no message boundaries:
// received bytes are appended, whole replies are taken from the front, and an unfinished reply
// waits for the next read. Parsing keeps an offset, so a read of many replies costs time linear
// in its length. A reply whose index has no known layout cannot be framed: it is handed out with
// every byte after it, as the camera's replies carry no length.
class WifiReplyStream {
public:
    // Larger pictures are not decoded: a few times the camera's largest resolution, far from the
    // gigabytes a forged JPEG header could ask for.
    static constexpr qint64 kMaxPicturePixels = 64'000'000;

    void append(const QByteArray& bytes);
    // Takes the next reply from the front; false when the buffered bytes hold none complete
    // (they stay for the next read).
    bool next(WifiReply* reply);
    // Removes and returns up to `count` bytes after the replies taken so far (after a picture
    // header: the picture's first bytes).
    QByteArray take(int count);
    int pending() const { return int(buffer_.size()) - offset_; }
    void clear();

    // A picture's JPEG bytes as an image; null when they do not decode or the picture is larger
    // than kMaxPicturePixels.
    static QImage decodePicture(const QByteArray& bytes);

private:
    // The length of the reply at the front, or 0 while it is incomplete.
    int frontLength() const;

    QByteArray buffer_;
    int offset_ = 0;  // bytes of buffer_ already taken
};

#endif  // WIFIREPLYSTREAM_H
