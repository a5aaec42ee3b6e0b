#ifndef EDGERESULT_H
#define EDGERESULT_H

#include <QMetaType>
#include <QPolygonF>

// Outcome of the document-edge detection on one frame.
// angle: degrees to turn the picture clockwise to straighten the document, -1 for no result.
// polygon: the document's corners in frame pixels; point 1 is the corner that ends up top-left
// after straightening, |p0 p2| is the straightened width and |p0 p1| its height.
struct EdgeResult {
    double angle = -1;
    QPolygonF polygon;
};
Q_DECLARE_METATYPE(EdgeResult)

#endif  // EDGERESULT_H
