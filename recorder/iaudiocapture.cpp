#include "iaudiocapture.h"

#include "imediaclock.h"

namespace {
// Sound this far off the clock is corrected; less is the clocks' jitter.
constexpr qint64 kToleranceMicroseconds = 40000;
}  // namespace

IAudioCapture::IAudioCapture(const IMediaClock& clock)
    : clock_(clock), track_(IAudioSource::kSampleRate, IAudioSource::kChannels)
{
}

IAudioCapture::~IAudioCapture()
{
    requestStop();
    wait();
}

bool IAudioCapture::open(const QString& name, QString* error)
{
    return source_.open(name, error);
}

void IAudioCapture::run()
{
    std::vector<float> samples;
    qint64 taken = 0;
    QString error;
    while (!stop_) {
        if (!source_.read(&samples, &taken, &error)) {
            break;
        }
        const qint64 media = clock_.mediaTime(taken);
        if (media >= 0 && !place(samples, media, &error)) {
            break;
        }
    }
    source_.close();
    if (!stop_) {
        emit lost(error);
    }
}

// Writes a chunk whose first sample belongs at `media` microseconds.
bool IAudioCapture::place(const std::vector<float>& samples, qint64 media, QString* error)
{
    const qint64 frames = qint64(samples.size()) / IAudioSource::kChannels;
    const qint64 offset = media - track_.writtenMicroseconds();
    if (offset > kToleranceMicroseconds || (offset > 0 && track_.writtenMicroseconds() == 0)) {
        const qint64 gap = offset * IAudioSource::kSampleRate / 1000000;
        if (!track_.write(nullptr, gap, error)) {
            return false;
        }
    }
    qint64 skip = 0;
    if (offset < -kToleranceMicroseconds) {
        skip = qMin(frames, -offset * IAudioSource::kSampleRate / 1000000);
    }
    return track_.write(samples.data() + skip * IAudioSource::kChannels, frames - skip, error);
}
