#ifndef ITCPSOCKET_H
#define ITCPSOCKET_H

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QThread>
#include <atomic>
#include <mutex>

#include "ffmpeg/wifirtsp/wifitimings.h"

class QTcpSocket;
class QTimer;

// The wireless camera's control connection: a thread of its own that connects, sends the bind
// request first, then drains the send queue on every tick, and hands every received chunk upward
// as one message. One object serves one connection attempt; its owner replaces it to reconnect.
class ITcpSocket : public QThread {
    Q_OBJECT
public:
    // Larger picture sizes announced by the camera are refused.
    static constexpr int kMaxPictureBytes = 64 * 1024 * 1024;

    ITcpSocket(const QString& host, int port, const WifiTimings& timings = WifiTimings(),
               QObject* parent = nullptr);
    ~ITcpSocket() override;

    // Appends a message to the send queue; callable from any thread.
    void queueMessage(const QByteArray& message);
    // Reads a JPEG picture of exactly `byteCount` bytes in this connection's thread (from a
    // slot of `sgReceivePacket`). `received` holds picture bytes that came with the reply
    // header; bytes beyond the picture go to `rest` (nothing when the size is out of range).
    // A null image when the size is out of range, the data stops for longer than the picture
    // wait, the connection closes, or the bytes do not decode.
    QImage readPicture(int byteCount, const QByteArray& received = QByteArray(),
                       QByteArray* rest = nullptr);
    // True once the connection failed or closed (`sgDisconnect` was emitted).
    bool connectionLost() const { return lost_; }

signals:
    void sgReceivePacket(const QByteArray& message);
    // The connection could not be made or was closed.
    void sgDisconnect();
    void sgError(const QString& text);

protected:
    void run() override;

private slots:
    void slReadMessageSlot();
    void slDisconnectedSlot();
    void slSendMessageToServerSlot();
    void slErrorSlot();

private:
    void onConnected();
    void onConnectTimeout();
    void reportLost();
    bool waitForPictureBytes();

    const QString host_;
    const int port_;
    const WifiTimings timings_;
    QTcpSocket* socket_ = nullptr;    // lives in run()
    QTimer* connectTimer_ = nullptr;  // lives in run()
    QTimer* sendTimer_ = nullptr;
    std::mutex mutex_;  // guards queue_
    QList<QByteArray> queue_;
    std::atomic<bool> lost_{false};
};

#endif  // ITCPSOCKET_H
