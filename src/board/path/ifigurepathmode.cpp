#include "ifigurepathmode.h"

IFigurePathMode::IFigurePathMode(IBoard* board) : IMode(board) {}
