#include "iscreencapture.h"

#include <QFile>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/mathematics.h>
#include <libswscale/swscale.h>
}

namespace {
constexpr qint64 kMicroseconds = 1000000;
}

IScreenCapture::IScreenCapture() : source_(IScreenSource::create()) {}

IScreenCapture::~IScreenCapture()
{
    requestStop();
    wait();
    stopAudio();
    sws_freeContext(scaler_);
    av_frame_free(&grabbed_);
    av_frame_free(&picture_);
}

bool IScreenCapture::open(const QString& path, const QRect& area, int frameRate, QString* error)
{
    if (frameRate <= 0 || !source_->open(area, frameRate, error)) {
        return false;
    }
    area_ = source_->area();
    frameRate_ = frameRate;
    path_ = path;
    grabbed_ = av_frame_alloc();
    picture_ = av_frame_alloc();
    if (!grabbed_ || !picture_) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    openAudio();
    picture_->format = AV_PIX_FMT_YUV420P;
    picture_->width = area_.width();
    picture_->height = area_.height();
    if (av_frame_get_buffer(picture_, 0) < 0) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    return file_.open(path, area_.size(), frameRate, error);
}

void IScreenCapture::openAudio()
{
    if (audioInput_.isEmpty()) {
        return;
    }
    audio_ = std::make_unique<IAudioCapture>(clock_);
    if (!audio_->open(audioInput_, &audioProblem_)) {
        audio_.reset();
        return;
    }
    connect(audio_.get(), &IAudioCapture::lost, this, &IScreenCapture::audioLost,
            Qt::DirectConnection);
    file_.addAudio(audio_->track());
}

void IScreenCapture::stopAudio()
{
    if (audio_) {
        audio_->requestStop();
        audio_->wait();
    }
}

void IScreenCapture::run()
{
    if (audio_) {
        audio_->start();
    }
    QString error;
    qint64 microseconds = 0;
    while (!stop_) {
        if (!source_->grab(grabbed_, &microseconds, &error)) {
            if (!stop_) {
                failure_ = error;
                sourceEnded_ = true;
            }
            break;
        }
        const qint64 index = frameIndex(microseconds);
        AVFrame* picture = ready(grabbed_) ? grabbed_ : picture_;
        if (index >= 0 && (picture == grabbed_ || convert(grabbed_)) &&
            !file_.write(picture, index, &error)) {
            failure_ = error;
        }
        av_frame_unref(grabbed_);
    }
    source_->close();
    stopAudio();
    completed_ = file_.finish(&error);
    if (!completed_) {
        failure_ = error;
    }
    if (lastIndex_ < 0) {
        QFile::remove(path_);  // nothing was recorded
        completed_ = false;
    }
}

qint64 IScreenCapture::frameIndex(qint64 microseconds)
{
    if (paused_) {
        resumed_ = lastIndex_ >= 0;
        return -1;
    }
    if (firstMicroseconds_ < 0) {
        firstMicroseconds_ = microseconds;
    }
    if (resumed_) {
        // Continue one frame after the last one written, as if the pause had not happened.
        const qint64 next = av_rescale(lastIndex_ + 1, kMicroseconds, frameRate_);
        pausedMicroseconds_ = microseconds - firstMicroseconds_ - next;
        resumed_ = false;
    }
    const qint64 media = microseconds - firstMicroseconds_ - pausedMicroseconds_;
    const qint64 index = av_rescale(media, frameRate_, kMicroseconds);
    if (index <= lastIndex_) {
        return -1;  // two grabs in one frame slot
    }
    lastIndex_ = index;
    clock_.follow(media);
    return index;
}

// Already YUV 4:2:0 of the video's size, as the screen-cast source delivers it.
bool IScreenCapture::ready(const AVFrame* grabbed) const
{
    return grabbed->format == AV_PIX_FMT_YUV420P && grabbed->width == picture_->width &&
           grabbed->height == picture_->height;
}

bool IScreenCapture::convert(const AVFrame* grabbed)
{
    scaler_ = sws_getCachedContext(scaler_, grabbed->width, grabbed->height,
                                   static_cast<AVPixelFormat>(grabbed->format), picture_->width,
                                   picture_->height, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr,
                                   nullptr, nullptr);
    if (!scaler_ || av_frame_make_writable(picture_) < 0) {
        failure_ = QStringLiteral("cannot convert the grabbed picture");
        return false;
    }
    sws_scale(scaler_, grabbed->data, grabbed->linesize, 0, grabbed->height, picture_->data,
              picture_->linesize);
    return true;
}
