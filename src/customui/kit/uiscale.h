#ifndef UISCALE_H
#define UISCALE_H

// Process-wide interface scale factors, 1.0 until IApplication::exec sets them once.
extern double uiScaleX;
extern double uiScale;
extern double uiScaleY;

struct UiScaleFactors {
    double x = 1.0;
    double y = 1.0;
    double uniform = 1.0;
};

// The factors for a primary screen of w x h pixels (1.0 at 1920 x 1080).
UiScaleFactors computeUiScale(int w, int h);

#endif  // UISCALE_H
