#ifndef IPARAMETERFRAME_H
#define IPARAMETERFRAME_H

#include "customui/kit/icustomwidget.h"
#include "customui/kit/ipanel.h"
#include "directshow/cameraparameterdata.h"

class IApplication;
class ICustomSlider;
class IToolBarBase;

// The colour-adjusting panel: contrast, brightness and saturation as percentages of the camera's
// ranges, each move applied to the camera at once; Default restores the camera's defaults.
class IParameterFrame : public ICustomWidget, public IPanel {
    Q_OBJECT
public:
    // The panel's own numbering of its sliders.
    enum Slider { Contrast = 0, Brightness = 1, Saturation = 2, SliderCount = 3 };

    IParameterFrame(IApplication* app, QWidget* parent = nullptr);

    // The toolbar whose colour-adjusting button the panel opens above.
    void setAnchor(const IToolBarBase* bar) { anchor_ = bar; }

    void showPanel(bool show) override;
    // Moves slider `index` to `percent` and applies it to the camera; other indexes are ignored.
    virtual void setSliderValue(int index, int percent);
    // Reads the camera's controls and shows (and applies) their current values.
    virtual void initDefaultValues();
    virtual CameraParameterData readParameters();

    ICustomSlider* slider(int index) const;

protected:
    virtual void CreateUI();

private:
    void restoreDefaults();
    // Shows `percent` on the slider without its change signal, then applies it exactly once.
    void place(int index, int percent);
    void apply(int index, int percent);

    IApplication* app_;
    const IToolBarBase* anchor_ = nullptr;
    ICustomSlider* sliders_[SliderCount] = {};
    CameraParameterData parameter_;
};

#endif  // IPARAMETERFRAME_H
