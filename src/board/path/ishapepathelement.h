#ifndef ISHAPEPATHELEMENT_H
#define ISHAPEPATHELEMENT_H

#include "board/path/ipathelement.h"

// Base of the shapes drawn by one drag (line, circle, ellipse, rectangle, triangle): a start and
// an end point in scene coordinates from which each shape builds its path and item region.
class IShapePathElement : public IPathElement {
public:
    explicit IShapePathElement(QGraphicsItem* parent = nullptr);

    virtual void setStartPoint(const QPointF& point) { start_ = point; }
    virtual QPointF startPoint() const { return start_; }
    // Stores the end point and rebuilds the geometry.
    virtual void setEndPoint(const QPointF& point);
    virtual QPointF endPoint() const { return end_; }
    virtual void setPoints(const QPointF& start, const QPointF& end);
    // The rectangle from start to end, not normalised.
    virtual void setRect(const QRectF& rect);
    virtual QRectF rect() const { return QRectF(start_, end_); }
    // An unfilled shape draws its outline only; lines and arrows are always solid.
    void setFilled(bool filled);
    bool isFilled() const { return filled_; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    // Copies only to a shape of the same class: the look, the regions and the points.
    void copyItemParameters(IElement* target) const override;

protected:
    // Builds path and item region from the stored points.
    virtual void rebuild() = 0;
    // Stores the corners of `rect` as start and end points.
    void storeRect(const QRectF& rect);
    // `rect` grown by the width on all four sides, in whole pixels.
    QRect grownRect(const QRectF& rect) const;

private:
    QPointF start_;
    QPointF end_;
    bool filled_ = true;
};

#endif  // ISHAPEPATHELEMENT_H
