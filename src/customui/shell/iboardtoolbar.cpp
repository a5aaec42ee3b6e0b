#include "customui/shell/iboardtoolbar.h"

#include <QButtonGroup>
#include <QVBoxLayout>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"

namespace {

constexpr int kSide = 50;
constexpr int kPadding = 8;

QString icon(const char* name)
{
    return QStringLiteral(":/boardtoolbar/boardtoolbar/") + QLatin1String(name) +
           QStringLiteral(".svg");
}

}  // namespace

IBoardToolBar::IBoardToolBar(QWidget* parent) : IToolBarBase(QStringLiteral("board"), parent)
{
    CreateUI();
}

void IBoardToolBar::CreateUI()
{
    const struct {
        int id;
        QString toolTip;
        QString icon;
        bool checkable;
    } buttons[] = {
        {Move, tr("Move"), icon("bselect"), true},
        {Pencil, tr("Pencil"), icon("bpen"), true},
        {Thickness, tr("Thickness"), icon("bthickness"), false},
        {Color, tr("Color"), icon("bcolor"), false},
        {Transparency, tr("Transparency"), icon("btransparency"), false},
        {Text, tr("Text"), icon("btext"), true},
        {Shape, tr("Shape"), icon("bfigure"), true},
        {Eraser, tr("Eraser"), icon("berase"), true},
        {Clear, tr("Clear"), icon("bclear"), false},
        {Home, tr("Home"), QStringLiteral(":/android/home.svg"), false},
        {Desktop, tr("Desktop"), icon("bdesktop"), false},
    };
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->setExclusive(true);
    setFixedWidth(static_cast<int>((kSide + 20) * uiScale));
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addStretch();
    for (const auto& b : buttons) {
        IIToolButton* button = addButton(
            new IIToolButton(b.id, b.toolTip, b.icon, b.checkable, kSide, kSide, kPadding, this));
        if (b.checkable) {
            modeGroup_->addButton(button, b.id);
        }
        column->addWidget(button, 0, Qt::AlignHCenter);
    }
    column->addStretch();
    button(Move)->setChecked(true);
}

void IBoardToolBar::selectButton(int id, bool quiet)
{
    QAbstractButton* b = modeGroup_->button(id);
    if (!b) {
        return;
    }
    b->setChecked(true);
    if (!quiet) {
        emit sgButtonClick(true, id);
    }
}
