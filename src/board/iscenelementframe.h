#ifndef ISCENEELEMENTFRAME_H
#define ISCENEELEMENTFRAME_H

#include <QList>
#include <QPointF>

class QGraphicsItem;

// The frame a page shows around a selected text element, as the board core and its modes use
// it. The frame is a scene item of its page and is deleted with it.
class ISceneElementFrame {
public:
    virtual ~ISceneElementFrame() = default;

    // The frame as a scene item (its visibility, its scene).
    virtual QGraphicsItem* frameItem() = 0;
    // Attaches one item without showing the frame; other list sizes are ignored.
    virtual void setItems(const QList<QGraphicsItem*>& items) = 0;
    // Attaches the items and shows the frame around them, selected or not.
    virtual void showItems(const QList<QGraphicsItem*>& items, bool selected) = 0;
    virtual void hideFrame() = 0;
    // false: the attached element leaves the frame's group and the frame holds no item.
    virtual void setGroupActive(bool active) = 0;
    // Starts text editing in the attached element.
    virtual void enterTextEdit() = 0;
    // Ends text editing in the attached element.
    virtual void endTextEdit() = 0;
    virtual void setSelected(bool selected) = 0;

    // Pointer input handed over by the select mode, at a position in the board's view.
    virtual void pressAt(const QPointF& viewPos) = 0;
    virtual void moveAt(const QPointF& viewPos) = 0;
    virtual void releaseAt(const QPointF& viewPos) = 0;
    // The next press comes with a newly attached item: its tap selects, it does not edit.
    virtual void setReceivingNewItem(bool receiving) = 0;
    virtual QGraphicsItem* attachedItem() const = 0;
    // Whether the attached item is a text being edited.
    virtual bool isItemEditing() const = 0;
    // Whether `item` is one of the frame's own parts (its handles and indicators).
    virtual bool isOwnPart(const QGraphicsItem* item) const = 0;
};

#endif  // ISCENEELEMENTFRAME_H
