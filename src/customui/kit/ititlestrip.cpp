#include "customui/kit/ititlestrip.h"

#include <QFile>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>
#include <QWindow>

#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"
#include "customui/kit/windowplacement.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

}  // namespace

int titleAlignmentFlags(int alignment)
{
    switch (alignment) {
        case 1:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case 2:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QRectF darkCloseRect(int width)
{
    const int side = scaled(20);
    return QRectF(width - scaled(10) - side, (scaled(30) - side) * 0.5, side, side);
}

void renderSvg(QPainter& painter, const QString& path, const QRectF& rect)
{
    if (!QFile::exists(path)) {
        return;
    }
    QSvgRenderer renderer(path);
    if (renderer.isValid()) {
        renderer.render(&painter, rect);
    }
}

ITitleStrip::ITitleStrip(int titleFontSize, DragOrigin origin) : origin_(origin)
{
    reset(titleFontSize);
}

void ITitleStrip::reset(int fontSize)
{
    closePressed = false;
    dragging = false;
    closeLocked = false;
    movable = false;
    roundedBackground = false;
    titleFontSize = fontSize;
    titleAlignment = 0;
}

bool ITitleStrip::press(QWidget* owner, const QMouseEvent* event, const QRectF& closeRect,
                        int dragZone)
{
    if (title.isEmpty() || event->button() != Qt::LeftButton) {
        return false;
    }
    bool repaint = false;
    if (closeButtonVisible && !closeLocked && closeRect.contains(event->pos())) {
        closePressed = true;
        repaint = true;
    }
    if (movable && event->pos().y() <= dragZone) {
        dragging = true;
        pressOffset =
            origin_ == DragOrigin::Local ? event->pos() : event->globalPos() - owner->pos();
    }
    return repaint;
}

bool ITitleStrip::move(QWidget* owner, const QMouseEvent* event)
{
    if (title.isEmpty() || !movable || !dragging || closePressed) {
        return false;
    }
    // A window the compositor places is moved by the compositor, which keeps the release.
    if (owner->isWindow() && compositorPlacesWindows() && owner->windowHandle() &&
        owner->windowHandle()->startSystemMove()) {
        dragging = false;
        return closeLocked;
    }
    if (origin_ == DragOrigin::Local) {
        owner->move(owner->pos() + event->pos() - pressOffset);
    } else {
        owner->move(event->globalPos() - pressOffset);
    }
    return closeLocked;
}

ITitleStrip::Release ITitleStrip::release(const QMouseEvent* event, const QRectF& closeRect)
{
    if (title.isEmpty()) {
        return Release::None;
    }
    dragging = false;
    if (!closePressed) {
        return Release::None;
    }
    closePressed = false;
    return closeRect.contains(event->pos()) ? Release::Close : Release::None;
}

QRectF ITitleStrip::pressedShift(const QRectF& rect) const
{
    if (!closePressed) {
        return rect;
    }
    const int shift = static_cast<int>(rect.width()) / 10;
    return rect.translated(shift, shift);
}

void ITitleStrip::paintDark(QPainter& painter, const QWidget* owner, const QRectF& closeRect) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    const QRect area = owner->rect();
    if (roundedBackground) {
        QLinearGradient gradient(area.topLeft(), area.bottomLeft());
        gradient.setColorAt(0, QColor(50, 50, 50, 255));
        gradient.setColorAt(1, QColor(10, 10, 10, 180));
        painter.setBrush(gradient);
        const int radius = scaled(10);
        painter.drawRoundedRect(area, radius, radius);
    } else {
        painter.setBrush(QColor(52, 52, 52));
        painter.drawRect(area);
    }
    if (title.isEmpty()) {
        return;
    }
    const int strip = scaled(30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRect(0, 0, area.width(), strip), scaled(10), scaled(10));
    painter.fillRect(QRect(0, scaled(15), area.width(), scaled(15)), Qt::black);
    painter.setPen(Qt::white);
    painter.setFont(appFont(titleFontSize, 75));
    painter.drawText(QRect(scaled(10), 0, area.width() - scaled(20), strip),
                     titleAlignmentFlags(titleAlignment), title);
    if (closeButtonVisible) {
        renderSvg(painter, QStringLiteral(":/root/root/close.svg"), pressedShift(closeRect));
    }
}
