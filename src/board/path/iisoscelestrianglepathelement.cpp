#include "iisoscelestrianglepathelement.h"

IIsoscelesTrianglePathElement::IIsoscelesTrianglePathElement(QGraphicsItem* parent)
    : IShapePathElement(parent)
{
    setPathKind(6);
}

IIsoscelesTrianglePathElement::IIsoscelesTrianglePathElement(const QPointF& start,
                                                             const QPointF& end,
                                                             QGraphicsItem* parent)
    : IIsoscelesTrianglePathElement(parent)
{
    setPoints(start, end);
}

IElement* IIsoscelesTrianglePathElement::clone()
{
    auto* copy = new IIsoscelesTrianglePathElement(startPoint(), endPoint());
    copyItemParameters(copy);
    return copy;
}

void IIsoscelesTrianglePathElement::rebuild()
{
    const double x = startPoint().x();
    const double y = startPoint().y();
    const int w = int(rect().width());
    const int h = int(rect().height());
    QPainterPath triangle(QPointF(x + w / 2, y));
    triangle.lineTo(x + w, y + h);
    triangle.lineTo(x, y + h);
    triangle.closeSubpath();
    setPath(triangle);
    setItemRegion(QRegion(grownRect(rect())));
}
