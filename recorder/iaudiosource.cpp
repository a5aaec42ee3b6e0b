#include "iaudiosource.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include "imediaclock.h"

namespace {

constexpr qint64 kChunkMicroseconds = 20000;

const pa_sample_spec kFormat = {PA_SAMPLE_FLOAT32LE, IAudioSource::kSampleRate,
                                IAudioSource::kChannels};

QString pulseError(int code)
{
    return QString::fromLocal8Bit(pa_strerror(code));
}

}  // namespace

IAudioSource::~IAudioSource()
{
    close();
}

bool IAudioSource::open(const QString& name, QString* error)
{
    pa_buffer_attr buffering = {};
    buffering.maxlength = static_cast<uint32_t>(-1);
    buffering.tlength = buffering.prebuf = buffering.minreq = static_cast<uint32_t>(-1);
    buffering.fragsize = static_cast<uint32_t>(pa_usec_to_bytes(kChunkMicroseconds, &kFormat));
    const QByteArray device = name.toUtf8();
    int code = 0;
    stream_ = pa_simple_new(nullptr, "Orvella", PA_STREAM_RECORD, device.constData(),
                            "Screen recording", &kFormat, nullptr, &buffering, &code);
    if (!stream_) {
        *error = QStringLiteral("sound input %1 unavailable: %2").arg(name, pulseError(code));
        return false;
    }
    return true;
}

bool IAudioSource::read(std::vector<float>* samples, qint64* monotonic, QString* error)
{
    const size_t frames = static_cast<size_t>(kSampleRate * kChunkMicroseconds / 1000000);
    samples->resize(frames * kChannels);
    int code = 0;
    if (!stream_ ||
        pa_simple_read(stream_, samples->data(), samples->size() * sizeof(float), &code) < 0) {
        *error = QStringLiteral("sound input lost: %1").arg(pulseError(code));
        return false;
    }
    // What is still buffered was taken after this chunk's last sample.
    const pa_usec_t buffered = pa_simple_get_latency(stream_, &code);
    const qint64 delay = buffered == static_cast<pa_usec_t>(-1) ? 0 : qint64(buffered);
    *monotonic = IMediaClock::now() - delay - kChunkMicroseconds;
    return true;
}

void IAudioSource::close()
{
    if (stream_) {
        pa_simple_free(stream_);
        stream_ = nullptr;
    }
}
