#include "iscreencapture.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/mathematics.h>
#include <libswscale/swscale.h>
}

#include "irecordarguments.h"

namespace {
constexpr qint64 kMicroseconds = 1000000;
}

IScreenCapture::IScreenCapture() = default;

IScreenCapture::~IScreenCapture()
{
    requestStop();
    wait();
    sws_freeContext(scaler_);
    av_frame_free(&grabbed_);
    av_frame_free(&picture_);
}

bool IScreenCapture::open(const QString& path, const QRect& area, int frameRate, QString* error)
{
    const QSize screen = IScreenGrabber::screenSize(error);
    if (!screen.isValid()) {
        return false;
    }
    area_ = IRecordArguments::fitArea(area, screen);
    if (area_.isEmpty()) {
        *error = QStringLiteral("area %1,%2 %3x%4 lies outside the %5x%6 screen")
                     .arg(area.x())
                     .arg(area.y())
                     .arg(area.width())
                     .arg(area.height())
                     .arg(screen.width())
                     .arg(screen.height());
        return false;
    }
    frameRate_ = frameRate;
    grabbed_ = av_frame_alloc();
    picture_ = av_frame_alloc();
    if (!grabbed_ || !picture_) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    picture_->format = AV_PIX_FMT_YUV420P;
    picture_->width = area_.width();
    picture_->height = area_.height();
    if (av_frame_get_buffer(picture_, 0) < 0) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    return grabber_.open(area_, frameRate, error) &&
           file_.open(path, area_.size(), frameRate, error);
}

void IScreenCapture::run()
{
    QString error;
    qint64 microseconds = 0;
    while (!stop_) {
        if (!grabber_.grab(grabbed_, &microseconds, &error)) {
            failure_ = error;
            break;
        }
        const qint64 index = frameIndex(microseconds);
        if (index >= 0 && convert(grabbed_) && !file_.write(picture_, index, &error)) {
            failure_ = error;
        }
        av_frame_unref(grabbed_);
    }
    grabber_.close();
    completed_ = file_.finish(&error);
    if (!completed_) {
        failure_ = error;
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
    const qint64 index = av_rescale(microseconds - firstMicroseconds_ - pausedMicroseconds_,
                                    frameRate_, kMicroseconds);
    if (index <= lastIndex_) {
        return -1;  // two grabs in one frame slot
    }
    lastIndex_ = index;
    return index;
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
