#ifndef IPENCILPATHMODE_H
#define IPENCILPATHMODE_H

#include "board/iinkbasemode.h"

// The Pen mode: freehand strokes over the picture. The board calls activate() again when the
// ink colour changes while the pen is current, so the pen cursor follows the colour.
class IPencilPathMode : public IInkBaseMode {
public:
    explicit IPencilPathMode(IBoard* board);
};

#endif  // IPENCILPATHMODE_H
