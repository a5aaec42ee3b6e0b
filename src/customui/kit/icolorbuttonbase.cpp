#include "customui/kit/icolorbuttonbase.h"

#include <QPainter>
#include <QPainterPath>

#include "customui/kit/uiscale.h"

namespace {

// The pie slice of `radius` around the painter's origin from `start` over `span` degrees.
QPainterPath sectorPath(qreal radius, qreal start, qreal span)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.arcTo(QRectF(-radius, -radius, 2 * radius, 2 * radius), start, span);
    path.closeSubpath();
    return path;
}

QPainterPath ringPath(qreal radius, qreal start, qreal span, qreal width)
{
    QPainterPath inner;
    inner.addEllipse(
        QRectF(-radius + width, -radius + width, 2 * (radius - width), 2 * (radius - width)));
    return sectorPath(radius, start, span).subtracted(inner);
}

// The five hues of the "transparent" (no colour) button, one per 72-degree sector.
const QColor& spectrumColour(int i)
{
    static const QColor colours[] = {Qt::red, Qt::blue, Qt::yellow, Qt::magenta, Qt::green};
    return colours[i];
}

}  // namespace

IColorButtonBase::IColorButtonBase(QVariant data, QColor colour, bool checkable, QSize size,
                                   QWidget* parent)
    : QToolButton(parent),
      buttonSize_(size),
      colour_(std::move(colour)),
      checkable_(checkable),
      data_(std::move(data))
{
    init();
}

void IColorButtonBase::init()
{
    setAttribute(Qt::WA_TranslucentBackground);
    buttonSize_ = QSize(static_cast<int>(buttonSize_.width() * uiScale),
                        static_cast<int>(buttonSize_.height() * uiScale));
    setFixedSize(buttonSize_);
    if (checkable_) {
        setCheckable(true);
    }
    connect(this, &QToolButton::clicked, this, &IColorButtonBase::onClicked, Qt::UniqueConnection);
}

void IColorButtonBase::onClicked(bool checked)
{
    if (checked || !selected_ || clickDeselects()) {
        selected_ = checked;
        update();
    }
    emit sgButtonClick(selected_, data_);
}

QColor IColorButtonBase::color() const
{
    return colour_;
}

QSize IColorButtonBase::buttonSize() const
{
    return buttonSize_;
}

bool IColorButtonBase::isSelected() const
{
    return selected_;
}

QVariant IColorButtonBase::data() const
{
    return data_;
}

void IColorButtonBase::setSelected(const bool& selected)
{
    selected_ = selected;
    setChecked(selected);
}

void IColorButtonBase::setButtonSize(const QSize& size)
{
    buttonSize_ = size;
    setFixedSize(size);
}

void IColorButtonBase::setColor(const QColor& colour)
{
    colour_ = colour;
    update();
}

void IColorButtonBase::drawRing(QPainter* painter, int radius, int startAngle, int spanAngle,
                                int ringWidth, const QColor& colour)
{
    painter->fillPath(ringPath(radius, startAngle, spanAngle, ringWidth), colour);
}

void IColorButtonBase::drawSector(QPainter* painter, int radius, int startAngle, int spanAngle,
                                  const QColor& colour)
{
    painter->fillPath(sectorPath(radius, startAngle, spanAngle), colour);
}

void IColorButtonBase::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (colour_ == QColor(Qt::transparent)) {
        paintSpectrum(painter, ringUnit());
    } else {
        paintColour(painter, ringUnit());
    }
}

// Five hue sectors; a ring of the same hues around them while selected.
void IColorButtonBase::paintSpectrum(QPainter& painter, int u)
{
    const int w = width();
    const int h = height();
    const int r = w / 2;
    if (!checkable_) {
        painter.setBrush(Qt::black);
        painter.drawEllipse(0, 0, w, h);
    }
    painter.translate(w / 2, h / 2);
    const int sectorRadius = checkable_ ? r - 2 * u : r - u;
    for (int i = 0; i < 5; ++i) {
        drawSector(&painter, sectorRadius, i * 72, 72, spectrumColour(i));
    }
    if (checkable_ && selected_) {
        for (int i = 0; i < 5; ++i) {
            drawRing(&painter, r, i * 72, 72, u, spectrumColour(i));
        }
    }
}

// A checkable button: a disc with a ring while selected; otherwise a disc on a black edge.
void IColorButtonBase::paintColour(QPainter& painter, int u)
{
    const int w = width();
    const int h = height();
    if (!checkable_) {
        painter.setBrush(Qt::black);
        painter.drawEllipse(0, 0, w, h);
        painter.setBrush(colour_);
        painter.drawEllipse(u, u, w - 2 * u, h - 2 * u);
        return;
    }
    painter.setBrush(colour_);
    painter.drawEllipse(2 * u, 2 * u, w - 4 * u, h - 4 * u);
    if (selected_) {
        painter.translate(w / 2, h / 2);
        drawRing(&painter, w / 2, 0, 360, u, colour_);
    }
}
