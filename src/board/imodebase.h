#ifndef IMODEBASE_H
#define IMODEBASE_H

#include <QCursor>
#include <QList>
#include <QString>

class IBoard;
class IBoardState;
class IDeviceEvent;
class IModeEventHandle;
class QGraphicsItem;

// Root of the board's input modes: the board, the enabled flag, the mode's cursor and the relay.
class IModeBase {
public:
    // Item data key that marks a scene item owned by a mode: a page releases such an item
    // instead of deleting it, so it is deleted exactly once, by its mode.
    static constexpr int OwnedItemDataKey = 0x4f524d31;

    explicit IModeBase(IBoard* board);
    virtual ~IModeBase();
    IModeBase(const IModeBase&) = delete;
    IModeBase& operator=(const IModeBase&) = delete;

    virtual IBoardState* boardState() const;
    virtual void setBoard(IBoard* board);
    virtual void press(IDeviceEvent* record) = 0;
    virtual void move(IDeviceEvent* record) = 0;
    virtual void release(IDeviceEvent* record) = 0;
    virtual QCursor cursor() const;
    virtual void setCursor(const QString& path, int width, int height) = 0;
    virtual void setCursor(const QCursor& cursor) = 0;
    virtual void activate();
    virtual void deactivate();

    IBoard* board() const { return board_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    IModeEventHandle* relay() const { return relay_; }

    // Takes ownership of a scene item (a preview, a marker) that this mode puts into a page.
    void adoptSceneItem(QGraphicsItem* item);
    // Deletes an adopted item now; it leaves its page.
    void deleteSceneItem(QGraphicsItem* item);

protected:
    QCursor cursor_{Qt::ArrowCursor};

private:
    IBoard* board_;
    bool enabled_ = true;
    IModeEventHandle* relay_;
    QList<QGraphicsItem*> ownedItems_;
};

#endif  // IMODEBASE_H
