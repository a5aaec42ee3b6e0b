#ifndef IELLIPSEPATHELEMENT_H
#define IELLIPSEPATHELEMENT_H

#include "board/path/ishapepathelement.h"

// An ellipse inscribed in the rectangle from the start to the end point.
class IEllipsePathElement : public IShapePathElement {
public:
    explicit IEllipsePathElement(QGraphicsItem* parent = nullptr);
    IEllipsePathElement(const QPointF& start, const QPointF& end, QGraphicsItem* parent = nullptr);

    IElement* clone() override;

protected:
    void rebuild() override;
};

#endif  // IELLIPSEPATHELEMENT_H
