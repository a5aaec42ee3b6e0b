#ifndef IX11SCREENSOURCE_H
#define IX11SCREENSOURCE_H

#include "iscreengrabber.h"
#include "iscreensource.h"

// The X screen named by DISPLAY, grabbed with FFmpeg's x11grab.
class IX11ScreenSource : public IScreenSource {
public:
    bool open(const QRect& area, int frameRate, QString* error) override;
    QRect area() const override { return area_; }
    bool grab(AVFrame* picture, qint64* microseconds, QString* error) override;
    void close() override;

private:
    IScreenGrabber grabber_;
    QRect area_;
};

#endif  // IX11SCREENSOURCE_H
