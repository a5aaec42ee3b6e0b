#ifndef ICIRCLEPATHELEMENT_H
#define ICIRCLEPATHELEMENT_H

#include "board/path/ishapepathelement.h"

// A circle inscribed in the square that starts at the start point and reaches towards the end
// point as far as the larger of the drag's width and height.
class ICirclePathElement : public IShapePathElement {
public:
    explicit ICirclePathElement(QGraphicsItem* parent = nullptr);
    ICirclePathElement(const QPointF& start, const QPointF& end, QGraphicsItem* parent = nullptr);

    IElement* clone() override;

protected:
    void rebuild() override;
};

#endif  // ICIRCLEPATHELEMENT_H
