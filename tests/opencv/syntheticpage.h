#ifndef SYNTHETICPAGE_H
#define SYNTHETICPAGE_H

#include <QImage>
#include <QPointF>
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

#endif  // SYNTHETICPAGE_H
