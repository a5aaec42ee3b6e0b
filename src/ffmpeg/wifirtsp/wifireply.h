#ifndef WIFIREPLY_H
#define WIFIREPLY_H

#include <QByteArray>
#include <QtGlobal>

// One reply of the wireless camera, read from the front of a received chunk: client id (or
// 0F 0F for a notification to every client), command index (low byte first), state byte, and a
// body whose length the index fixes. The parser never reads past the chunk: a reply whose body
// is short is reported as incomplete.
class WifiReply {
public:
    static constexpr int kHeaderLength = 5;

    enum Index : quint16 {
        AutoFocusDone = 0x0001,
        TopLampDone = 0x0002,
        WallLampDone = 0x0003,
        LampState = 0x0004,
        EncodingSet = 0x0005,
        EncodingState = 0x0006,
        QualitySet = 0x0007,
        QualityState = 0x0008,
        PictureHeader = 0x0009,
        ResolutionNotice = 0x0010,
    };

    // An empty reply, without a header.
    WifiReply() = default;
    static WifiReply parse(const QByteArray& chunk);
    // The client id of notifications, 0F 0F.
    static QByteArray notificationId();
    // The body length an index needs, or -1 for an index without a known layout.
    static int bodyLength(quint16 index);

    bool hasHeader() const { return chunk_.size() >= kHeaderLength; }
    bool isNotification() const { return clientId() == notificationId(); }
    // The body the index needs is present. False for an unknown index.
    bool isComplete() const;

    QByteArray clientId() const { return chunk_.left(2); }
    quint16 index() const;
    quint8 state() const { return hasHeader() ? quint8(chunk_.at(4)) : 0; }
    QByteArray body() const;
    // The bytes of this reply (for an unknown index, the whole chunk).
    QByteArray message() const;
    // The bytes after this reply; after a picture header these are the picture's first bytes.
    QByteArray rest() const;

    // Encoding fields (bodies of 0x0006 and 0x0010).
    QByteArray rateCtrl() const { return body().mid(0, 1); }
    QByteArray idr() const { return body().mid(1, 1); }
    QByteArray frameRate() const { return body().mid(2, 1); }
    QByteArray resIndexByte() const { return body().mid(3, 1); }
    QByteArray bitRate() const { return body().mid(4, 4); }
    int resIndex() const;
    // The announced picture size (body of 0x0009), 32 bits, low byte first.
    quint32 pictureSize() const;

private:
    explicit WifiReply(const QByteArray& chunk) : chunk_(chunk) {}
    int length() const;

    QByteArray chunk_;
};

#endif  // WIFIREPLY_H
