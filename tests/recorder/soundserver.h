#ifndef SOUNDSERVER_H
#define SOUNDSERVER_H

#include <QProcess>
#include <QString>

// A private PulseAudio daemon in this test's XDG_RUNTIME_DIR with one null sink, "tone", whose
// monitor "tone.monitor" is the default source; it can play a sine tone into that sink.
class SoundServer {
public:
    ~SoundServer();
    // Starts the daemon and waits until it answers; false with `error` set otherwise.
    bool start(QString* error);
    // Plays a `hertz` sine tone into the sink for `seconds` (in the background).
    bool playTone(int hertz, int seconds, QString* error);

private:
    QProcess daemon_;
    QProcess player_;
};

#endif  // SOUNDSERVER_H
