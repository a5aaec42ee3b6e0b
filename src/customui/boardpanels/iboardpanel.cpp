#include "customui/boardpanels/iboardpanel.h"

#include "customui/shell/ipanelhost.h"
#include "customui/shell/itoolbarbase.h"

IBoardPanel::IBoardPanel(IApplication* app, int buttonId, QWidget* parent)
    : ICustomWidget(parent), app_(app), buttonId_(buttonId)
{
    setRoundedBackground(true);
}

void IBoardPanel::setToolBar(IToolBarBase* bar)
{
    bar_ = bar;
}

void IBoardPanel::showBesideButton()
{
    if (bar_) {
        IPanelHost::placeBeside(this, bar_, buttonId_, IPanelHost::kLeftOfBoardButton);
    }
    show();
    raise();
}
