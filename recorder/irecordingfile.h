#ifndef IRECORDINGFILE_H
#define IRECORDINGFILE_H

#include <QSize>
#include <QString>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// An H.264 (libx264) video file in the container its name asks for. MP4 and MOV are written as
// fragments, each complete on disk, so a recorder that is killed still leaves a playable file.
class IRecordingFile {
public:
    IRecordingFile();
    ~IRecordingFile();
    IRecordingFile(const IRecordingFile&) = delete;
    IRecordingFile& operator=(const IRecordingFile&) = delete;

    bool open(const QString& path, const QSize& size, int frameRate, QString* error);
    // Encodes a YUV 4:2:0 picture at frame number `index` (in 1 / frame rate).
    bool write(AVFrame* picture, qint64 index, QString* error);
    // Drains the encoder and completes the file.
    bool finish(QString* error);

private:
    bool openEncoder(const QSize& size, int frameRate, QString* error);
    bool writeHeader(const QString& path, QString* error);
    bool encode(AVFrame* picture, QString* error);
    void release();

    AVFormatContext* output_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    AVPacket* packet_ = nullptr;
    bool headerWritten_ = false;
};

#endif  // IRECORDINGFILE_H
