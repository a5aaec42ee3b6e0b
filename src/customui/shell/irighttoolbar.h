#ifndef IRIGHTTOOLBAR_H
#define IRIGHTTOOLBAR_H

#include "customui/shell/itoolbarbase.h"

// The narrow toolbar right of the board for the picture view: board mode, magnifier, zoom
// ("+" and "-"), rotate and self-adapting.
class IRightToolBar : public IToolBarBase {
    Q_OBJECT
public:
    enum ButtonId {
        Board = 0,
        Magnifier = 1,
        ZoomIn = 2,
        ZoomOut = 3,
        Rotate = 4,
        SelfAdapting = 5
    };
    Q_ENUM(ButtonId)

    explicit IRightToolBar(QWidget* parent = nullptr);

private:
    void CreateUI();
};

#endif  // IRIGHTTOOLBAR_H
