#include "iarrowpathelement.h"

#include <QPainter>

#include "board/path/capsule.h"

IArrowPathElement::IArrowPathElement(QGraphicsItem* parent) : IShapePathElement(parent)
{
    setPathKind(7);
}

IArrowPathElement::IArrowPathElement(const QPointF& start, const QPointF& end,
                                     QGraphicsItem* parent)
    : IArrowPathElement(parent)
{
    setPoints(start, end);
}

IElement* IArrowPathElement::clone()
{
    auto* copy = new IArrowPathElement(startPoint(), endPoint());
    copyItemParameters(copy);
    return copy;
}

void IArrowPathElement::rebuild()
{
    const QLineF shaft = line();
    const double length = shaft.length();
    QPainterPath outline;
    if (length <= 0) {
        outline.addPolygon(capsulePolygon(startPoint(), endPoint(), width()));
        setPath(outline);
        setItemRegion(capsuleRegion(startPoint(), endPoint(), width() + 10));
        return;
    }
    const double head = qMin(headLength(width()), length);
    const double half = headHalfWidth(width()) * head / headLength(width());
    const QPointF along = (shaft.p2() - shaft.p1()) / length;
    const QPointF across(-along.y(), along.x());
    const QPointF base = endPoint() - along * head;
    outline.addPolygon(capsulePolygon(startPoint(), base, width()));
    QPainterPath tip;
    tip.addPolygon(QPolygonF({endPoint(), base + across * half, base - across * half}));
    tip.closeSubpath();
    setPath(outline.united(tip));
    setItemRegion(capsuleRegion(startPoint(), base, width() + 10) +
                  capsuleRegion(base, endPoint(), 2 * half + 10));
}

void IArrowPathElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
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
