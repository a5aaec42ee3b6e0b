#ifndef IPICTUREVYNTHESISVIDEO_H
#define IPICTUREVYNTHESISVIDEO_H

#include <QImage>
#include <QQueue>
#include <QSize>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <mutex>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// Turns a series of pictures into an H.264 MP4 on its own thread: pictures are queued by
// addPicture, encoded one by one at the frame rate, and finish() lets the thread drain the queue,
// close the file and end. Odd sizes are rounded down to even (4:2:0 needs even sizes).
class IPictureVynthesisVideo : public QThread {
    Q_OBJECT
public:
    IPictureVynthesisVideo(const QString& path, int width, int height, int frameRate,
                           QObject* parent = nullptr);
    // Finishes the file and waits for the thread.
    ~IPictureVynthesisVideo() override;

    QString path() const { return path_; }
    QSize videoSize() const { return QSize(width_, height_); }
    int frameRate() const { return frameRate_; }

    // Queues a copy of the picture. Any thread.
    void addPicture(const QImage& picture);
    // Lets the thread write what is queued, close the file and end, and waits for it. Returns the
    // path, or empty when the file could not be opened or completed, or holds no picture (then
    // no file is left); `seconds` = pictures added / frame rate.
    QString finish(int& seconds);

protected:
    void run() override;

private:
    bool openOutputStream(const QString& path);
    bool closeOutputStream();
    bool takePicture(QImage& picture);
    void encodePicture(const QImage& picture);
    void encodeFrame(const AVFrame* frame);

    QString path_;
    int width_;
    int height_;
    int frameRate_;

    // Standard primitives rather than QMutex/QWaitCondition: ThreadSanitizer sees through them.
    std::mutex mutex_;
    std::condition_variable wake_;  // a picture was queued or finish was asked
    QQueue<QImage> pictures_;
    bool finishFlag_ = false;
    bool complete_ = false;  // the file was closed with at least one frame
    int counter_ = 0;
    bool firstPicture_ = true;

    // Writer thread only.
    AVFormatContext* output_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    SwsContext* scaler_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    bool headerWritten_ = false;
    QSize scalerSource_;
    qint64 frameIndex_ = 0;
};

#endif  // IPICTUREVYNTHESISVIDEO_H
