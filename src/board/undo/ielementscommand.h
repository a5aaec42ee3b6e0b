#ifndef IELEMENTSCOMMAND_H
#define IELEMENTSCOMMAND_H

#include <QList>
#include <QPair>
#include <QUndoCommand>
#include <QVector>

class IElement;
class ISlide;

// One step of a page's history that puts elements on the page or takes them off: a stroke,
// shape or text box drawn, a copy made, an element deleted, the page cleared. It holds the
// elements themselves, so undoing a removal brings back the very same elements, in their old
// places in the page's order; while its elements are off the page it owns them.
class IElementsCommand : public QUndoCommand {
public:
    enum Change { Added, Removed };
    // Merges a text box's first editing session into the step that placed it.
    static constexpr int PlacedTextMergeId = 0x7e57;

    // `done`: the change has been made already, and the first redo leaves the page alone.
    // `indexes`, for removals already done, are the elements' places before the removal.
    IElementsCommand(ISlide* page, Change change, const QList<IElement*>& elements, bool done,
                     const QList<int>& indexes = {});
    ~IElementsCommand() override;

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    QList<IElement*> elements() const;

    // Records elements just added to the page.
    static void recordAdded(ISlide* page, const QList<IElement*>& elements);
    // Takes the elements off the page as one step.
    static void remove(ISlide* page, const QList<IElement*>& elements);
    // Records elements just taken off the page; `before` is the page's list before that.
    static void recordRemoved(ISlide* page, const QList<IElement*>& removed,
                              const QList<IElement*>& before);

private:
    void putOn();
    void takeOff();

    ISlide* page_;
    Change change_;
    // Each element with its index in the page's list, in ascending index order.
    QVector<QPair<IElement*, int>> entries_;
    bool onPage_;
    bool skipRedo_;
    bool editMerged_ = false;
};

#endif  // IELEMENTSCOMMAND_H
