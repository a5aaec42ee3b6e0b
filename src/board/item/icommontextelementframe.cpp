#include "board/item/icommontextelementframe.h"

#include <QDebug>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QMenu>

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/ielement.h"
#include "board/item/itextelement.h"
#include "board/ui/itextelementtoolbar.h"
#include "board/undo/ielementchangecommand.h"
#include "board/undo/ielementscommand.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/itoolbutton.h"
#include "customui/kit/uiscale.h"

ICommonTextElementFrame::ICommonTextElementFrame(IBoard* board) : ITextElementFrame(board)
{
    connect(this, &ITextElementFrame::sgTransformBeforeChanged, this,
            &ICommonTextElementFrame::onTransformBeforeChanged);
    connect(this, &ITextElementFrame::sgTransformChanging, this,
            &ICommonTextElementFrame::onTransformChanging);
    connect(this, &ITextElementFrame::sgTransformAfterChanged, this,
            &ICommonTextElementFrame::onTransformAfterChanged);
    connect(this, &ITextElementFrame::sgEnterTextEditor, this,
            &ICommonTextElementFrame::onEnterTextEditor);
    connect(this, &ITextElementFrame::sgLeaveTextEditor, this,
            &ICommonTextElementFrame::onLeaveTextEditor);
    connect(this, &ITextElementFrame::sgSelectionChanged, this,
            &ICommonTextElementFrame::onSelectionChanged);
}

ICommonTextElementFrame::~ICommonTextElementFrame()
{
    // The toolbar is a window of its own; the strip is a child of the board.
    delete toolBar_.data();
    delete menu_.data();
    delete popup_.data();
}

QWidget* ICommonTextElementFrame::customMenuWidget() const
{
    return menu_;
}

ITextElementToolBar* ICommonTextElementFrame::toolBar() const
{
    return toolBar_;
}

IToolButton* ICommonTextElementFrame::newMenuButton(const QString& text, const QString& icon)
{
    auto* button = new IToolButton(QVariant(), text, icon, NoCorners, 40, 50, menu_);
    button->setTextUnderIcon(true);
    button->setCursor(Qt::ArrowCursor);
    const int textWidth = QFontMetrics(button->font()).horizontalAdvance(text);
    if (textWidth > button->width()) {
        button->setFixedWidth(textWidth + static_cast<int>(10 * uiScale));
    }
    return button;
}

QWidget* ICommonTextElementFrame::menuWidget()
{
    if (menu_ || !board()) {
        return menu_;
    }
    menu_ = new QWidget(board()->viewport());
    menu_->setAttribute(Qt::WA_StyledBackground);
    menu_->setStyleSheet(
        QStringLiteral("background-color:rgb(250,250,250);border-radius:%1px;").arg(6 * uiScale));
    auto* layout = new QHBoxLayout(menu_);
    const int margin = static_cast<int>(4 * uiScale);
    layout->setContentsMargins(margin, margin, margin, margin);
    IToolButton* lock = newMenuButton(tr("Lock"), QStringLiteral(":/itemframe/lock.svg"));
    IToolButton* copy = newMenuButton(tr("Copy"), QStringLiteral(":/ui/ui/txtcopy.svg"));
    IToolButton* remove = newMenuButton(tr("Delete"), QStringLiteral(":/ui/ui/txtdelete.svg"));
    for (IToolButton* b : {lock, copy, remove}) {
        layout->addWidget(b);
    }
    connect(lock, &QToolButton::clicked, this, &ICommonTextElementFrame::onLock);
    connect(copy, &QToolButton::clicked, this, &ICommonTextElementFrame::onClone);
    connect(remove, &QToolButton::clicked, this, &ICommonTextElementFrame::onDelete);
    menu_->adjustSize();
    menu_->hide();
    return menu_;
}

ITextElementToolBar* ICommonTextElementFrame::textToolBar()
{
    if (!toolBar_ && board()) {
        toolBar_ = new ITextElementToolBar(board());
    }
    return toolBar_;
}

QRect ICommonTextElementFrame::viewBox() const
{
    const QGraphicsItem* item = attachedItem();
    if (!item || !board()) {
        return QRect();
    }
    return board()->mapFromScene(item->sceneBoundingRect()).boundingRect();
}

void ICommonTextElementFrame::placeMenu()
{
    QWidget* menu = menuWidget();
    if (!menu) {
        return;
    }
    // Under the box, or above it where the view ends; always inside the view.
    const QRect box = viewBox();
    const QSize area = board()->viewport()->size();
    const int gap = static_cast<int>(10 * uiScale);
    QPoint at(box.center().x() - menu->width() / 2, box.bottom() + gap);
    if (at.y() + menu->height() > area.height()) {
        at.setY(box.top() - gap - menu->height());
    }
    at.setX(qBound(0, at.x(), qMax(0, area.width() - menu->width())));
    at.setY(qBound(0, at.y(), qMax(0, area.height() - menu->height())));
    menu->move(at);
}

