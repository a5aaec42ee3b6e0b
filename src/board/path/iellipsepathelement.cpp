#include "iellipsepathelement.h"

IEllipsePathElement::IEllipsePathElement(QGraphicsItem* parent) : IShapePathElement(parent)
{
    setPathKind(4);
}

IEllipsePathElement::IEllipsePathElement(const QPointF& start, const QPointF& end,
                                         QGraphicsItem* parent)
    : IEllipsePathElement(parent)
{
    setPoints(start, end);
}

IElement* IEllipsePathElement::clone()
{
    auto* copy = new IEllipsePathElement(startPoint(), endPoint());
    copyItemParameters(copy);
    return copy;
}

void IEllipsePathElement::rebuild()
{
    QPainterPath ellipse;
    ellipse.addEllipse(rect().normalized());
    setPath(ellipse);
    setItemRegion(QRegion(grownRect(rect()), QRegion::Ellipse));
}
