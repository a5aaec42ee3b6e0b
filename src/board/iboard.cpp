#include "iboard.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QGestureEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QStyleOptionGraphicsItem>
#include <QUndoGroup>
#include <QUndoStack>
#include <QtMath>

#include "appdata.h"
#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/imodemanager.h"
#include "board/ipixmapitem.h"
#include "board/iscenelementframe.h"
#include "board/islide.h"
#include "board/item/icommontextelementframe.h"
#include "board/item/ielement.h"
#include "board/path/ipathelement.h"
#include "board/path/ipencilpathmode.h"
#include "board/undo/ielementscommand.h"
#include "platform/video/iviewscale.h"

namespace {

const QSizeF kDefaultPictureSize(1920, 1080);
// Stroke caches are device pixmaps of up to the view's size; keep room for many of them so the
// per-frame repaint never throws them out.
constexpr int kPixmapCacheKb = 256 * 1024;

bool usableSize(const QSizeF& size)
{
    return size.width() > 0 && size.height() > 0 && qIsFinite(size.width()) &&
           qIsFinite(size.height());
}

QSizeF primaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? QSizeF(screen->size()) : kDefaultPictureSize;
}

}  // namespace

IBoard::IBoard(int, QWidget* parent) : QGraphicsView(parent), history_(new QUndoGroup(this))
{
    init();
    setWindowFlag(Qt::FramelessWindowHint);
    setFrameStyle(0);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTransformationAnchor(NoAnchor);
    setOptimizationFlag(IndirectPainting, true);
    // The camera picture mostly covers the view: drawBackground fills only what it leaves
    // uncovered instead of the whole viewport being cleared (and a cached background copied
    // over it) before every frame is drawn on top.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setInteractive(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_AcceptTouchEvents);
    viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    for (Qt::GestureType gesture : {Qt::PanGesture, Qt::PinchGesture, Qt::SwipeGesture,
                                    Qt::TapGesture, Qt::TapAndHoldGesture}) {
        grabGesture(gesture);
    }
    unsetCursor();
    // Panning moves the view transform; a page-sized scene rectangle would re-centre it.
    setSceneRect(-1073741824, -1073741824, 2147483647, 2147483647);
    screenSize_ = primaryScreenSize();
    if (QPixmapCache::cacheLimit() < kPixmapCacheKb) {
        QPixmapCache::setCacheLimit(kPixmapCacheKb);
    }
}

IBoard::~IBoard()
{
    releaseAll();
}

void IBoard::releaseAll()
{
    // Modes first: they delete the scene items they own while the pages still exist.
    delete modeManager_;
    modeManager_ = nullptr;
    const QList<ISlide*> pages = slides_;
    slides_.clear();
    currentSlide_ = nullptr;
    backgroundItem_ = nullptr;
    for (ISlide* page : pages) {
        disconnect(page, nullptr, this, nullptr);
    }
    qDeleteAll(pages);
    delete boardState_;
    boardState_ = nullptr;
}

void IBoard::init()
{
    releaseAll();
    boardState_ = new IBoardState;
    boardState_->setInkOpacity(255);
    boardState_->setInkThickness(5);
    boardState_->setInkColor(Qt::red);
    boardState_->setPointEraserSize(QSizeF(100, 100));
    modeManager_ = new IModeManager(this);
    textFrameFactory_ = [](IBoard* board) { return new ICommonTextElementFrame(board); };
    connect(boardState_, &IBoardState::notifyStateChanged, this,
            [this](IBoardState::NotifyStatePropertyType type, const QVariant&) {
                onBoardStateChanged(type);
            });
}

void IBoard::onBoardStateChanged(int type)
{
    // The pen mode builds its cursor in the ink colour when it is activated.
    if (type == IBoardState::InkColor && modeType() == KM_IBOARD_ENUM::Pen) {
        modeManager_->pencilPathMode()->activate();
    }
}

void IBoard::onSlideDestroyed(QObject* page)
{
    for (int i = slides_.size() - 1; i >= 0; --i) {
        if (static_cast<QObject*>(slides_.at(i)) == page) {
            slides_.removeAt(i);
        }
    }
    if (static_cast<QObject*>(currentSlide_) == page) {
        currentSlide_ = nullptr;
        backgroundItem_ = nullptr;
    }
}

