#ifndef IPIXMAPITEM_H
#define IPIXMAPITEM_H

#include <QGraphicsPixmapItem>
#include <QImage>
#include <QSize>

// The camera picture under the annotations: the latest frame drawn, aspect kept, into the
// display size. Frames are only stored when they arrive; a frame that is replaced before the
// view paints is never drawn, and each frame is drawn with one scaling draw call.
class IPixmapItem : public QGraphicsPixmapItem {
public:
    explicit IPixmapItem(const QSize& displaySize, QGraphicsItem* parent = nullptr);

    // Shares the frame (no copy). A null frame is ignored and the last one stays.
    virtual void setImage(const QImage& image);
    // Replaces the frame by a deep copy, so it outlives the buffer it came from.
    virtual void detachImage();
    virtual void setDisplaySize(const QSize& size);

    QImage image() const { return image_; }
    QSize displaySize() const { return displaySize_; }

    QRectF boundingRect() const override;
    // The whole bounding rectangle for a frame without transparency, else nothing.
    QPainterPath opaqueArea() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QSize paintedSize() const;
    void prepareForDrawing();

    QImage image_;
    QSize fullSize_;  // the camera's picture size, which image_ may be a smaller copy of
    QSize displaySize_;
    bool droppedNullFrame_ = false;
};

#endif  // IPIXMAPITEM_H
