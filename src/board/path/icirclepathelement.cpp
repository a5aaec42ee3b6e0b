#include "icirclepathelement.h"

#include <cmath>

ICirclePathElement::ICirclePathElement(QGraphicsItem* parent) : IShapePathElement(parent)
{
    setPathKind(3);
}

ICirclePathElement::ICirclePathElement(const QPointF& start, const QPointF& end,
                                       QGraphicsItem* parent)
    : ICirclePathElement(parent)
{
    setPoints(start, end);
}

IElement* ICirclePathElement::clone()
{
    auto* copy = new ICirclePathElement(startPoint(), endPoint());
    copyItemParameters(copy);
    return copy;
}

void ICirclePathElement::rebuild()
{
    const QPointF start = startPoint();
    const double w = endPoint().x() - start.x();
    const double h = endPoint().y() - start.y();
    // A drag along one axis only makes no circle.
    const double side = (w == 0 || h == 0) ? 0 : std::max(std::abs(w), std::abs(h));
    const QRectF square(start, start + QPointF(std::copysign(side, w), std::copysign(side, h)));
    storeRect(square);
    QPainterPath circle;
    circle.addEllipse(square.normalized());
    setPath(circle);
    setItemRegion(QRegion(grownRect(square), QRegion::Ellipse));
}
