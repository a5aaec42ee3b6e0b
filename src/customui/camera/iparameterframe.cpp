#include "customui/camera/iparameterframe.h"

#include <QDebug>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "customui/kit/icustomslider.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/shell/ipanelhost.h"
#include "customui/kit/istylehelper.h"
#include "customui/camera/parameterpercent.h"
#include "icamera.h"
#include "customui/kit/uiscale.h"

namespace {

// The camera toolbar's colour-adjusting button.
constexpr int kColorAdjustingButton = 7;

// Each slider addresses its record entry by name, never by position in the record.
struct ColourControl {
    const char* label;
    const char* logTag;
    CameraParameterEntry CameraParameterData::*entry;
    void (ICamera::*apply)(QVariant);
};
const ColourControl kControls[IParameterFrame::SliderCount] = {
    {QT_TRANSLATE_NOOP("IParameterFrame", "Contrast "),
     "contrast--->:", &CameraParameterData::contrast, &ICamera::setContrast},
    {QT_TRANSLATE_NOOP("IParameterFrame", "Brightness "),
     "brightness--->:", &CameraParameterData::brightness, &ICamera::setBrightness},
    {QT_TRANSLATE_NOOP("IParameterFrame", "Saturation "),
     "saturation--->:", &CameraParameterData::saturation, &ICamera::setSaturation},
};

int scaled(int pixels)
{
    return static_cast<int>(pixels * uiScale);
}

}  // namespace

IParameterFrame::IParameterFrame(IApplication* app, QWidget* parent)
    : ICustomWidget(parent), app_(app)
{
    CreateUI();
    setMinimumSize(scaled(400), scaled(220));
    setRoundedBackground(true);
}

ICustomSlider* IParameterFrame::slider(int index) const
{
    return index >= 0 && index < SliderCount ? sliders_[index] : nullptr;
}

void IParameterFrame::CreateUI()
{
    auto* form = new QFormLayout;
    form->setVerticalSpacing(scaled(30));
    for (int i = 0; i < SliderCount; ++i) {
        auto* slider = new ICustomSlider(false, 1, 1, this);
        slider->setSingleStep(1);
        slider->setRange(0, 100);
        connect(slider, &ICustomSlider::sgValueChanged, this, [this, i](int v) { apply(i, v); });
        auto* box = new QHBoxLayout;
        box->addWidget(slider);
        form->addRow(newLabel(tr(kControls[i].label), this), box);
        sliders_[i] = slider;
    }
    auto* defaults = new IIToolButton(1, tr("Default"), 120, 40, AllCorners, false, this);
    auto* ok = new IIToolButton(2, tr("OK"), 120, 40, AllCorners, false, this);
    connect(defaults, &IIToolButton::sgButtonClick, this, &IParameterFrame::restoreDefaults);
    connect(ok, &IIToolButton::sgButtonClick, this, [this]() { showPanel(false); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(defaults);
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(scaled(10), scaled(15), scaled(10), scaled(10));
    column->addLayout(form);
    column->addSpacing(scaled(10));
    column->addLayout(buttons);
    adjustSize();
}

void IParameterFrame::showPanel(bool show)
{
    IPanelHost::showBeside(this, show, anchor_, kColorAdjustingButton,
                           IPanelHost::kAboveCameraButton);
}

CameraParameterData IParameterFrame::readParameters()
{
    return ICamera::instance()->cameraParameter();
}

void IParameterFrame::initDefaultValues()
{
    parameter_ = readParameters();
    for (int i = 0; i < SliderCount; ++i) {
        const CameraParameterEntry& entry = parameter_.*kControls[i].entry;
        qDebug() << kControls[i].logTag << entry.minimum << entry.maximum << entry.defaultValue
                 << entry.current;
        place(i, valueToPercent(entry, entry.current.toInt()));
    }
}

void IParameterFrame::restoreDefaults()
{
    for (int i = 0; i < SliderCount; ++i) {
        const CameraParameterEntry& entry = parameter_.*kControls[i].entry;
        place(i, valueToPercent(entry, entry.defaultValue.toInt()));
    }
}

void IParameterFrame::setSliderValue(int index, int percent)
{
    if (slider(index)) {
        place(index, percent);
    }
}

void IParameterFrame::place(int index, int percent)
{
    ICustomSlider* slider = sliders_[index];
    const bool supported = hasRange(parameter_.*kControls[index].entry);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(supported ? percent : 0, true, false);
    }
    markSupported(slider, supported);
    apply(index, slider->value());
}

void IParameterFrame::apply(int index, int percent)
{
    const CameraParameterEntry& entry = parameter_.*kControls[index].entry;
    if (hasRange(entry)) {
        (ICamera::instance()->*kControls[index].apply)(percentToValue(entry, percent));
    }
}
