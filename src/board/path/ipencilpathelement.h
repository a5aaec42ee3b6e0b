#ifndef IPENCILPATHELEMENT_H
#define IPENCILPATHELEMENT_H

#include <QVector>

#include "board/path/ipathelement.h"

// A freehand pen stroke: the open polyline through the pointer positions, drawn with round caps
// and joins in its colour with alpha = its opacity. Two points (a press and a release with no
// move between) make a dot: a filled disc of diameter width() at the first point.
class IPencilPathElement : public IPathElement {
public:
    explicit IPencilPathElement(QGraphicsItem* parent = nullptr);

    virtual void addDrawPoint(const QPointF& point);
    virtual void addDrawPoints(const QVector<QPointF>& points);
    virtual QVector<QPointF> drawPoints() const { return drawPoints_; }
    bool isDot() const { return dot_; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    IElement* clone() override;
    void copyItemParameters(IElement* target) const override;

protected:
    // Strokes only the pieces of the line near the exposed area.
    void drawContent(QPainter* painter, const QRectF& exposed) override;

private:
    void setPolyline();
    void drawPieces(QPainter* painter, const QRectF& exposed) const;
    void drawPiecesInLayer(QPainter* painter, const QRectF& exposed) const;

    bool dot_ = false;
    QVector<QPointF> drawPoints_;
    // Bounds of the line's pieces (runs of up to kPiece segments, sharing end points), without
    // the pen width.
    QVector<QRectF> pieceBounds_;
};

#endif  // IPENCILPATHELEMENT_H
