#include "ffmpeg/isoundlevelmonitor.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <cmath>
#include <vector>

namespace {
constexpr int kRate = 8000;
constexpr int kChunk = kRate / 20;
}  // namespace

ISoundLevelMonitor::ISoundLevelMonitor(QObject* parent) : QThread(parent) {}

ISoundLevelMonitor::~ISoundLevelMonitor()
{
    stopListening();
}

void ISoundLevelMonitor::listen(const QString& name)
{
    stopListening();
    name_ = name;
    if (!name.isEmpty()) {
        stop_ = false;
        start();
    }
}

void ISoundLevelMonitor::stopListening()
{
    stop_ = true;
    wait();
}

void ISoundLevelMonitor::run()
{
    const pa_sample_spec format = {PA_SAMPLE_FLOAT32LE, kRate, 1};
    pa_buffer_attr buffering = {};
    buffering.maxlength = buffering.tlength = buffering.prebuf = buffering.minreq =
        static_cast<uint32_t>(-1);
    buffering.fragsize = kChunk * sizeof(float);
    int code = 0;
    pa_simple* stream =
        pa_simple_new(nullptr, "Orvella", PA_STREAM_RECORD, name_.toUtf8().constData(),
                      "Level meter", &format, nullptr, &buffering, &code);
    std::vector<float> samples(kChunk);
    while (stream && !stop_) {
        if (pa_simple_read(stream, samples.data(), samples.size() * sizeof(float), &code) < 0) {
            break;
        }
        float peak = 0;
        for (const float sample : samples) {
            peak = std::max(peak, std::fabs(sample));
        }
        emit sgLevel(qBound(0, int(std::lround(peak * 100)), 100));
    }
    if (stream) {
        pa_simple_free(stream);
    }
    if (!stop_) {
        emit sgUnavailable(QString::fromLocal8Bit(pa_strerror(code)));
    }
}
