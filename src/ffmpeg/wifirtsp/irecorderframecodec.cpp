#include "irecorderframecodec.h"

#include <QStringList>

namespace {

const QByteArray kMagic = QByteArrayLiteral("TSMT");
const QByteArray kEnd = QByteArrayLiteral("END");
constexpr int kFieldSize = 4;
constexpr int kHeaderSize = 8;  // magic and length field

// The length field's value: 1 to 4 decimal digits, then NUL padding; -1 for anything else.
int lengthField(const char* field)
{
    int value = 0;
    int digits = 0;
    for (int i = 0; i < kFieldSize; ++i) {
        const char c = field[i];
        if (c >= '0' && c <= '9' && digits == i) {
            value = value * 10 + (c - '0');
            ++digits;
        } else if (c != '\0' || digits == 0) {
            return -1;
        }
    }
    return value;
}

// How many bytes at the end of `bytes` could be the start of a magic that is still arriving.
int magicPrefixAtEnd(const QByteArray& bytes)
{
    for (int keep = qMin(bytes.size(), kMagic.size() - 1); keep > 0; --keep) {
        if (kMagic.startsWith(bytes.right(keep))) {
            return keep;
        }
    }
    return 0;
}

}  // namespace

QByteArray IRecorderFrameCodec::encode(const QByteArray& payload, QString* error)
{
    if (payload.size() > kMaxPayload) {
        if (error) {
            *error = QStringLiteral("payload of %1 bytes exceeds %2")
                         .arg(payload.size())
                         .arg(kMaxPayload);
        }
        return {};
    }
    QByteArray length = QByteArray::number(kMinLength + payload.size());
    length.append(kFieldSize - length.size(), '\0');
    return kMagic + length + payload + kEnd;
}

QList<QByteArray> IRecorderFrameCodec::feed(const QByteArray& bytes, QStringList* problems)
{
    buffer_.append(bytes);
    QList<QByteArray> payloads;
    for (;;) {
        QByteArray payload;
        QString problem;
        const Step step = takeFrame(&payload, &problem);
        if (!problem.isEmpty() && problems) {
            problems->append(problem);
        }
        if (step == Step::Frame) {
            payloads.append(payload);
        } else if (step == Step::NeedMore) {
            return payloads;
        }
    }
}

IRecorderFrameCodec::Step IRecorderFrameCodec::takeFrame(QByteArray* payload, QString* problem)
{
    if (!buffer_.startsWith(kMagic)) {
        const int before = buffer_.size();
        skipToMagic(problem);
        return buffer_.size() < before && buffer_.startsWith(kMagic) ? Step::Skipped
                                                                     : Step::NeedMore;
    }
    if (buffer_.size() < kHeaderSize) {
        return Step::NeedMore;
    }
    const int length = lengthField(buffer_.constData() + kMagic.size());
    if (length < kMinLength || length > kMaxLength) {
        *problem = QStringLiteral("bad frame length field: %1")
                       .arg(QString::fromLatin1(buffer_.mid(kMagic.size(), kFieldSize).toHex()));
        buffer_.remove(0, 1);
        return Step::Skipped;
    }
    const int total = kMagic.size() + length;
    if (buffer_.size() < total) {
        return Step::NeedMore;
    }
    if (buffer_.mid(total - kEnd.size(), kEnd.size()) != kEnd) {
        *problem = QStringLiteral("frame of length %1 does not end in END").arg(length);
        buffer_.remove(0, 1);
        return Step::Skipped;
    }
    *payload = buffer_.mid(kHeaderSize, length - kMinLength);
    buffer_.remove(0, total);
    return Step::Frame;
}

// Drops bytes up to the next magic, or all but a possible magic start when there is none.
void IRecorderFrameCodec::skipToMagic(QString* problem)
{
    int next = buffer_.indexOf(kMagic);
    if (next < 0) {
        next = buffer_.size() - magicPrefixAtEnd(buffer_);
    }
    if (next > 0) {
        *problem = QStringLiteral("discarded %1 bytes outside a frame").arg(next);
        buffer_.remove(0, next);
    }
}