void IBoard::insertSlide(ISlide* page, bool makeCurrent)
{
    if (!page || slides_.contains(page)) {
        return;
    }
    const int count = slides_.size();
    const int current = slideIndex(currentSlide_);
    emit sgBeforeSlideInsert(current, count);
    slides_.append(page);
    history_->addStack(page->undoStack());
    connect(page, &QObject::destroyed, this, &IBoard::onSlideDestroyed);
    if (makeCurrent) {
        setCurrentSlide(page);
    }
    emit sgAfterSlideInsert(current, count);
}

void IBoard::setCurrentSlide(ISlide* page)
{
    if (!page) {
        qDebug() << "null page not made current";
        return;
    }
    emit sgBeforeSlideChanged();
    setScene(page);
    centerOn(page->sceneRect().center());
    currentSlide_ = page;
    history_->setActiveStack(page->undoStack());
    emit sgAfterSlideChanged();
}

int IBoard::slideIndex(ISlide* page) const
{
    return page ? slides_.indexOf(page) : -1;
}

void IBoard::setModeType(KM_IBOARD_ENUM::ModeType type)
{
    emit sgBeforeModeChanged();
    modeManager_->setModeType(type);
    emit sgAfterModeChanged();
}

KM_IBOARD_ENUM::ModeType IBoard::modeType() const
{
    return modeManager_->modeType();
}

void IBoard::setBackgroundItem(QGraphicsItem* item)
{
    if (item == backgroundItem_) {
        return;
    }
    QGraphicsItem* previous = backgroundItem_;
    if (previous && (!previous->scene() || previous->scene() == currentSlide_)) {
        if (previous->scene()) {
            previous->scene()->removeItem(previous);
        }
        delete previous;
    }
    backgroundItem_ = item;
    if (item && currentSlide_) {
        currentSlide_->addItem(item);
    }
}

QGraphicsItem* IBoard::backgroundItem() const
{
    return backgroundItem_;
}

QRectF IBoard::backgroundRect() const
{
    if (!backgroundItem_) {
        return QRectF();
    }
    return QRectF(backgroundItem_->pos(), backgroundItem_->boundingRect().size());
}

QRectF IBoard::backgroundGlobalRect() const
{
    if (!backgroundItem_) {
        return QRectF();
    }
    const QRectF box = viewportTransform().mapRect(backgroundItem_->sceneBoundingRect());
    const QPointF topLeft = viewport()->mapToGlobal(QPoint(0, 0)) + box.topLeft();
    return QRectF(topLeft, box.size());
}

void IBoard::drawBackground(QPainter* painter, const QRectF& rect)
{
    const QTransform sceneToDevice = painter->worldTransform();
    QRegion uncovered(sceneToDevice.mapRect(rect).toAlignedRect());
    uncovered -= coveredPixels(sceneToDevice);
    const QBrush brush = viewport()->palette().brush(viewport()->backgroundRole());
    painter->save();
    painter->resetTransform();
    for (const QRect& part : uncovered) {
        painter->fillRect(part, brush);
    }
    painter->restore();
    QGraphicsView::drawBackground(painter, rect);
}

QRect IBoard::coveredPixels(const QTransform& sceneToDevice) const
{
    const auto* picture = dynamic_cast<const IPixmapItem*>(backgroundItem_);
    if (!picture || picture->scene() != scene() || !picture->isVisible() ||
        picture->effectiveOpacity() < 1.0) {
        return QRect();
    }
    const QTransform toDevice = picture->sceneTransform() * sceneToDevice;
    const QPainterPath opaque = picture->opaqueArea();
    if (opaque.isEmpty() || toDevice.type() > QTransform::TxScale) {
        return QRect();
    }
    // Whole pixels only: an edge pixel the picture covers in part is filled first.
    const QRectF area = toDevice.mapRect(opaque.boundingRect());
    return QRect(QPoint(qCeil(area.left()), qCeil(area.top())),
                 QPoint(qFloor(area.right()) - 1, qFloor(area.bottom()) - 1));
}

