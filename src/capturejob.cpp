#include "capturejob.h"

QPointF overlayFactors(const QSizeF& picture, const QSizeF& background)
{
    if (picture.isEmpty() || background.isEmpty()) {
        return QPointF(0, 0);
    }
    return QPointF(picture.width() / background.width(), picture.height() / background.height());
}

QRect captureRectInPicture(const QRectF& sceneRect, const QRectF& background,
                           const QPointF& factors, const QSize& picture)
{
    if (sceneRect.isEmpty() || !(factors.x() > 0) || !(factors.y() > 0)) {
        return QRect();
    }
    const QRectF inPicture((sceneRect.left() - background.left()) * factors.x(),
                           (sceneRect.top() - background.top()) * factors.y(),
                           sceneRect.width() * factors.x(), sceneRect.height() * factors.y());
    return inPicture.toRect().intersected(QRect(QPoint(0, 0), picture));
}
