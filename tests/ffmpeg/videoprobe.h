#ifndef VIDEOPROBE_H
#define VIDEOPROBE_H

#include <QImage>
#include <QString>

// What ffprobe reports about the first video stream of a file.
struct VideoProbe {
    bool readable = false;
    QString error;
    QString codec;
    QString profile;
    QString pixelFormat;
    int width = 0;
    int height = 0;
    double duration = -1;  // seconds, from the container
    int frames = -1;       // decoded frames
    bool firstPacketKey = false;

    static VideoProbe of(const QString& path);
};

// The first decoded picture of a video (through the ffmpeg tool), or a null image.
QImage firstVideoFrame(const QString& path);
// The picture shown `seconds` into a video, or a null image.
QImage videoFrameAt(const QString& path, double seconds);

// Whether an MP4 ends with its fragment index, which only a completed file has.
bool endsWithFragmentIndex(const QString& path);

#endif  // VIDEOPROBE_H
