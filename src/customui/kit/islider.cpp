#include "customui/kit/islider.h"

#include "customui/kit/uiscale.h"

namespace {

struct SliderMetrics {
    int handle;      // handle diameter
    int groove;      // groove thickness
    int inset;       // groove end inset
    int pageRadius;  // radius of the filled and empty parts
    int margin;      // how far the handle overhangs the groove on each side
};

SliderMetrics metricsFor(int factor)
{
    SliderMetrics m;
    m.handle = int(20 * uiScale) * factor;
    m.groove = int(6 * uiScale) * factor;
    m.inset = int(10 * uiScale) * factor;
    m.pageRadius = m.groove / 2;
    m.margin = (m.handle - m.groove) / 2;
    return m;
}

const char* const kAccent = "rgb(69,198,214)";

QString grooves(const SliderMetrics& m)
{
    return QStringLiteral(
               "QSlider::groove:horizontal{border:none;height:%1px;margin:0px;"
               "left:%2px;right:%2px;}")
               .arg(m.groove)
               .arg(m.inset) +
           QStringLiteral(
               "QSlider::groove:vertical{border:none;width:%1px;margin:0px;"
               "top:%2px;bottom:%2px;}")
               .arg(m.groove)
               .arg(m.inset);
}

QString page(const char* selector, const char* colour, int radius)
{
    return QStringLiteral("QSlider::%1{background:%2;border:none;border-radius:%3px;}")
        .arg(QLatin1String(selector), QLatin1String(colour))
        .arg(radius);
}

QString handle(const SliderMetrics& m)
{
    return QStringLiteral(
               "QSlider::handle{border:none;width:%1px;height:%1px;margin:-%2px;"
               "background:white;border-radius:%3px;}")
        .arg(m.handle)
        .arg(m.margin)
        .arg(m.handle / 2 - 1);
}

}  // namespace

ISlider::ISlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {}

void ISlider::applyStyle(bool horizontalOnly)
{
    const SliderMetrics m = metricsFor(sizeFactor_);
    QString sheet = QStringLiteral("QSlider{background:transparent;}") + grooves(m);
    if (horizontalOnly) {
        sheet += page("add-page:horizontal", kAccent, m.pageRadius) +
                 page("sub-page:horizontal", "gray", m.pageRadius);
    } else {
        sheet += page("sub-page:horizontal", kAccent, m.pageRadius) +
                 page("add-page:horizontal", "gray", m.pageRadius) +
                 page("sub-page:vertical", "gray", m.pageRadius) +
                 page("add-page:vertical", kAccent, m.pageRadius);
    }
    setStyleSheet(sheet + handle(m));
}
