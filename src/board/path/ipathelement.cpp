#include "ipathelement.h"

#include <QDebug>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "board/islide.h"

IPathElement::IPathElement(QGraphicsItem* parent) : IAbstractPathElement(parent)
{
    setZOrder(ISlide::BottomZ);
    setFlag(ItemSendsGeometryChanges, true);
    setFlag(ItemIsSelectable, false);
    // A page full of strokes repaints from cached pixmaps.
    setCacheMode(DeviceCoordinateCache);
}

void IPathElement::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void IPathElement::setFillColor(const QColor& color)
{
    fillColor_ = color;
    update();
}

void IPathElement::setWidth(const int& width)
{
    prepareGeometryChange();
    width_ = width;
    update();
}

void IPathElement::setPathOpacity(const int& opacity)
{
    opacity_ = qBound(0, opacity, 255);
    update();
}

bool IPathElement::addEraseRegion(const QRegion& region)
{
    const QRegion before = visibleRegion();
    eraseRegion_ += region;
    visibleRegion_ = before.subtracted(region);
    if (visibleRegion_.isEmpty()) {
        qDebug() << "delete path item";
        return true;
    }
    update(region.boundingRect());
    return false;
}

void IPathElement::setEraseRegion(const QRegion& region)
{
    eraseRegion_ = region;
    visibleRegionValid_ = false;
    update();
}

void IPathElement::setItemRegion(const QRegion& region)
{
    itemRegion_ = region;
    visibleRegionValid_ = false;
    update();
}

QRegion IPathElement::itemRegion() const
{
    if (itemRegion_.isEmpty()) {
        itemRegion_ = QRegion(boundingRect().toAlignedRect());
        visibleRegionValid_ = false;
    }
    return itemRegion_;
}

QRegion IPathElement::visibleRegion() const
{
    const QRegion item = itemRegion();
    if (!visibleRegionValid_) {
        visibleRegion_ = item.subtracted(eraseRegion_);
        visibleRegionValid_ = true;
    }
    return visibleRegion_;
}

QRectF IPathElement::boundingRect() const
{
    const double w = width_;
    return path().boundingRect().adjusted(-w, -w, w, w);
}

QPainterPath IPathElement::shape() const
{
    QPainterPath box;
    box.addRect(path().boundingRect());
    return box;
}

void IPathElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // Intersected, so the exposed area or an overlay's bounds still limit the drawing.
    painter->setClipRegion(visibleRegion(), Qt::IntersectClip);
    // A caller that leaves the exposed rectangle null wants everything.
    const bool exposedGiven = option && !option->exposedRect.isNull();
    drawContent(painter, exposedGiven ? option->exposedRect : boundingRect());
    painter->restore();
}

void IPathElement::drawContent(QPainter* painter, const QRectF&)
{
    painter->drawPath(path());
}

void IPathElement::setProperty(int key, QVariant value)
{
    IElement::setProperty(key, value);
}

QVariant IPathElement::property(int key) const
{
    return IElement::property(key);
}

void IPathElement::copyItemParameters(IElement* target) const
{
    IAbstractPathElement::copyItemParameters(target);
    auto* other = dynamic_cast<IPathElement*>(target);
    if (!other) {
        return;
    }
    other->setPathKind(pathKind_);
    other->setPen(pen_);
    other->setBrush(brush_);
    other->setColor(color_);
    other->setFillColor(fillColor_);
    other->setWidth(width_);
    other->setPathOpacity(opacity_);
    other->setItemRegion(itemRegion_);
    other->eraseRegion_ = eraseRegion_;
    other->visibleRegionValid_ = false;
}
