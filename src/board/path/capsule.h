#ifndef CAPSULE_H
#define CAPSULE_H

#include <QPointF>
#include <QPolygonF>
#include <QRegion>

// The outline of a band of `thickness` around the segment from -> to, closed by half-circle arcs
// at both ends: what a round-capped line of that width covers. A segment of length 0 gives a
// disc of diameter `thickness`. Pen previews, the stroke eraser and the line shape share it.
QPolygonF capsulePolygon(const QPointF& from, const QPointF& to, double thickness);

// The capsule's area in whole pixels (odd-even fill).
QRegion capsuleRegion(const QPointF& from, const QPointF& to, double thickness);

#endif  // CAPSULE_H
