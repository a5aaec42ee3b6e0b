#include "customui/kit/iappfont.h"

#include <QGuiApplication>
#include <QScreen>

#include "customui/kit/uiscale.h"

namespace {

const char* const kChineseFamily = "微软雅黑";

// The interface language the fonts were installed for.
QString& fontLanguage()
{
    static QString langId;
    return langId;
}

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
    const bool chinese = fontLanguage() == QLatin1String("2052");
    const QString family = chinese ? QString::fromUtf8(kChineseFamily) : QStringLiteral("Arial");
    return scaledFont(family, size, weight);
}

QFont boardFont(int size, int weight)
{
    return scaledFont(QString::fromUtf8(kChineseFamily), size, weight);
}

// The East Asian face a reader of the interface language expects (their Windows interface fonts
// are Microsoft JhengHei, Meiryo and Malgun Gothic); simplified Chinese for every other language.
QString regionalCjkFamily(const QString& langId)
{
    if (langId == QLatin1String("1028")) {
        return QStringLiteral("Noto Sans CJK TC");
    }
    if (langId == QLatin1String("1041")) {
        return QStringLiteral("Noto Sans CJK JP");
    }
    if (langId == QLatin1String("1042")) {
        return QStringLiteral("Noto Sans CJK KR");
    }
    return QStringLiteral("Noto Sans CJK SC");
}

void installFontSubstitutions(const QString& langId)
{
    fontLanguage() = langId;
    const QString regional = regionalCjkFamily(langId);
    const QString wenQuanYi = QStringLiteral("WenQuanYi Micro Hei");
    const bool ownCjkFace = regional != regionalCjkFamily(QString());
    // Glyphs missing from the first face come from the next ones, so Han characters take the
    // shapes of the interface language and nothing falls back to boxes.
    const QStringList cjk =
        ownCjkFace ? QStringList{regional, wenQuanYi} : QStringList{wenQuanYi, regional};
    const QString chinese = QString::fromUtf8(kChineseFamily);
    QFont::removeSubstitutions(chinese);
    QFont::insertSubstitutions(chinese, cjk);
    // Qt takes the first face of the list for Han text whatever its writing systems, so in a
    // Japanese, Korean or Traditional Chinese interface the regional face leads (its Latin letters
    // are what those readers' own desktops show); elsewhere Latin text keeps Liberation Sans.
    const QStringList arial = ownCjkFace ? QStringList{regional, "Liberation Sans", wenQuanYi}
                                         : QStringList{"Liberation Sans"} + cjk;
    QFont::removeSubstitutions(QStringLiteral("Arial"));
    QFont::insertSubstitutions(QStringLiteral("Arial"), arial);
}
