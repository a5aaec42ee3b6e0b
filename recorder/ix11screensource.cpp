#include "ix11screensource.h"

#include "irecordarguments.h"

bool IX11ScreenSource::open(const QRect& area, int frameRate, QString* error)
{
    const QSize screen = IScreenGrabber::screenSize(error);
    if (!screen.isValid()) {
        return false;
    }
    area_ = IRecordArguments::fitArea(area, screen);
    if (area_.isEmpty()) {
        *error = QStringLiteral("area %1,%2 %3x%4 lies outside the %5x%6 screen")
                     .arg(area.x())
                     .arg(area.y())
                     .arg(area.width())
                     .arg(area.height())
                     .arg(screen.width())
                     .arg(screen.height());
        return false;
    }
    return grabber_.open(area_, frameRate, error);
}

bool IX11ScreenSource::grab(AVFrame* picture, qint64* microseconds, QString* error)
{
    return grabber_.grab(picture, microseconds, error);
}

void IX11ScreenSource::close()
{
    grabber_.close();
}
