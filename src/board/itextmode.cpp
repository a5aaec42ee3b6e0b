#include "itextmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/iscenelementframe.h"
#include "board/islide.h"
#include "board/item/itextelement.h"
#include "board/path/ipathrenderwidget.h"
#include "board/undo/ielementscommand.h"

ITextMode::ITextMode(IBoard* board) : IMode(board) {}

void ITextMode::press(IDeviceEvent* record)
{
    if (isEnabled()) {
        IMode::press(record);
        pressed_ = true;
    }
}

void ITextMode::release(IDeviceEvent* record)
{
    IMode::release(record);
    // Only a press on the picture places a box.
    if (!pressed_) {
        return;
    }
    pressed_ = false;
    if (board()->currentSlide()) {
        placeText(IPathRenderWidget::scenePoint(board(), record));
    }
}

ITextElement* ITextMode::placeText(const QPointF& scenePoint)
{
    auto* text = new ITextElement;
    text->setFontFamily(QStringLiteral("Arial"));
    text->setPointSize(24);
    text->setTextWidthAtLeast(500);
    text->setPos(scenePoint);
    QColor ink = boardState()->inkColor();
    ink.setAlpha(boardState()->inkOpacity());
    text->setDefaultTextColor(ink);
    // Upright on a turned picture.
    text->setRotation(text->rotation() - board()->rotation());
    ISlide* page = board()->currentSlide();
    page->addElement(text, false);
    IElementsCommand::recordAdded(page, {text});
    if (ISceneElementFrame* frame = page->textFrame()) {
        // Attaching moves the focus about; that must not end the new box's editing.
        text->setEndEditOnFocusOut(false);
        frame->showItems({text}, true);
        frame->enterTextEdit();
        text->setEndEditOnFocusOut(true);
    }
    // Only an editable text item takes the focus.
    text->setEditable(true);
    text->setFocus(Qt::OtherFocusReason);
    board()->setFocus(Qt::OtherFocusReason);
    return text;
}

void ITextMode::activate()
{
    savedCursor_ = board()->viewport()->cursor();
    board()->applyCursor(QCursor(Qt::IBeamCursor));
}

void ITextMode::deactivate()
{
    IMode::deactivate();
    pressed_ = false;
    board()->applyCursor(savedCursor_);
    ISlide* page = board()->currentSlide();
    if (ISceneElementFrame* frame = page ? page->createdTextFrame() : nullptr) {
        frame->endTextEdit();
        frame->setGroupActive(false);
    }
}
