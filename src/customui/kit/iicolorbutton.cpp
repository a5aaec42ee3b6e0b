#include "customui/kit/iicolorbutton.h"

#include <QPainter>

#include "customui/kit/icolorbuttonpaint.h"
#include "customui/kit/uiscale.h"

IIColorButton::IIColorButton(QVariant data, QColor colour, const bool& checkable, QSize size,
                             QWidget* parent)
    : QToolButton(parent),
      buttonSize_(size),
      colour_(std::move(colour)),
      checkable_(checkable),
      data_(std::move(data))
{
    init();
}

void IIColorButton::init()
{
    setAttribute(Qt::WA_TranslucentBackground);
    buttonSize_ = QSize(static_cast<int>(buttonSize_.width() * uiScale),
                        static_cast<int>(buttonSize_.height() * uiScale));
    setFixedSize(buttonSize_);
    if (checkable_) {
        setCheckable(true);
    }
    connect(this, &QToolButton::clicked, this, &IIColorButton::onClicked, Qt::UniqueConnection);
}

void IIColorButton::onClicked(bool checked)
{
    selected_ = checked;
    update();
    emit sgButtonClick(selected_, data_);
}

int IIColorButton::ringUnit() const
{
    return static_cast<int>(qMax(uiScale, 1.0) * 2);
}

QColor IIColorButton::color() const
{
    return colour_;
}

QSize IIColorButton::buttonSize() const
{
    return buttonSize_;
}

bool IIColorButton::isSelected() const
{
    return selected_;
}

QVariant IIColorButton::data() const
{
    return data_;
}

void IIColorButton::setSelected(const bool& selected)
{
    selected_ = selected;
    setChecked(selected);
}

void IIColorButton::setButtonSize(const QSize& size)
{
    buttonSize_ = size;
    setFixedSize(size);
}

void IIColorButton::setColor(const QColor& colour)
{
    colour_ = colour;
    update();
}

void IIColorButton::drawRing(QPainter* painter, int radius, int startAngle, int spanAngle,
                             int ringWidth, const QColor& colour)
{
    painter->fillPath(colorbuttonpaint::ringPath(radius, startAngle, spanAngle, ringWidth), colour);
}

void IIColorButton::drawSector(QPainter* painter, int radius, int startAngle, int spanAngle,
                               const QColor& colour)
{
    painter->fillPath(colorbuttonpaint::sectorPath(radius, startAngle, spanAngle), colour);
}

void IIColorButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    colorbuttonpaint::paint(this, painter, colour_, checkable_, selected_, ringUnit());
}