void IBoard::setBackgroundImage(const QImage& image)
{
    auto* picture = dynamic_cast<IPixmapItem*>(backgroundItem_);
    if (!picture || image.isNull()) {
        if (picture) {
            picture->setImage(image);  // logs and keeps the last picture
        }
        return;
    }
    picture->setImage(image);
    // A frame decoded smaller for the view counts with the camera's size: switching the
    // decoding scale must not move the picture.
    const QSizeF size = IViewScale::fullSize(image);
    if (!qFuzzyCompare(size.width(), backgroundImageSize_.width()) ||
        !qFuzzyCompare(size.height(), backgroundImageSize_.height())) {
        backgroundImageSize_ = size;
        centerOnBackground();
        announceShownSize();
    }
}

void IBoard::detachBackgroundImage()
{
    if (auto* picture = dynamic_cast<IPixmapItem*>(backgroundItem_)) {
        picture->detachImage();
    }
}

void IBoard::setPictureSize(const QSizeF& size)
{
    if (!usableSize(size)) {
        qDebug() << "unusable picture size" << size << "- using 1920x1080";
        pictureSize_ = kDefaultPictureSize;
        return;
    }
    pictureSize_ = size;
}

void IBoard::setMargins(int first, int second, int third, int fourth, int fifth)
{
    margins_[0] = first;
    margins_[1] = second;
    margins_[2] = third;
    margins_[3] = fourth;
    margins_[4] = fifth;
}

QSizeF IBoard::fittedPictureSize() const
{
    const QSizeF screen = usableSize(screenSize_) ? screenSize_ : pictureSize_;
    return pictureSize_.scaled(screen, Qt::KeepAspectRatio);
}

void IBoard::zoomBy(double factor)
{
    if (!(factor > 0) || !qIsFinite(factor)) {
        qDebug() << "zoom factor ignored:" << factor;
        return;
    }
    const QSizeF fitted = fittedPictureSize();
    const double fitRatio = fitted.width() / pictureSize_.width();
    const double limit = fitted.width() > pictureSize_.width() * 10 ? fitRatio : 10.0;
    const double upper = limit / fitRatio;
    const double s = viewScale();
    if (s * factor < 0.05) {
        factor = 0.05 / s;
    } else if (s * factor > upper) {
        factor = upper / s;
    }
    scale(factor, factor);
    centerOnBackground();
    const double s2 = viewScale();
    const double mean = (fitted.width() * s2 / pictureSize_.width() +
                         fitted.height() * s2 / pictureSize_.height()) *
                        0.5 * 100;
    // The small bias keeps a clamped scale of 9.999999999999998 from showing 999.
    showTip(tr("%1 %").arg(int(mean + 1e-9)));
    announceShownSize();
}

void IBoard::zoomToActualSize()
{
    zoomBy(1 / viewScale());
}

void IBoard::resetView()
{
    rotation_ = 0;
    resetTransform();
    centerOnBackground();
    zoomBy(1);
}

void IBoard::rotateBy(double degrees)
{
    if (!qIsFinite(degrees)) {
        return;
    }
    // Kept in 0-359 so that it always names the view's real rotation.
    rotation_ = ((int(rotation_ + degrees) % 360) + 360) % 360;
    rotate(degrees);
    centerOnBackground();
}

double IBoard::viewScale() const
{
    const QTransform t = transform();
    switch (t.type()) {
        case QTransform::TxScale:
            return qAbs(t.m11());
        case QTransform::TxRotate:
            return qAbs(t.m12());
        default:
            return 1.0;
    }
}

QSize IBoard::shownPictureSize() const
{
    if (!backgroundItem_) {
        return QSize();
    }
    const QSizeF painted = backgroundItem_->boundingRect().size() * viewScale();
    return QSize(qCeil(painted.width()), qCeil(painted.height()));
}

void IBoard::announceShownSize()
{
    const QSize shown = shownPictureSize();
    if (shown != announcedShownSize_) {
        announcedShownSize_ = shown;
        emit sgPictureShownSize(shown);
    }
}

void IBoard::centerOnBackground()
{
    if (backgroundItem_) {
        centerOn(backgroundItem_);
    }
}

