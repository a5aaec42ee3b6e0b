#ifndef ITEXTMODE_H
#define ITEXTMODE_H

#include "board/imode.h"

// The Text mode, behind ModeType Text: a click places a text box. Until text boxes exist it
// keeps the default device bookkeeping of IMode.
class ITextMode : public IMode {
public:
    explicit ITextMode(IBoard* board);
};

#endif  // ITEXTMODE_H
