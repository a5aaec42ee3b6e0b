#ifndef ISELECTORPATHMODE_H
#define ISELECTORPATHMODE_H

#include "board/imode.h"

class QGraphicsItem;

// The Select mode: the board pans, zooms and goes full screen itself; the mode hands presses on
// elements (text boxes, strokes, shapes) and on their frame to the page's frame, and a press
// anywhere else dismisses the frame.
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

private:
    QGraphicsItem* pressedItem_ = nullptr;
    bool textPressed_ = false;
    bool frameDragged_ = false;
};

#endif  // ISELECTORPATHMODE_H
