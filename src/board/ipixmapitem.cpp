#include "ipixmapitem.h"

#include <QDebug>
#include <QPainter>

#include "diagnostics/ilivepathprobe.h"
#include "platform/video/iviewscale.h"

IPixmapItem::IPixmapItem(const QSize& displaySize, QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent), displaySize_(displaySize)
{
}

QSize IPixmapItem::paintedSize() const
{
    if (image_.isNull() || displaySize_.isEmpty()) {
        return QSize(0, 0);
    }
    // A frame made smaller for the view lays out as the camera's picture.
    return fullSize_.scaled(displaySize_, Qt::KeepAspectRatio);
}

QRectF IPixmapItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), paintedSize());
}

QPainterPath IPixmapItem::opaqueArea() const
{
    QPainterPath area;
    if (!image_.isNull() && !image_.hasAlphaChannel()) {
        area.addRect(boundingRect());
    }
    return area;
}

void IPixmapItem::setImage(const QImage& image)
{
    if (image.isNull()) {
        if (!droppedNullFrame_) {
            qDebug() << "empty camera frame ignored, the last picture stays";
        }
        droppedNullFrame_ = true;
        return;
    }
    droppedNullFrame_ = false;
    const QSize fullSize = IViewScale::fullSize(image);
    if (fullSize != fullSize_) {
        prepareGeometryChange();
    }
    image_ = image;
    fullSize_ = fullSize;
    update();
}

void IPixmapItem::detachImage()
{
    image_ = image_.copy();
    update();
}

void IPixmapItem::setDisplaySize(const QSize& size)
{
    prepareGeometryChange();
    displaySize_ = size;
    update();
}

void IPixmapItem::prepareForDrawing()
{
    // The raster engine draws these two formats directly; any other would be converted inside
    // every draw call, so the frame is converted once, at its first paint.
    const QImage::Format format = image_.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) {
        image_ = image_.convertToFormat(
            image_.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
}

void IPixmapItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF target = boundingRect();
    if (target.isEmpty()) {
        return;
    }
    const qint64 frame = image_.cacheKey();  // the key the mailbox saw, before any conversion
    prepareForDrawing();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(target, image_);
    if (ILivePathProbe* probe = ILivePathProbe::installed()) {
        probe->framePainted(frame);
    }
}
