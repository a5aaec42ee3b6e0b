#include "customui/boardpanels/ieraseframe.h"

#include <QVBoxLayout>

#include "customui/shell/iboardtoolbar.h"
#include "customui/kit/icustomslider.h"
#include "customui/kit/islider.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

namespace {

constexpr int kVertical = 2;
constexpr int kSmallest = 20;
constexpr int kLargest = 200;

int scaled(int pixels)
{
    return static_cast<int>(pixels * uiScale);
}

}  // namespace

IEraseFrame::IEraseFrame(IApplication* app, QWidget* parent)
    : IBoardPanel(app, IBoardToolBar::Eraser, parent)
{
    CreateUI();
    setSize(IConfigureService::instance()->eraseSize());
}

void IEraseFrame::CreateUI()
{
    setMinimumHeight(scaled(200));
    setFixedWidth(scaled(50));
    slider_ = new ICustomSlider(kVertical, 1, this);
    slider_->setRange(kSmallest, kLargest);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(scaled(10), scaled(10), scaled(10), scaled(15));
    column->addWidget(slider_);
    adjustSize();
    connect(slider_, &ICustomSlider::sgValueChanged, this, &IEraseFrame::slChangeValue);
}

void IEraseFrame::slChangeValue(int value)
{
    slider_->slider()->setToolTip(QString::number(value));
    size_ = value;
}

void IEraseFrame::setSize(int size)
{
    slider_->setValue(size, true, true);
    // A size outside the range is stored as the slider shows it.
    size_ = slider_->value();
}

int IEraseFrame::size() const
{
    return size_;
}

void IEraseFrame::showPanel(bool show)
{
    if (show) {
        showBesideButton();
        setSize(size_);
        return;
    }
    IConfigureService::instance()->setEraseSize(size_);
    hide();
}
