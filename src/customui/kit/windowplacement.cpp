#include "customui/kit/windowplacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QWidget>

bool compositorPlacesWindows()
{
    return QGuiApplication::platformName() == QLatin1String("wayland") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void placeTopLevel(QWidget* window, const QRect& rect)
{
    if (compositorPlacesWindows()) {
        window->resize(rect.size());
    } else {
        window->setGeometry(rect);
    }
}
