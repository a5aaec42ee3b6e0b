#ifndef IERASECOMMAND_H
#define IERASECOMMAND_H

#include <QHash>
#include <QList>
#include <QPair>
#include <QRegion>
#include <QUndoCommand>
#include <QVector>

class IPathElement;
class ISlide;

// One rub of the eraser, press to release, as one step of a page's history: the erase regions
// of the elements it touched, before and after, and the elements it rubbed out wholly, which it
// holds (and owns while they are off the page).
class IEraseCommand : public QUndoCommand {
public:
    explicit IEraseCommand(ISlide* page);
    ~IEraseCommand() override;

    // While rubbing: an element is about to get more erased (its state before is kept once).
    void touch(IPathElement* element);
    // While rubbing: takes a wholly erased element off the page.
    void takeOff(IPathElement* element);
    // At the release: keeps the touched elements' state after the rub.
    void seal();
    bool isEmpty() const { return touched_.isEmpty(); }
    ISlide* page() const { return page_; }

    void undo() override;
    void redo() override;

private:
    ISlide* page_;
    QList<IPathElement*> touched_;
    QHash<IPathElement*, QRegion> before_;
    QHash<IPathElement*, QRegion> after_;
    // Wholly erased elements with their indexes in the page's list, in the order taken.
    QVector<QPair<IPathElement*, int>> removed_;
    bool done_ = true;
    bool skipRedo_ = true;
};

#endif  // IERASECOMMAND_H
