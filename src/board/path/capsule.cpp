#include "capsule.h"

#include <QLineF>
#include <QPainterPath>
#include <cmath>

QPolygonF capsulePolygon(const QPointF& from, const QPointF& to, double thickness)
{
    const double half = thickness * 0.5;
    const double angle = QLineF(from, to).angle();
    const double theta = (90 - angle) * 4 * std::atan(1.0) / 180;
    // Perpendicular to the segment, half the thickness long.
    const QPointF offset(std::cos(theta) * half, std::sin(theta) * half);
    QPainterPath outline(from - offset);
    outline.lineTo(to - offset);
    outline.arcTo(QRectF(to.x() - half, to.y() - half, thickness, thickness), angle + 90, -180);
    outline.lineTo(from + offset);
    outline.arcTo(QRectF(from.x() - half, from.y() - half, thickness, thickness), -(90 - angle),
                  -180);
    outline.closeSubpath();
    return outline.toFillPolygon();
}

QRegion capsuleRegion(const QPointF& from, const QPointF& to, double thickness)
{
    return QRegion(capsulePolygon(from, to, thickness).toPolygon(), Qt::OddEvenFill);
}
