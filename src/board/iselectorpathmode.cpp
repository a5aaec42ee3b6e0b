#include "iselectorpathmode.h"

#include <QEvent>

#include "board/iboard.h"
#include "board/ideviceevent.h"

ISelectorPathMode::ISelectorPathMode(IBoard* board) : IMode(board) {}

ISelectorPathMode::~ISelectorPathMode() = default;

void ISelectorPathMode::press(IDeviceEvent* record)
{
    IMode::press(record);
    // Not consumed here: the board hands the press on to the view.
    record->event()->ignore();
}

void ISelectorPathMode::move(IDeviceEvent* record)
{
    IMode::move(record);
}

void ISelectorPathMode::release(IDeviceEvent* record)
{
    IMode::release(record);
}

QCursor ISelectorPathMode::cursor() const
{
    return QCursor(Qt::ArrowCursor);
}

void ISelectorPathMode::activate()
{
    if (board()) {
        board()->applyCursor(QCursor(Qt::ArrowCursor));
    }
}

void ISelectorPathMode::deactivate()
{
    IMode::deactivate();
    if (board()) {
        board()->clearSelection();
    }
}
