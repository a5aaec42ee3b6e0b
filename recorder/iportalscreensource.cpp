#include "iportalscreensource.h"

#include <QDebug>
#include <QEventLoop>

extern "C" {
#include <libavutil/frame.h>
}

#include <libyuv/convert.h>

#include "screenscale.h"

namespace {
constexpr int kFormatTimeoutMs = 5000;
}

IPortalScreenSource::IPortalScreenSource() = default;

IPortalScreenSource::~IPortalScreenSource()
{
    close();
}

bool IPortalScreenSource::open(const QRect& area, int frameRate, QString* error)
{
    wanted_ = area;
    period_ = std::chrono::microseconds(1000000 / frameRate);
    screen_ = parseScreenRect(qEnvironmentVariable("ORVELLA_RECORDER_SCREEN"));
    if (!startCast(error)) {
        return false;
    }
    if (screen_.isEmpty() && cast_.logicalSize().isValid()) {
        screen_ = QRect(cast_.position(), cast_.logicalSize());
    }
    QObject::connect(&cast_, &IPortalScreenCast::closed,
                     [this] { end(QStringLiteral("the desktop ended the screen cast")); });
    const int fd = cast_.openPipeWireRemote(error);
    if (fd < 0) {
        return false;
    }
    const bool ok = stream_.open(
        fd, cast_.node(), [this](const QSize& size) { onFormat(size); },
        [this](const IScreenCastPicture& picture) { onPicture(picture); },
        [this](const QString& reason) { end(reason); }, error);
    return ok && waitForFormat(error);
}

// The portal's consent exchange, waited for in a local event loop.
bool IPortalScreenSource::startCast(QString* error)
{
    QEventLoop loop;
    bool started = false;
    QObject::connect(&cast_, &IPortalScreenCast::started, &loop, [&] {
        started = true;
        loop.quit();
    });
    QObject::connect(&cast_, &IPortalScreenCast::failed, &loop, [&](const QString& reason, bool) {
        *error = reason;
        loop.quit();
    });
    bool failed = false;
    QObject::connect(&cast_, &IPortalScreenCast::failed, &loop, [&] { failed = true; });
    cast_.start(IPortalScreenCast::CursorEmbedded,
                qEnvironmentVariable("ORVELLA_PORTAL_RESTORE_TOKEN"));
    if (!started && !failed) {  // a request the bus refused fails at once
        loop.exec();
    }
    if (!started && error->isEmpty()) {
        *error = QStringLiteral("the screen cast was interrupted");
    }
    return started;
}

bool IPortalScreenSource::waitForFormat(QString* error)
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(kFormatTimeoutMs),
                      [this] { return ended_ || sized_; });
    if (sized_ && !area_.isEmpty()) {
        return true;
    }
    if (ended_) {
        *error = endReason_;
    } else if (sized_) {
        *error = QStringLiteral("area %1,%2 %3x%4 lies outside the %5x%6 screen")
                     .arg(wanted_.x())
                     .arg(wanted_.y())
                     .arg(wanted_.width())
                     .arg(wanted_.height())
                     .arg(streamSize_.width())
                     .arg(streamSize_.height());
    } else {
        *error = QStringLiteral("the screen cast agreed on no picture format");
    }
    return false;
}

QRect IPortalScreenSource::area() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return area_;
}

void IPortalScreenSource::onFormat(const QSize& size)
{
    if (!streamSize_.isEmpty()) {
        return;  // the recorded area stays as first agreed
    }
    streamSize_ = size;
    const QRect screen = screen_.isEmpty() ? QRect(QPoint(0, 0), size) : screen_;
    const QRect area = streamArea(wanted_, screen, size);
    qDebug() << "screen cast" << size << "logical screen" << screen << "records" << area;
    std::lock_guard<std::mutex> lock(mutex_);
    area_ = area;
    sized_ = true;
    changed_.notify_all();
}

void IPortalScreenSource::onPicture(const IScreenCastPicture& picture)
{
    if (picture.size != streamSize_) {
        return;  // the screen changed size: its pictures no longer fit the video
    }
    if (!convert(picture)) {
        end(QStringLiteral("out of memory"));
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(latest_, back_);
    changed_.notify_all();
}

bool IPortalScreenSource::convert(const IScreenCastPicture& picture)
{
    const QRect area = this->area();
    if (area.isEmpty()) {
        return true;
    }
    if (!back_) {
        back_ = av_frame_alloc();
        if (!back_) {
            return false;
        }
    }
    if (!back_->buf[0] || !av_frame_is_writable(back_)) {
        av_frame_unref(back_);
        back_->format = AV_PIX_FMT_YUV420P;
        back_->width = area.width();
        back_->height = area.height();
        if (av_frame_get_buffer(back_, 0) < 0) {
            return false;
        }
    }
    const uint8_t* source = picture.data + area.y() * picture.stride + area.x() * 4;
    const auto toI420 = picture.rgbOrder ? libyuv::ABGRToI420 : libyuv::ARGBToI420;
    toI420(source, picture.stride, back_->data[0], back_->linesize[0], back_->data[1],
           back_->linesize[1], back_->data[2], back_->linesize[2], area.width(), area.height());
    return true;
}

bool IPortalScreenSource::grab(AVFrame* picture, qint64* microseconds, QString* error)
{
    using std::chrono::steady_clock;
    if (ticks_ < 0) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return latest_ || ended_ || interrupted_; });
    }
    const steady_clock::time_point now = steady_clock::now();
    if (ticks_ < 0) {
        start_ = now;
        ticks_ = 0;
    }
    // Late (a slow encoder): continue at the next slot from now rather than catch up in a burst.
    const qint64 due = std::chrono::duration_cast<std::chrono::microseconds>(now - start_).count() /
                       period_.count();
    ticks_ = std::max(ticks_, due);
    const steady_clock::time_point tick = start_ + period_ * ticks_;
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_until(lock, tick, [this] { return ended_ || interrupted_; });
    if (ended_ || interrupted_ || !latest_) {
        *error = ended_ ? endReason_ : QStringLiteral("stopped");
        return false;
    }
    ++ticks_;
    *microseconds = std::chrono::duration_cast<std::chrono::microseconds>(tick - start_).count();
    return av_frame_ref(picture, latest_) >= 0;
}

void IPortalScreenSource::interrupt()
{
    std::lock_guard<std::mutex> lock(mutex_);
    interrupted_ = true;
    changed_.notify_all();
}

void IPortalScreenSource::end(const QString& reason)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ended_) {
        ended_ = true;
        endReason_ = reason;
    }
    changed_.notify_all();
}

void IPortalScreenSource::close()
{
    stream_.close();
    cast_.close();
    av_frame_free(&latest_);
    av_frame_free(&back_);
}
