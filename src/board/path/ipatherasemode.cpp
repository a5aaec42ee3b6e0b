#include "ipatherasemode.h"

#include <QDebug>
#include <QGraphicsEllipseItem>
#include <QUndoStack>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/islide.h"
#include "board/path/capsule.h"
#include "board/path/ipathelement.h"
#include "board/undo/ierasecommand.h"

IPathEraseMode::IPathEraseMode(IBoard* board) : IMode(board) {}

IPathEraseMode::~IPathEraseMode()
{
    delete rub_;
}

QPointF IPathEraseMode::scenePoint(const IDeviceEvent* record) const
{
    return board()->mapToScene(record->position().toPoint());
}

double IPathEraseMode::eraserWidth() const
{
    return boardState()->pointEraserSize().width();
}

void IPathEraseMode::activate()
{
    board()->applyCursorImage(QStringLiteral(":/cursors/cursors/eraser.png"));
}

void IPathEraseMode::deactivate()
{
    erasing_ = false;
    finishErase();
    IMode::deactivate();
}

void IPathEraseMode::press(IDeviceEvent* record)
{
    showEraser(true);
    if (erasing_) {
        return;
    }
    erasing_ = true;
    beginErase(scenePoint(record));
}

void IPathEraseMode::move(IDeviceEvent* record)
{
    if (erasing_) {
        continueErase(scenePoint(record));
    }
}

void IPathEraseMode::release(IDeviceEvent*)
{
    if (erasing_) {
        erasing_ = false;
        finishErase();
    }
}

void IPathEraseMode::beginErase(const QPointF& point)
{
    lastPoint_ = point;
    eraseTo(point, eraserWidth());  // a tap erases a disc
    placeCircle(point);
}

void IPathEraseMode::continueErase(const QPointF& point)
{
    eraseTo(point, eraserWidth());
    placeCircle(point);
}

void IPathEraseMode::placeCircle(const QPointF& point)
{
    if (!circle_) {
        return;
    }
    const double d = int(eraserWidth()) / board()->viewScale();
    circle_->setRect(point.x() - d * 0.5, point.y() - d * 0.5, d, d);
    circle_->show();
}

void IPathEraseMode::eraseTo(const QPointF& point, const double& width)
{
    const QPointF from = lastPoint_;
    lastPoint_ = point;
    ISlide* page = board()->currentSlide();
    if (!page) {
        return;
    }
    // Divided by the zoom, so the eraser keeps its size on screen.
    const double w = width / board()->viewScale();
    const QRegion area = capsuleRegion(from, point, w);
    const QList<QGraphicsItem*> under = page->items(
        QRectF(area.boundingRect()), Qt::IntersectsItemBoundingRect, Qt::DescendingOrder);
    for (QGraphicsItem* item : under) {
        if (item->type() == IElement::TextElementType) {
            qDebug() << "erase KM_RichText...";
            continue;
        }
        auto* element =
            item->type() == IElement::PathElementType ? dynamic_cast<IPathElement*>(item) : nullptr;
        if (!element || element->isLocked()) {
            continue;
        }
        // Region in the element's own coordinates; for an unmoved element the same.
        const QRegion r = item->sceneTransform().isIdentity()
                              ? area
                              : item->sceneTransform().inverted().map(area);
        // Growing the erase region re-strokes the element: skip those where the eraser meets
        // nothing left to rub out.
        if (!element->visibleRegion().intersects(r)) {
            continue;
        }
        if (rub_ && rub_->page() != page) {
            finishErase();
        }
        if (!rub_) {
            rub_ = new IEraseCommand(page);
        }
        rub_->touch(element);
        if (element->addEraseRegion(r)) {
            rub_->takeOff(element);
        }
    }
}

void IPathEraseMode::finishErase()
{
    showEraser(false);
    IEraseCommand* rub = rub_;
    rub_ = nullptr;
    if (!rub) {
        return;
    }
    rub->seal();
    rub->page()->undoStack()->push(rub);
}

void IPathEraseMode::showEraser(bool on)
{
    if (!circle_) {
        ISlide* page = board()->currentSlide();
        if (!on || !page) {
            return;
        }
        circle_ = new QGraphicsEllipseItem;
        circle_->hide();
        circle_->setZValue(EraserZ);
        adoptSceneItem(circle_);
        page->addItem(circle_);
    }
    if (on) {
        circle_->show();
        return;
    }
    deleteSceneItem(circle_);
    circle_ = nullptr;
}
