#include "customui/viewer/imageitem.h"

ImageItem::ImageItem(const QSize& displaySize, QGraphicsItem* parent)
    : IPixmapItem(displaySize, parent)
{
}
