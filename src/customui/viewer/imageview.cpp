#include "customui/viewer/imageview.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QGestureEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPinchGesture>
#include <QScreen>
#include <QToolButton>
#include <QWheelEvent>

#include "customui/viewer/imageitem.h"
#include "customui/kit/imsgbox.h"
#include "customui/gallery/ipicturefile.h"
#include "customui/gallery/ithumbnailloader.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(int pixels)
{
    return static_cast<int>(pixels * uiScale);
}

// The picture area of the main window: its width less the gallery and the right toolbar, its
// height less the title bar and the camera toolbar.
QSize pictureArea(const QSize& whole)
{
    return QSize(whole.width() - scaled(200) - scaled(60),
                 whole.height() - scaled(40) - scaled(100));
}

}  // namespace

ImageView::ImageView(QWidget* parent) : QGraphicsView(parent)
{
    setInteractive(true);
    setFrameShape(QFrame::NoFrame);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    for (Qt::GestureType gesture : {Qt::PanGesture, Qt::PinchGesture, Qt::SwipeGesture,
                                    Qt::TapGesture, Qt::TapAndHoldGesture}) {
        grabGesture(gesture);
    }
    CreateUI();
}

void ImageView::setCheckedPaths(std::function<QStringList()> checkedPaths)
{
    checkedPaths_ = std::move(checkedPaths);
}

void ImageView::CreateUI()
{
    setStyleSheet(QStringLiteral("background-color:rgb(105,105,105)"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const QSize area = pictureArea(available.size());
    setFixedSize(area.width() / 2, area.height());
    setSceneRect(-1073741824.0, -1073741824.0, 2147483647.0, 2147483647.0);
    move(scaled(200), scaled(40));
    setScene(new QGraphicsScene(QRectF(QPointF(0, 0), area), this));
    item_ = new ImageItem(size());
    scene()->addItem(item_);

    closeButton_ = new QToolButton(this);
    closeButton_->setStyleSheet(QStringLiteral("border:none;background-color:transparent"));
    closeButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    closeButton_->setIcon(QIcon(QStringLiteral(":/root/root/tsclose.svg")));
    closeButton_->setIconSize(QSize(scaled(60), scaled(60)));
    closeButton_->setFixedSize(scaled(62), scaled(62));
    closeButton_->move(width() - closeButton_->width() - scaled(20), scaled(20));
    connect(closeButton_, &QToolButton::clicked, this, &QWidget::close);

    // Pictures are read off the GUI thread, so a large one never stalls the live picture.
    loader_ = new IThumbnailLoader(this);
    connect(loader_, &IThumbnailLoader::sgThumbnail, this,
            [this](const QImage& picture) { onPictureRead(picture); });
    connect(loader_, &IThumbnailLoader::sgBatchDone, this, &ImageView::onReadDone);
}

void ImageView::fitToParent()
{
    if (!parentWidget()) {
        return;
    }
    const QSize area = pictureArea(parentWidget()->size());
    const QSize half(qMax(1, area.width() / 2), qMax(1, area.height()));
    setFixedSize(half);
    item_->setDisplaySize(half);
    closeButton_->move(width() - closeButton_->width() - scaled(20), scaled(20));
    move(scaled(200), scaled(40));
}

void ImageView::showPanel(bool show)
{
    if (!show) {
        openWanted_ = false;
        hide();
        return;
    }
    fitToParent();
    if (!isVisible()) {
        openLastChecked();
    }
}

void ImageView::openLastChecked()
{
    const QStringList paths = checkedPaths_ ? checkedPaths_() : QStringList();
    if (paths.isEmpty()) {
        IMsgBox::information(tr("Please select a picture first"), parentWidget());
        return;
    }
    openWanted_ = true;
    if (reading_) {
        return;
    }
    reading_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // No scaled size: the picture keeps its stored size, since the viewer zooms into it up to 30x.
    loader_->loadFiles({paths.last()}, QSize());
}

void ImageView::onPictureRead(const QImage& picture)
{
    if (!openWanted_) {
        return;
    }
    item_->setImage(picture);
    // Shown first: centring needs the viewport at its real size.
    QGraphicsView::show();
    raise();
    resetView();
}

void ImageView::onReadDone(int loaded, const QStringList& skipped)
{
    reading_ = false;
    QApplication::restoreOverrideCursor();
    if (loaded > 0 || skipped.isEmpty() || !openWanted_) {
        return;
    }
    openWanted_ = false;
    qDebug() << "picture viewer cannot show" << skipped.first();
    const QSize stored = QImageReader(skipped.first()).size();
    emit sgTip(qint64(stored.width()) * stored.height() > IPictureFile::kMaxPixels
                   ? tr("The picture is too large to be shown.")
                   : tr("The picture cannot be read."));
}

void ImageView::resetView()
{
    resetTransform();
    centerOn(item_);
}

double ImageView::currentScale() const
{
    const QTransform matrix = transform();
    switch (matrix.type()) {
        case QTransform::TxRotate:
        case QTransform::TxShear:
        case QTransform::TxProject:
            return qAbs(matrix.m12());
        default:
            return qAbs(matrix.m11());
    }
}

QRectF ImageView::pictureRectInView() const
{
    return viewportTransform().mapRect(item_->sceneBoundingRect());
}

void ImageView::zoomView(double factor)
{
    zoomAbout(factor, viewport()->mapFromGlobal(QCursor::pos()));
}

void ImageView::zoomAbout(double factor, const QPointF& pointer)
{
    const double current = currentScale();
    if (current <= 0 || factor <= 0) {
        return;
    }
    factor = qBound(kMinScale / current, factor, kMaxScale / current);
    // The scene point under the pointer, or else the picture's centre, stays where it is.
    const QRectF picture = pictureRectInView();
    const QPointF viewPoint = picture.contains(pointer) ? pointer : picture.center();
    const QPointF anchor = viewportTransform().inverted().map(viewPoint);
    scale(factor, factor);
    const QPointF moved = viewportTransform().inverted().map(viewPoint) - anchor;
    translate(moved.x(), moved.y());
}

bool ImageView::event(QEvent* event)
{
    if (event->type() != QEvent::Gesture) {
        return QGraphicsView::event(event);
    }
    auto* gestures = static_cast<QGestureEvent*>(event);
    if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
        zoomView(pinch->lastScaleFactor());
    }
    gestures->accept();
    return true;
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        lastPos_ = event->pos();
        lastGlobalPos_ = event->globalPos();
        pictureDrag_ = pictureRectInView().contains(event->pos());
        windowDrag_ = !pictureDrag_;
    }
    QGraphicsView::mousePressEvent(event);
}

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    if (pictureDrag_) {
        const QPointF moved = mapToScene(event->pos()) - mapToScene(lastPos_);
        translate(moved.x(), moved.y());
        lastPos_ = event->pos();
    } else if (windowDrag_) {
        move(pos() + event->globalPos() - lastGlobalPos_);
        lastGlobalPos_ = event->globalPos();
    }
    QGraphicsView::mouseMoveEvent(event);
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    pictureDrag_ = false;
    windowDrag_ = false;
    lastPos_ = QPoint();
    lastGlobalPos_ = QPoint();
    QGraphicsView::mouseReleaseEvent(event);
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    resetView();
    QGraphicsView::mouseDoubleClickEvent(event);
}

void ImageView::wheelEvent(QWheelEvent* event)
{
    const double factor = event->angleDelta().y() > 0 ? 1.1 : 0.9;
    zoomAbout(factor, event->position());
    event->accept();
}
