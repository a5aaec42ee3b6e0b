#ifndef IPORTALSCREENSOURCE_H
#define IPORTALSCREENSOURCE_H

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "iscreensource.h"
#include "platform/screencast/ipipewirestream.h"
#include "platform/screencast/iportalscreencast.h"

// The desktop portal's screen cast of one monitor (Wayland). PipeWire's thread turns each
// streamed picture's area into YUV 4:2:0 with libyuv; grab() hands out the newest one at the
// frame rate, so a still screen still fills the video. The compositor sends a picture only when
// the screen changes: the video starts with the first one.
// ORVELLA_PORTAL_RESTORE_TOKEN skips the consent dialog; ORVELLA_RECORDER_SCREEN ("x,y,w,h")
// is the program's screen in logical coordinates, which maps the area onto the stream's pixels.
class IPortalScreenSource : public IScreenSource {
public:
    IPortalScreenSource();
    ~IPortalScreenSource() override;

    bool open(const QRect& area, int frameRate, QString* error) override;
    QRect area() const override;
    bool grab(AVFrame* picture, qint64* microseconds, QString* error) override;
    void interrupt() override;
    void close() override;
    QString restoreToken() const override { return cast_.restoreToken(); }

private:
    bool startCast(QString* error);
    bool waitForFormat(QString* error);
    // PipeWire's thread.
    void onFormat(const QSize& size);
    void onPicture(const IScreenCastPicture& picture);
    bool convert(const IScreenCastPicture& picture);
    void end(const QString& reason);

    IPortalScreenCast cast_;
    IPipeWireStream stream_;
    QRect wanted_;
    QRect screen_;  // the streamed screen in logical coordinates; empty: as the stream
    std::chrono::microseconds period_{0};

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    QRect area_;  // in stream pixels, set with the agreed format (sized_)
    bool sized_ = false;
    bool interrupted_ = false;
    AVFrame* latest_ = nullptr;  // the newest converted picture, once there is one
    bool ended_ = false;
    QString endReason_;
    // PipeWire's thread only.
    AVFrame* back_ = nullptr;
    QSize streamSize_;
    // Recording thread only.
    std::chrono::steady_clock::time_point start_;
    qint64 ticks_ = -1;
};

#endif  // IPORTALSCREENSOURCE_H
