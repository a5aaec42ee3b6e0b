#include "ipencilpathelement.h"

#include <QDebug>
#include <QPainter>

IPencilPathElement::IPencilPathElement(QGraphicsItem* parent) : IPathElement(parent)
{
    setPathKind(0);
    setFlag(ItemSendsGeometryChanges, true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemIsMovable, false);
    setId(newId());
}

void IPencilPathElement::addDrawPoint(const QPointF& point)
{
    drawPoints_.append(point);
    dot_ = false;
    setPolyline();
}

void IPencilPathElement::addDrawPoints(const QVector<QPointF>& points)
{
    drawPoints_ = points;
    if (points.size() != 2) {
        dot_ = false;
        setPolyline();
        return;
    }
    dot_ = true;
    const int w = width();
    const QPointF& p = points.first();
    QPainterPath disc;
    disc.addEllipse(QRectF(p.x() - w / 2, p.y() - w / 2, w, w));
    setPath(disc);
    qDebug() << "one point";
}

void IPencilPathElement::setPolyline()
{
    QPainterPath line;
    line.addPolygon(QPolygonF(drawPoints_));
    setPath(line);
}

void IPencilPathElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                               QWidget* widget)
{
    QColor c = color();
    c.setAlpha(pathOpacity());
    if (dot_) {
        setPen(QPen(Qt::NoPen));
        setBrush(QBrush(c));
    } else {
        setPen(QPen(QBrush(c), width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        setBrush(QBrush(Qt::NoBrush));
    }
    painter->setPen(pen());
    painter->setBrush(brush());
    IPathElement::paint(painter, option, widget);
}

IElement* IPencilPathElement::clone()
{
    auto* copy = new IPencilPathElement;
    copyItemParameters(copy);
    return copy;
}

void IPencilPathElement::copyItemParameters(IElement* target) const
{
    auto* other = dynamic_cast<IPencilPathElement*>(target);
    if (!other) {
        return;
    }
    IPathElement::copyItemParameters(target);
    // After the width, so a copied dot keeps its size.
    other->addDrawPoints(drawPoints_);
}
