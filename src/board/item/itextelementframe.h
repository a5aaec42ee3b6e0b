#ifndef ITEXTELEMENTFRAME_H
#define ITEXTELEMENTFRAME_H

#include <QGraphicsObject>
#include <QGraphicsRectItem>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <array>

#include "board/iscenelementframe.h"

class IBoard;
class IElement;
class ISlide;
class IShapePathElement;
class ITextElement;
class ITextFrameButton;
class QGraphicsSceneMouseEvent;
class QGraphicsTextItem;

// The frame around the selected element of a page: an outline (dotted while text is edited) in
// the element's own coordinates, so it hugs it at any zoom and rotation, with handles that move
// it, change a text box's width (side handles), scale a text box or resize a shape (corners),
// and a lock indicator. Strokes get the move handle only. It holds one element at a time.
class ITextElementFrame : public QObject, public QGraphicsRectItem, public ISceneElementFrame {
    Q_OBJECT
    Q_PROPERTY(bool IsScaleHandleEnabled MEMBER scaleEnabled_)
    Q_PROPERTY(bool IsRotationHandleEnabled MEMBER rotationEnabled_)
    Q_PROPERTY(bool IsTranslationHandleEnabled MEMBER translationEnabled_)
    Q_PROPERTY(bool IsLeftEdgeHandleEnabled MEMBER leftEdgeEnabled_)
    Q_PROPERTY(bool IsRightEdgeHandleEnabled MEMBER rightEdgeEnabled_)
public:
    static constexpr int FrameType = int(0x80000001u);
    static constexpr double MinimumSide = 20;

    // The handles, in the order of their buttons.
    enum Handle { LeftEdge, RightEdge, MoveGrip, BottomRight, BottomLeft, TopRight, HandleCount };

    explicit ITextElementFrame(IBoard* board);
    ~ITextElementFrame() override;

    QGraphicsItem* frameItem() override { return this; }
    void setItems(const QList<QGraphicsItem*>& items) override;
    void showItems(const QList<QGraphicsItem*>& items, bool selected) override;
    void hideFrame() override;
    void setGroupActive(bool active) override;
    void enterTextEdit() override;
    void endTextEdit() override;
    void setSelected(bool selected) override;
    void pressAt(const QPointF& viewPos) override;
    void moveAt(const QPointF& viewPos) override;
    void releaseAt(const QPointF& viewPos) override;
    void setReceivingNewItem(bool receiving) override { receivingNew_ = receiving; }
    QGraphicsItem* attachedItem() const override;
    bool isItemEditing() const override;
    bool isOwnPart(const QGraphicsItem* item) const override;

    bool isFrameSelected() const { return selected_; }
    bool isLocked() const { return locked_; }
    ITextFrameButton* button(Handle handle) const { return buttons_[handle]; }
    ITextFrameButton* lockButton() const { return lock_; }
    // Fits the frame to the attached item again.
    void refresh();

    int type() const override { return FrameType; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void sgSelectionChanged(bool isSelected);
    void sgTransformBeforeChanged();
    void sgTransformChanging();
    void sgTransformAfterChanged(QSet<QGraphicsItem*> items);
    void sgEnterTextEditor();
    void sgLeaveTextEditor();
    void sgFontChanged(QFont font);
    void sgForegoundChanged(QColor color);
    void sgBackgroundChanged(QColor color);
    void sgAlignmentChanged(Qt::Alignment alignment);

public slots:
    void inputMousePressEvent(QGraphicsSceneMouseEvent* event);
    void inputMouseMoveEvent(QGraphicsSceneMouseEvent* event);
    void inputMouseReleaseEvent(QGraphicsSceneMouseEvent* event);
    void onDocumentSizeChanged();
    void onCursorPositionChanged();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    IBoard* board() const { return board_; }
    // The page the frame is on.
    ISlide* page() const { return page_; }
    IElement* element() const;
    QGraphicsTextItem* textItem() const;
    ITextElement* textElement() const;
    void setLocked(bool locked);
    // Called after the frame has let go of its item, and when it hides.
    virtual void afterDetach() {}
    virtual void afterHide() {}

private:
    enum class Drag { None, Body, Handle };

    void detach();
    void onElementsRemoved(const QList<IElement*>& elements);
    QPointF toScene(const QPointF& viewPos) const;
    bool handleEnabled(Handle handle) const;
    void placeButtons();
    void beginDrag(Drag drag, Handle handle, const QPointF& scenePos);
    void dragTo(const QPointF& scenePos);
    void endDrag(const QPointF& scenePos);
    void moveItem(const QPointF& from, const QPointF& to);
    void resizeWidth(double newWidth, const QPointF& fixedCorner);
    void scaleItem(const QSizeF& newSize, const QPointF& fixedCorner);
    // Moves the dragged corner of a shape by `d`, in its own coordinates.
    void reshape(IShapePathElement* shape, const QPointF& d);
    // Keeps the item point at `local` (item coordinates) where it was in the scene before `change`.
    template <typename Change>
    void keepFixed(const QPointF& local, Change change);
    void placeCaret(const QPointF& scenePos);

    QPointer<IBoard> board_;
    QGraphicsItem* framed_ = nullptr;
    QPointer<QGraphicsObject> guard_;
    bool guarded_ = false;
    QPointer<ISlide> page_;
    std::array<ITextFrameButton*, HandleCount> buttons_{};
    ITextFrameButton* lock_ = nullptr;
    bool scaleEnabled_ = true;
    bool rotationEnabled_ = true;
    bool translationEnabled_ = true;
    bool leftEdgeEnabled_ = true;
    bool rightEdgeEnabled_ = true;
    bool selected_ = false;
    bool locked_ = false;
    bool receivingNew_ = false;
    Drag drag_ = Drag::None;
    Handle handle_ = LeftEdge;
    QPointF pressPos_;
    QPointF lastPos_;
    bool moved_ = false;
};

#endif  // ITEXTELEMENTFRAME_H
