#ifndef ISCREENCAPTURE_H
#define ISCREENCAPTURE_H

#include <QRect>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

#include "iaudiocapture.h"
#include "imediaclock.h"
#include "irecordingfile.h"
#include "iscreensource.h"

struct AVFrame;
struct SwsContext;

// The recording thread: grabs the area from the session's screen source, converts each picture
// to YUV 4:2:0 where the source has not, and encodes it.
// Timestamps follow the grab clock with paused time taken out, so a pause leaves no gap. With a
// sound input, its own thread records the sound beside the pictures on the same time line.
class IScreenCapture : public QThread {
    Q_OBJECT
public:
    IScreenCapture();
    ~IScreenCapture() override;

    // The sound input to record (its sound-server name), before open; empty: none.
    void setAudioInput(const QString& name) { audioInput_ = name; }
    // Opens the grab of `area` (fitted to the screen) and the file, in the caller's thread. A
    // sound input that cannot be opened does not stop the recording: see audioProblem().
    bool open(const QString& path, const QRect& area, int frameRate, QString* error);
    QRect area() const { return area_; }
    // Why the chosen sound input is not recorded; empty when it is, or none was chosen.
    QString audioProblem() const { return audioProblem_; }

    void setPaused(bool paused)
    {
        paused_ = paused;
        clock_.setPaused(paused);
    }
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

signals:
    // The sound input was lost during the recording (from the sound thread).
    void audioLost(const QString& reason);

protected:
    void run() override;

private:
    void openAudio();
    void stopAudio();
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
    QString audioInput_;
    QString audioProblem_;
    IMediaClock clock_;
    std::unique_ptr<IAudioCapture> audio_;

    // Recording thread only.
    qint64 firstMicroseconds_ = -1;
    qint64 pausedMicroseconds_ = 0;
    qint64 lastIndex_ = -1;
    bool resumed_ = false;
};

#endif  // ISCREENCAPTURE_H
