#include "iboardservice.h"

#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/iscenelementframe.h"
#include "board/islide.h"
#include "board/item/ielement.h"
#include "board/undo/ielementscommand.h"
#include "iapplication.h"
#include "customui/kit/uiscale.h"

IBoardService::IBoardService() = default;

IBoardService* IBoardService::instance()
{
    static IBoardService service;
    return &service;
}

void IBoardService::init()
{
    // The handler itself asks for the board, so it may be connected before the board exists.
    if (IApplication* app = application()) {
        connect(app, &IApplication::sgGMousePressEvent, this, &IBoardService::onGlobalMousePress,
                Qt::UniqueConnection);
    }
}

void IBoardService::clearStrokesAndText()
{
    IBoard* view = board();
    ISlide* page = view ? view->currentSlide() : nullptr;
    if (!page) {
        return;
    }
    if (ISceneElementFrame* frame = page->textFrame()) {
        frame->hideFrame();
        frame->setGroupActive(false);
        frame->endTextEdit();
    }
    // One step of the page's history, which holds the removed elements.
    const QList<IElement*> before = page->elements();
    const QSet<IElement*> removed = page->clearStrokesAndText();
    QList<IElement*> ordered;
    for (IElement* element : before) {
        if (removed.contains(element)) {
            ordered.append(element);
        }
    }
    IElementsCommand::recordRemoved(page, ordered, before);
}

void IBoardService::setInkColor(const QColor& color)
{
    if (IBoard* view = board()) {
        view->boardState()->setInkColor(color);
    }
}

void IBoardService::setInkThickness(const int& thickness)
{
    if (IBoard* view = board()) {
        view->boardState()->setInkThickness(thickness);
    }
}

void IBoardService::setInkOpacity(const int& opacity)
{
    if (IBoard* view = board()) {
        view->boardState()->setInkOpacity(opacity);
    }
}

namespace {

// Eraser sizes are given at 1920 x 1080 and grow with the interface like every other size.
QSizeF scaledEraserSize(int size)
{
    return QSizeF(size * uiScale, size * uiScale);
}

}  // namespace

void IBoardService::setEraserSize(const int& size)
{
    if (IBoard* view = board()) {
        view->boardState()->setPointEraserSize(scaledEraserSize(size));
    }
}

void IBoardService::selectMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::Select);
    }
}

void IBoardService::textMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::Text);
    }
}

void IBoardService::eraserMode(int size, int)
{
    if (IBoard* view = board()) {
        view->boardState()->setPointEraserSize(scaledEraserSize(size));
        view->setModeType(KM_IBOARD_ENUM::PathErase);
    }
}

void IBoardService::penMode(const QColor& color, double thickness, double opacity, int)
{
    if (IBoard* view = board()) {
        IBoardState* state = view->boardState();
        state->setInkColor(color);
        state->setInkThickness(int(thickness));
        state->setInkOpacity(int(opacity));
        view->setModeType(KM_IBOARD_ENUM::Pen);
    }
}

void IBoardService::linePathMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::LinePath);
    }
}

void IBoardService::circlePathMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::CirclePath);
    }
}

void IBoardService::ellipsePathMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::EllipsePath);
    }
}

void IBoardService::trianglePathMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::TrianglePath);
    }
}

void IBoardService::rectanglePathMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::RectanglePath);
    }
}

void IBoardService::arrowPathMode(int)
{
    if (IBoard* view = board()) {
        view->setModeType(KM_IBOARD_ENUM::ArrowPath);
    }
}

void IBoardService::setShapeFilled(bool filled)
{
    if (IBoard* view = board()) {
        view->boardState()->setShapeFilled(filled);
    }
}

void IBoardService::onGlobalMousePress(const QPoint& pos)
{
    IBoard* view = board();
    if (!view) {
        return;
    }
    const KM_IBOARD_ENUM::ModeType mode = view->modeType();
    if (mode != KM_IBOARD_ENUM::Text && mode != KM_IBOARD_ENUM::Select) {
        return;
    }
    // The working area leaves out the strips where the main window's tool bars sit.
    const double s = uiScale;
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    const QRect a = screen->availableGeometry();
    const QRect working(int(a.left() + 200 * s), int(a.top() + 40 * s),
                        int(a.width() - 200 * s - 60 * s), int(a.height() - 40 * s - 100 * s));
    if (working.contains(pos)) {
        return;
    }
    if (mode == KM_IBOARD_ENUM::Text) {
        selectMode(0);
        qDebug() << "text edit end!";
        return;
    }
    view->clearSelection();
}
