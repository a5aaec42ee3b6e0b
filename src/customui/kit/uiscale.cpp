#include "customui/kit/uiscale.h"

double uiScaleX = 1.0;
double uiScale = 1.0;
double uiScaleY = 1.0;

UiScaleFactors computeUiScale(int w, int h)
{
    UiScaleFactors f;
    if (w <= 0 || h <= 0) {
        return f;
    }
    f.x = w / 1920.0;
    f.y = h / 1080.0;
    // The aspect test runs in single precision so exact 16:9 screens use the vertical factor.
    const float ratio = static_cast<float>(w) / static_cast<float>(h);
    const float beyond16by9 = static_cast<float>(ratio - 1.7777777777777777);
    f.uniform = beyond16by9 < 0 ? f.x : f.y;
    if (f.x < 1.0) {
        const double small = f.x < 0.7395833333333334 ? w / 1420.0 : 1.0;
        f.x = f.y = f.uniform = small;
    }
    return f;
}
