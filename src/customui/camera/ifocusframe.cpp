#include "customui/camera/ifocusframe.h"

#include <QDebug>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "customui/kit/icustomslider.h"
#include "customui/shell/ipanelhost.h"
#include "customui/kit/istylehelper.h"
#include "customui/camera/parameterpercent.h"
#include "icamera.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

namespace {

// The camera toolbar's focus-and-exposure button.
constexpr int kFocusButton = 0;
// The saved choice that stands for the automatic mode.
constexpr int kSavedAutomatic = -1;

struct CameraControl {
    const char* label;
    const char* logTag;
    CameraParameterEntry CameraParameterData::*entry;
    void (ICamera::*apply)(const int&);
    int (IConfigureService::*saved)() const;
    void (IConfigureService::*save)(const int&);
};
const CameraControl kControls[IFocusFrame::SliderCount] = {
    {QT_TRANSLATE_NOOP("IFocusFrame", "Focus"), "focus--->:", &CameraParameterData::focus,
     &ICamera::setFocus, &IConfigureService::focusValue, &IConfigureService::setFocusValue},
    {QT_TRANSLATE_NOOP("IFocusFrame", "Exposure"), "exposure--->:", &CameraParameterData::exposure,
     &ICamera::setExposure, &IConfigureService::exposure, &IConfigureService::setExposure},
};

IConfigureService* config()
{
    return IConfigureService::instance();
}

}  // namespace

IFocusFrame::IFocusFrame(IApplication* app, QWidget* parent) : ICustomWidget(parent), app_(app)
{
    CreateUI();
    setRoundedBackground(true);
}

ICustomSlider* IFocusFrame::slider(int index) const
{
    return index >= 0 && index < SliderCount ? sliders_[index] : nullptr;
}

void IFocusFrame::CreateUI()
{
    auto* form = new QFormLayout(this);
    const int spacing = static_cast<int>(20 * uiScale);
    form->setVerticalSpacing(spacing);
    form->setContentsMargins(spacing, spacing, spacing, spacing);
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(newLabel(tr("Automatic"), this));
    form->addRow(top);
    for (int i = 0; i < SliderCount; ++i) {
        auto* slider = new ICustomSlider(true, 1, 1, this);
        slider->setRange(0, 100);
        slider->setValue(50, true, true);
        connect(slider, &ICustomSlider::sgValueChanged, this,
                [this, i](int v) { onValueChanged(i, v); });
        connect(slider, &ICustomSlider::sgStateChanged, this,
                [this, i](int state) { onStateChanged(i, state); });
        form->addRow(newLabel(tr(kControls[i].label), this), slider);
        sliders_[i] = slider;
    }
    adjustSize();
}

void IFocusFrame::showPanel(bool show)
{
    // Kept inside the screen, so never left of its left edge.
    IPanelHost::showBeside(this, show, anchor_, kFocusButton, IPanelHost::kAboveCameraButton);
}

void IFocusFrame::initDefaultValues()
{
    parameter_ = ICamera::instance()->cameraParameter();
    for (int i = 0; i < SliderCount; ++i) {
        const CameraParameterEntry& entry = parameter_.*kControls[i].entry;
        qDebug() << kControls[i].logTag << entry.minimum << entry.maximum << entry.defaultValue
                 << entry.current;
        restore(i);
    }
}

// The saved choice is applied explicitly: the slider may already show it, and then it would
// announce nothing to apply.
void IFocusFrame::restore(int index)
{
    ICustomSlider* slider = sliders_[index];
    const CameraParameterEntry& entry = parameter_.*kControls[index].entry;
    const bool supported = hasRange(entry);
    const int saved = (config()->*kControls[index].saved)();
    const bool automatic = supported && saved == kSavedAutomatic;
    const int percent =
        automatic ? valueToPercent(entry, entry.current.toInt()) : qBound(0, saved, 100);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(supported ? percent : 0, automatic, false);
    }
    markSupported(slider, supported);
    if (automatic) {
        applyAutomatic(index);
    } else {
        apply(index, slider->value());
    }
}

void IFocusFrame::onValueChanged(int index, int percent)
{
    if (hasRange(parameter_.*kControls[index].entry)) {
        apply(index, percent);
        (config()->*kControls[index].save)(percent);
    }
}

void IFocusFrame::onStateChanged(int index, int state)
{
    if (!hasRange(parameter_.*kControls[index].entry)) {
        return;
    }
    if (state == Qt::Checked) {
        applyAutomatic(index);
        (config()->*kControls[index].save)(kSavedAutomatic);
    } else if (state == Qt::Unchecked) {
        const int percent = sliders_[index]->value();
        (config()->*kControls[index].save)(percent);
        apply(index, percent);
    }
}

void IFocusFrame::apply(int index, int percent)
{
    const CameraParameterEntry& entry = parameter_.*kControls[index].entry;
    if (hasRange(entry)) {
        (ICamera::instance()->*kControls[index].apply)(percentToValue(entry, percent));
    }
}

void IFocusFrame::applyAutomatic(int index)
{
    (ICamera::instance()->*kControls[index].apply)(ICamera::kNoValue);
}
