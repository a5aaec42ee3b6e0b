#ifndef ICOMMONTEXTELEMENTFRAME_H
#define ICOMMONTEXTELEMENTFRAME_H

#include <QPointer>

#include "board/iboardenum.h"
#include "board/item/itextelementframe.h"
#include "board/undo/ielementsnapshot.h"

class IToolButton;
class ITextElementToolBar;
class QMenu;
class QWidget;

// The frame a page shows: the frame with, while its element is selected, a strip with Lock,
// Copy and Delete under it and, while a text box is edited, the text toolbar beside it. Each
// move, resize, scale, lock, copy, delete and editing session is one step of the page's
// history.
class ICommonTextElementFrame : public ITextElementFrame {
    Q_OBJECT
public:
    explicit ICommonTextElementFrame(IBoard* board);
    ~ICommonTextElementFrame() override;

    // The strip and the toolbar are made on first need.
    QWidget* customMenuWidget() const;
    ITextElementToolBar* toolBar() const;
    bool isEditing() const { return editing_; }

signals:
    void sgItemPropertyChanged(IElement* elem);
    void sgModeChanged(KM_IBOARD_ENUM::ModeType curMode);
    void sgGotoPage(int page);

public slots:
    void onTransformBeforeChanged();
    void onTransformChanging();
    void onTransformAfterChanged(QSet<QGraphicsItem*> items);
    void onDelete();
    void onLock();
    void onClone();
    void onMenu();
    void onEnterTextEditor();
    void onLeaveTextEditor();
    void onSelectionChanged(bool bSelected);
    void onItemPropertyChanged(IElement* elem01, IElement* elem02);
    void onEndTextEditState();
    void setCustomMenuVisible(bool bVisible);
    void showCustomMenuWidget();

protected:
    void afterDetach() override;
    void afterHide() override;

private:
    QWidget* menuWidget();
    ITextElementToolBar* textToolBar();
    IToolButton* newMenuButton(const QString& text, const QString& icon);
    // The attached box's rectangle in the board's view.
    QRect viewBox() const;
    void placeMenu();
    void hideMenu();

    QPointer<QWidget> menu_;
    QPointer<ITextElementToolBar> toolBar_;
    QPointer<QMenu> popup_;
    bool editing_ = false;
    bool menuAllowed_ = true;
    IElementSnapshot dragBefore_;
    IElementSnapshot editBefore_;
};

#endif  // ICOMMONTEXTELEMENTFRAME_H
