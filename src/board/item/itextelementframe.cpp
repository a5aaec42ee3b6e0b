#include "board/item/itextelementframe.h"

#include <QAbstractTextDocumentLayout>
#include <QDebug>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QUndoStack>

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ielement.h"
#include "board/item/iresizableitem.h"
#include "board/item/itextelement.h"
#include "board/item/itextframebutton.h"
#include "board/path/ishapepathelement.h"

namespace {

const QColor kOutlineColor(95, 177, 222);
constexpr int kHandleIcon = 24;
constexpr int kLockIcon = 36;
// Pointer travel, in view pixels, before a press on the box becomes a move rather than a tap.
constexpr int kDragStart = 3;
// Room around the outline for its on-screen width at small zoom, in box units.
constexpr double kPaintMargin = 20;

}  // namespace

ITextElementFrame::ITextElementFrame(IBoard* board) : board_(board)
{
    setZValue(2147483647);
    // Input reaches the frame from the select mode and its buttons; Qt's own delivery passes
    // through to the text below, so that clicks place the caret while it is edited.
    setAcceptedMouseButtons(Qt::NoButton);
    setCursor(QCursor(QPixmap(QStringLiteral(":/cursors/cursors/move.png"))));
    const Qt::CursorShape cursors[HandleCount] = {Qt::SizeHorCursor,   Qt::SizeHorCursor,
                                                  Qt::SizeFDiagCursor, Qt::SizeFDiagCursor,
                                                  Qt::SizeBDiagCursor, Qt::SizeBDiagCursor};
    for (int i = 0; i < HandleCount; ++i) {
        auto* b = new ITextFrameButton(QStringLiteral(":/itemframe/resize.svg"), kHandleIcon, this);
        b->setCursor(cursors[i]);
        // On a thin box the handles overlap: the side handles win, the corners stay reachable
        // from outside.
        b->setZValue(i <= RightEdge ? 1 : 0);
        connect(b, &ITextFrameButton::mousePress, this, &ITextElementFrame::inputMousePressEvent);
        connect(b, &ITextFrameButton::mouseMove, this, &ITextElementFrame::inputMouseMoveEvent);
        connect(b, &ITextFrameButton::mouseRelease, this,
                &ITextElementFrame::inputMouseReleaseEvent);
        buttons_[i] = b;
    }
    lock_ = new ITextFrameButton(QStringLiteral(":/itemframe/lock.svg"), kLockIcon, this);
    lock_->setCursor(Qt::ArrowCursor);
    lock_->setAcceptedMouseButtons(Qt::NoButton);
    placeButtons();
}

ITextElementFrame::~ITextElementFrame() = default;

QGraphicsItem* ITextElementFrame::attachedItem() const
{
    // A text box deleted elsewhere is gone at once; other elements are framed only while on
    // the page, whose removals the frame follows.
    return guarded_ && !guard_ ? nullptr : framed_;
}

IElement* ITextElementFrame::element() const
{
    return dynamic_cast<IElement*>(attachedItem());
}

QGraphicsTextItem* ITextElementFrame::textItem() const
{
    return qobject_cast<QGraphicsTextItem*>(guard_.data());
}

ITextElement* ITextElementFrame::textElement() const
{
    return qobject_cast<ITextElement*>(guard_.data());
}

bool ITextElementFrame::isItemEditing() const
{
    const QGraphicsTextItem* text = textItem();
    return text && text->textInteractionFlags() == ITextElement::EditingFlags;
}

bool ITextElementFrame::isOwnPart(const QGraphicsItem* item) const
{
    return item && (item == this || item->parentItem() == this);
}

void ITextElementFrame::setItems(const QList<QGraphicsItem*>& items)
{
    if (items.size() != 1) {
        return;
    }
    QGraphicsItem* item = items.first();
    if (!dynamic_cast<IElement*>(item)) {
        qDebug() << "frame: only elements can be framed";
        return;
    }
    if (item != attachedItem()) {
        detach();
        framed_ = item;
        QGraphicsObject* object = item->toGraphicsObject();
        guard_ = object;
        guarded_ = object != nullptr;
        if (QGraphicsTextItem* text = textItem()) {
            connect(text->document()->documentLayout(),
                    &QAbstractTextDocumentLayout::documentSizeChanged, this,
                    &ITextElementFrame::onDocumentSizeChanged);
        }
        if (ITextElement* text = textElement()) {
            connect(text, &ITextElement::cursorPositionChanged, this,
                    &ITextElementFrame::onCursorPositionChanged);
            connect(text, &ITextElement::endEdit, this, &ITextElementFrame::sgLeaveTextEditor);
        }
        if (object) {
            for (auto changed :
                 {&QGraphicsObject::xChanged, &QGraphicsObject::yChanged,
                  &QGraphicsObject::rotationChanged, &QGraphicsObject::scaleChanged}) {
                connect(object, changed, this, &ITextElementFrame::onDocumentSizeChanged);
            }
        }
        locked_ = element() && element()->isLocked();
    }
    refresh();
}

