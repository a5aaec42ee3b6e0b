#include "customui/boardpanels/ifigureframe.h"

#include <QDebug>
#include <QVBoxLayout>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/iboardtoolbar.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

IFigureFrame::IFigureFrame(IApplication* app, QWidget* parent)
    : IBoardPanel(app, IBoardToolBar::Shape, parent)
{
    CreateUI();
}

void IFigureFrame::CreateUI()
{
    static const struct {
        Figure id;
        const char* toolTip;
        const char* icon;
    } entries[] = {
        {Line, QT_TR_NOOP("Straight line"), "fline"},
        {Circle, QT_TR_NOOP("Circle"), "fcricle"},
        {Oval, QT_TR_NOOP("Oval"), "fellipse"},
        {Triangle, QT_TR_NOOP("Triangle"), "ftriangle"},
        {Rectangle, QT_TR_NOOP("Rectangle"), "frectangle"},
        {Arrow, QT_TR_NOOP("Arrow"), "farrow"},
    };
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    for (const auto& entry : entries) {
        const QString icon =
            QStringLiteral(":/figure/figure/%1.svg").arg(QLatin1String(entry.icon));
        column->addWidget(createButton(entry.id, tr(entry.toolTip), icon));
    }
    buttons_.value(Line)->setSelected(true);
    filled_ = new IIToolButton(QVariant(), tr("Filled"), 0, 30, 0, true, this);
    filled_->setChecked(IConfigureService::instance()->shapeFilled());
    connect(filled_, &IIToolButton::sgButtonClick, this,
            [](bool checked, QVariant) { IConfigureService::instance()->setShapeFilled(checked); });
    column->addWidget(filled_);
    adjustSize();
}

IIToolButton* IFigureFrame::createButton(int id, const QString& toolTip, const QString& icon)
{
    auto* button = new IIToolButton(id, toolTip, icon, true, 40, 40, 8, this);
    button->nameAfterId(QStringLiteral("shape"), QMetaEnum::fromType<Figure>());
    buttons_.insert(id, button);
    connect(button, &IIToolButton::sgButtonClick, this,
            [this](bool, QVariant data) { selectFigure(data, true); });
    return button;
}

void IFigureFrame::selectFigure(QVariant id, bool checked)
{
    if (checked) {
        for (IIToolButton* button : qAsConst(buttons_)) {
            button->setSelected(false);
        }
    }
    bool isNumber = false;
    const int figure = id.toInt(&isNumber);
    if (IIToolButton* button = isNumber ? buttons_.value(figure) : nullptr) {
        button->setSelected(true);
        applyFigure(id);
    }
    current_ = id;
}

void IFigureFrame::applyFigure(QVariant id)
{
    bool isNumber = false;
    const int figure = id.toInt(&isNumber);
    IBoardService* service = IBoardService::instance();
    switch (isNumber ? figure : -1) {
        case Line:
            service->linePathMode(0);
            break;
        case Circle:
            service->circlePathMode(0);
            break;
        case Oval:
            service->ellipsePathMode(0);
            break;
        case Triangle:
            service->trianglePathMode(0);
            break;
        case Rectangle:
            service->rectanglePathMode(0);
            break;
        case Arrow:
            service->arrowPathMode(0);
            break;
        default:
            qDebug() << "no figure" << id;
            break;
    }
}

void IFigureFrame::showPanel(bool show)
{
    if (show) {
        showBesideButton();
        applyFigure(current_);
    } else {
        hide();
    }
}
