#ifndef IINKBASEMODE_H
#define IINKBASEMODE_H

#include "board/imode.h"

// Base of the modes that lay down ink; leaving one restores the arrow cursor.
class IInkBaseMode : public IMode {
public:
    explicit IInkBaseMode(IBoard* board);

    void activate() override;
    void deactivate() override;
};

#endif  // IINKBASEMODE_H
