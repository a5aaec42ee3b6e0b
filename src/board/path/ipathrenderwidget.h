#ifndef IPATHRENDERWIDGET_H
#define IPATHRENDERWIDGET_H

#include <QGraphicsRectItem>
#include <QImage>
#include <QRegion>

class IBoard;
class IDeviceEvent;

// The pen's live preview: a transparent image over the picture into which each pointer move
// paints one capsule, so drawing stays fast however long the stroke grows. It also collects the
// stroke's region (each segment's capsule 10 units wider), which becomes the element's item
// region. Not an element: overlays and page clearing never see it.
class IPathRenderWidget : public QGraphicsRectItem {
public:
    explicit IPathRenderWidget(IBoard* board);

    // On: covers the picture's current rectangle on the current page, empties the region and
    // shows. Off: clears what was painted and hides.
    virtual void setActive(bool active);
    virtual void startAt(IDeviceEvent* record);
    virtual void lineTo(IDeviceEvent* record);
    virtual void finishAt(IDeviceEvent* record);
    virtual QRegion region() const { return region_; }
    virtual void drawSegment(QPointF from, QPointF to);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // A record's position truncated to whole view pixels and mapped to the scene.
    static QPointF scenePoint(const IBoard* board, const IDeviceEvent* record);

private:
    void followCurrentPage();
    void coverPicture();
    void clearPainted();

    bool setUpPending_ = true;
    IBoard* board_;
    QPointF lastPoint_;
    QImage image_;
    QRegion region_;
    // The part of the image painted since it was last cleared, in image coordinates.
    QRect painted_;
};

#endif  // IPATHRENDERWIDGET_H
