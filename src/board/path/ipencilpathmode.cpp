#include "ipencilpathmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/islide.h"
#include "board/path/ipathrenderwidget.h"
#include "board/path/ipencilpathelement.h"
#include "board/path/recolorimage.h"
#include "board/undo/ielementscommand.h"

IPencilPathMode::IPencilPathMode(IBoard* board)
    : IInkBaseMode(board), preview_(new IPathRenderWidget(board))
{
    adoptSceneItem(preview_);
    preview_->setActive(false);
}

QCursor IPencilPathMode::penCursor(const QColor& ink)
{
    const QImage pencil(QStringLiteral(":/cursors/cursors/pencil_red.png"));
    return QCursor(QPixmap::fromImage(recolorImage(pencil, Qt::red, ink, 40)), 4, 16);
}

void IPencilPathMode::press(IDeviceEvent* record)
{
    IMode::press(record);
    if (points_.contains(record->deviceId()) || !board()->currentSlide()) {
        return;
    }
    points_.insert(record->deviceId(), {IPathRenderWidget::scenePoint(board(), record)});
    preview_->setActive(true);
    preview_->startAt(record);
}

void IPencilPathMode::move(IDeviceEvent* record)
{
    auto stroke = points_.find(record->deviceId());
    if (stroke == points_.end()) {
        return;
    }
    stroke->append(IPathRenderWidget::scenePoint(board(), record));
    preview_->lineTo(record);
}

void IPencilPathMode::release(IDeviceEvent* record)
{
    if (points_.contains(record->deviceId())) {
        finishStroke(record->deviceId(), IPathRenderWidget::scenePoint(board(), record), record);
    }
}

void IPencilPathMode::finishStroke(int deviceId, const QPointF& last, IDeviceEvent* record)
{
    QVector<QPointF> points = points_.take(deviceId);
    points.append(last);
    if (record) {
        preview_->finishAt(record);
    }
    preview_->setActive(false);
    if (!board()->currentSlide()) {
        return;
    }
    IPencilPathElement* element = createElement();
    element->setItemRegion(preview_->region());
    element->addDrawPoints(points);
    IElementsCommand::recordAdded(board()->currentSlide(), {element});
}

void IPencilPathMode::activate()
{
    cursor_ = penCursor(boardState()->inkColor());
    board()->applyCursor(cursor_);
}

void IPencilPathMode::deactivate()
{
    const QList<int> open = points_.keys();
    for (int id : open) {
        finishStroke(id, points_.value(id).last(), nullptr);
    }
    preview_->setActive(false);
    IInkBaseMode::deactivate();
}

IPencilPathElement* IPencilPathMode::createElement()
{
    const IBoardState* state = boardState();
    auto* element = new IPencilPathElement;
    element->setVisible(true);
    element->setPathOpacity(state->inkOpacity());
    element->setColor(state->inkColor());
    element->setWidth(int(state->inkThickness()));
    board()->currentSlide()->addElement(element, false);
    return element;
}
