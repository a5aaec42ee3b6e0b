#ifndef IAUDIOSOURCE_H
#define IAUDIOSOURCE_H

#include <QString>

#include <vector>

struct pa_simple;

// One input of the desktop's sound server (PulseAudio, or PipeWire through pipewire-pulse),
// read as interleaved 32-bit float stereo at 48 kHz in chunks of about 20 ms.
class IAudioSource {
public:
    static constexpr int kSampleRate = 48000;
    static constexpr int kChannels = 2;
    // The server's default input, as the sound server itself names it.
    static constexpr const char* kDefaultSource = "@DEFAULT_SOURCE@";

    IAudioSource() = default;
    ~IAudioSource();
    IAudioSource(const IAudioSource&) = delete;
    IAudioSource& operator=(const IAudioSource&) = delete;

    // Connects to the sound server and starts recording `name`; false with `error` set when
    // there is no server or no such input.
    bool open(const QString& name, QString* error);
    // Waits for the next chunk; `monotonic` receives when its first sample was taken (the
    // monotonic clock of IMediaClock). False once the input or the server is gone.
    bool read(std::vector<float>* samples, qint64* monotonic, QString* error);
    void close();

private:
    pa_simple* stream_ = nullptr;
};

#endif  // IAUDIOSOURCE_H
