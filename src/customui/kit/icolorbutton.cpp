#include "customui/kit/icolorbutton.h"

#include "customui/kit/uiscale.h"

IColorButton::IColorButton(QVariant data, QColor colour, const bool& checkable, QSize size,
                           QWidget* parent)
    : IColorButtonBase(std::move(data), std::move(colour), checkable, size, parent)
{
}

int IColorButton::ringUnit() const
{
    return static_cast<int>(uiScale * 2);
}

bool IColorButton::clickDeselects() const
{
    return false;
}
