#ifndef IARROWPATHELEMENT_H
#define IARROWPATHELEMENT_H

#include "board/path/ishapepathelement.h"

// An arrow: a straight line of the element's width from the start point with a filled head
// whose tip is the end point. The head grows with the width; on a line shorter than the head
// the head shrinks to the line's length.
class IArrowPathElement : public IShapePathElement {
public:
    explicit IArrowPathElement(QGraphicsItem* parent = nullptr);
    IArrowPathElement(const QPointF& start, const QPointF& end, QGraphicsItem* parent = nullptr);

    // The head's length and half its base width for a line `width` wide.
    static double headLength(int width) { return 3.0 * width + 12; }
    static double headHalfWidth(int width) { return 1.5 * width + 6; }

    QLineF line() const { return QLineF(startPoint(), endPoint()); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() override;

protected:
    void rebuild() override;
};

#endif  // IARROWPATHELEMENT_H
