#ifndef ILINEPATHELEMENT_H
#define ILINEPATHELEMENT_H

#include "board/path/ishapepathelement.h"

// A straight line: a filled band of the element's width with round ends, from the start to
// the end point. Hit tests use the band 10 wider.
class ILinePathElement : public IShapePathElement {
public:
    explicit ILinePathElement(QGraphicsItem* parent = nullptr);
    ILinePathElement(const QPointF& start, const QPointF& end, QGraphicsItem* parent = nullptr);

    QLineF line() const { return QLineF(startPoint(), endPoint()); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() override;

protected:
    void rebuild() override;
};

#endif  // ILINEPATHELEMENT_H
