#ifndef ITRANSPARENTFRAME_H
#define ITRANSPARENTFRAME_H

#include "customui/boardpanels/iboardpanel.h"

class ICustomSlider;
class QLabel;

// The pen transparency panel: a slider from 0 to 255 over a preview of the pen colour at that
// opacity. Moving the slider changes only the preview; the value is stored when the panel closes.
class ITransparentFrame : public IBoardPanel {
    Q_OBJECT
public:
    explicit ITransparentFrame(IApplication* app, QWidget* parent = nullptr);

    void showPanel(bool show) override;
    virtual void setValue(int value);
    virtual int value() const;
    virtual void CreateUI();

    ICustomSlider* slider() const { return slider_; }
    QLabel* preview() const { return preview_; }

private slots:
    void slChangeValue(int value);

private:
    ICustomSlider* slider_ = nullptr;
    QLabel* preview_ = nullptr;
    int value_ = 255;
};

#endif  // ITRANSPARENTFRAME_H
