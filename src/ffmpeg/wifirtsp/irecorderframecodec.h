#ifndef IRECORDERFRAMECODEC_H
#define IRECORDERFRAMECODEC_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Frames of the recorder link, the same in both directions:
//   "TSMT", the length (decimal digits, NUL-padded to 4 bytes), the payload, "END".
// The length counts the length field, the payload and "END" (7 ... 9999).
// The reader keeps an incomplete frame until the rest arrives and resynchronises on the next
// "TSMT" after garbage, a bad length or a missing "END".
class IRecorderFrameCodec {
public:
    static constexpr int kMinLength = 7;
    static constexpr int kMaxLength = 9999;
    static constexpr int kMaxPayload = kMaxLength - kMinLength;
    static constexpr int kMaxProblems = 4;

    // The framed payload; empty (and `error` set) when the payload is longer than kMaxPayload.
    static QByteArray encode(const QByteArray& payload, QString* error = nullptr);

    // Appends received bytes and returns the payloads of every frame completed by them, in order.
    // Problems found on the way (skipped bytes, bad frames) are appended to `problems`: the
    // first kMaxProblems of them, then one line with the count of the rest.
    QList<QByteArray> feed(const QByteArray& bytes, QStringList* problems = nullptr);

    // Bytes held back for an incomplete frame (at most one frame, so never above 10003).
    int pending() const { return buffer_.size(); }
    void clear() { buffer_.clear(); }

private:
    enum class Step { Frame, NeedMore, Skipped };
    // Counts the problems of one read and keeps the texts of the first few; a text is only
    // built when it is kept, so a flood of bad bytes costs no formatting.
    struct ProblemLog {
        QStringList* texts;
        int count = 0;
        template <typename Text>
        void note(Text text)
        {
            if (++count <= kMaxProblems && texts) {
                texts->append(text());
            }
        }
    };
    Step takeFrame(int* pos, QByteArray* payload, ProblemLog* problems) const;
    bool skipToMagic(int* pos, ProblemLog* problems) const;

    QByteArray buffer_;
};

#endif  // IRECORDERFRAMECODEC_H
