#include "iaudiotrack.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include "ffmpeg/h264settings.h"
#include "irecordingfile.h"

namespace {
constexpr int kBitRate = 128000;
}

IAudioTrack::IAudioTrack(int sampleRate, int channels)
    : sampleRate_(sampleRate), channels_(channels)
{
}

IAudioTrack::~IAudioTrack()
{
    avcodec_free_context(&encoder_);
    av_frame_free(&frame_);
    av_packet_free(&packet_);
}

bool IAudioTrack::addTo(AVFormatContext* output, IRecordingFile* file, QString* error)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("aac");
    encoder_ = codec ? avcodec_alloc_context3(codec) : nullptr;
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (!encoder_ || !frame_ || !packet_) {
        *error = QStringLiteral("no AAC encoder");
        return false;
    }
    encoder_->sample_fmt = AV_SAMPLE_FMT_FLTP;
    encoder_->sample_rate = sampleRate_;
    av_channel_layout_default(&encoder_->ch_layout, channels_);
    encoder_->bit_rate = kBitRate;
    encoder_->time_base = AVRational{1, sampleRate_};
    if (output->oformat->flags & AVFMT_GLOBALHEADER) {
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    int result = avcodec_open2(encoder_, codec, nullptr);
    stream_ = result >= 0 ? avformat_new_stream(output, nullptr) : nullptr;
    if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, encoder_) < 0) {
        *error = QStringLiteral("cannot open the AAC encoder: %1").arg(avErrorText(result));
        return false;
    }
    stream_->time_base = encoder_->time_base;
    frame_->format = AV_SAMPLE_FMT_FLTP;
    frame_->sample_rate = sampleRate_;
    frame_->nb_samples = encoder_->frame_size;
    av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout);
    result = av_frame_get_buffer(frame_, 0);
    if (result < 0) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    file_ = file;
    return true;
}

bool IAudioTrack::write(const float* interleaved, qint64 frames, QString* error)
{
    if (interleaved) {
        pending_.insert(pending_.end(), interleaved, interleaved + frames * channels_);
    } else {
        pending_.resize(pending_.size() + size_t(frames * channels_), 0.0f);
    }
    written_ += frames;
    return encodeFull(error);
}

bool IAudioTrack::encodeFull(QString* error)
{
    const size_t block = size_t(encoder_->frame_size) * size_t(channels_);
    size_t used = 0;
    bool ok = true;
    while (ok && pending_.size() - used >= block) {
        if (av_frame_make_writable(frame_) < 0) {
            *error = QStringLiteral("out of memory");
            return false;
        }
        for (int i = 0; i < encoder_->frame_size; ++i) {
            for (int c = 0; c < channels_; ++c) {
                reinterpret_cast<float*>(frame_->data[c])[i] =
                    pending_[used + size_t(i * channels_ + c)];
            }
        }
        frame_->pts = encoded_;
        encoded_ += encoder_->frame_size;
        used += block;
        ok = encode(frame_, error);
    }
    pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(used));
    return ok;
}

bool IAudioTrack::encode(AVFrame* frame, QString* error)
{
    int result = avcodec_send_frame(encoder_, frame);
    while (result >= 0) {
        result = avcodec_receive_packet(encoder_, packet_);
        if (result >= 0 && !file_->writePacket(packet_, encoder_->time_base, stream_, error)) {
            return false;
        }
    }
    if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) {
        *error = QStringLiteral("sound encoding failed: %1").arg(avErrorText(result));
        return false;
    }
    return true;
}

bool IAudioTrack::flush(QString* error)
{
    // The last part frame is filled up with silence.
    const qint64 rest = qint64(pending_.size()) / channels_;
    bool ok = rest == 0 || write(nullptr, encoder_->frame_size - rest, error);
    return encode(nullptr, error) && ok;
}

qint64 IAudioTrack::writtenMicroseconds() const
{
    return written_ * 1000000 / sampleRate_;
}
