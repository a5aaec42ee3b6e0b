#ifndef IPATHELEMENT_H
#define IPATHELEMENT_H

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QRegion>

#include "board/item/iabstractelement.h"

// Base of the painter-path elements (pen strokes and path shapes). Besides its path it keeps the
// region it covers (item region) and the region rubbed out of it (erase region), both in item
// coordinates, and paints the path clipped to item region minus erase region: erasing never
// rebuilds the path. Subclasses choose the pen and brush in paint() and call this paint().
class IPathElement : public IAbstractPathElement {
public:
    explicit IPathElement(QGraphicsItem* parent = nullptr);

    virtual int pathKind() const { return pathKind_; }
    virtual void setPathKind(int kind) { pathKind_ = kind; }
    // The pen and brush last used to paint the element (not those of QGraphicsPathItem).
    virtual void setPen(const QPen& pen) { pen_ = pen; }
    virtual QPen pen() const { return pen_; }
    virtual void setBrush(const QBrush& brush) { brush_ = brush; }
    virtual QBrush brush() const { return brush_; }
    virtual void setColor(const QColor& color);
    virtual QColor color() const { return color_; }
    virtual void setFillColor(const QColor& color);
    virtual QColor fillColor() const { return fillColor_; }
    virtual void setWidth(const int& width);
    virtual int width() const { return width_; }
    // The alpha (0-255) the colour is painted with.
    virtual void setPathOpacity(const int& opacity);
    virtual int pathOpacity() const { return opacity_; }
    // Adds `region` to the erased area; true when nothing of the item region is left, and the
    // caller then takes the element off its page and deletes it.
    virtual bool addEraseRegion(const QRegion& region);
    virtual void setItemRegion(const QRegion& region);
    // An empty item region counts as the bounding rectangle (whole pixels).
    virtual QRegion itemRegion() const;
    QRegion eraseRegion() const { return eraseRegion_; }
    // Replaces the erased area (the history puts back an earlier one).
    void setEraseRegion(const QRegion& region);
    // What is left to see: item region minus erase region.
    QRegion visibleRegion() const;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    int type() const override { return PathElementType; }

    // Path elements offer only the user keys 33-36.
    void setProperty(int key, QVariant value) override;
    QVariant property(int key) const override;
    // Copies the common element parameters and, to another path element, the look and both
    // regions.
    void copyItemParameters(IElement* target) const override;

protected:
    // Draws the path with the painter's pen and brush, clipped already; `exposed` is the part
    // of the item to repaint, in item coordinates.
    virtual void drawContent(QPainter* painter, const QRectF& exposed);

private:
    QPen pen_;
    QBrush brush_;
    int opacity_ = 255;
    QColor color_;
    QColor fillColor_;
    int width_ = 0;
    int pathKind_ = 0;
    // Filled in from the bounding rectangle on first use when nobody set it.
    mutable QRegion itemRegion_;
    QRegion eraseRegion_;
    // Kept up to date while erasing, so a rub step does not recompute it from both regions.
    mutable QRegion visibleRegion_;
    mutable bool visibleRegionValid_ = false;
};

#endif  // IPATHELEMENT_H
