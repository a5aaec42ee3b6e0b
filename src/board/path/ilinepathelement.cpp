#include "ilinepathelement.h"

#include <QPainter>

#include "board/path/capsule.h"

ILinePathElement::ILinePathElement(QGraphicsItem* parent) : IShapePathElement(parent)
{
    setPathKind(2);
}

ILinePathElement::ILinePathElement(const QPointF& start, const QPointF& end, QGraphicsItem* parent)
    : ILinePathElement(parent)
{
    setPoints(start, end);
}

IElement* ILinePathElement::clone()
{
    auto* copy = new ILinePathElement(startPoint(), endPoint());
    copyItemParameters(copy);
    return copy;
}

void ILinePathElement::rebuild()
{
    QPainterPath band;
    band.addPolygon(capsulePolygon(startPoint(), endPoint(), width()));
    setPath(band);
    setItemRegion(capsuleRegion(startPoint(), endPoint(), width() + 10));
}

void ILinePathElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                             QWidget* widget)
{
    QColor c = color();
    c.setAlpha(pathOpacity());
    setPen(QPen(Qt::NoPen));
    setBrush(QBrush(c, Qt::SolidPattern));
    painter->setPen(pen());
    painter->setBrush(brush());
    IPathElement::paint(painter, option, widget);
}
