#ifndef ISOUNDSOURCES_H
#define ISOUNDSOURCES_H

#include <QList>
#include <QString>

// The inputs the desktop's sound server (PulseAudio, or PipeWire through pipewire-pulse) offers,
// for the recorder's sound choice.
struct ISoundSources {
    struct Source {
        QString name;         // what the sound server and the recorder call it
        QString description;  // what the presenter reads
    };

    bool available = false;  // a sound server answered
    QString defaultName;     // its default input
    QList<Source> sources;

    // Asks the sound server, waiting at most `timeoutMs`; without a server `available` is false.
    static ISoundSources query(int timeoutMs = 2000);
};

#endif  // ISOUNDSOURCES_H
