#include "ipathrenderwidget.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/islide.h"
#include "board/path/capsule.h"

namespace {

// Above every element, just below the eraser's circle.
constexpr double kPreviewZ = 10000000;
// The stroke's region is this much wider than the line: half of it on each side.
constexpr double kRegionMargin = 10;

}  // namespace

IPathRenderWidget::IPathRenderWidget(IBoard* board) : board_(board)
{
    setPen(Qt::NoPen);
    setBrush(Qt::NoBrush);
    setZValue(kPreviewZ);
    setFlag(ItemUsesExtendedStyleOption, true);  // paint only the exposed part
    hide();
}

QPointF IPathRenderWidget::scenePoint(const IBoard* board, const IDeviceEvent* record)
{
    const QPointF p = record->position();
    return board->mapToScene(QPoint(int(p.x()), int(p.y())));
}

void IPathRenderWidget::setActive(bool active)
{
    if (!active) {
        clearPainted();
        hide();
        return;
    }
    followCurrentPage();
    coverPicture();
    setUpPending_ = false;
    region_ = QRegion();
    setOpacity(board_->boardState()->inkOpacity() / 255.0);
    show();
}

void IPathRenderWidget::followCurrentPage()
{
    ISlide* page = board_->currentSlide();
    if (!page || scene() == page) {
        return;
    }
    if (scene()) {
        scene()->removeItem(this);
    }
    page->addItem(this);
}

void IPathRenderWidget::coverPicture()
{
    // The picture grows with the window: a stroke must be visible wherever the picture is.
    const QRect picture = board_->backgroundRect().toAlignedRect();
    const QRect covered(pos().toPoint(), image_.size());
    if (!setUpPending_ && (picture.isEmpty() || covered.contains(picture))) {
        return;
    }
    image_ = QImage(picture.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
    painted_ = QRect();
    setPos(picture.topLeft());
    setRect(0, 0, image_.width(), image_.height());
}

void IPathRenderWidget::clearPainted()
{
    if (painted_.isEmpty()) {
        return;
    }
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(painted_, Qt::transparent);
    update(painted_);
    painted_ = QRect();
}

void IPathRenderWidget::startAt(IDeviceEvent* record)
{
    const QPointF p = scenePoint(board_, record);
    lastPoint_ = p;
    drawSegment(p, p);
}

void IPathRenderWidget::lineTo(IDeviceEvent* record)
{
    const QPointF p = scenePoint(board_, record);
    drawSegment(lastPoint_, p);
    lastPoint_ = p;
}

void IPathRenderWidget::finishAt(IDeviceEvent* record)
{
    lineTo(record);
}

void IPathRenderWidget::drawSegment(QPointF from, QPointF to)
{
    const IBoardState* state = board_->boardState();
    const double w = state->inkThickness();
    QColor ink = state->inkColor();
    ink.setAlpha(255);  // the item's opacity carries the ink opacity
    const QPolygonF capsule = capsulePolygon(from, to, w).translated(-pos());
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(capsule, Qt::OddEvenFill);
    const QRect box = capsule.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    painted_ |= box & image_.rect();
    update(box);
    region_ += capsuleRegion(from, to, w + kRegionMargin);
}

void IPathRenderWidget::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF exposed = option->exposedRect & QRectF(image_.rect());
    painter->drawImage(exposed, image_, exposed);
}
