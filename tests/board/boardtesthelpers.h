#ifndef BOARDTESTHELPERS_H
#define BOARDTESTHELPERS_H

// Small concrete elements and a recording text frame for the board tests. The real stroke,
// shape and text classes build on the same abstract bases.

#include <QApplication>
#include <QBrush>
#include <QGraphicsRectItem>
#include <QMouseEvent>
#include <QPen>
#include <QWidget>

#include "board/iboard.h"
#include "board/ipixmapitem.h"
#include "board/iscenelementframe.h"
#include "board/islide.h"
#include "board/item/iabstractelement.h"

// A filled rectangle that reports the path element type and counts its deletions.
class TestPathElement : public IAbstractPathElement {
public:
    explicit TestPathElement(const QRectF& rect = QRectF(0, 0, 10, 10),
                             const QColor& color = Qt::blue, int* deletions = nullptr)
        : rect_(rect), color_(color), deletions_(deletions)
    {
        setId(newId());
        setZOrder(ISlide::BottomZ);
        QPainterPath path;
        path.addRect(rect);
        setPath(path);
        setPen(Qt::NoPen);
        setBrush(color);
    }
    ~TestPathElement() override
    {
        if (deletions_) {
            ++*deletions_;
        }
    }
    int type() const override { return PathElementType; }
    IElement* clone() override
    {
        auto* copy = new TestPathElement(rect_, color_);
        copyItemParameters(copy);
        return copy;
    }

private:
    QRectF rect_;
    QColor color_;
    int* deletions_;
};

// A text item that reports the text element type and counts its deletions.
class TestTextElement : public IAbstractGraphicsTextElement {
public:
    explicit TestTextElement(const QString& text = QStringLiteral("text"), int* deletions = nullptr)
        : deletions_(deletions)
    {
        setId(newId());
        setPlainText(text);
    }
    ~TestTextElement() override
    {
        if (deletions_) {
            ++*deletions_;
        }
    }
    int type() const override { return TextElementType; }
    IElement* clone() override
    {
        auto* copy = new TestTextElement(toPlainText());
        copyItemParameters(copy);
        return copy;
    }

private:
    int* deletions_;
};

// A text frame that records what the board core asks of it.
class TestTextFrame : public QGraphicsRectItem, public ISceneElementFrame {
public:
    TestTextFrame() : QGraphicsRectItem(0, 0, 300, 200)
    {
        setBrush(Qt::green);
        setZValue(2147483647);
    }
    QGraphicsItem* frameItem() override { return this; }
    void showItems(const QList<QGraphicsItem*>& items, bool selected) override
    {
        shownItems = items;
        shownSelected = selected;
        show();
    }
    void hideFrame() override { hide(); }
    void setGroupActive(bool active) override { groupActive = active; }
    void endTextEdit() override { ++editEnds; }
    void setSelected(bool selected) override { frameSelected = selected; }
    void setItems(const QList<QGraphicsItem*>& items) override { shownItems = items; }
    void enterTextEdit() override {}
    void pressAt(const QPointF&) override {}
    void moveAt(const QPointF&) override {}
    void releaseAt(const QPointF&) override {}
    void setReceivingNewItem(bool) override {}
    QGraphicsItem* attachedItem() const override { return shownItems.value(0); }
    bool isItemEditing() const override { return false; }
    bool isOwnPart(const QGraphicsItem* item) const override { return item == this; }

    QList<QGraphicsItem*> shownItems;
    bool shownSelected = false;
    bool groupActive = true;
    bool frameSelected = true;
    int editEnds = 0;
};

// Sends one mouse event to `target` at `pos` (QTest's mouseMove delivers nothing in Qt 5.15).
inline void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(type, pos, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A shown 1920 x 1080 board whose picture fills it: scene and view coordinates agree at scale 1.
struct DrawingBoard {
    DrawingBoard()
    {
        board.resize(1920, 1080);
        page = new ISlide;
        board.insertSlide(page, true);
        auto* picture = new IPixmapItem(board.size());
        picture->setZValue(-9999999);
        board.setBackgroundItem(picture);
        board.show();
        QImage frame(1920, 1080, QImage::Format_RGB32);
        frame.fill(Qt::white);
        board.setBackgroundImage(frame);
    }
    // A left-button drag through `scenePoints` (the first is the press, the last the release),
    // sent from the point with index `from` on.
    void drag(const QVector<QPointF>& scenePoints, int from = 0)
    {
        QWidget* view = board.viewport();
        for (int i = from; i < scenePoints.size(); ++i) {
            const QPoint p = board.mapFromScene(scenePoints.at(i));
            const bool last = i == scenePoints.size() - 1;
            sendMouse(view,
                      i == 0 ? QEvent::MouseButtonPress
                             : (last ? QEvent::MouseButtonRelease : QEvent::MouseMove),
                      p, Qt::LeftButton, last ? Qt::NoButton : Qt::LeftButton);
        }
    }
    QImage overlay() { return board.renderOverlay(QSize(1920, 1080)); }

    IBoard board;
    ISlide* page;
};

#endif  // BOARDTESTHELPERS_H
