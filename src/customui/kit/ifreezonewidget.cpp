#include "customui/kit/ifreezonewidget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>

#include "customui/kit/uiscale.h"
#include "customui/kit/windowplacement.h"

namespace {

// The selection a layer starts with and falls back to, before any cap.
const QSize kDefaultZone(800, 600);
// Share of the layer a too large selection is cut down to.
constexpr double kOversizeShare = 0.8;

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

}  // namespace

IFreeZoneWidget::IFreeZoneWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_MouseTracking);
    setAttribute(Qt::WA_TranslucentBackground);
    resetZone();
}

int IFreeZoneWidget::minimumZoneSide()
{
    return scaled(200);
}

void IFreeZoneWidget::showPanel(bool) {}

QRect IFreeZoneWidget::availableAreaUnderCursor()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return QRect();
    }
    // Where the compositor places windows it centres a new one: only a layer as large as the
    // screen lands where it is meant to.
    return compositorPlacesWindows() ? screen->geometry() : screen->availableGeometry();
}

void IFreeZoneWidget::selectAll()
{
    setZoneSize(layerSize_);
}

void IFreeZoneWidget::setZoneSize(const QSize& size)
{
    setZoneRect(centredRect(size));
}

void IFreeZoneWidget::setZoneRect(const QRect& rect)
{
    assignZone(fitsLayer(rect) ? rect : centredRect(kDefaultZone));
}

QRect IFreeZoneWidget::zoneRect() const
{
    return QRect(QPoint(x1_, y1_), QPoint(x2_, y2_));
}

QRect IFreeZoneWidget::globalZoneRect() const
{
    const QRect zone = zoneRect();
    return QRect(mapToGlobal(zone.topLeft()), zone.size());
}

int IFreeZoneWidget::hitType() const
{
    return hitType_;
}

void IFreeZoneWidget::setZoneEditing(bool editing)
{
    editing_ = editing;
    update();
}

bool IFreeZoneWidget::isZoneEditing() const
{
    return editing_;
}

void IFreeZoneWidget::coverRect(int x, int y, int w, int h)
{
    coverRect(QRect(x, y, w, h));
}

void IFreeZoneWidget::coverRect(const QRect& rect)
{
    layerSize_ = rect.size();
    setFixedSize(layerSize_);
    move(rect.topLeft());
}

void IFreeZoneWidget::resetZone()
{
    editing_ = false;
    pressed_ = false;
    hitType_ = NoHit;
    QRect covered;
    if (parentWidget()) {
        covered = parentWidget()->rect();
    } else {
        // Set only when missing: a derived panel may have added its own flags, and setting
        // flags on a shown window hides it.
        const Qt::WindowFlags tool = Qt::Tool | Qt::FramelessWindowHint;
        if ((windowFlags() & tool) != tool) {
            setWindowFlags(tool);
        }
        covered = availableAreaUnderCursor();
    }
    coverRect(covered);
    setZoneSize(kDefaultZone);
}

QRect IFreeZoneWidget::selectionRect() const
{
    return zoneRect();
}

QRect IFreeZoneWidget::handleAt(const QPoint& centre) const
{
    const int side = scaled(16);
    return QRect(centre.x() - side / 2, centre.y() - side / 2, side, side);
}

QRect IFreeZoneWidget::topLeftHandle() const
{
    return handleAt(selectionRect().topLeft());
}

QRect IFreeZoneWidget::topHandle() const
{
    const QRect r = selectionRect();
    return handleAt(QPoint(r.center().x(), r.top()));
}

QRect IFreeZoneWidget::topRightHandle() const
{
    return handleAt(selectionRect().topRight());
}

QRect IFreeZoneWidget::bottomLeftHandle() const
{
    return handleAt(selectionRect().bottomLeft());
}

QRect IFreeZoneWidget::bottomHandle() const
{
    const QRect r = selectionRect();
    return handleAt(QPoint(r.center().x(), r.bottom()));
}

QRect IFreeZoneWidget::bottomRightHandle() const
{
    return handleAt(selectionRect().bottomRight());
}

QRect IFreeZoneWidget::leftHandle() const
{
    const QRect r = selectionRect();
    return handleAt(QPoint(r.left(), r.center().y()));
}

QRect IFreeZoneWidget::rightHandle() const
{
    const QRect r = selectionRect();
    return handleAt(QPoint(r.right(), r.center().y()));
}

void IFreeZoneWidget::moveTopLeft(const QPoint& delta)
{
    const int m = minimumZoneSide();
    const int x1 = x1_ + delta.x();
    const int y1 = y1_ + delta.y();
    if (x1 >= 0 && x2_ - x1 >= m) {
        x1_ = x1;
    }
    if (y1 >= 0 && y2_ - y1 >= m) {
        y1_ = y1;
    }
}

void IFreeZoneWidget::moveBottomRight(const QPoint& delta)
{
    // Inclusive corners: the last column and row of the layer are width - 1 and height - 1.
    const int m = minimumZoneSide();
    const int x2 = x2_ + delta.x();
    const int y2 = y2_ + delta.y();
    if (x2 <= layerSize_.width() - 1 && x2 - x1_ >= m) {
        x2_ = x2;
    }
    if (y2 <= layerSize_.height() - 1 && y2 - y1_ >= m) {
        y2_ = y2;
    }
}

