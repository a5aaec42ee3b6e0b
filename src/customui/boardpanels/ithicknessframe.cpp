#include "customui/boardpanels/ithicknessframe.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "customui/shell/iboardtoolbar.h"
#include "customui/kit/iicolorbutton.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

IThicknessFrame::IThicknessFrame(IApplication* app, QWidget* parent)
    : IBoardPanel(app, IBoardToolBar::Thickness, parent)
{
    CreateUI();
}

void IThicknessFrame::CreateUI()
{
    static const struct {
        int value;
        const char* toolTip;
        int side;
    } entries[] = {
        {1, QT_TR_NOOP("1 thickness"), 20},   {3, QT_TR_NOOP("3 thickness"), 24},
        {5, QT_TR_NOOP("5 thickness"), 26},   {7, QT_TR_NOOP("7 thickness"), 30},
        {10, QT_TR_NOOP("10 thickness"), 32}, {20, QT_TR_NOOP("20 thickness"), 36},
        {30, QT_TR_NOOP("30 thickness"), 38},
    };
    setFixedWidth(static_cast<int>(60 * uiScale));
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    for (const auto& entry : entries) {
        auto* button =
            new IIColorButton(entry.value, Qt::white, true, QSize(entry.side, entry.side), this);
        button->setToolTip(tr(entry.toolTip));
        buttons_.insert(entry.value, button);
        connect(button, &IIColorButton::sgButtonClick, this, &IThicknessFrame::slButtonClick);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(button);
        row->addStretch();
        column->addLayout(row);
    }
    adjustSize();
}

void IThicknessFrame::slButtonClick(bool, QVariant value)
{
    bool isNumber = false;
    const int thickness = value.toInt(&isNumber);
    if (!isNumber) {
        qDebug() << "not a pen thickness:" << value;
        return;
    }
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        it.value()->setSelected(it.key() == thickness);
    }
    thickness_ = thickness;
    IConfigureService::instance()->setPencilThickness(thickness);
}

void IThicknessFrame::setThickness(int thickness)
{
    slButtonClick(true, thickness);
}

int IThicknessFrame::thickness() const
{
    return thickness_;
}

void IThicknessFrame::showPanel(bool show)
{
    if (show) {
        showBesideButton();
    } else {
        hide();
    }
}
