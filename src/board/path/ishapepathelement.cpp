#include "ishapepathelement.h"

#include <QPainter>
#include <typeinfo>

IShapePathElement::IShapePathElement(QGraphicsItem* parent) : IPathElement(parent)
{
    setFlag(ItemSendsGeometryChanges, true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemIsMovable, false);
    setId(newId());
}

void IShapePathElement::setEndPoint(const QPointF& point)
{
    end_ = point;
    setPoints(start_, end_);
}

void IShapePathElement::setPoints(const QPointF& start, const QPointF& end)
{
    start_ = start;
    end_ = end;
    prepareGeometryChange();
    rebuild();
    update();
}

void IShapePathElement::setFilled(bool filled)
{
    filled_ = filled;
    update();
}

void IShapePathElement::setRect(const QRectF& rect)
{
    setPoints(rect.topLeft(), rect.bottomRight());
}

void IShapePathElement::storeRect(const QRectF& rect)
{
    start_ = rect.topLeft();
    end_ = rect.bottomRight();
}

QRect IShapePathElement::grownRect(const QRectF& rect) const
{
    const double w = width();
    return rect.normalized().adjusted(-w, -w, w, w).toAlignedRect();
}

void IShapePathElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                              QWidget* widget)
{
    QColor fill = fillColor();
    fill.setAlpha(pathOpacity());
    setPen(QPen(QBrush(color()), width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    setBrush(filled_ ? QBrush(fill, Qt::SolidPattern) : QBrush(Qt::NoBrush));
    painter->setPen(pen());
    painter->setBrush(brush());
    IPathElement::paint(painter, option, widget);
}

void IShapePathElement::copyItemParameters(IElement* target) const
{
    if (!target || typeid(*target) != typeid(*this)) {
        return;
    }
    auto* other = static_cast<IShapePathElement*>(target);
    IPathElement::copyItemParameters(other);
    other->setFilled(filled_);
    // After the width, which the line's band depends on; the regions stay those copied.
    const QRegion items = itemRegion();
    other->setPoints(start_, end_);
    other->setItemRegion(items);
}
