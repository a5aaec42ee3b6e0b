#include "customui/shell/irighttoolbar.h"

#include <QVBoxLayout>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"

namespace {

constexpr int kSide = 50;
constexpr int kPadding = 8;

}  // namespace

IRightToolBar::IRightToolBar(QWidget* parent) : IToolBarBase(QStringLiteral("right"), parent)
{
    CreateUI();
}

void IRightToolBar::CreateUI()
{
    const QString camera = QStringLiteral(":/cameratoolbar/cameratoolbar/");
    const struct {
        int id;
        QString toolTip;
        QString icon;
    } buttons[] = {
        {Board, tr("Board"), QStringLiteral(":/boardtoolbar/boardtoolbar/bpen.svg")},
        {Magnifier, tr("Magnifier"), camera + QStringLiteral("cmagnifiernormal.svg")},
        {ZoomIn, tr("Zoom-in"), camera + QStringLiteral("caddscalenormal.svg")},
        {ZoomOut, tr("Zoom-out"), camera + QStringLiteral("csubscalenormal.svg")},
        {Rotate, tr("Rotate"), camera + QStringLiteral("crotatenormal.svg")},
        {SelfAdapting, tr("Self-adapting"), camera + QStringLiteral("cresetnormal.svg")},
    };
    setFixedWidth(static_cast<int>((kSide + 20) * uiScale));
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addStretch();
    for (const auto& b : buttons) {
        column->addWidget(addButton(new IIToolButton(b.id, b.toolTip, b.icon, false, kSide, kSide,
                                                     kPadding, this)),
                          0, Qt::AlignHCenter);
    }
    column->addStretch();
    button(ZoomIn)->setShortcut(QKeySequence(Qt::Key_Plus));
    button(ZoomOut)->setShortcut(QKeySequence(Qt::Key_Minus));
}
