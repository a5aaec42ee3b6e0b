#ifndef IISOSCELESTRIANGLEPATHELEMENT_H
#define IISOSCELESTRIANGLEPATHELEMENT_H

#include "board/path/ishapepathelement.h"

// An isosceles triangle in the rectangle from the start to the end point, its apex on the start
// point's row: dragged upwards it stands on its apex.
class IIsoscelesTrianglePathElement : public IShapePathElement {
public:
    explicit IIsoscelesTrianglePathElement(QGraphicsItem* parent = nullptr);
    IIsoscelesTrianglePathElement(const QPointF& start, const QPointF& end,
                                  QGraphicsItem* parent = nullptr);

    IElement* clone() override;

protected:
    void rebuild() override;
};

#endif  // IISOSCELESTRIANGLEPATHELEMENT_H
