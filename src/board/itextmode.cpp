#include "itextmode.h"

ITextMode::ITextMode(IBoard* board) : IMode(board) {}
