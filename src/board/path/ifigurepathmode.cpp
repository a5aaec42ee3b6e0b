#include "ifigurepathmode.h"

#include <QDebug>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/islide.h"
#include "board/path/iarrowpathelement.h"
#include "board/path/icirclepathelement.h"
#include "board/path/iellipsepathelement.h"
#include "board/path/iisoscelestrianglepathelement.h"
#include "board/path/ilinepathelement.h"
#include "board/path/ipathrenderwidget.h"
#include "board/path/irectanglepathelement.h"
#include "board/undo/ielementscommand.h"

IFigurePathMode::IFigurePathMode(IBoard* board) : IMode(board) {}

void IFigurePathMode::press(IDeviceEvent* record)
{
    IMode::press(record);
    ISlide* page = board()->currentSlide();
    if (current_ || !page) {
        return;
    }
    const QPointF p = IPathRenderWidget::scenePoint(board(), record);
    IShapePathElement* element = createElement();
    element->setPoints(p, p);
    // Quiet: the shape is announced once finished, through the page's change signal.
    page->addElement(element, true);
    element->setVisible(true);
    page_ = page;
    deviceId_ = record->deviceId();
}

void IFigurePathMode::move(IDeviceEvent* record)
{
    IMode::move(record);
    if (stillOnPage() && record->deviceId() == deviceId_) {
        current_->setEndPoint(IPathRenderWidget::scenePoint(board(), record));
    }
}

bool IFigurePathMode::stillOnPage() const
{
    // The page may have been removed, or cleared, while the drag went on.
    return current_ && page_ && page_->elements().contains(current_);
}

void IFigurePathMode::release(IDeviceEvent* record)
{
    IMode::release(record);
    if (current_ && record->deviceId() == deviceId_) {
        // The release point counts even when no move reported it.
        if (stillOnPage()) {
            current_->setEndPoint(IPathRenderWidget::scenePoint(board(), record));
        }
        finish();
    }
}

void IFigurePathMode::activate()
{
    switch (figureKind_) {
        case Circle:
        case Ellipse:
            board()->applyCursorImage(QStringLiteral(":/cursors/cursors/fe_2d_circl.png"));
            break;
        case Rectangle:
            board()->applyCursorImage(QStringLiteral(":/cursors/cursors/fe_2d_rectangle.png"));
            break;
        case Triangle:
            board()->applyCursorImage(QStringLiteral(":/cursors/cursors/fe_2d_tri.png"));
            break;
        default:
            board()->applyCursorImage(QStringLiteral(":/cursors/cursors/fe_line_line.png"));
    }
}

void IFigurePathMode::deactivate()
{
    if (current_) {
        finish();
    }
    IMode::deactivate();
}

IShapePathElement* IFigurePathMode::createElement()
{
    switch (figureKind_) {
        case Circle:
            current_ = new ICirclePathElement;
            break;
        case Ellipse:
            current_ = new IEllipsePathElement;
            break;
        case Rectangle:
            current_ = new IRectanglePathElement;
            break;
        case Triangle:
            current_ = new IIsoscelesTrianglePathElement;
            break;
        case Arrow:
            current_ = new IArrowPathElement;
            break;
        default:
            current_ = new ILinePathElement;
    }
    const IBoardState* state = boardState();
    current_->setColor(state->inkColor());
    current_->setPathOpacity(state->inkOpacity());
    current_->setWidth(int(state->inkThickness()));
    current_->setFillColor(state->inkColor());
    current_->setFilled(state->shapeFilled());
    return current_;
}

void IFigurePathMode::finish()
{
    deviceId_ = -1;
    if (!stillOnPage()) {
        current_ = nullptr;
        return;
    }
    switch (figureKind_) {
        case Circle:
            current_->setRect(normalizeRect(current_->rect()));
            if (clipToPicture()) {
                discard();
            }
            break;
        case Ellipse:
        case Rectangle:
            current_->setRect(normalizeRect(current_->rect()));
            break;
        case Triangle:
            break;
        default:  // line and arrow
            if (qAbs(current_->startPoint().x() - current_->endPoint().x()) <= 1e-12 &&
                qAbs(current_->startPoint().y() - current_->endPoint().y()) <= 1e-12) {
                discard();
            }
    }
    if (current_) {
        IElementsCommand::recordAdded(page_, {current_});
    }
    current_ = nullptr;
    page_ = nullptr;
}

bool IFigurePathMode::clipToPicture()
{
    const double w = current_->width();
    const QRectF inside =
        current_->rect().adjusted(-w, -w, w, w).intersected(board()->backgroundRect());
    const QRegion outside = current_->itemRegion().subtracted(QRegion(inside.toAlignedRect()));
    if (outside.isEmpty()) {
        return false;
    }
    const bool gone = current_->addEraseRegion(outside);
    current_->update();
    return gone;
}

void IFigurePathMode::discard()
{
    // Quiet, as the shape was never announced as added.
    if (page_->removeElement(current_, true)) {
        delete current_;
    }
    current_ = nullptr;
}

QRectF IFigurePathMode::normalizeRect(const QRectF& rect)
{
    const double a = rect.width();
    const double b = rect.height();
    if (a < 0 && b < 0) {
        return QRectF(rect.bottomRight(), rect.topLeft());
    }
    if (a > 0 && b < 0) {
        return QRectF(rect.bottomLeft(), rect.topRight());
    }
    if (a < 0 && b > 0) {
        return QRectF(rect.topRight(), rect.bottomLeft());
    }
    return rect;
}
