#include "iinkbasemode.h"

IInkBaseMode::IInkBaseMode(IBoard* board) : IMode(board) {}

void IInkBaseMode::activate() {}

void IInkBaseMode::deactivate()
{
    cursor_ = QCursor(Qt::ArrowCursor);
    IMode::deactivate();
}
