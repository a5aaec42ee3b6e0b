#ifndef IELEMENTCHANGECOMMAND_H
#define IELEMENTCHANGECOMMAND_H

#include <QUndoCommand>

#include "board/undo/ielementsnapshot.h"

class IElement;
class ISlide;

// One step of a page's history that changed an element in place: moved, resized or scaled by
// its frame, locked, or edited as text (one editing session). Undo and redo give the element
// the state it had before and after.
class IElementChangeCommand : public QUndoCommand {
public:
    // The change has been made already: the first redo leaves the element alone.
    IElementChangeCommand(IElement* element, const IElementSnapshot& before,
                          const IElementSnapshot& after);

    void undo() override;
    void redo() override;
    int id() const override;

    IElement* element() const { return element_; }

    // Records the change when the element's state differs from `before`.
    static void record(ISlide* page, IElement* element, const IElementSnapshot& before);

private:
    IElement* element_;
    IElementSnapshot before_;
    IElementSnapshot after_;
    bool skipRedo_ = true;
};

#endif  // IELEMENTCHANGECOMMAND_H