void IFreeZoneWidget::hitTest(const QPoint& pos)
{
    const QRect handles[] = {topLeftHandle(),    topHandle(),    topRightHandle(),
                             bottomLeftHandle(), bottomHandle(), bottomRightHandle(),
                             leftHandle(),       rightHandle(),  selectionRect()};
    hitType_ = NoHit;
    for (int type = TopLeftHit; type <= InsideHit; ++type) {
        if (handles[type].contains(pos)) {
            hitType_ = type;
            return;
        }
    }
}

void IFreeZoneWidget::updateCursor(const QPoint& pos)
{
    const struct {
        QRect area;
        Qt::CursorShape shape;
    } order[] = {
        {topLeftHandle(), Qt::SizeFDiagCursor},  {bottomRightHandle(), Qt::SizeFDiagCursor},
        {topRightHandle(), Qt::SizeBDiagCursor}, {bottomLeftHandle(), Qt::SizeBDiagCursor},
        {topHandle(), Qt::SizeVerCursor},        {bottomHandle(), Qt::SizeVerCursor},
        {leftHandle(), Qt::SizeHorCursor},       {rightHandle(), Qt::SizeHorCursor},
        {selectionRect(), Qt::SizeAllCursor}};
    for (const auto& entry : order) {
        if (entry.area.contains(pos)) {
            setCursor(entry.shape);
            return;
        }
    }
    setCursor(Qt::ArrowCursor);
}

void IFreeZoneWidget::moveZone(const QPoint& delta)
{
    const int dx = std::clamp(delta.x(), -x1_, layerSize_.width() - 1 - x2_);
    const int dy = std::clamp(delta.y(), -y1_, layerSize_.height() - 1 - y2_);
    x1_ += dx;
    x2_ += dx;
    y1_ += dy;
    y2_ += dy;
}

void IFreeZoneWidget::drawHandles(QPainter* painter)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::white);
    for (const QRect& handle : {topLeftHandle(), topHandle(), topRightHandle(), bottomLeftHandle(),
                                bottomHandle(), bottomRightHandle(), leftHandle(), rightHandle()}) {
        painter->drawEllipse(handle);
    }
}

void IFreeZoneWidget::dragBy(const QPoint& delta)
{
    const int dx = delta.x();
    const int dy = delta.y();
    switch (hitType_) {
        case TopLeftHit:
            moveTopLeft(QPoint(dx, dy));
            break;
        case TopHit:
            moveTopLeft(QPoint(0, dy));
            break;
        case TopRightHit:
            moveTopLeft(QPoint(0, dy));
            moveBottomRight(QPoint(dx, 0));
            break;
        case BottomLeftHit:
            moveTopLeft(QPoint(dx, 0));
            moveBottomRight(QPoint(0, dy));
            break;
        case BottomHit:
            moveBottomRight(QPoint(0, dy));
            break;
        case BottomRightHit:
            moveBottomRight(QPoint(dx, dy));
            break;
        case LeftHit:
            moveTopLeft(QPoint(dx, 0));
            break;
        case RightHit:
            moveBottomRight(QPoint(dx, 0));
            break;
        case InsideHit:
            moveZone(QPoint(dx, dy));
            break;
        default:
            break;
    }
}

void IFreeZoneWidget::mousePressEvent(QMouseEvent* event)
{
    if (editing_ && event->button() == Qt::LeftButton) {
        lastX_ = event->pos().x();
        lastY_ = event->pos().y();
        pressed_ = true;
        hitTest(event->pos());
    }
    QWidget::mousePressEvent(event);
}

void IFreeZoneWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (editing_) {
        if (pressed_) {
            dragBy(event->pos() - QPoint(lastX_, lastY_));
            lastX_ = event->pos().x();
            lastY_ = event->pos().y();
            update();
        } else {
            updateCursor(event->pos());
        }
    }
    QWidget::mouseMoveEvent(event);
}

void IFreeZoneWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (editing_ && event->button() == Qt::LeftButton) {
        pressed_ = false;
        hitType_ = NoHit;
        setCursor(Qt::ArrowCursor);
    }
    QWidget::mouseReleaseEvent(event);
}

void IFreeZoneWidget::paintEvent(QPaintEvent* event)
{
    if (editing_) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRect selection = selectionRect();
        QPainterPath shade;
        shade.addRect(rect());
        QPainterPath inside;
        inside.addRect(selection);
        painter.fillPath(shade.subtracted(inside), QColor(0, 0, 0, 100));

        painter.setPen(QPen(Qt::white, uiScale, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(QColor(0, 0, 0, 1));
        // On the selection's own border pixels rather than half outside them.
        const double inset = uiScale / 2;
        painter.drawRect(QRectF(selection).adjusted(inset, inset, -inset, -inset));
        drawHandles(&painter);
    }
    QWidget::paintEvent(event);
}

void IFreeZoneWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QRect IFreeZoneWidget::centredRect(const QSize& size) const
{
    int w = size.width();
    int h = size.height();
    if (layerSize_.width() < w) {
        w = static_cast<int>(layerSize_.width() * kOversizeShare);
    }
    if (layerSize_.height() < h) {
        h = static_cast<int>(layerSize_.height() * kOversizeShare);
    }
    // Layer coordinates: the layer's own left and top are 0 wherever it sits in its parent.
    return QRect(layerSize_.width() / 2 - w / 2, layerSize_.height() / 2 - h / 2, w, h);
}

bool IFreeZoneWidget::fitsLayer(const QRect& rect) const
{
    return rect.isValid() && QRect(QPoint(0, 0), layerSize_).intersected(rect) == rect;
}

void IFreeZoneWidget::assignZone(const QRect& rect)
{
    x1_ = rect.left();
    y1_ = rect.top();
    x2_ = rect.right();
    y2_ = rect.bottom();
    update();
}
