#ifndef IERASEFRAME_H
#define IERASEFRAME_H

#include "customui/boardpanels/iboardpanel.h"

class ICustomSlider;

// The eraser size panel: a vertical slider from 20 to 200. The size is stored when the panel
// closes.
class IEraseFrame : public IBoardPanel {
    Q_OBJECT
public:
    explicit IEraseFrame(IApplication* app, QWidget* parent = nullptr);

    void showPanel(bool show) override;
    virtual void setSize(int size);
    virtual int size() const;
    virtual void CreateUI();

    ICustomSlider* slider() const { return slider_; }

private slots:
    void slChangeValue(int value);

private:
    ICustomSlider* slider_ = nullptr;
    int size_ = 0;
};

#endif  // IERASEFRAME_H
