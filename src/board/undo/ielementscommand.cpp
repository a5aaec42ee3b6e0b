#include "board/undo/ielementscommand.h"

#include <QGraphicsItem>
#include <QUndoStack>
#include <algorithm>

#include "board/islide.h"
#include "board/item/ielement.h"
#include "board/undo/ielementchangecommand.h"

IElementsCommand::IElementsCommand(ISlide* page, Change change, const QList<IElement*>& elements,
                                   bool done, const QList<int>& indexes)
    : page_(page), change_(change), onPage_(done == (change == Added)), skipRedo_(done)
{
    for (int i = 0; i < elements.size(); ++i) {
        entries_.append({elements.at(i), indexes.value(i, -1)});
    }
    std::sort(entries_.begin(), entries_.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    setText(change == Added ? QStringLiteral("add") : QStringLiteral("remove"));
}

IElementsCommand::~IElementsCommand()
{
    // Off the page through this step: nobody else holds them.
    if (!onPage_) {
        for (const auto& entry : qAsConst(entries_)) {
            delete entry.first;
        }
    }
}

QList<IElement*> IElementsCommand::elements() const
{
    QList<IElement*> out;
    for (const auto& entry : entries_) {
        out.append(entry.first);
    }
    return out;
}

void IElementsCommand::putOn()
{
    for (const auto& entry : qAsConst(entries_)) {
        page_->restoreElement(entry.first, entry.second);
    }
    onPage_ = true;
}

void IElementsCommand::takeOff()
{
    const QList<IElement*> order = page_->elements();
    for (auto& entry : entries_) {
        entry.second = order.indexOf(entry.first);
    }
    std::sort(entries_.begin(), entries_.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& entry : qAsConst(entries_)) {
        page_->takeElement(entry.first);
    }
    onPage_ = false;
}

void IElementsCommand::undo()
{
    if (change_ == Added) {
        takeOff();
    } else {
        putOn();
    }
}

void IElementsCommand::redo()
{
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    if (change_ == Added) {
        putOn();
    } else {
        takeOff();
    }
}

int IElementsCommand::id() const
{
    const bool placedText =
        change_ == Added && entries_.size() == 1 &&
        dynamic_cast<QGraphicsItem*>(entries_.first().first)->type() == IElement::TextElementType;
    return placedText && !editMerged_ ? PlacedTextMergeId : -1;
}

bool IElementsCommand::mergeWith(const QUndoCommand* other)
{
    // The box keeps its text while off the page: its first edit needs no step of its own.
    const auto* edit = dynamic_cast<const IElementChangeCommand*>(other);
    if (!edit || edit->element() != entries_.first().first) {
        return false;
    }
    editMerged_ = true;
    return true;
}

void IElementsCommand::recordAdded(ISlide* page, const QList<IElement*>& elements)
{
    if (page && !elements.isEmpty()) {
        page->undoStack()->push(new IElementsCommand(page, Added, elements, true));
    }
}

void IElementsCommand::remove(ISlide* page, const QList<IElement*>& elements)
{
    if (page && !elements.isEmpty()) {
        page->undoStack()->push(new IElementsCommand(page, Removed, elements, false));
    }
}

void IElementsCommand::recordRemoved(ISlide* page, const QList<IElement*>& removed,
                                     const QList<IElement*>& before)
{
    if (!page || removed.isEmpty()) {
        return;
    }
    QList<int> indexes;
    for (IElement* element : removed) {
        indexes.append(before.indexOf(element));
    }
    page->undoStack()->push(new IElementsCommand(page, Removed, removed, true, indexes));
}
