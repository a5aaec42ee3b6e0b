#ifndef IRECORDARGUMENTS_H
#define IRECORDARGUMENTS_H

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The recorder's command line: output file, left, top, width, height, first-start flag
// ("1" or "0"), frame rate and, optionally, the sound source to record beside the screen (its
// sound-server name; absent or empty: no sound). Later arguments are ignored, so an older
// recorder's successor can add fields at the end. The link's port comes from the environment.
struct IRecordArguments {
    static constexpr quint16 kDefaultPort = 308;
    static constexpr int kMaxFrameRate = 120;

    QString path;
    QRect area;
    bool firstStart = false;
    int frameRate = 0;
    QString audioInput;

    // Parses the arguments (without the program name); false with `error` set when there are
    // fewer than seven, the numbers are not numbers, or describe an empty area or an unusable
    // frame rate.
    static bool parse(const QStringList& arguments, IRecordArguments* out, QString* error);

    // The port in `value` (the environment variable's text), or kDefaultPort when it is absent
    // or not a port number.
    static quint16 linkPort(const QString& value);

    // The part of `wanted` that lies on a screen of `screen` size, shrunk to even width and
    // height; empty when less than 2 x 2 pixels remain.
    static QRect fitArea(const QRect& wanted, const QSize& screen);
};

#endif  // IRECORDARGUMENTS_H
