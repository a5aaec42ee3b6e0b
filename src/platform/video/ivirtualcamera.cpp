#include "ivirtualcamera.h"

#include <algorithm>
#include <thread>

namespace {

// 15 frames a second, or ORVELLA_VIRTUAL_CAMERA_FPS (1 to 60).
std::chrono::microseconds frameInterval()
{
    bool ok = false;
    const int fps = qEnvironmentVariableIntValue("ORVELLA_VIRTUAL_CAMERA_FPS", &ok);
    return std::chrono::microseconds(1000000 / (ok && fps >= 1 && fps <= 60 ? fps : 15));
}

const std::chrono::microseconds kFrameInterval = frameInterval();
const int kJpegQuality = 80;

int* settingOf(VirtualSceneSettings& settings, VideoControl control)
{
    switch (control) {
        case VideoControl::Brightness:
            return &settings.brightness;
        case VideoControl::Contrast:
            return &settings.contrast;
        case VideoControl::Saturation:
            return &settings.saturation;
        case VideoControl::Exposure:
            return &settings.exposure;
        case VideoControl::Focus:
            return &settings.focus;
    }
    return nullptr;
}

}  // namespace

IVirtualCamera::IVirtualCamera(std::shared_ptr<VirtualCameraState> state, int generation)
    : state_(std::move(state)), generation_(generation)
{
    scene_.setPictures(state_->pictures);  // the hub opens a camera with its state locked
}

IVirtualCamera::~IVirtualCamera()
{
    stopStreaming();
}

QList<VideoFrameSize> IVirtualCamera::offeredSizes()
{
    return {{VideoPixelFormat::Mjpeg, {640, 480}},   {VideoPixelFormat::Mjpeg, {1280, 720}},
            {VideoPixelFormat::Mjpeg, {1920, 1080}}, {VideoPixelFormat::Mjpeg, {2592, 1944}},
            {VideoPixelFormat::Mjpeg, {3264, 2448}}, {VideoPixelFormat::Mjpeg, {3840, 2160}},
            {VideoPixelFormat::Yuyv, {640, 480}},    {VideoPixelFormat::Yuyv, {800, 600}}};
}

bool IVirtualCamera::rangeOf(VideoControl control, VideoControlRange* range)
{
    const VirtualSceneSettings defaults;
    switch (control) {
        case VideoControl::Brightness:
            *range = {-64, 64, 1, defaults.brightness};
            return true;
        case VideoControl::Contrast:
            *range = {0, 64, 1, defaults.contrast};
            return true;
        case VideoControl::Saturation:
            *range = {0, 128, 1, defaults.saturation};
            return true;
        case VideoControl::Exposure:
            *range = {3, 2047, 1, defaults.exposure};
            return true;
        case VideoControl::Focus:
            *range = {0, 2 * IVirtualScene::kSharpFocus, 1, defaults.focus};
            return true;
    }
    return false;
}

bool IVirtualCamera::presentLocked() const
{
    return state_->plugged && state_->plugGeneration == generation_;
}

bool IVirtualCamera::present() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return presentLocked();
}

QList<VideoFrameSize> IVirtualCamera::frameSizes()
{
    return present() ? offeredSizes() : QList<VideoFrameSize>();
}

bool IVirtualCamera::controlRange(VideoControl control, VideoControlRange* range)
{
    return present() && rangeOf(control, range);
}

bool IVirtualCamera::controlValue(VideoControl control, int* value)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!presentLocked()) {
        return false;
    }
    *value = *settingOf(state_->settings, control);
    return true;
}

bool IVirtualCamera::setControlValue(VideoControl control, int value)
{
    VideoControlRange range;
    if (!rangeOf(control, &range) || value < range.minimum || value > range.maximum) {
        return false;
    }
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!presentLocked()) {
        return false;
    }
    *settingOf(state_->settings, control) = value;
    if (control == VideoControl::Exposure) {
        state_->settings.autoExposure = false;
    } else if (control == VideoControl::Focus) {
        state_->settings.autoFocus = false;
    }
    return true;
}

