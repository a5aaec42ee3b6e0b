#ifndef ISCENEELEMENTFRAME_H
#define ISCENEELEMENTFRAME_H

#include <QList>

class QGraphicsItem;

// The frame a page shows around a selected text element, as the board core uses it. The frame
// is a scene item of its page and is deleted with it.
class ISceneElementFrame {
public:
    virtual ~ISceneElementFrame() = default;

    // The frame as a scene item (its visibility, its scene).
    virtual QGraphicsItem* frameItem() = 0;
    // Attaches the items and shows the frame around them, selected or not.
    virtual void showItems(const QList<QGraphicsItem*>& items, bool selected) = 0;
    virtual void hideFrame() = 0;
    // false: the attached element leaves the frame's group and the frame holds no item.
    virtual void setGroupActive(bool active) = 0;
    // Ends text editing in the attached element.
    virtual void endTextEdit() = 0;
    virtual void setSelected(bool selected) = 0;
};

#endif  // ISCENEELEMENTFRAME_H
