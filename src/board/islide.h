#ifndef ISLIDE_H
#define ISLIDE_H

#include <QGraphicsScene>
#include <QList>
#include <QSet>
#include <QSizeF>
#include <QString>

class IElement;
class ISceneElementFrame;
class QUndoStack;

// A board page: a scene with the ordered list of its elements and, on demand, its text frame.
// Elements on the page are owned by the scene; an element removed from it belongs to whoever
// removed it.
class ISlide : public QGraphicsScene {
    Q_OBJECT
public:
    // z-order of the bottom element layer; strokes and shapes start here.
    static constexpr double BottomZ = -9000000.0;

    explicit ISlide(QObject* parent = nullptr);
    ~ISlide() override;

    QString id() const { return id_; }
    QSizeF size() const { return size_; }
    QList<IElement*> elements() const { return elements_; }
    double topZ() const { return topZ_; }

    // The page's history of changes, bounded to HistoryLimit steps.
    static constexpr int HistoryLimit = 100;
    QUndoStack* undoStack() const { return undoStack_; }

    // Puts the element above the page's elements (z = its z-order + 0.01) and into the scene.
    // An element already on this page, or null, is refused.
    bool addElement(IElement* element, bool quiet);
    // Takes the element out of the page; the caller owns it afterwards. A locked element, or
    // one not on this page, is not removed (false) and no removal is announced.
    bool removeElement(IElement* element, bool quiet);
    // Removes every unlocked stroke, shape and text element and returns them; the caller owns
    // them afterwards.
    virtual QSet<IElement*> clearStrokesAndText();
    // For the history: takes an element off the page whether locked or not and returns the
    // index it had (-1 when it was not on the page); puts one back at an index with the
    // z-order it had. Both announce the change.
    int takeElement(IElement* element);
    void restoreElement(IElement* element, int index);

    // The page's text frame, created on first use while a board with a frame maker shows the
    // page; null otherwise.
    ISceneElementFrame* textFrame();
    // The text frame if it exists already.
    ISceneElementFrame* createdTextFrame() const { return textFrame_; }

signals:
    void sgSlideChangedEvent();
    void sgElementsAddedEvent(QString id, QList<IElement*> elements);
    void sgElementsRemovedEvent(QString id, QList<IElement*> elements);

private:
    void takeOut(IElement* element);
    void recomputeTopZ();

    QSizeF size_;
    QString id_;
    double topZ_ = BottomZ;
    QList<IElement*> elements_;
    QSet<IElement*> removed_;
    ISceneElementFrame* textFrame_ = nullptr;
    QUndoStack* undoStack_ = nullptr;
};

#endif  // ISLIDE_H
