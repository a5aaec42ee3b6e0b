#include "iselectorpathmode.h"

#include <QEvent>
#include <QGraphicsItem>

#include "board/iboard.h"
#include "board/ideviceevent.h"
#include "board/iscenelementframe.h"
#include "board/item/ielement.h"

ISelectorPathMode::ISelectorPathMode(IBoard* board) : IMode(board) {}

ISelectorPathMode::~ISelectorPathMode() = default;

void ISelectorPathMode::press(IDeviceEvent* record)
{
    IMode::press(record);
    // Not consumed here: the board hands the press on to the view.
    record->event()->ignore();
    QGraphicsItem* under = board()->itemAtViewPos(record->position());
    QGraphicsItem* element = board()->elementAtViewPos(record->position());
    ISceneElementFrame* frame = board()->textFrame();
    // The frame above an element takes the press itself.
    pressedItem_ = frame && under && frame->isOwnPart(under) ? under : element;
    if (!pressedItem_) {
        pressedItem_ = under;
    }
    if (!frame) {
        return;
    }
    if (pressedItem_ && pressedItem_ == element) {
        if (!frame->frameItem()->isVisible() || frame->attachedItem() != pressedItem_) {
            frame->setReceivingNewItem(true);
        }
        frame->setItems({pressedItem_});
        const auto* pressed = dynamic_cast<IElement*>(pressedItem_);
        if (!frame->isItemEditing() && !(pressed && pressed->isLocked())) {
            frame->hideFrame();
        }
        frame->setSelected(false);
        frame->pressAt(record->position());
        textPressed_ = true;
    } else if (pressedItem_ == frame->frameItem()) {
        frameDragged_ = true;
        frame->pressAt(record->position());
    } else if (!frame->isOwnPart(pressedItem_)) {
        // Anything else (the picture, the grey margin) dismisses the frame.
        frame->hideFrame();
        frame->setGroupActive(false);
        frame->endTextEdit();
    }
}

void ISelectorPathMode::move(IDeviceEvent* record)
{
    IMode::move(record);
    ISceneElementFrame* frame = board()->textFrame();
    if (!frame) {
        return;
    }
    if (frameDragged_ || textPressed_) {
        frame->moveAt(record->position());
    }
}

void ISelectorPathMode::release(IDeviceEvent* record)
{
    IMode::release(record);
    ISceneElementFrame* frame = board()->textFrame();
    // The pressed item is this gesture's only: a later release must not act on it.
    QGraphicsItem* pressed = pressedItem_;
    pressedItem_ = nullptr;
    const bool wasElement = textPressed_;
    const bool wasFrame = frameDragged_;
    textPressed_ = false;
    frameDragged_ = false;
    if (!frame) {
        return;
    }
    if (wasFrame) {
        frame->releaseAt(record->position());
    } else if (wasElement && frame->attachedItem() == pressed) {
        frame->releaseAt(record->position());
        frame->frameItem()->show();
        frame->setSelected(true);
    }
}

QCursor ISelectorPathMode::cursor() const
{
    return QCursor(Qt::ArrowCursor);
}

void ISelectorPathMode::activate()
{
    if (board()) {
        board()->applyCursor(QCursor(Qt::ArrowCursor));
    }
}

void ISelectorPathMode::deactivate()
{
    IMode::deactivate();
    pressedItem_ = nullptr;
    textPressed_ = false;
    frameDragged_ = false;
    if (board()) {
        board()->clearSelection();
    }
}
