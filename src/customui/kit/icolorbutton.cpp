#include "customui/kit/icolorbutton.h"

#include <QPainter>

#include "customui/kit/icolorbuttonpaint.h"
#include "customui/kit/uiscale.h"

IColorButton::IColorButton(QVariant data, QColor colour, const bool& checkable, QSize size,
                           QWidget* parent)
    : QToolButton(parent),
      buttonSize_(size),
      colour_(std::move(colour)),
      checkable_(checkable),
      data_(std::move(data))
{
    init();
}

void IColorButton::init()
{
    setAttribute(Qt::WA_TranslucentBackground);
    buttonSize_ = QSize(static_cast<int>(buttonSize_.width() * uiScale),
                        static_cast<int>(buttonSize_.height() * uiScale));
    setFixedSize(buttonSize_);
    if (checkable_) {
        setCheckable(true);
    }
    connect(this, &QToolButton::clicked, this, &IColorButton::onClicked, Qt::UniqueConnection);
}

void IColorButton::onClicked(bool checked)
{
    // Clicking a selected button again leaves it selected.
    if (checked || !selected_) {
        selected_ = checked;
        update();
    }
    emit sgButtonClick(selected_, data_);
}

int IColorButton::ringUnit() const
{
    return static_cast<int>(uiScale * 2);
}

QColor IColorButton::color() const
{
    return colour_;
}

QSize IColorButton::buttonSize() const
{
    return buttonSize_;
}

bool IColorButton::isSelected() const
{
    return selected_;
}

QVariant IColorButton::data() const
{
    return data_;
}

void IColorButton::setSelected(const bool& selected)
{
    selected_ = selected;
    setChecked(selected);
}

void IColorButton::setButtonSize(const QSize& size)
{
    buttonSize_ = size;
    setFixedSize(size);
}

void IColorButton::setColor(const QColor& colour)
{
    colour_ = colour;
    update();
}

void IColorButton::drawRing(QPainter* painter, int radius, int startAngle, int spanAngle,
                            int ringWidth, const QColor& colour)
{
    painter->fillPath(colorbuttonpaint::ringPath(radius, startAngle, spanAngle, ringWidth), colour);
}

void IColorButton::drawSector(QPainter* painter, int radius, int startAngle, int spanAngle,
                              const QColor& colour)
{
    painter->fillPath(colorbuttonpaint::sectorPath(radius, startAngle, spanAngle), colour);
}

void IColorButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    colorbuttonpaint::paint(this, painter, colour_, checkable_, selected_, ringUnit());
}
