#include "customui/boardpanels/itransparentframe.h"

#include <QLabel>
#include <QVBoxLayout>

#include "customui/shell/iboardtoolbar.h"
#include "customui/kit/icustomslider.h"
#include "customui/kit/islider.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

namespace {

constexpr int kHorizontal = 1;

}  // namespace

ITransparentFrame::ITransparentFrame(IApplication* app, QWidget* parent)
    : IBoardPanel(app, IBoardToolBar::Transparency, parent)
{
    CreateUI();
}

void ITransparentFrame::CreateUI()
{
    value_ = 255;
    slider_ = new ICustomSlider(kHorizontal, 1, this);
    slider_->setFixedWidth(static_cast<int>(260 * uiScale));
    slider_->setMaximum(255);
    preview_ = new QLabel(this);
    preview_->setFixedSize(static_cast<int>(260 * uiScale), static_cast<int>(100 * uiScale));
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addWidget(slider_);
    column->addWidget(preview_);
    adjustSize();
    connect(slider_, &ICustomSlider::sgValueChanged, this, &ITransparentFrame::slChangeValue);
}

void ITransparentFrame::slChangeValue(int value)
{
    slider_->slider()->setToolTip(QString::number(value));
    value_ = value;
    QColor colour = IConfigureService::instance()->pencilColor();
    // The lowest step shows no ink at all.
    colour.setAlpha(value == 1 ? 0 : value);
    preview_->setStyleSheet(
        QStringLiteral("border:none;background-color:rgba(%1,%2,%3,%4);border-radius:10px;")
            .arg(colour.red())
            .arg(colour.green())
            .arg(colour.blue())
            .arg(colour.alpha()));
}

void ITransparentFrame::setValue(int value)
{
    slider_->setValue(value, true, true);
    // The slider keeps its range: what it shows is what gets stored.
    value_ = slider_->value();
}

int ITransparentFrame::value() const
{
    return value_;
}

void ITransparentFrame::showPanel(bool show)
{
    if (show) {
        showBesideButton();
        slChangeValue(value_);
        return;
    }
    IConfigureService::instance()->setPencilTransparent(value_);
    hide();
}