void IBoard::toggleFullScreen()
{
    if (!parentWidget()) {
        return;
    }
    followResize_ = fullScreen_;
    fullScreen_ = !fullScreen_;
    emit sgIsFullScreen(fullScreen_);
    if (fullScreen_) {
        enterFullScreen();
    } else {
        leaveFullScreen();
    }
    announceShownSize();
}

void IBoard::enterFullScreen()
{
    const QSizeF picture(qRound(pictureSize_.width()), qRound(pictureSize_.height()));
    const QSizeF free(screenSize_.width() - 2 * margins_[0],
                      screenSize_.height() - 2 * margins_[0]);
    const QSizeF a = picture.scaled(free, Qt::KeepAspectRatio);
    const QSizeF b = a.scaled(QSizeF(parentWidget()->size()), Qt::KeepAspectRatio);
    const double factor = a.width() > 0 && b.width() > 0 ? b.width() / a.width() : 1.0;
    savedScale_ = viewScale();
    savedRotation_ = rotation_;
    savedViewPos_ = backgroundItem_ ? mapFromScene(backgroundItem_->scenePos()) : QPoint();
    resetTransform();
    scale(factor, factor);
    rotate(rotation_);
    waitProcessingEvents(100);
    centerOnBackground();
}

void IBoard::leaveFullScreen()
{
    resetTransform();
    const QPointF now = backgroundItem_ ? mapFromScene(backgroundItem_->scenePos()) : QPoint();
    QTransform t;
    t.translate(savedViewPos_.x() - now.x(), savedViewPos_.y() - now.y());
    t.rotate(savedRotation_);
    t.scale(savedScale_, savedScale_);
    setTransform(t);
}

QImage IBoard::renderOverlay(double scaleX, double scaleY)
{
    const QRectF r = backgroundRect();
    if (!currentSlide_ || r.isEmpty() || !(scaleX > 0) || !(scaleY > 0) || !qIsFinite(scaleX) ||
        !qIsFinite(scaleY)) {
        qDebug() << "no annotation layer: picture" << r << "factors" << scaleX << scaleY;
        return QImage();
    }
    return renderElements(r, QSize(qRound(r.width() * scaleX), qRound(r.height() * scaleY)));
}

QImage IBoard::renderOverlay(const QSize& pictureSize)
{
    const QRectF r = backgroundRect();
    if (pictureSize.isEmpty()) {
        qDebug() << "no annotation layer for an empty picture size";
        return QImage();
    }
    if (!currentSlide_ || r.isEmpty()) {
        QImage empty(pictureSize, QImage::Format_ARGB32);
        empty.fill(Qt::transparent);
        return empty;
    }
    return renderElements(r, pictureSize);
}

