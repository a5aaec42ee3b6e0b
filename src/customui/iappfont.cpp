#include "customui/iappfont.h"

#include <QGuiApplication>
#include <QScreen>

#include "service/iconfigureservice.h"
#include "uiscale.h"

namespace {

const char* const kChineseFamily = "微软雅黑";

int desktopLogicalDpi()
{
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    const int dpi = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
    return dpi > 0 ? dpi : 96;
}

QFont scaledFont(const QString& family, int size, int weight)
{
    const float dpiRatio = static_cast<float>(96.0 / desktopLogicalDpi());
    const int points = static_cast<int>(dpiRatio * static_cast<float>(size) * uiScale);
    QFont font(family);
    // A zero point size is refused by QFont; tiny scales still get a readable minimum.
    font.setPointSize(points > 0 ? points : 1);
    font.setWeight(weight);
    font.setItalic(false);
    return font;
}

}  // namespace

QFont appFont(int size, int weight)
{
    const bool chinese = IConfigureService::instance()->langId() == QLatin1String("2052");
    const QString family = chinese ? QString::fromUtf8(kChineseFamily) : QStringLiteral("Arial");
    return scaledFont(family, size, weight);
}

QFont boardFont(int size, int weight)
{
    return scaledFont(QString::fromUtf8(kChineseFamily), size, weight);
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QString::fromUtf8(kChineseFamily),
                              QStringLiteral("WenQuanYi Micro Hei"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
