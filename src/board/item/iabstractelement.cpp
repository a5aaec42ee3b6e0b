#include "iabstractelement.h"

IAbstractGraphicsTextElement::IAbstractGraphicsTextElement(QGraphicsItem* parent)
    : QGraphicsTextItem(parent)
{
}

IAbstractPathElement::IAbstractPathElement(QGraphicsItem* parent) : QGraphicsPathItem(parent) {}
