#ifndef IRECTANGLEPATHELEMENT_H
#define IRECTANGLEPATHELEMENT_H

#include "board/path/ishapepathelement.h"

// The rectangle from the start to the end point.
class IRectanglePathElement : public IShapePathElement {
public:
    explicit IRectanglePathElement(QGraphicsItem* parent = nullptr);
    IRectanglePathElement(const QPointF& start, const QPointF& end,
                          QGraphicsItem* parent = nullptr);

    IElement* clone() override;

protected:
    void rebuild() override;
};

#endif  // IRECTANGLEPATHELEMENT_H
