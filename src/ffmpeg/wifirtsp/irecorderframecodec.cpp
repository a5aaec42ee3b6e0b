#include "irecorderframecodec.h"

#include <QStringList>
#include <cstring>

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

// How many bytes at the end of `bytes` (from `from` on) could start a magic still arriving.
int magicPrefixAtEnd(const QByteArray& bytes, int from)
{
    for (int keep = qMin(bytes.size() - from, kMagic.size() - 1); keep > 0; --keep) {
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

// Parses from an offset and drops the consumed bytes once per call, so a read costs time
// linear in its size however many frames or bad bytes it holds.
QList<QByteArray> IRecorderFrameCodec::feed(const QByteArray& bytes, QStringList* problems)
{
    buffer_.append(bytes);
    QList<QByteArray> payloads;
    ProblemLog log{problems};
    int pos = 0;
    for (;;) {
        QByteArray payload;
        const Step step = takeFrame(&pos, &payload, &log);
        if (step == Step::Frame) {
            payloads.append(payload);
        } else if (step == Step::NeedMore) {
            break;
        }
    }
    if (problems && log.count > kMaxProblems) {
        problems->append(QStringLiteral("%1 more problems").arg(log.count - kMaxProblems));
    }
    buffer_.remove(0, pos);
    return payloads;
}

IRecorderFrameCodec::Step IRecorderFrameCodec::takeFrame(int* pos, QByteArray* payload,
                                                         ProblemLog* problems) const
{
    const int available = buffer_.size() - *pos;
    const char* at = buffer_.constData() + *pos;
    if (available < kMagic.size() || memcmp(at, kMagic.constData(), kMagic.size()) != 0) {
        return skipToMagic(pos, problems) ? Step::Skipped : Step::NeedMore;
    }
    if (available < kHeaderSize) {
        return Step::NeedMore;
    }
    const int length = lengthField(at + kMagic.size());
    if (length < kMinLength || length > kMaxLength) {
        problems->note([at] {
            return QStringLiteral("bad frame length field: %1")
                .arg(QString::fromLatin1(QByteArray(at + kMagic.size(), kFieldSize).toHex()));
        });
        *pos += 1;
        return Step::Skipped;
    }
    const int total = kMagic.size() + length;
    if (available < total) {
        return Step::NeedMore;
    }
    if (memcmp(at + total - kEnd.size(), kEnd.constData(), kEnd.size()) != 0) {
        problems->note([length] {
            return QStringLiteral("frame of length %1 does not end in END").arg(length);
        });
        *pos += 1;
        return Step::Skipped;
    }
    *payload = QByteArray(at + kHeaderSize, length - kMinLength);
    *pos += total;
    return Step::Frame;
}

// Moves past the bytes up to the next magic, or up to a possible magic start at the end when
// there is none; true when a magic is next.
bool IRecorderFrameCodec::skipToMagic(int* pos, ProblemLog* problems) const
{
    int next = buffer_.indexOf(kMagic, *pos);
    const bool found = next >= 0;
    if (!found) {
        next = buffer_.size() - magicPrefixAtEnd(buffer_, *pos);
    }
    if (next == *pos) {
        return false;
    }
    const int skipped = next - *pos;
    problems->note(
        [skipped] { return QStringLiteral("discarded %1 bytes outside a frame").arg(skipped); });
    *pos = next;
    return found;
}
