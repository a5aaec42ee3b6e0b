#ifndef IFOCUSFRAME_H
#define IFOCUSFRAME_H

#include "customui/kit/icustomwidget.h"
#include "customui/kit/ipanel.h"
#include "directshow/cameraparameterdata.h"

class IApplication;
class ICustomSlider;
class IToolBarBase;

// The focus-and-exposure panel: two sliders in percent of the camera's ranges, each with an
// "Automatic" box. The choice (a percentage, or -1 for automatic) is kept in the configuration
// and applied again to every camera that opens.
class IFocusFrame : public ICustomWidget, public IPanel {
    Q_OBJECT
public:
    // The panel's own numbering of its sliders.
    enum Slider { Focus = 0, Exposure = 1, SliderCount = 2 };

    IFocusFrame(IApplication* app, QWidget* parent = nullptr);

    // The toolbar whose focus-and-exposure button the panel opens above.
    void setAnchor(const IToolBarBase* bar) { anchor_ = bar; }

    void showPanel(bool show) override;
    // Reads the camera's controls and applies the saved choices to it.
    virtual void initDefaultValues();

    ICustomSlider* slider(int index) const;

protected:
    virtual void CreateUI();

private:
    void restore(int index);
    void onValueChanged(int index, int percent);
    void onStateChanged(int index, int state);
    // Sends a percentage, or the automatic mode, to the camera.
    void apply(int index, int percent);
    void applyAutomatic(int index);

    IApplication* app_;
    const IToolBarBase* anchor_ = nullptr;
    CameraParameterData parameter_;
    ICustomSlider* sliders_[SliderCount] = {};
};

#endif  // IFOCUSFRAME_H