void ICommonTextElementFrame::hideMenu()
{
    if (menu_) {
        menu_->hide();
    }
}

void ICommonTextElementFrame::showCustomMenuWidget()
{
    if (menuAllowed_ && attachedItem() && isVisible()) {
        placeMenu();
        if (menu_) {
            menu_->show();
            menu_->raise();
        }
    }
}

void ICommonTextElementFrame::setCustomMenuVisible(bool bVisible)
{
    menuAllowed_ = bVisible;
    if (!bVisible) {
        hideMenu();
    }
}

void ICommonTextElementFrame::onTransformBeforeChanged()
{
    hideMenu();
    dragBefore_ = IElementSnapshot::of(attachedItem());
}

void ICommonTextElementFrame::onTransformChanging() {}

void ICommonTextElementFrame::onTransformAfterChanged(QSet<QGraphicsItem*>)
{
    IElementChangeCommand::record(page(), element(), dragBefore_);
    update();
    if (!isLocked() && !editing_ && isFrameSelected()) {
        showCustomMenuWidget();
    }
}

void ICommonTextElementFrame::onDelete()
{
    // As one step of the history, which keeps the element for an undo.
    if (board()) {
        board()->deleteSelection();
    }
}

void ICommonTextElementFrame::onLock()
{
    IElement* element = dynamic_cast<IElement*>(attachedItem());
    if (!element) {
        return;
    }
    // A locked element is never erased, cleared, deleted, moved or edited; only an undo
    // unlocks it.
    const IElementSnapshot before = IElementSnapshot::of(attachedItem());
    setLocked(true);
    element->setLocked(true);
    hideMenu();
    IElementChangeCommand::record(page(), element, before);
    emit sgItemPropertyChanged(element);
}

void ICommonTextElementFrame::onClone()
{
    IElement* element = dynamic_cast<IElement*>(attachedItem());
    auto* page = attachedItem() ? qobject_cast<ISlide*>(attachedItem()->scene()) : nullptr;
    if (!element || !page) {
        return;
    }
    IElement* copy = element->clone();
    auto* copyItem = dynamic_cast<QGraphicsItem*>(copy);
    if (!copyItem) {
        delete copy;
        return;
    }
    copyItem->setPos(copyItem->pos() + QPointF(15, 15));
    if (!page->addElement(copy, false)) {
        delete copy;
        return;
    }
    IElementsCommand::recordAdded(page, {copy});
    if (board()) {
        board()->selectItem(copyItem, true);
    }
}

void ICommonTextElementFrame::onMenu()
{
    auto* from = qobject_cast<QWidget*>(sender());
    if (!from) {
        return;
    }
    if (!popup_) {
        popup_ = new QMenu;
    }
    popup_->popup(from->mapToGlobal(QPoint(from->width() + 6, 0)));
}

void ICommonTextElementFrame::onEnterTextEditor()
{
    if (!editing_) {
        editBefore_ = IElementSnapshot::of(attachedItem());
    }
    editing_ = true;
    if (ITextElementToolBar* bar = textToolBar()) {
        const QRect box = viewBox();
        bar->placeBeside(QRect(board()->viewport()->mapToGlobal(box.topLeft()), box.size()));
        bar->setElement(attachedItem());
        bar->show();
    }
    hideMenu();
    update();
    emit sgModeChanged(KM_IBOARD_ENUM::Select);
}

void ICommonTextElementFrame::onLeaveTextEditor()
{
    if (toolBar_) {
        toolBar_->hide();
    }
    // The whole editing session is one step.
    if (editing_) {
        IElementChangeCommand::record(page(), element(), editBefore_);
    }
    editing_ = false;
    hideMenu();
    update();
}

void ICommonTextElementFrame::onSelectionChanged(bool bSelected)
{
    if (bSelected && !isLocked() && !editing_) {
        showCustomMenuWidget();
    } else {
        hideMenu();
    }
}

void ICommonTextElementFrame::onItemPropertyChanged(IElement* elem01, IElement* elem02)
{
    emit sgItemPropertyChanged(elem01);
    emit sgItemPropertyChanged(elem02);
}

void ICommonTextElementFrame::onEndTextEditState()
{
    if (ITextElement* text = textElement()) {
        text->setEndEditOnFocusOut(true);
    }
    if (board()) {
        board()->setModeType(KM_IBOARD_ENUM::Select);
    }
    endTextEdit();
    hideFrame();
    setGroupActive(false);
}

void ICommonTextElementFrame::afterDetach()
{
    if (toolBar_) {
        toolBar_->setElement(nullptr);
        toolBar_->hide();
    }
    editing_ = false;
    hideMenu();
}

void ICommonTextElementFrame::afterHide()
{
    hideMenu();
}
