#ifndef RECOLORIMAGE_H
#define RECOLORIMAGE_H

#include <QColor>
#include <QImage>

// Shifts the pixels whose hue lies within `tolerance` degrees of the reference colour's hue, and
// the pixels without a hue (grey, black, white, transparent), by the difference in hue,
// saturation and lightness between the target and the reference colour. Other pixels are
// copied unchanged; every pixel keeps its alpha. The pen's cursor follows the ink this way.
QImage recolorImage(const QImage& source, const QColor& reference, const QColor& target,
                    int tolerance);

#endif  // RECOLORIMAGE_H
