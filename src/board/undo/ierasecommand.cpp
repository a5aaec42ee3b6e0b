#include "board/undo/ierasecommand.h"

#include "board/islide.h"
#include "board/path/ipathelement.h"

IEraseCommand::IEraseCommand(ISlide* page) : page_(page)
{
    setText(QStringLiteral("erase"));
}

IEraseCommand::~IEraseCommand()
{
    if (done_) {
        for (const auto& entry : qAsConst(removed_)) {
            delete entry.first;
        }
    }
}

void IEraseCommand::touch(IPathElement* element)
{
    if (!before_.contains(element)) {
        touched_.append(element);
        before_.insert(element, element->eraseRegion());
    }
}

void IEraseCommand::takeOff(IPathElement* element)
{
    touch(element);
    const int index = page_->takeElement(element);
    if (index >= 0) {
        removed_.append({element, index});
    }
}

void IEraseCommand::seal()
{
    for (IPathElement* element : qAsConst(touched_)) {
        after_.insert(element, element->eraseRegion());
    }
}

void IEraseCommand::undo()
{
    // Back in the reverse order of their removal, each at the index it had then.
    for (int i = removed_.size() - 1; i >= 0; --i) {
        page_->restoreElement(removed_.at(i).first, removed_.at(i).second);
    }
    for (IPathElement* element : qAsConst(touched_)) {
        element->setEraseRegion(before_.value(element));
    }
    done_ = false;
}

void IEraseCommand::redo()
{
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    for (IPathElement* element : qAsConst(touched_)) {
        element->setEraseRegion(after_.value(element));
    }
    for (const auto& entry : qAsConst(removed_)) {
        page_->takeElement(entry.first);
    }
    done_ = true;
}
