#ifndef IMAGEITEM_H
#define IMAGEITEM_H

#include <QString>

#include "board/ipixmapitem.h"

// The picture of the picture viewer: drawn like the board's camera picture (aspect kept, into the
// display size, from (0, 0)), filled from a picture file.
class ImageItem : public IPixmapItem {
public:
    explicit ImageItem(const QSize& displaySize, QGraphicsItem* parent = nullptr);

    enum class FileResult { Shown, Unreadable, TooLarge };

    // Shows the picture stored at `path`. Its header is read first: a file that cannot be read or
    // holds a picture above the program's pixel limit leaves the item as it was.
    FileResult setImageFile(const QString& path);
};

#endif  // IMAGEITEM_H
