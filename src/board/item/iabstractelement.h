#ifndef IABSTRACTELEMENT_H
#define IABSTRACTELEMENT_H

#include <QGraphicsPathItem>
#include <QGraphicsTextItem>

#include "board/item/ielementimpl.h"

// The abstract element bases: a Qt item class joined to the element interface. They keep the
// Qt item's type id; the concrete element classes set the element type ids.
class IAbstractGraphicsTextElement : public QGraphicsTextItem,
                                     public IElementImpl<IAbstractGraphicsTextElement> {
    Q_OBJECT
public:
    explicit IAbstractGraphicsTextElement(QGraphicsItem* parent = nullptr);

    // Both QObject and the element interface name these; keep both overload sets reachable.
    using IElementImpl<IAbstractGraphicsTextElement>::property;
    using IElementImpl<IAbstractGraphicsTextElement>::setProperty;
    using IElementImpl<IAbstractGraphicsTextElement>::setUserData;
    using QGraphicsTextItem::property;
    using QGraphicsTextItem::setProperty;
    using QGraphicsTextItem::setUserData;
};

class IAbstractPathElement : public QGraphicsPathItem, public IElementImpl<IAbstractPathElement> {
public:
    explicit IAbstractPathElement(QGraphicsItem* parent = nullptr);
};

#endif  // IABSTRACTELEMENT_H
