#ifndef CAPTUREJOB_H
#define CAPTUREJOB_H

#include <QImage>
#include <QMetaType>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QString>

#include "opencv/edgeresult.h"

// One photo for the capture-saving thread, copied by value.
struct CaptureJob {
    // The captured camera picture.
    QImage picture;
    // The board's annotations at the picture's size, transparent elsewhere; may be null.
    QImage overlay;
    // The board's rotation in degrees, clockwise on screen.
    int rotation = 0;
    // Where the file goes (with or without a trailing "/"); empty for a time-lapse frame, which
    // is announced at full size and not saved.
    QString folder;
    // The part of the picture to keep, in pixels of the (edge-cut) picture; QRect() keeps all.
    QRect captureRect;
    // The document outline to cut out and straighten; angle -1 for none.
    EdgeResult edge;
    // How the view turns the camera's picture over (Qt::Horizontal mirrors, Qt::Vertical flips).
    // `picture`, `overlay` and `edge` are as the camera delivers them; the result is turned over
    // after the edge cut, so the capture rectangle and rotation apply to what the view shows.
    Qt::Orientations mirror;
};
Q_DECLARE_METATYPE(CaptureJob)

// The factors that scale the board's picture rectangle to the picture; (0, 0) when either size is
// empty, so nothing is scaled by an undefined factor.
QPointF overlayFactors(const QSizeF& picture, const QSizeF& background);

// A rectangle in scene coordinates turned into picture pixels: relative to the picture's
// rectangle, scaled by the factors and clipped to the picture. Empty when nothing is left.
QRect captureRectInPicture(const QRectF& sceneRect, const QRectF& background,
                           const QPointF& factors, const QSize& picture);

#endif  // CAPTUREJOB_H
