#ifndef SYNTHETICPAGE_H
#define SYNTHETICPAGE_H

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

// A camera frame drawn with known truth: a white page with text lines and a dark square marker
// in its top-left corner, turned counter-clockwise on screen by `angle` degrees about `centre`,
// on a noisy dark desk.
struct SyntheticPage {
    QImage frame;  // Format_RGB32
    // The page's own corners in frame pixels.
    QPointF topLeft;
    QPointF topRight;
    QPointF bottomRight;
    QPointF bottomLeft;
};

// Portrait page of 560 x 790 pixels; the marker covers (40..110, 40..110) of the page.
SyntheticPage drawSyntheticPage(const QSize& frameSize, const QPointF& centre, double angle,
                                quint64 seed);
QSize syntheticPageSize();
// A frame of one colour.
QImage uniformFrame(const QSize& size, QRgb colour);

// Mean grey value of `area` in `image`.
double meanGrey(const QImage& image, const QRect& area);

// The 150-pixel corner square of a straightened page that holds the dark marker (0 top-left,
// 1 top-right, 2 bottom-right, 3 bottom-left), or -1 when none or several are dark.
int darkCorner(const QImage& image);

#endif  // SYNTHETICPAGE_H
