#ifndef IAUDIOTRACK_H
#define IAUDIOTRACK_H

#include <QString>

#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
class IRecordingFile;

// The sound stream of a recording: interleaved float samples encoded as AAC (FFmpeg's own
// encoder) into the recording file. Time stamps count the samples written, so the stream has
// no gaps; the caller inserts silence or skips samples to keep it on the pictures' time line.
class IAudioTrack {
public:
    IAudioTrack(int sampleRate, int channels);
    ~IAudioTrack();
    IAudioTrack(const IAudioTrack&) = delete;
    IAudioTrack& operator=(const IAudioTrack&) = delete;

    // Opens the encoder and adds the stream to `output`, before its header is written.
    bool addTo(AVFormatContext* output, IRecordingFile* file, QString* error);
    // Appends `frames` sample frames (null: silence).
    bool write(const float* interleaved, qint64 frames, QString* error);
    // Encodes what is left; nothing can be written afterwards.
    bool flush(QString* error);
    // The length written so far.
    qint64 writtenMicroseconds() const;

private:
    bool encodeFull(QString* error);
    bool encode(AVFrame* frame, QString* error);

    const int sampleRate_;
    const int channels_;
    AVCodecContext* encoder_ = nullptr;
    AVStream* stream_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    IRecordingFile* file_ = nullptr;
    std::vector<float> pending_;  // interleaved, less than one encoder frame after each write
    qint64 written_ = 0;          // sample frames handed over
    qint64 encoded_ = 0;          // sample frames sent to the encoder
};

#endif  // IAUDIOTRACK_H