QImage IBoard::renderElements(const QRectF& area, const QSize& size) const
{
    // Drawn premultiplied: translucent text drawn straight into ARGB32 comes out darker.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        qDebug() << "annotation layer too large:" << size;
        return image;
    }
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    // The picture's rectangle fills the layer exactly as the picture fills it on screen.
    const QTransform toImage =
        QTransform::fromTranslate(-area.left(), -area.top()) *
        QTransform::fromScale(size.width() / area.width(), size.height() / area.height());
    // Only elements are drawn: the picture, the text frame, previews and markers never are.
    for (QGraphicsItem* item : currentSlide_->items(Qt::AscendingOrder)) {
        if (!dynamic_cast<IElement*>(item) || !item->isVisible()) {
            continue;
        }
        painter.save();
        painter.setTransform(item->sceneTransform() * toImage);
        painter.setOpacity(item->effectiveOpacity());
        if (item->flags() & QGraphicsItem::ItemClipsToShape) {
            painter.setClipPath(item->shape(), Qt::IntersectClip);
        }
        QStyleOptionGraphicsItem option;
        option.exposedRect = item->boundingRect();
        option.rect = option.exposedRect.toAlignedRect();
        option.state = item->isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
        item->paint(&painter, &option, nullptr);
        painter.restore();
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

ISceneElementFrame* IBoard::makeTextFrame()
{
    return textFrameFactory_ ? textFrameFactory_(this) : nullptr;
}

ISceneElementFrame* IBoard::textFrame()
{
    return currentSlide_ ? currentSlide_->textFrame() : nullptr;
}

void IBoard::clearSelection()
{
    if (ISceneElementFrame* frame = textFrame()) {
        frame->hideFrame();
        frame->setGroupActive(false);
        frame->endTextEdit();
        frame->setSelected(false);
    }
}

void IBoard::undo()
{
    if (ISceneElementFrame* frame = textFrame(); frame && frame->isItemEditing()) {
        frame->endTextEdit();
    }
    history_->undo();
}

void IBoard::redo()
{
    if (ISceneElementFrame* frame = textFrame(); frame && frame->isItemEditing()) {
        frame->endTextEdit();
    }
    history_->redo();
}

void IBoard::deleteSelection()
{
    ISceneElementFrame* frame = currentSlide_ ? currentSlide_->createdTextFrame() : nullptr;
    if (!frame || !frame->frameItem()->isVisible() || frame->isItemEditing()) {
        return;
    }
    auto* element = dynamic_cast<IElement*>(frame->attachedItem());
    if (!element || element->isLocked()) {
        return;
    }
    frame->setGroupActive(false);
    frame->hideFrame();
    IElementsCommand::remove(currentSlide_, {element});
}

bool IBoard::escape()
{
    ISceneElementFrame* frame = currentSlide_ ? currentSlide_->createdTextFrame() : nullptr;
    if (frame && frame->isItemEditing()) {
        frame->endTextEdit();
        return true;
    }
    const bool framed = frame && frame->attachedItem();
    clearSelection();
    return framed;
}

void IBoard::selectItem(QGraphicsItem* item, bool selected)
{
    if (!item) {
        return;
    }
    if (ISceneElementFrame* frame = textFrame()) {
        frame->showItems({item}, selected);
    }
}

void IBoard::applyCursor(const QCursor& cursor)
{
    releaseMouse();
    setCursor(cursor);
    viewport()->setCursor(cursor);
}

void IBoard::applyCursorImage(const QString& path)
{
    releaseMouse();
    QPixmap picture;
    if (!picture.load(path)) {
        return;
    }
    const QCursor cursor(picture);  // hot spot in the centre
    setCursor(cursor);
    viewport()->setCursor(cursor);
}

QGraphicsItem* IBoard::itemAtViewPos(const QPointF& pos) const
{
    return scene() ? scene()->itemAt(mapToScene(pos.toPoint()), transform()) : nullptr;
}

QGraphicsItem* IBoard::elementAtViewPos(const QPointF& pos) const
{
    if (!scene()) {
        return nullptr;
    }
    const QPointF at = mapToScene(pos.toPoint());
    // A straight stroke's shape has no area: its bounding rectangle, grown by its width, does.
    for (QGraphicsItem* item :
         scene()->items(at, Qt::IntersectsItemBoundingRect, Qt::DescendingOrder, transform())) {
        if (!item->isVisible() || !dynamic_cast<IElement*>(item)) {
            continue;
        }
        const QPointF local = item->mapFromScene(at);
        const auto* path = dynamic_cast<IPathElement*>(item);
        if (path ? path->visibleRegion().contains(local.toPoint()) : item->contains(local)) {
            return item;
        }
    }
    return nullptr;
}

void IBoard::showTip(const QString& text)
{
    if (tipHandler_) {
        tipHandler_(text, 1000, QPoint(-1000, -1000));
    }
}

void IBoard::routeDevice(DeviceStep step, const QMouseEvent& event, const QPointF& pos, int id)
{
    IDeviceEvent record(event, pos, id);
    switch (step) {
        case DeviceStep::Press:
            modeManager_->press(&record);
            break;
        case DeviceStep::Move:
            modeManager_->move(&record);
            break;
        case DeviceStep::Release:
            modeManager_->release(&record);
            break;
    }
    lastDevicePos_ = pos;
    lastDeviceId_ = id;
}

void IBoard::endOpenGesture(const QMouseEvent& current)
{
    const QMouseEvent release(QEvent::MouseButtonRelease, lastDevicePos_, Qt::LeftButton,
                              current.buttons() & ~Qt::LeftButton, current.modifiers());
    routeDevice(DeviceStep::Release, release, lastDevicePos_, lastDeviceId_);
    pressInside_ = false;
}

bool IBoard::event(QEvent* event)
{
    if (event->type() != QEvent::Gesture || modeType() != KM_IBOARD_ENUM::Select) {
        return QGraphicsView::event(event);
    }
    auto* gestures = static_cast<QGestureEvent*>(event);
    if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
        zoomBy(pinch->lastScaleFactor());
        if (pinch->state() == Qt::GestureFinished) {
            pinchDone_ = true;  // the lifting finger must not pan
        }
    }
    return true;
}

