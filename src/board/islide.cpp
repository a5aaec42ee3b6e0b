#include "islide.h"

#include <QDebug>
#include <QGraphicsItem>
#include <QGuiApplication>
#include <QScreen>
#include <QUndoStack>
#include <QUuid>
#include <limits>

#include "board/iboard.h"
#include "board/imodebase.h"
#include "board/iscenelementframe.h"
#include "board/item/ielement.h"

namespace {

QSizeF primaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1920, 1080);
    return QSizeF(size.width(), size.height());
}

QGraphicsItem* itemOf(IElement* element)
{
    return dynamic_cast<QGraphicsItem*>(element);
}

}  // namespace

ISlide::ISlide(QObject* parent)
    : QGraphicsScene(parent),
      size_(primaryScreenSize()),
      id_(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    setSceneRect(0, 0, size_.width(), size_.height());
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(HistoryLimit);
    qRegisterMetaType<QList<IElement*>>("QList<IElement*>");
}

ISlide::~ISlide()
{
    // The history goes before the items: its commands delete only elements off the page.
    delete undoStack_;
    // Items a mode owns are released, not deleted: their mode deletes them.
    for (QGraphicsItem* item : items()) {
        if (item->scene() == this && item->data(IModeBase::OwnedItemDataKey).toBool()) {
            removeItem(item);
        }
    }
}

bool ISlide::addElement(IElement* element, bool quiet)
{
    QGraphicsItem* item = itemOf(element);
    if (!item || elements_.contains(element)) {
        qDebug() << "element not added to the page: null, not an item or already there";
        return false;
    }
    const double z = element->zOrder() + 0.01;
    topZ_ = z;
    element->setZOrder(z);
    item->setZValue(z);
    elements_.append(element);
    addItem(item);
    if (!quiet) {
        emit sgElementsAddedEvent(id_, {element});
    }
    emit sgSlideChangedEvent();
    return true;
}

bool ISlide::removeElement(IElement* element, bool quiet)
{
    const bool removable = element && elements_.contains(element) && !element->isLocked();
    if (removable) {
        takeOut(element);
        recomputeTopZ();
        if (!quiet) {
            emit sgElementsRemovedEvent(id_, {element});
        }
    }
    emit sgSlideChangedEvent();
    return removable;
}

QSet<IElement*> ISlide::clearStrokesAndText()
{
    removed_.clear();
    QList<IElement*> out;
    const QList<IElement*> all = elements_;
    for (IElement* element : all) {
        const int type = itemOf(element)->type();
        const bool qualifies =
            type == IElement::PathElementType || type == IElement::TextElementType;
        if (qualifies && !element->isLocked()) {
            takeOut(element);
            removed_.insert(element);
            out.append(element);
        }
    }
    if (!out.isEmpty()) {
        recomputeTopZ();
        emit sgElementsRemovedEvent(id_, out);
    }
    return removed_;
}

int ISlide::takeElement(IElement* element)
{
    const int index = elements_.indexOf(element);
    if (index < 0) {
        return -1;
    }
    takeOut(element);
    recomputeTopZ();
    emit sgElementsRemovedEvent(id_, {element});
    emit sgSlideChangedEvent();
    return index;
}

void ISlide::restoreElement(IElement* element, int index)
{
    QGraphicsItem* item = itemOf(element);
    if (!item || elements_.contains(element)) {
        return;
    }
    item->setZValue(element->zOrder());
    elements_.insert(qBound(0, index, elements_.size()), element);
    addItem(item);
    recomputeTopZ();
    emit sgElementsAddedEvent(id_, {element});
    emit sgSlideChangedEvent();
}

ISceneElementFrame* ISlide::textFrame()
{
    if (textFrame_) {
        return textFrame_;
    }
    IBoard* board = nullptr;
    for (QGraphicsView* view : views()) {
        if ((board = qobject_cast<IBoard*>(view))) {
            break;
        }
    }
    textFrame_ = board ? board->makeTextFrame() : nullptr;
    if (textFrame_) {
        addItem(textFrame_->frameItem());
        textFrame_->frameItem()->hide();
    }
    return textFrame_;
}

void ISlide::takeOut(IElement* element)
{
    elements_.removeAll(element);
    removeItem(itemOf(element));
}

void ISlide::recomputeTopZ()
{
    if (elements_.isEmpty()) {
        topZ_ = BottomZ;
        return;
    }
    double top = std::numeric_limits<double>::lowest();
    for (const IElement* element : qAsConst(elements_)) {
        top = qMax(top, double(qint64(element->zOrder())));
    }
    topZ_ = top;
}
