#include "customui/shell/ipanelhost.h"

#include <QDebug>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QScreen>

#include "customui/kit/ipanel.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/irighttoolbar.h"

IPanelHost::Panel IPanelHost::keptPanel(int barType, int id)
{
    static const QMap<QPair<int, int>, Panel> kept = {
        {{RightBar, IRightToolBar::Magnifier}, Panel::Magnifier},
        {{BoardBar, IBoardToolBar::Thickness}, Panel::Thickness},
        {{BoardBar, IBoardToolBar::Color}, Panel::Color},
        {{BoardBar, IBoardToolBar::Transparency}, Panel::Transparency},
        {{BoardBar, IBoardToolBar::Shape}, Panel::Shape},
        {{BoardBar, IBoardToolBar::Eraser}, Panel::Eraser},
        {{CameraBar, ICameraToolBar::FocusExposure}, Panel::FocusExposure},
        {{CameraBar, ICameraToolBar::Resolution}, Panel::Resolution},
        {{CameraBar, ICameraToolBar::ColorAdjusting}, Panel::Parameter},
        {{CameraBar, ICameraToolBar::PhotoMode}, Panel::CaptureMode},
        {{CameraBar, ICameraToolBar::Ocr}, Panel::Ocr},
        {{CameraBar, ICameraToolBar::PictureInPicture}, Panel::PictureInPicture},
        {{CameraBar, ICameraToolBar::SplitScreen}, Panel::Viewer},
    };
    return kept.value(qMakePair(barType, id), Panel::None);
}

QString IPanelHost::panelName(Panel which)
{
    static const QMap<Panel, const char*> names = {
        {Panel::FocusExposure, "focus-and-exposure panel"},
        {Panel::Eraser, "eraser panel"},
        {Panel::Color, "colour panel"},
        {Panel::Shape, "shape panel"},
        {Panel::Resolution, "resolution panel"},
        {Panel::Thickness, "thickness panel"},
        {Panel::Parameter, "colour-adjusting panel"},
        {Panel::Transparency, "transparency panel"},
        {Panel::CaptureMode, "capture-mode panel"},
        {Panel::Magnifier, "magnifier panel"},
        {Panel::Ocr, "OCR dialog"},
        {Panel::PictureInPicture, "picture-in-picture panel"},
        {Panel::Viewer, "picture viewer"},
    };
    return QString::fromLatin1(names.value(which, "no panel"));
}

bool IPanelHost::closesWithOthers(Panel which)
{
    return which != Panel::None && which < Panel::Magnifier;
}

bool IPanelHost::registerPanel(Panel which, IPanel* panel)
{
    auto* widget = dynamic_cast<QWidget*>(panel);
    if (which == Panel::None || !widget) {
        qDebug() << "not a panel to host:" << which;
        return false;
    }
    panels_.insert(which, Entry{widget, panel});
    const char* key = QMetaEnum::fromType<Panel>().valueToKey(int(which));
    widget->setObjectName("panel." + QString::fromLatin1(key).toLower());
    return true;
}

IPanel* IPanelHost::panel(Panel which) const
{
    const Entry entry = panels_.value(which);
    return entry.widget ? entry.panel : nullptr;
}

bool IPanelHost::isVisible(Panel which) const
{
    const QWidget* widget = panels_.value(which).widget;
    return widget && widget->isVisible();
}

bool IPanelHost::toggle(Panel which)
{
    IPanel* panel = this->panel(which);
    if (!panel) {
        return false;
    }
    panel->showPanel(!isVisible(which));
    return true;
}

void IPanelHost::hideAllBut(Panel kept)
{
    for (auto it = panels_.cbegin(); it != panels_.cend(); ++it) {
        if (it.key() != kept && closesWithOthers(it.key()) && isVisible(it.key())) {
            it.value().panel->showPanel(false);
        }
    }
}

bool IPanelHost::hideAll()
{
    bool any = false;
    for (auto it = panels_.cbegin(); it != panels_.cend(); ++it) {
        if (isVisible(it.key())) {
            it.value().panel->showPanel(false);
            any = true;
        }
    }
    return any;
}

QRect IPanelHost::placedRect(const QPoint& button, const QSize& size, const Placement& how,
                             const QRect& screen)
{
    const int along = static_cast<int>(how.along * uiScale);
    const int gap = static_cast<int>(how.gap * uiScale);
    QRect placed(QPoint(), size);
    if (how.side == Placement::Above) {
        placed.moveTo(button.x() + along - size.width() / 2, button.y() - size.height() - gap);
    } else {
        placed.moveTo(button.x() - size.width() - gap, button.y() + along - size.height() / 2);
    }
    if (screen.isValid()) {
        // Where the panel is larger than the screen its top-left corner stays visible.
        placed.moveLeft(
            qMax(screen.left(), qMin(placed.left(), screen.right() + 1 - size.width())));
        placed.moveTop(qMax(screen.top(), qMin(placed.top(), screen.bottom() + 1 - size.height())));
    }
    return placed;
}

void IPanelHost::placeBeside(QWidget* panel, const IToolBarBase* bar, int id, const Placement& how)
{
    const QPoint button = bar->buttonGlobalPos(id);
    const QScreen* screen = QGuiApplication::screenAt(button);
    if (!screen) {
        screen = bar->screen();
    }
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QPoint global = placedRect(button, panel->size(), how, area).topLeft();
    // A child panel moves in its parent's coordinates, a window in the screen's.
    panel->move(panel->isWindow() ? global : panel->parentWidget()->mapFromGlobal(global));
}

void IPanelHost::showBeside(QWidget* panel, bool show, const IToolBarBase* bar, int id,
                            const Placement& how)
{
    if (!show) {
        panel->hide();
        return;
    }
    if (bar) {
        placeBeside(panel, bar, id, how);
    }
    panel->show();
    panel->raise();
}
