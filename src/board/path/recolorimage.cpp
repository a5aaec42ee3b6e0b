#include "recolorimage.h"

namespace {

// A hue bound wrapped into 0-360.
int wrapHue(int hue)
{
    if (hue > 360) {
        return hue % 360;
    }
    if (hue < 0) {
        return 360 - (-hue % 360);
    }
    return hue;
}

// One component shifted by (target - reference): scaled instead when the sum passes 1.
double shiftSaturation(double c, double t, double r)
{
    double s = c + t - r;
    if (s > 1 && r > 0) {
        s = c * t / r;
    }
    return qBound(0.0, s, 1.0);
}

double shiftLightness(double c, double t, double r)
{
    double l = c + t - r;
    if (l > 1 && r > 0) {
        l = c * t / r;
        if (l > 1) {
            l = c + (1 - c) * (t / r - 1);
        }
    }
    return qBound(0.0, l, 1.0);
}

QColor shifted(const QColor& c, const QColor& r, const QColor& t)
{
    double h = c.hslHueF() + t.hslHueF() - r.hslHueF();
    if (h < 0) {
        h = 0;
    }
    while (h > 1) {
        h -= 1;
    }
    const double s = shiftSaturation(c.hslSaturationF(), t.hslSaturationF(), r.hslSaturationF());
    const double l = shiftLightness(c.lightnessF(), t.lightnessF(), r.lightnessF());
    QColor result = QColor::fromHslF(h, s, l);
    result.setAlpha(c.alpha());
    return result;
}

}  // namespace

QImage recolorImage(const QImage& source, const QColor& reference, const QColor& target,
                    int tolerance)
{
    const QImage in = source.convertToFormat(QImage::Format_ARGB32);
    QImage out(in.size(), QImage::Format_ARGB32);
    const QColor r = reference.toHsl();
    const QColor t = target.toHsl();
    const int low = wrapHue(r.hslHue() - tolerance);
    const int high = wrapHue(r.hslHue() + tolerance);
    const bool wraps = r.hslHue() - tolerance < 0;
    const bool inside = r.hslHue() - tolerance > 0;
    for (int y = 0; y < in.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < in.width(); ++x) {
            const QColor c = QColor::fromRgba(from[x]).toHsl();
            const int h = c.hslHue();  // -1 without a hue
            const bool outside =
                (wraps && h < low && h > high) || (inside && (h < low || h > high));
            to[x] = outside ? from[x] : shifted(c, r, t).rgba();
        }
    }
    return out;
}
