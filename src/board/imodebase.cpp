#include "imodebase.h"

#include <QGraphicsItem>

#include "board/iboard.h"
#include "board/imodeeventhandle.h"

IModeBase::IModeBase(IBoard* board) : board_(board), relay_(new IModeEventHandle) {}

IModeBase::~IModeBase()
{
    // Deleting an item takes it out of its scene, so the page never deletes it a second time.
    qDeleteAll(ownedItems_);
    delete relay_;
}

IBoardState* IModeBase::boardState() const
{
    return board_ ? board_->boardState() : nullptr;
}

void IModeBase::setBoard(IBoard* board)
{
    board_ = board;
}

QCursor IModeBase::cursor() const
{
    return cursor_;
}

void IModeBase::activate() {}

void IModeBase::deactivate() {}

void IModeBase::adoptSceneItem(QGraphicsItem* item)
{
    if (!item || ownedItems_.contains(item)) {
        return;
    }
    item->setData(OwnedItemDataKey, true);
    ownedItems_.append(item);
}

void IModeBase::deleteSceneItem(QGraphicsItem* item)
{
    if (ownedItems_.removeAll(item) > 0) {
        delete item;
    }
}
