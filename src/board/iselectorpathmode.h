#ifndef ISELECTORPATHMODE_H
#define ISELECTORPATHMODE_H

#include "board/imode.h"

// The Select mode: the board pans, zooms and goes full screen itself; presses are passed on to
// the view so that items under the pointer receive them.
class ISelectorPathMode : public IMode {
public:
    explicit ISelectorPathMode(IBoard* board);
    virtual ~ISelectorPathMode();

    void press(IDeviceEvent* record) override;
    void move(IDeviceEvent* record) override;
    void release(IDeviceEvent* record) override;
    QCursor cursor() const override;
    void activate() override;
    void deactivate() override;
};

#endif  // ISELECTORPATHMODE_H
