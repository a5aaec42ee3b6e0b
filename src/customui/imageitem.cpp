#include "customui/imageitem.h"

#include <QDebug>

#include "customui/ipicturefile.h"

ImageItem::ImageItem(const QSize& displaySize, QGraphicsItem* parent)
    : IPixmapItem(displaySize, parent)
{
}

ImageItem::FileResult ImageItem::setImageFile(const QString& path)
{
    // No scaled size: the picture keeps its stored size, since the viewer zooms into it up to 30x.
    const IPictureFile::Reduced read = IPictureFile::readReduced(path, QSize());
    if (read.image.isNull()) {
        qDebug() << "picture viewer cannot show" << path << ":" << read.error;
        const qint64 pixels = qint64(read.sourceSize.width()) * read.sourceSize.height();
        return pixels > IPictureFile::kMaxPixels ? FileResult::TooLarge : FileResult::Unreadable;
    }
    setImage(read.image);
    return FileResult::Shown;
}
