#include "ipencilpathmode.h"

IPencilPathMode::IPencilPathMode(IBoard* board) : IInkBaseMode(board) {}