bool IVirtualCamera::setAutomatic(VideoControl control)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!presentLocked()) {
        return false;
    }
    if (control == VideoControl::Exposure) {
        state_->settings.autoExposure = true;
        return true;
    }
    if (control == VideoControl::Focus) {
        state_->settings.autoFocus = true;
        return true;
    }
    return false;
}

bool IVirtualCamera::currentFormat(VideoStreamFormat* format)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!presentLocked()) {
        return false;
    }
    *format = state_->format;
    return true;
}

bool IVirtualCamera::setFormat(VideoPixelFormat format, const QSize& size,
                               VideoStreamFormat* actual)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!presentLocked() || size.isEmpty() ||
        (state_->streamingHandle && state_->streamingHandle != this)) {
        return false;
    }
    // Like a V4L2 driver: an unknown format becomes the first one, an unknown size the nearest.
    QList<VideoFrameSize> candidates;
    for (const VideoFrameSize& offered : offeredSizes()) {
        if (offered.format == format) {
            candidates.append(offered);
        }
    }
    if (candidates.isEmpty()) {
        candidates = offeredSizes();
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                        [](const VideoFrameSize& s) {
                                            return s.format != VideoPixelFormat::Mjpeg;
                                        }),
                         candidates.end());
    }
    const auto distance = [&size](const VideoFrameSize& s) {
        return std::abs(s.size.width() - size.width()) + std::abs(s.size.height() - size.height());
    };
    const VideoFrameSize chosen =
        *std::min_element(candidates.cbegin(), candidates.cend(),
                          [&distance](const VideoFrameSize& a, const VideoFrameSize& b) {
                              return distance(a) < distance(b);
                          });
    state_->format.format = chosen.format;
    state_->format.size = chosen.size;
    state_->format.bytesPerLine =
        chosen.format == VideoPixelFormat::Yuyv ? chosen.size.width() * 2 : 0;
    *actual = state_->format;
    return true;
}

bool IVirtualCamera::startStreaming()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!presentLocked() || (state_->streamingHandle && state_->streamingHandle != this)) {
        return false;
    }
    state_->streamingHandle = this;
    streamFormat_ = state_->format;
    streaming_ = true;
    nextFrame_ = std::chrono::steady_clock::now();
    return true;
}

void IVirtualCamera::stopStreaming()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->streamingHandle == this) {
        state_->streamingHandle = nullptr;
    }
    streaming_ = false;
}

IVideoDevice::ReadResult IVirtualCamera::readFrame(int timeoutMs, const FrameConsumer& consume)
{
    if (!present()) {
        return ReadResult::Gone;
    }
    if (!streaming_) {
        return ReadResult::Failed;
    }
    auto now = std::chrono::steady_clock::now();
    if (now < nextFrame_) {
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            nextFrame_ - now, std::chrono::milliseconds(timeoutMs)));
        if (!present()) {
            return ReadResult::Gone;
        }
        now = std::chrono::steady_clock::now();
        if (now < nextFrame_) {
            return ReadResult::NoFrame;
        }
    }
    // A reader that fell behind gets the current frame, not a backlog.
    nextFrame_ =
        now - nextFrame_ > kFrameInterval ? now + kFrameInterval : nextFrame_ + kFrameInterval;
    return produceFrame(consume) ? ReadResult::Frame : ReadResult::NoFrame;
}

bool IVirtualCamera::produceFrame(const FrameConsumer& consume)
{
    VirtualSceneSettings settings;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        settings = state_->settings;
    }
    const QImage& picture = scene_.frame(streamFormat_.size, settings, counter_++);
    // A still picture is encoded once, as a camera's hardware would not cost this process.
    const bool unchanged = picture.cacheKey() == encodedKey_ && !encoded_.isEmpty() &&
                           streamFormat_.format == encodedFormat_;
    const bool encoded =
        unchanged || (streamFormat_.format == VideoPixelFormat::Yuyv
                          ? IFrameEncoder::encodeYuyv(picture, &encoded_)
                          : encoder_.encodeMjpeg(picture, kJpegQuality, false, &encoded_));
    encodedKey_ = encoded ? picture.cacheKey() : 0;
    encodedFormat_ = streamFormat_.format;
    if (encoded) {
        consume(reinterpret_cast<const uchar*>(encoded_.constData()), encoded_.size());
    }
    return encoded;
}