void ITextElementFrame::showItems(const QList<QGraphicsItem*>& items, bool selected)
{
    setItems(items);
    if (attachedItem()) {
        show();
        setSelected(selected);
    }
}

void ITextElementFrame::hideFrame()
{
    hide();
    afterHide();
}

void ITextElementFrame::setGroupActive(bool active)
{
    if (!active) {
        detach();
    }
}

void ITextElementFrame::detach()
{
    if (!attachedItem()) {
        framed_ = nullptr;
        guarded_ = false;
        return;
    }
    endTextEdit();
    if (guard_) {
        disconnect(guard_, nullptr, this, nullptr);
    }
    if (QGraphicsTextItem* text = textItem()) {
        disconnect(text->document()->documentLayout(), nullptr, this, nullptr);
    }
    framed_ = nullptr;
    guard_ = nullptr;
    guarded_ = false;
    drag_ = Drag::None;
    locked_ = false;
    placeButtons();
    // A frame without a box is never shown.
    hideFrame();
    afterDetach();
}

QVariant ITextElementFrame::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSceneHasChanged) {
        // Erased, cleared or deleted elsewhere: the frame lets go before the element goes away.
        if (page_) {
            disconnect(page_, nullptr, this, nullptr);
        }
        page_ = qobject_cast<ISlide*>(value.value<QGraphicsScene*>());
        if (page_) {
            connect(page_, &ISlide::sgElementsRemovedEvent, this,
                    [this](const QString&, const QList<IElement*>& removed) {
                        onElementsRemoved(removed);
                    });
            // An undo or redo may have moved, reshaped or locked the framed element.
            connect(page_->undoStack(), &QUndoStack::indexChanged, this,
                    &ITextElementFrame::refresh);
        }
    }
    return QGraphicsRectItem::itemChange(change, value);
}

void ITextElementFrame::onElementsRemoved(const QList<IElement*>& elements)
{
    if (element() && elements.contains(element())) {
        detach();
    }
}

void ITextElementFrame::enterTextEdit()
{
    QGraphicsTextItem* text = textItem();
    if (!text || locked_) {
        return;
    }
    if (ITextElement* box = textElement()) {
        box->setEditable(true);
    } else {
        text->setTextInteractionFlags(ITextElement::EditingFlags);
    }
    text->setFocus(Qt::OtherFocusReason);
    update();
    emit sgEnterTextEditor();
}

void ITextElementFrame::endTextEdit()
{
    QGraphicsTextItem* text = textItem();
    if (!text || text->textInteractionFlags() == Qt::NoTextInteraction) {
        return;
    }
    ITextElement* box = textElement();
    if (box) {
        box->setEndEditOnFocusOut(true);
    }
    // A focused box ends its edit itself and says so (endEdit).
    if (text->hasFocus()) {
        text->clearFocus();
    }
    if (text->textInteractionFlags() != Qt::NoTextInteraction) {
        if (box) {
            box->finishEditing();
        } else {
            text->setTextInteractionFlags(Qt::NoTextInteraction);
        }
        emit sgLeaveTextEditor();
    }
    update();
}

void ITextElementFrame::setSelected(bool selected)
{
    selected_ = selected;
    emit sgSelectionChanged(selected);
}

void ITextElementFrame::setLocked(bool locked)
{
    if (locked_ != locked) {
        locked_ = locked;
        placeButtons();
    }
}

void ITextElementFrame::refresh()
{
    if (!attachedItem()) {
        return;
    }
    // The history may have locked or unlocked it.
    locked_ = element() && element()->isLocked();
    // The frame takes the box's own coordinates, so it turns and scales with it.
    const QRectF box = attachedItem()->boundingRect();
    setTransform(attachedItem()->sceneTransform());
    setRect(QRectF(box.topLeft(),
                   QSizeF(qMax(box.width(), MinimumSide), qMax(box.height(), MinimumSide))));
    placeButtons();
}