bool IBoard::onTextOrFrame(const QPointF& viewPos) const
{
    const QGraphicsItem* item = itemAtViewPos(viewPos);
    ISceneElementFrame* frame = currentSlide_ ? currentSlide_->createdTextFrame() : nullptr;
    return item && (elementAtViewPos(viewPos) || (frame && frame->frameItem()->isVisible()));
}

void IBoard::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        return;
    }
    if (event->button() == Qt::LeftButton && isInteractive()) {
        emit sgClickOnBoard();
        if (!currentSlide_) {
            event->accept();
            return;
        }
        // A press whose release never came (a modal box took it) ends that gesture first.
        if (pressInside_) {
            endOpenGesture(*event);
        }
        if (backgroundRect().contains(mapToScene(event->pos()))) {
            pressInside_ = true;
            routeDevice(DeviceStep::Press, *event, event->localPos(), IDeviceEvent::MouseDeviceId);
        }
    }
    if (modeType() != KM_IBOARD_ENUM::Select) {
        event->accept();
        return;
    }
    if (onTextOrFrame(event->localPos())) {
        pressOnText_ = true;
    }
    panArmed_ = true;
    pinchDone_ = false;
    lastPanPos_ = event->pos();
    event->accept();
    QGraphicsView::mousePressEvent(event);
}

void IBoard::mouseMoveEvent(QMouseEvent* event)
{
    if (pressInside_ && backgroundRect().contains(mapToScene(event->pos()))) {
        routeDevice(DeviceStep::Move, *event, event->localPos(), IDeviceEvent::MouseDeviceId);
    }
    if (modeType() != KM_IBOARD_ENUM::Select) {
        event->accept();
        return;
    }
    if (panArmed_ && !pressOnText_ && !pinchDone_) {
        const QPointF d = mapToScene(event->pos()) - mapToScene(lastPanPos_);
        translate(d.x(), d.y());
        lastPanPos_ = event->pos();
    }
    QGraphicsView::mouseMoveEvent(event);
}

void IBoard::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    // Only the left button's release ends a gesture, and only one that a press started.
    if (event->button() == Qt::LeftButton && pressInside_) {
        if (backgroundRect().contains(mapToScene(event->pos()))) {
            routeDevice(DeviceStep::Release, *event, event->localPos(),
                        IDeviceEvent::MouseDeviceId);
        } else {
            routeDevice(DeviceStep::Release, *event, lastDevicePos_, lastDeviceId_);
        }
        pressInside_ = false;
    }
    if (modeType() != KM_IBOARD_ENUM::Select) {
        event->accept();
        return;
    }
    panArmed_ = false;
    pressOnText_ = false;
    QGraphicsView::mouseReleaseEvent(event);
}

void IBoard::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isInteractive() &&
        modeType() == KM_IBOARD_ENUM::Select &&
        backgroundRect().contains(mapToScene(event->pos()))) {
        // On a text box the second click is a tap of its own (it starts editing).
        if (onTextOrFrame(event->localPos())) {
            mousePressEvent(event);
            return;
        }
        toggleFullScreen();
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

void IBoard::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    zoomBy(delta > 0 ? 1.1 : 0.9);
    event->accept();
}

void IBoard::resizeEvent(QResizeEvent* event)
{
    if (currentSlide_) {
        currentSlide_->setSceneRect(0, 0, width(), height());
    }
    if (followResize_) {
        screenSize_ = size();
        if (auto* picture = dynamic_cast<IPixmapItem*>(backgroundItem_)) {
            picture->setDisplaySize(size());
        }
    }
    QGraphicsView::resizeEvent(event);
    announceShownSize();
}

void IBoard::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void IBoard::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void IBoard::dropEvent(QDropEvent* event)
{
    emit sgDropEvent(event);
    event->acceptProposedAction();
}
