#ifndef IICOLORBUTTON_H
#define IICOLORBUTTON_H

#include "customui/kit/icolorbuttonbase.h"

// The round colour button of the shell's panels: a disc in its colour (five hue sectors for
// Qt::transparent) with a ring around it while selected. Clicks report sgButtonClick(selected,
// data). Its ring unit never drops below 2 pixels.
class IIColorButton : public IColorButtonBase {
    Q_OBJECT
public:
    IIColorButton(QVariant data, QColor colour, const bool& checkable, QSize size,
                  QWidget* parent = nullptr);

private:
    int ringUnit() const override;
    bool clickDeselects() const override;
};

#endif  // IICOLORBUTTON_H
