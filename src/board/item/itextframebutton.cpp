#include "board/item/itextframebutton.h"

#include <QGraphicsSceneMouseEvent>
#include <QIcon>

#include "customui/kit/uiscale.h"

ITextFrameButton::ITextFrameButton(const QString& icon, int size, QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent)
{
    const int side = qMax(1, static_cast<int>(size * uiScale));
    setPixmap(QIcon(icon).pixmap(side, side));
    setOffset(-side / 2.0, -side / 2.0);
    // The whole square answers, also where the icon is transparent.
    setShapeMode(BoundingRectShape);
    setTransformationMode(Qt::SmoothTransformation);
    // Drawn in device pixels: the same size whatever the zoom and rotation of the view.
    setFlag(ItemIgnoresTransformations, true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setCacheMode(NoCache);
}

void ITextFrameButton::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    emit mousePress(event);
}

void ITextFrameButton::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    emit mouseMove(event);
}

void ITextFrameButton::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    emit mouseRelease(event);
    if (boundingRect().contains(event->pos())) {
        emit clicked(false);
        emit clicked();
    }
}
