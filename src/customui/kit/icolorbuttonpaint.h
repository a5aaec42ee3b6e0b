#ifndef ICOLORBUTTONPAINT_H
#define ICOLORBUTTONPAINT_H

#include <QColor>
#include <QPainter>
#include <QPainterPath>

// Painting shared by the two round colour buttons. `Button` supplies drawSector and drawRing; u is
// the ring unit (ring width and gap).
namespace colorbuttonpaint {

// The pie slice of `radius` around the painter's origin from `start` over `span` degrees.
inline QPainterPath sectorPath(qreal radius, qreal start, qreal span)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.arcTo(QRectF(-radius, -radius, 2 * radius, 2 * radius), start, span);
    path.closeSubpath();
    return path;
}

inline QPainterPath ringPath(qreal radius, qreal start, qreal span, qreal width)
{
    QPainterPath inner;
    inner.addEllipse(
        QRectF(-radius + width, -radius + width, 2 * (radius - width), 2 * (radius - width)));
    return sectorPath(radius, start, span).subtracted(inner);
}

// The five hues of the "transparent" (no colour) button, one per 72-degree sector.
inline const QColor& spectrumColour(int i)
{
    static const QColor colours[] = {Qt::red, Qt::blue, Qt::yellow, Qt::magenta, Qt::green};
    return colours[i];
}

template <class Button>
void paint(Button* button, QPainter& painter, const QColor& colour, bool checkable, bool selected,
           int u)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const int w = button->width();
    const int h = button->height();
    const int r = w / 2;
    if (colour == QColor(Qt::transparent)) {
        const int sectorRadius = checkable ? r - 2 * u : r - u;
        if (!checkable) {
            painter.setBrush(Qt::black);
            painter.drawEllipse(0, 0, w, h);
        }
        painter.translate(w / 2, h / 2);
        for (int i = 0; i < 5; ++i) {
            button->drawSector(&painter, sectorRadius, i * 72, 72, spectrumColour(i));
        }
        if (checkable && selected) {
            for (int i = 0; i < 5; ++i) {
                button->drawRing(&painter, r, i * 72, 72, u, spectrumColour(i));
            }
        }
        return;
    }
    if (checkable) {
        painter.setBrush(colour);
        painter.drawEllipse(2 * u, 2 * u, w - 4 * u, h - 4 * u);
        if (selected) {
            painter.translate(w / 2, h / 2);
            button->drawRing(&painter, r, 0, 360, u, colour);
        }
        return;
    }
    painter.setBrush(Qt::black);
    painter.drawEllipse(0, 0, w, h);
    painter.setBrush(colour);
    painter.drawEllipse(u, u, w - 2 * u, h - 2 * u);
}

}  // namespace colorbuttonpaint

#endif  // ICOLORBUTTONPAINT_H
