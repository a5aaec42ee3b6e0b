#include "irecordingfile.h"

#include <QFile>

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

#include "ffmpeg/h264settings.h"
#include "iaudiotrack.h"

namespace {

// How far one stream may run ahead of the other before packets are written anyway: a sound
// input that stops must not hold the pictures back from the disk for long.
constexpr int64_t kMaxInterleaveMicroseconds = 1000000;

bool isMp4Family(const AVOutputFormat* format)
{
    return std::strcmp(format->name, "mp4") == 0 || std::strcmp(format->name, "mov") == 0;
}

const AVCodec* h264Encoder()
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    return codec ? codec : avcodec_find_encoder(AV_CODEC_ID_H264);
}

}  // namespace

IRecordingFile::IRecordingFile() = default;

IRecordingFile::~IRecordingFile()
{
    release();
}

bool IRecordingFile::open(const QString& path, const QSize& size, int frameRate, QString* error)
{
    const QByteArray file = QFile::encodeName(path);
    const int result = avformat_alloc_output_context2(&output_, nullptr, nullptr, file.constData());
    if (result < 0 || !output_) {
        *error = QStringLiteral("no container for %1: %2").arg(path, avErrorText(result));
        return false;
    }
    packet_ = av_packet_alloc();
    return packet_ && openEncoder(size, frameRate, error) && writeHeader(path, error);
}

bool IRecordingFile::openEncoder(const QSize& size, int frameRate, QString* error)
{
    const AVCodec* codec = h264Encoder();
    encoder_ = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!encoder_) {
        *error = QStringLiteral("no H.264 encoder");
        return false;
    }
    h264settings::setStreamLayout(encoder_, output_->oformat, size, frameRate);
    encoder_->gop_size = frameRate;  // a key frame, and so a fragment, every second
    AVDictionary* options = nullptr;
    h264settings::setLowLatencyOptions(&options);
    av_dict_set(&options, "crf", "23", 0);
    const int result = avcodec_open2(encoder_, codec, &options);
    av_dict_free(&options);
    if (result < 0) {
        *error = QStringLiteral("cannot open the H.264 encoder: %1").arg(avErrorText(result));
        return false;
    }
    return true;
}

bool IRecordingFile::writeHeader(const QString& path, QString* error)
{
    stream_ = avformat_new_stream(output_, nullptr);
    if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, encoder_) < 0) {
        *error = QStringLiteral("cannot create the video stream");
        return false;
    }
    stream_->time_base = encoder_->time_base;
    if (audio_ && !audio_->addTo(output_, this, error)) {
        return false;
    }
    output_->max_interleave_delta = kMaxInterleaveMicroseconds;
    int result = avio_open(&output_->pb, QFile::encodeName(path).constData(), AVIO_FLAG_WRITE);
    if (result < 0) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, avErrorText(result));
        return false;
    }
    AVDictionary* options = nullptr;
    if (isMp4Family(output_->oformat)) {
        av_dict_set(&options, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0);
    }
    av_dict_set(&options, "flush_packets", "1", 0);  // every fragment reaches the disk whole
    result = avformat_write_header(output_, &options);
    av_dict_free(&options);
    if (result < 0) {
        *error = QStringLiteral("cannot start %1: %2").arg(path, avErrorText(result));
        return false;
    }
    headerWritten_ = true;
    return true;
}

bool IRecordingFile::write(AVFrame* picture, qint64 index, QString* error)
{
    picture->pts = index;
    return encode(picture, error);
}

bool IRecordingFile::encode(AVFrame* picture, QString* error)
{
    int result = avcodec_send_frame(encoder_, picture);
    if (result < 0) {
        *error = QStringLiteral("encoding failed: %1").arg(avErrorText(result));
        return false;
    }
    while ((result = avcodec_receive_packet(encoder_, packet_)) >= 0) {
        if (packet_->duration <= 0) {
            packet_->duration = 1;
        }
        if (!writePacket(packet_, encoder_->time_base, stream_, error)) {
            return false;
        }
    }
    if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) {
        *error = QStringLiteral("encoding failed: %1").arg(avErrorText(result));
        return false;
    }
    return true;
}

bool IRecordingFile::writePacket(AVPacket* packet, const AVRational& timeBase, AVStream* stream,
                                 QString* error)
{
    av_packet_rescale_ts(packet, timeBase, stream->time_base);
    packet->stream_index = stream->index;
    const std::lock_guard<std::mutex> lock(writeMutex_);
    const int written = av_interleaved_write_frame(output_, packet);
    if (written < 0) {
        *error = QStringLiteral("writing failed: %1").arg(avErrorText(written));
        return false;
    }
    return true;
}

bool IRecordingFile::finish(QString* error)
{
    if (!headerWritten_) {
        *error = QStringLiteral("the file was never started");
        return false;
    }
    bool ok = encode(nullptr, error);
    if (audio_ && !audio_->flush(error)) {
        ok = false;
    }
    const int result = av_write_trailer(output_);
    headerWritten_ = false;
    if (result < 0) {
        *error = QStringLiteral("cannot complete the file: %1").arg(avErrorText(result));
        ok = false;
    }
    release();
    return ok;
}

void IRecordingFile::release()
{
    if (output_) {
        avio_closep(&output_->pb);
    }
    avcodec_free_context(&encoder_);
    av_packet_free(&packet_);
    avformat_free_context(output_);
    output_ = nullptr;
    stream_ = nullptr;
    headerWritten_ = false;
}
