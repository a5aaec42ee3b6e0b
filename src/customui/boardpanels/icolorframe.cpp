#include "customui/boardpanels/icolorframe.h"

#include <QColorDialog>
#include <QDebug>
#include <QVBoxLayout>

#include "customui/kit/iicolorbutton.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/iboardtoolbar.h"
#include "service/iconfigureservice.h"

namespace {

constexpr int kMoreId = 9;

}  // namespace

IColorFrame::IColorFrame(IApplication* app, QWidget* parent)
    : IBoardPanel(app, IBoardToolBar::Color, parent)
{
    CreateUI();
}

void IColorFrame::CreateUI()
{
    static const struct {
        const char* toolTip;
        QRgb rgb;
    } entries[] = {
        {QT_TR_NOOP("Red"), qRgb(255, 0, 0)},    {QT_TR_NOOP("Green"), qRgb(0, 255, 0)},
        {QT_TR_NOOP("Blue"), qRgb(0, 0, 255)},   {QT_TR_NOOP("Yellow"), qRgb(255, 255, 0)},
        {QT_TR_NOOP("Pink"), qRgb(255, 0, 255)}, {QT_TR_NOOP("Cyan"), qRgb(0, 255, 255)},
        {QT_TR_NOOP("Black"), qRgb(0, 0, 0)},    {QT_TR_NOOP("White"), qRgb(255, 255, 255)},
    };
    setFixedWidth(static_cast<int>(60 * uiScale));
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    for (const auto& entry : entries) {
        const QColor colour(entry.rgb);
        auto* button = new IIColorButton(colour, colour, true, QSize(36, 36), this);
        button->setToolTip(tr(entry.toolTip));
        button->setObjectName("color." + colour.name().mid(1));
        buttons_ << qMakePair(entry.rgb, button);
        connect(button, &IIColorButton::sgButtonClick, this, &IColorFrame::slButtonClick);
        column->addWidget(button);
    }
    more_ = new IIToolButton(kMoreId, QStringLiteral("..."), 36, 30, AllCorners, false, this);
    more_->setObjectName(QStringLiteral("color.more"));
    connect(more_, &IIToolButton::sgButtonClick, this, &IColorFrame::chooseOtherColor);
    column->addWidget(more_);
    adjustSize();
}

QList<IIColorButton*> IColorFrame::colorButtons() const
{
    QList<IIColorButton*> list;
    for (const auto& entry : buttons_) {
        list << entry.second;
    }
    return list;
}

void IColorFrame::slButtonClick(bool, QVariant value)
{
    const QColor colour = value.canConvert<QColor>() ? value.value<QColor>() : QColor();
    if (!colour.isValid()) {
        qDebug() << "not a pen colour:" << value;
        return;
    }
    for (const auto& entry : buttons_) {
        entry.second->setSelected(entry.first == colour.rgb());
    }
    color_ = colour;
    IConfigureService::instance()->setPencilColor(colour);
}

void IColorFrame::setColor(QColor color)
{
    slButtonClick(true, color);
}

QColor IColorFrame::color() const
{
    return color_;
}

void IColorFrame::chooseOtherColor()
{
    const QColor chosen =
        QColorDialog::getColor(color_.isValid() ? color_ : QColor(Qt::white), parentWidget());
    if (chosen.isValid()) {
        setColor(chosen);
    }
}

void IColorFrame::showPanel(bool show)
{
    if (show) {
        showBesideButton();
    } else {
        hide();
    }
}
