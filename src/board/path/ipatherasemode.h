#ifndef IPATHERASEMODE_H
#define IPATHERASEMODE_H

#include <QObject>
#include <QPointF>

#include "board/imode.h"

class IEraseCommand;
class QGraphicsEllipseItem;

// The PathErase mode: the stroke eraser. A circle of fixed on-screen size rubs out parts of
// path elements by growing their erase regions; an element with nothing left is taken off the
// page. Each rub, press to release, is one step of the page's history. Text and locked
// elements are never erased.
class IPathEraseMode : public QObject, public IMode {
    Q_OBJECT
public:
    // Above the pen preview and every element.
    static constexpr double EraserZ = 10001000;

    explicit IPathEraseMode(IBoard* board);
    ~IPathEraseMode() override;

    void press(IDeviceEvent* record) override;
    void move(IDeviceEvent* record) override;
    void release(IDeviceEvent* record) override;
    void activate() override;
    // Leaving the eraser mid-rub ends the rub and removes the circle.
    void deactivate() override;

    // Erases along the segment from the last point to `point`, `width` screen pixels wide.
    virtual void eraseTo(const QPointF& point, const double& width);

    QGraphicsEllipseItem* eraserCircle() const { return circle_; }

private:
    QPointF scenePoint(const IDeviceEvent* record) const;
    double eraserWidth() const;
    void beginErase(const QPointF& point);
    void continueErase(const QPointF& point);
    void finishErase();
    void showEraser(bool on);
    void placeCircle(const QPointF& point);

    QGraphicsEllipseItem* circle_ = nullptr;
    bool erasing_ = false;
    QPointF lastPoint_;
    // The rub under way, made on its first change.
    IEraseCommand* rub_ = nullptr;
};

#endif  // IPATHERASEMODE_H
