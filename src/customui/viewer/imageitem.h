#ifndef IMAGEITEM_H
#define IMAGEITEM_H

#include "board/ipixmapitem.h"

// The picture of the picture viewer: drawn like the board's camera picture (aspect kept, into the
// display size, from (0, 0)), filled with the picture file the viewer read.
class ImageItem : public IPixmapItem {
public:
    explicit ImageItem(const QSize& displaySize, QGraphicsItem* parent = nullptr);
};

#endif  // IMAGEITEM_H
