#include "board/undo/ielementchangecommand.h"

#include <QGraphicsItem>
#include <QUndoStack>

#include "board/islide.h"
#include "board/item/ielement.h"
#include "board/undo/ielementscommand.h"

IElementChangeCommand::IElementChangeCommand(IElement* element, const IElementSnapshot& before,
                                             const IElementSnapshot& after)
    : element_(element), before_(before), after_(after)
{
    setText(QStringLiteral("change"));
}

void IElementChangeCommand::undo()
{
    before_.applyTo(dynamic_cast<QGraphicsItem*>(element_));
}

void IElementChangeCommand::redo()
{
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    after_.applyTo(dynamic_cast<QGraphicsItem*>(element_));
}

int IElementChangeCommand::id() const
{
    return IElementsCommand::PlacedTextMergeId;
}

void IElementChangeCommand::record(ISlide* page, IElement* element, const IElementSnapshot& before)
{
    auto* item = dynamic_cast<QGraphicsItem*>(element);
    if (!page || !item || item->scene() != page) {
        return;
    }
    const IElementSnapshot after = IElementSnapshot::of(item);
    if (after != before) {
        page->undoStack()->push(new IElementChangeCommand(element, before, after));
    }
}
