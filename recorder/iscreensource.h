#ifndef ISCREENSOURCE_H
#define ISCREENSOURCE_H

#include <QRect>
#include <QString>

#include <memory>

struct AVFrame;

// Where the recorder's pictures come from: the X screen (x11grab) or the desktop portal's
// screen cast (Wayland). The session type picks one; ORVELLA_SCREEN_SOURCE=x11|portal overrides.
class IScreenSource {
public:
    virtual ~IScreenSource() = default;

    // The back end for this session, chosen from the environment.
    static std::unique_ptr<IScreenSource> create();

    // Opens the grab of `area` (screen coordinates); area() is then the recorded part in the
    // source's own pixels, fitted to the screen and even in size. Nothing is written before.
    virtual bool open(const QRect& area, int frameRate, QString* error) = 0;
    virtual QRect area() const = 0;
    // Waits for the next picture of area() (any pixel format); false once the source has ended.
    // `microseconds` is the time it was taken.
    virtual bool grab(AVFrame* picture, qint64* microseconds, QString* error) = 0;
    // Makes a waiting grab() return false soon (the recording is being stopped).
    virtual void interrupt() {}
    virtual void close() = 0;
    // A token that lets the next recording skip the desktop's consent dialog; empty if none.
    virtual QString restoreToken() const { return QString(); }
};

#endif  // ISCREENSOURCE_H
