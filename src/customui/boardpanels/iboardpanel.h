#ifndef IBOARDPANEL_H
#define IBOARDPANEL_H

#include <QPointer>

#include "customui/kit/icustomwidget.h"
#include "customui/kit/ipanel.h"

class IApplication;
class IToolBarBase;

// The base of the small panels the board toolbar opens at its left side: a rounded dark panel
// that shows itself beside the toolbar button it belongs to.
class IBoardPanel : public ICustomWidget, public IPanel {
    Q_OBJECT
public:
    // The toolbar whose button the panel opens beside; without one it opens where it last was.
    void setToolBar(IToolBarBase* bar);
    int buttonId() const { return buttonId_; }

protected:
    IBoardPanel(IApplication* app, int buttonId, QWidget* parent);

    IApplication* application() const { return app_; }
    // Moves the panel beside its toolbar button, inside the screen there, and shows it on top.
    void showBesideButton();

private:
    IApplication* app_;
    int buttonId_;
    QPointer<IToolBarBase> bar_;
};

#endif  // IBOARDPANEL_H
