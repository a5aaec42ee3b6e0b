#ifndef ISCREENGRABBER_H
#define ISCREENGRABBER_H

#include <QRect>
#include <QSize>
#include <QString>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;

// Grabs an area of the X screen named by DISPLAY with FFmpeg's x11grab, one decoded picture at
// a time at the frame rate.
class IScreenGrabber {
public:
    IScreenGrabber();
    ~IScreenGrabber();
    IScreenGrabber(const IScreenGrabber&) = delete;
    IScreenGrabber& operator=(const IScreenGrabber&) = delete;

    // The size of the whole screen; invalid (and `error` set) when it cannot be grabbed.
    static QSize screenSize(QString* error);

    bool open(const QRect& area, int frameRate, QString* error);
    // Waits for the next picture; false at the end of the input or on an error.
    // `microseconds` is the time it was taken.
    bool grab(AVFrame* picture, qint64* microseconds, QString* error);
    void close();

private:
    static QString displayName();
    bool openDecoder(QString* error);

    AVFormatContext* input_ = nullptr;
    AVCodecContext* decoder_ = nullptr;
    AVPacket* packet_ = nullptr;
};

#endif  // ISCREENGRABBER_H