bool ITextElementFrame::handleEnabled(Handle handle) const
{
    // Text boxes have every handle; shapes move and resize by their corners; strokes only move.
    const QGraphicsItem* item = attachedItem();
    const bool text = item && item->type() == IElement::TextElementType;
    const bool shape = dynamic_cast<const IShapePathElement*>(item) != nullptr;
    switch (handle) {
        case LeftEdge:
            return leftEdgeEnabled_ && text;
        case RightEdge:
            return rightEdgeEnabled_ && text;
        case MoveGrip:
            return translationEnabled_;
        default:
            return scaleEnabled_ && (text || shape);
    }
}

void ITextElementFrame::placeButtons()
{
    const QRectF r = rect();
    const QPointF places[HandleCount] = {{r.left(), r.center().y()},
                                         {r.right(), r.center().y()},
                                         r.topLeft(),
                                         r.bottomRight(),
                                         r.bottomLeft(),
                                         r.topRight()};
    for (int i = 0; i < HandleCount; ++i) {
        buttons_[i]->setPos(places[i]);
        buttons_[i]->setVisible(attachedItem() && !locked_ && handleEnabled(Handle(i)));
    }
    lock_->setPos(r.center().x(), r.top());
    lock_->setOffset(-lock_->pixmap().width() / 2.0, -lock_->pixmap().height() - 4.0);
    lock_->setVisible(attachedItem() && locked_);
}

QRectF ITextElementFrame::boundingRect() const
{
    return rect().adjusted(-kPaintMargin, -kPaintMargin, kPaintMargin, kPaintMargin);
}

QPainterPath ITextElementFrame::shape() const
{
    QPainterPath path;
    path.addRect(rect());
    return path;
}

void ITextElementFrame::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    // A cosmetic pen keeps the outline two screen pixels wide at every zoom and rotation.
    QPen pen(kOutlineColor, 2, isItemEditing() ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect());
}

QPointF ITextElementFrame::toScene(const QPointF& viewPos) const
{
    return board_ ? board_->viewportTransform().inverted().map(viewPos) : viewPos;
}

void ITextElementFrame::pressAt(const QPointF& viewPos)
{
    beginDrag(Drag::Body, LeftEdge, toScene(viewPos));
}

void ITextElementFrame::moveAt(const QPointF& viewPos)
{
    if (drag_ == Drag::Body) {
        dragTo(toScene(viewPos));
    }
}

void ITextElementFrame::releaseAt(const QPointF& viewPos)
{
    endDrag(toScene(viewPos));
}

void ITextElementFrame::inputMousePressEvent(QGraphicsSceneMouseEvent* event)
{
    const auto it = std::find(buttons_.begin(), buttons_.end(), sender());
    if (it != buttons_.end()) {
        beginDrag(Drag::Handle, Handle(it - buttons_.begin()), event->scenePos());
    }
}

void ITextElementFrame::inputMouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (drag_ == Drag::Handle) {
        dragTo(event->scenePos());
    }
}

void ITextElementFrame::inputMouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (drag_ == Drag::Handle) {
        endDrag(event->scenePos());
    }
}

void ITextElementFrame::onDocumentSizeChanged()
{
    refresh();
}

void ITextElementFrame::onCursorPositionChanged()
{
    refresh();
}

void ITextElementFrame::beginDrag(Drag drag, Handle handle, const QPointF& scenePos)
{
    const bool allowed = attachedItem() && !locked_ &&
                         (drag == Drag::Handle ? handleEnabled(handle) : !isItemEditing());
    drag_ = allowed ? drag : Drag::None;
    handle_ = handle;
    pressPos_ = lastPos_ = scenePos;
    moved_ = false;
}

void ITextElementFrame::dragTo(const QPointF& scenePos)
{
    if (!attachedItem() || scenePos == lastPos_) {
        return;
    }
    if (!moved_) {
        const QPointF travel = board_ ? board_->viewportTransform().map(scenePos) -
                                            board_->viewportTransform().map(pressPos_)
                                      : scenePos - pressPos_;
        if (travel.manhattanLength() < kDragStart) {
            return;
        }
        moved_ = true;
        emit sgTransformBeforeChanged();
    }
    const QTransform toItem = attachedItem()->sceneTransform().inverted();
    const QPointF d = toItem.map(scenePos) - toItem.map(lastPos_);
    const QRectF r = attachedItem()->boundingRect();
    const double w = r.width();
    const double h = r.height();
    if (drag_ == Drag::Body || handle_ == MoveGrip) {
        moveItem(lastPos_, scenePos);
    } else if (handle_ == LeftEdge) {
        resizeWidth(w - d.x(), r.topRight());
    } else if (handle_ == RightEdge) {
        resizeWidth(w + d.x(), r.topLeft());
    } else if (auto* shape = dynamic_cast<IShapePathElement*>(attachedItem())) {
        reshape(shape, d);
    } else if (handle_ == BottomRight) {
        scaleItem(QSizeF(w + d.x(), h + d.y()), r.topLeft());
    } else if (handle_ == BottomLeft) {
        scaleItem(QSizeF(w - d.x(), h + d.y()), r.topRight());
    } else {
        scaleItem(QSizeF(w + d.x(), h - d.y()), r.bottomLeft());
    }
    lastPos_ = scenePos;
    refresh();
    emit sgTransformChanging();
}

