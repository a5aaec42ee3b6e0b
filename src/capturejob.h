#ifndef CAPTUREJOB_H
#define CAPTUREJOB_H

#include <QImage>
#include <QMetaType>
#include <QRect>
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
};
Q_DECLARE_METATYPE(CaptureJob)

#endif  // CAPTUREJOB_H
