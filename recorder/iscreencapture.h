#ifndef ISCREENCAPTURE_H
#define ISCREENCAPTURE_H

#include <QRect>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

#include "irecordingfile.h"
#include "iscreensource.h"

struct AVFrame;
struct SwsContext;

// The recording thread: grabs the area from the session's screen source, converts each picture
// to YUV 4:2:0 where the source has not, and encodes it.
// Timestamps follow the grab clock with paused time taken out, so a pause leaves no gap.
class IScreenCapture : public QThread {
    Q_OBJECT
public:
    IScreenCapture();
    ~IScreenCapture() override;

    // Opens the grab of `area` (fitted to the screen) and the file, in the caller's thread.
    bool open(const QString& path, const QRect& area, int frameRate, QString* error);
    QRect area() const { return area_; }

    void setPaused(bool paused) { paused_ = paused; }
    // Ends the recording after the picture being grabbed; the thread then completes the file.
    void requestStop()
    {
        stop_ = true;
        source_->interrupt();
    }
    // After the thread ended: whether the file was completed, and why not.
    bool completed() const { return completed_; }
    QString failure() const { return failure_; }
    // Whether the source ended the recording (rather than a stop). A file without a single
    // picture is removed either way.
    bool sourceEnded() const { return sourceEnded_; }
    QString restoreToken() const { return source_->restoreToken(); }

protected:
    void run() override;

private:
    bool ready(const AVFrame* grabbed) const;
    bool convert(const AVFrame* grabbed);
    // The frame number for a picture taken at `microseconds`, or -1 to drop it.
    qint64 frameIndex(qint64 microseconds);

    std::unique_ptr<IScreenSource> source_;
    IRecordingFile file_;
    QString path_;
    QRect area_;
    int frameRate_ = 0;
    SwsContext* scaler_ = nullptr;
    AVFrame* grabbed_ = nullptr;
    AVFrame* picture_ = nullptr;
    std::atomic<bool> paused_{false};
    std::atomic<bool> stop_{false};
    bool completed_ = false;
    bool sourceEnded_ = false;
    QString failure_;

    // Recording thread only.
    qint64 firstMicroseconds_ = -1;
    qint64 pausedMicroseconds_ = 0;
    qint64 lastIndex_ = -1;
    bool resumed_ = false;
};

#endif  // ISCREENCAPTURE_H
