#include "customui/kit/itoolbuttonbase.h"

IToolButtonBase::IToolButtonBase(QVariant data, QSize size, QWidget* parent)
    : QToolButton(parent), buttonSize_(size), data_(std::move(data))
{
}

void IToolButtonBase::applyTextSizing()
{
    if (buttonSize_.width() == 0) {
        setFixedHeight(buttonSize_.height());
        setSizePolicy(QSizePolicy::Expanding, sizePolicy().verticalPolicy());
    } else if (buttonSize_.height() == 0) {
        setFixedWidth(buttonSize_.width());
        setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    } else {
        setFixedSize(buttonSize_);
    }
}

QString IToolButtonBase::text() const
{
    return text_;
}

QSize IToolButtonBase::buttonSize() const
{
    return buttonSize_;
}

QString IToolButtonBase::normalIcon() const
{
    return normalIcon_;
}

bool IToolButtonBase::isSelected() const
{
    return selected_;
}

QVariant IToolButtonBase::data() const
{
    return data_;
}

bool IToolButtonBase::isTextUnderIcon() const
{
    return textUnderIcon_;
}

void IToolButtonBase::setSelected(const bool& selected)
{
    selected_ = selected;
    setChecked(selected);
}

void IToolButtonBase::setData(QVariant data)
{
    data_ = std::move(data);
}

void IToolButtonBase::setButtonSize(const QSize& size)
{
    buttonSize_ = size;
    setFixedSize(size);
    setIconSize(QSize(size.width(), size.height() / 2));
}

void IToolButtonBase::setText(QString text)
{
    text_ = text;
    QToolButton::setText(text);
}

void IToolButtonBase::setNormalIcon(QString path)
{
    normalIcon_ = path;
    if (!isChecked()) {
        setIcon(QIcon(path));
    }
}

void IToolButtonBase::setSecondIcon(QString path)
{
    secondIcon_ = path;
    if (isChecked()) {
        setIcon(QIcon(path));
    }
}

void IToolButtonBase::setTextUnderIcon(const bool& underIcon)
{
    if (text_.isEmpty()) {
        return;
    }
    textUnderIcon_ = underIcon;
    setToolButtonStyle(underIcon ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}
