#ifndef ICOLORBUTTON_H
#define ICOLORBUTTON_H

#include "customui/kit/icolorbuttonbase.h"

// The round colour button of the board's colour palette: drawn like IIColorButton with a ring
// unit that follows uiScale; a click never deselects a selected button.
class IColorButton : public IColorButtonBase {
    Q_OBJECT
public:
    IColorButton(QVariant data, QColor colour, const bool& checkable, QSize size,
                 QWidget* parent = nullptr);

private:
    int ringUnit() const override;
    bool clickDeselects() const override;
};

#endif  // ICOLORBUTTON_H
