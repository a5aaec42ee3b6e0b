#include "irectanglepathelement.h"

IRectanglePathElement::IRectanglePathElement(QGraphicsItem* parent) : IShapePathElement(parent)
{
    setPathKind(5);
}

IRectanglePathElement::IRectanglePathElement(const QPointF& start, const QPointF& end,
                                             QGraphicsItem* parent)
    : IRectanglePathElement(parent)
{
    setPoints(start, end);
}

IElement* IRectanglePathElement::clone()
{
    auto* copy = new IRectanglePathElement(startPoint(), endPoint());
    copyItemParameters(copy);
    return copy;
}

void IRectanglePathElement::rebuild()
{
    QPainterPath box;
    box.addRect(rect().normalized());
    setPath(box);
    setItemRegion(QRegion(grownRect(rect())));
}
