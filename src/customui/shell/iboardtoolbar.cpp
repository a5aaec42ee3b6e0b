#include "customui/shell/iboardtoolbar.h"

#include <QButtonGroup>
#include <QShortcut>
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

// A tool tip that names the tool's key.
QString withKey(const QString& toolTip, const char* key)
{
    return QStringLiteral("%1 (%2)").arg(toolTip, QLatin1String(key));
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
        {Move, withKey(tr("Move"), "S"), icon("bselect"), true},
        {Pencil, withKey(tr("Pencil"), "P"), icon("bpen"), true},
        {Thickness, tr("Thickness"), icon("bthickness"), false},
        {Color, tr("Color"), icon("bcolor"), false},
        {Transparency, tr("Transparency"), icon("btransparency"), false},
        {Text, withKey(tr("Text"), "T"), icon("btext"), true},
        {Shape, withKey(tr("Shape"), "R"), icon("bfigure"), true},
        {Eraser, withKey(tr("Eraser"), "E"), icon("berase"), true},
        {Clear, tr("Clear"), icon("bclear"), false},
        {Home, tr("Home"), QStringLiteral(":/android/home.svg"), false},
        {Desktop, tr("Desktop"), icon("bdesktop"), false},
        {Undo, withKey(tr("Undo"), "Ctrl+Z"), icon("bundo"), false},
        {Redo, withKey(tr("Redo"), "Ctrl+Y"), icon("bredo"), false},
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
    // Nothing to undo or redo yet.
    setEnabled(Undo, false);
    setEnabled(Redo, false);
    addKeys();
}

void IBoardToolBar::addKeys()
{
    const struct {
        int keys;
        int id;
    } keys[] = {
        {Qt::Key_S, Move},
        {Qt::Key_P, Pencil},
        {Qt::Key_T, Text},
        {Qt::Key_R, LastShape},
        {Qt::Key_E, Eraser},
        {Qt::CTRL | Qt::Key_Z, Undo},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Redo},
        {Qt::CTRL | Qt::Key_Y, Redo},
        {Qt::Key_Delete, DeleteSelection},
        {Qt::Key_Plus, ZoomIn},
        {Qt::Key_Minus, ZoomOut},
    };
    for (const auto& key : keys) {
        addKey(QKeySequence(key.keys), key.id);
    }
}

void IBoardToolBar::addKey(const QKeySequence& keys, int id)
{
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, id] {
        if (id == LastShape) {
            selectButton(Shape, true);
        }
        if (modeGroup_->button(id)) {
            selectButton(id);
        } else if (isButtonEnabled(id) || !button(id)) {
            emit sgButtonClick(false, id);
        }
    });
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