void ITextElementFrame::endDrag(const QPointF& scenePos)
{
    const Drag drag = drag_;
    const bool moved = moved_;
    const bool fresh = receivingNew_;
    drag_ = Drag::None;
    moved_ = false;
    receivingNew_ = false;
    if (moved && attachedItem()) {
        emit sgTransformAfterChanged({attachedItem()});
    } else if (drag == Drag::Body && !fresh && isVisible() && attachedItem()) {
        // A tap on the selected box starts editing it where it was tapped.
        enterTextEdit();
        placeCaret(scenePos);
    }
}

void ITextElementFrame::placeCaret(const QPointF& scenePos)
{
    QGraphicsTextItem* text = textItem();
    if (!text || !isItemEditing()) {
        return;
    }
    const int at =
        text->document()->documentLayout()->hitTest(text->mapFromScene(scenePos), Qt::FuzzyHit);
    if (at >= 0) {
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(at);
        text->setTextCursor(cursor);
    }
}

void ITextElementFrame::moveItem(const QPointF& from, const QPointF& to)
{
    // Elements are top-level items: their position is in scene coordinates.
    attachedItem()->setPos(attachedItem()->pos() + (to - from));
}

void ITextElementFrame::reshape(IShapePathElement* shape, const QPointF& d)
{
    const QPointF s = shape->startPoint();
    const QPointF e = shape->endPoint();
    QRectF r = QRectF(s, e).normalized();
    if (handle_ == BottomRight) {
        r.setBottomRight(r.bottomRight() + d);
    } else if (handle_ == BottomLeft) {
        r.setBottomLeft(r.bottomLeft() + d);
    } else {
        r.setTopRight(r.topRight() + d);
    }
    // The points keep their corners, so a line keeps its direction.
    const bool leftStart = s.x() <= e.x();
    const bool topStart = s.y() <= e.y();
    shape->setPoints(QPointF(leftStart ? r.left() : r.right(), topStart ? r.top() : r.bottom()),
                     QPointF(leftStart ? r.right() : r.left(), topStart ? r.bottom() : r.top()));
}

template <typename Change>
void ITextElementFrame::keepFixed(const QPointF& local, Change change)
{
    const QPointF before = attachedItem()->mapToScene(local);
    change();
    attachedItem()->setPos(attachedItem()->pos() + (before - attachedItem()->mapToScene(local)));
}

void ITextElementFrame::resizeWidth(double newWidth, const QPointF& fixedCorner)
{
    auto* resizable = dynamic_cast<IResizableItem*>(attachedItem());
    const QRectF r = attachedItem()->boundingRect();
    if (!resizable || r.width() <= 0) {
        return;
    }
    const bool rightFixed = fixedCorner.x() > r.left();
    const QPointF before = attachedItem()->mapToScene(fixedCorner);
    // The item scales its own width by the ratio, whatever its rotation.
    const double ratio = qMax(newWidth, MinimumSide) / r.width();
    resizable->resize(resizable->size().width() * ratio, resizable->size().height());
    const QRectF now = attachedItem()->boundingRect();
    const QPointF after = attachedItem()->mapToScene(rightFixed ? now.topRight() : now.topLeft());
    attachedItem()->setPos(attachedItem()->pos() + (before - after));
}

void ITextElementFrame::scaleItem(const QSizeF& newSize, const QPointF& fixedCorner)
{
    const QRectF r = attachedItem()->boundingRect();
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    const double w = qMax(newSize.width(), MinimumSide);
    const double h = qMax(newSize.height(), MinimumSide);
    const double f = (h / r.height() + w / r.width()) * 0.5;
    keepFixed(fixedCorner, [&] {
        const QTransform scaling = QTransform::fromTranslate(-fixedCorner.x(), -fixedCorner.y()) *
                                   QTransform::fromScale(f, f) *
                                   QTransform::fromTranslate(fixedCorner.x(), fixedCorner.y());
        attachedItem()->setTransform(scaling * attachedItem()->transform());
    });
}
