#ifndef IAUDIOCAPTURE_H
#define IAUDIOCAPTURE_H

#include <QString>
#include <QThread>

#include <atomic>

#include "iaudiosource.h"
#include "iaudiotrack.h"

class IMediaClock;

// The sound thread: reads the sound input and writes it to the recording's sound track on the
// pictures' time line. Sound taken while the clock stands (before the first picture, paused) is
// dropped; where the input runs ahead of or behind the clock by more than a little, samples are
// skipped or silence is inserted, so sound and pictures stay together however long it runs.
class IAudioCapture : public QThread {
    Q_OBJECT
public:
    explicit IAudioCapture(const IMediaClock& clock);
    ~IAudioCapture() override;

    // Opens the input `name`; false with `error` set when it cannot be recorded.
    bool open(const QString& name, QString* error);
    IAudioTrack* track() { return &track_; }
    void requestStop() { stop_ = true; }

signals:
    // The input was lost during the recording; the rest is recorded without sound.
    void lost(const QString& reason);

protected:
    void run() override;

private:
    bool place(const std::vector<float>& samples, qint64 media, QString* error);

    const IMediaClock& clock_;
    IAudioSource source_;
    IAudioTrack track_;
    std::atomic<bool> stop_{false};
};

#endif  // IAUDIOCAPTURE_H
