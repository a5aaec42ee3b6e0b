#include "iscreensource.h"

#include <QDebug>

#include "iportalscreensource.h"
#include "ix11screensource.h"

std::unique_ptr<IScreenSource> IScreenSource::create()
{
    const QString wanted = qEnvironmentVariable("ORVELLA_SCREEN_SOURCE");
    bool portal = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                  !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wanted == QLatin1String("x11")) {
        portal = false;
    } else if (wanted == QLatin1String("portal")) {
        portal = true;
    } else if (!wanted.isEmpty()) {
        qWarning() << "ORVELLA_SCREEN_SOURCE must be x11 or portal, not" << wanted;
    }
    if (portal) {
        return std::make_unique<IPortalScreenSource>();
    }
    return std::make_unique<IX11ScreenSource>();
}
