#ifndef ISCREENCASTGRABBER_H
#define ISCREENCASTGRABBER_H

#include <QImage>
#include <QObject>
#include <QRect>

#include <memory>
#include <mutex>

#include "platform/screencast/ipipewirestream.h"
#include "platform/screencast/iportalscreencast.h"

// Reads parts of the screen where no window system call can (Wayland): a portal screen cast of
// one monitor, pointer drawn in, whose newest picture is kept for grab() on the GUI thread.
// Opened with start() while something reads the screen, closed with stop().
class IScreenCastGrabber : public QObject {
    Q_OBJECT
public:
    explicit IScreenCastGrabber(QObject* parent = nullptr);
    ~IScreenCastGrabber() override;

    // Asks the portal for the cast, sparing the consent dialog with a token from an earlier
    // cast; started() or failed() follows.
    void start(const QString& restoreToken);
    void stop();
    // Between start() and stop() or failed().
    bool isActive() const { return active_; }
    // The part of the newest picture at `area` (the desktop's logical coordinates), scaled to
    // the stream's pixels; null before the first picture.
    QImage grab(const QRect& area) const;
    // After started(): the token for the next cast (each token serves once).
    QString restoreToken() const { return cast_.restoreToken(); }

signals:
    void started();
    void failed(const QString& reason);
    // A new picture of the screen arrived.
    void pictureArrived();

private:
    void onStarted();
    void onEnded(const QString& reason);
    // PipeWire's thread.
    void onPicture(const IScreenCastPicture& picture);

    IPortalScreenCast cast_;
    std::unique_ptr<IPipeWireStream> stream_;
    bool active_ = false;
    QRect screen_;  // the streamed monitor in logical coordinates; empty: as the stream
    mutable std::mutex mutex_;
    QImage latest_;
};

#endif  // ISCREENCASTGRABBER_H
