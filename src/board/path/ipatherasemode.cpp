#include "ipatherasemode.h"

IPathEraseMode::IPathEraseMode(IBoard* board) : IMode(board) {}
