#include "customui/kit/iicolorbutton.h"

#include "customui/kit/uiscale.h"

IIColorButton::IIColorButton(QVariant data, QColor colour, const bool& checkable, QSize size,
                             QWidget* parent)
    : IColorButtonBase(std::move(data), std::move(colour), checkable, size, parent)
{
}

int IIColorButton::ringUnit() const
{
    return static_cast<int>(qMax(uiScale, 1.0) * 2);
}

bool IIColorButton::clickDeselects() const
{
    return true;
}
