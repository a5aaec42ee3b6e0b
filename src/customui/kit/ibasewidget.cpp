#include "customui/kit/ibasewidget.h"

#include <QPainter>

#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}
int scaledY(double v)
{
    return static_cast<int>(v * uiScaleY);
}

}  // namespace

IBaseWidget::IBaseWidget(const QString& title, const bool& closeButtonVisible, QWidget* parent)
    : QDialog(parent), strip_(10, ITitleStrip::DragOrigin::Local)
{
    init();
    strip_.title = title;
    strip_.closeButtonVisible = closeButtonVisible;
}

IBaseWidget::IBaseWidget(QWidget* parent) : IBaseWidget(QString(), false, parent) {}

void IBaseWidget::setTitleAlignment(int alignment)
{
    setTitle(strip_.title, strip_.titleFontSize, alignment);
}

void IBaseWidget::setTitle(QString text)
{
    setTitle(text, strip_.titleFontSize, 0);
}

void IBaseWidget::setTitleFontSize(int size)
{
    setTitle(strip_.title, size, 0);
}

void IBaseWidget::setTitle(QString text, const int& size, int alignment)
{
    strip_.title = text;
    strip_.titleFontSize = size;
    strip_.titleAlignment = alignment;
    update();
}

void IBaseWidget::setMovable(const bool& movable)
{
    strip_.movable = movable;
}

void IBaseWidget::setCloseButtonVisible(const bool& visible)
{
    strip_.closeButtonVisible = visible;
    update();
}

void IBaseWidget::setCloseLocked(const bool& locked)
{
    strip_.closeLocked = locked;
    update();
}

bool IBaseWidget::isCloseLocked()
{
    return strip_.closeLocked;
}

void IBaseWidget::init()
{
    strip_.reset(10);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(parentWidget() ? Qt::FramelessWindowHint : Qt::Tool | Qt::FramelessWindowHint);
}

QRectF IBaseWidget::closeRect() const
{
    const int side = static_cast<int>(16 * uiScaleX);
    return QRectF(width() - scaled(10) - side, (scaledY(30) - side) * 0.5, side, side);
}

void IBaseWidget::mousePressEvent(QMouseEvent* event)
{
    if (strip_.press(this, event, closeRect(), scaledY(30))) {
        update();
    }
    QDialog::mousePressEvent(event);
}

void IBaseWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (strip_.move(this, event)) {
        setCloseLocked(false);
    }
    QDialog::mouseMoveEvent(event);
}

void IBaseWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = strip_.closePressed;
    if (strip_.release(event, closeRect()) == ITitleStrip::Release::Close) {
        close();
    }
    if (wasPressed) {
        update();
    }
    QDialog::mouseReleaseEvent(event);
}

void IBaseWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    const int radius = scaled(10);
    painter.setBrush(QColor(230, 230, 230));
    painter.drawRoundedRect(rect(), radius, radius);
    const double edge = uiScale;
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRoundedRect(QRectF(edge, edge, width() - 2 * edge, height() - 2 * edge), radius,
                            radius);
    if (!strip_.title.isEmpty()) {
        const QColor stripColour(197, 228, 249);
        painter.setBrush(stripColour);
        painter.drawRoundedRect(QRectF(edge, edge, width() - 2 * edge, scaledY(30)), radius,
                                radius);
        painter.fillRect(
            QRectF(edge, scaledY(15) + edge, width() - 2 * edge, scaledY(30) - scaledY(15)),
            stripColour);
        painter.setPen(Qt::black);
        painter.setFont(boardFont(strip_.titleFontSize, 75));
        painter.drawText(QRectF(scaled(10), edge, width() - scaled(20), scaledY(30)),
                         titleAlignmentFlags(strip_.titleAlignment), strip_.title);
        if (strip_.closeButtonVisible) {
            renderSvg(painter, QStringLiteral(":/itemframe/redclose.svg"),
                      strip_.pressedShift(closeRect()));
        }
    }
    QDialog::paintEvent(event);
}

void IBaseWidget::closeEvent(QCloseEvent* event)
{
    emit sgClose();
    QDialog::closeEvent(event);
}
