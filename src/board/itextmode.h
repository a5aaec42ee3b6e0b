#ifndef ITEXTMODE_H
#define ITEXTMODE_H

#include "board/imode.h"

class ITextElement;

// The Text mode, behind ModeType Text: a click on the picture places an empty text box there,
// ready for typing, with the page's text frame around it.
class ITextMode : public IMode {
public:
    explicit ITextMode(IBoard* board);

    void press(IDeviceEvent* record) override;
    void release(IDeviceEvent* record) override;
    void activate() override;
    void deactivate() override;

private:
    ITextElement* placeText(const QPointF& scenePoint);

    bool pressed_ = false;
    QCursor savedCursor_;
};

#endif  // ITEXTMODE_H
