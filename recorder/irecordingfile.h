#ifndef IRECORDINGFILE_H
#define IRECORDINGFILE_H

#include <QSize>
#include <QString>

#include <mutex>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVRational;
struct AVStream;
class IAudioTrack;

// An H.264 (libx264) video file in the container its name asks for. MP4 and MOV are written as
// fragments, each complete on disk, so a recorder that is killed still leaves a playable file.
// An optional sound track is written beside the pictures from its own thread.
class IRecordingFile {
public:
    IRecordingFile();
    ~IRecordingFile();
    IRecordingFile(const IRecordingFile&) = delete;
    IRecordingFile& operator=(const IRecordingFile&) = delete;

    // Adds a sound stream; before open.
    void addAudio(IAudioTrack* track) { audio_ = track; }
    bool open(const QString& path, const QSize& size, int frameRate, QString* error);
    // Encodes a YUV 4:2:0 picture at frame number `index` (in 1 / frame rate).
    bool write(AVFrame* picture, qint64 index, QString* error);
    // Drains the encoders and completes the file; the sound track's writer must have stopped.
    bool finish(QString* error);
    // Writes an encoded packet of `stream` (time stamps in `timeBase`); from any thread.
    bool writePacket(AVPacket* packet, const AVRational& timeBase, AVStream* stream,
                     QString* error);

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
    IAudioTrack* audio_ = nullptr;
    std::mutex writeMutex_;
};

#endif  // IRECORDINGFILE_H
