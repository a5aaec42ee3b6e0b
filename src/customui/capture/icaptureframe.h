#ifndef ICAPTUREFRAME_H
#define ICAPTUREFRAME_H

#include "customui/kit/ifreezonewidget.h"

class IApplication;
class IIToolButton;

// Partial capture: a selection layer over the picture with "Back" and "Select" in the
// selection's corner. "Select" stores the selection (in the layer's coordinates) as the
// partial-capture rectangle and asks for a picture; "Back" stores nothing.
class ICaptureFrame : public IFreeZoneWidget {
    Q_OBJECT
public:
    enum Action { Back = 0, Select = 1 };
    Q_ENUM(Action)

    explicit ICaptureFrame(IApplication* app, QWidget* parent = nullptr);

    QWidget* buttonBar() const { return bar_; }
    IIToolButton* actionButton(Action action) const { return action == Back ? back_ : select_; }

    // First show: an 800 x 600 selection centred; later the stored rectangle.
    void showPanel(bool show) override;

signals:
    // The layer opened (true) or closed: the window's bars are off while it shows.
    void sgActiveChanged(bool active);
    // "Select": the stored rectangle is to be captured.
    void sgCaptureRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    virtual void placeButtonBar(bool show);
    virtual void CreateUI();
    virtual IIToolButton* createButton(int data, const QString& toolTip, const QString& normal,
                                       const QString& pressed);

private:
    void onButtonClick(bool checked, QVariant data);

    IApplication* app_;
    QWidget* bar_ = nullptr;
    IIToolButton* back_ = nullptr;
    IIToolButton* select_ = nullptr;
};

#endif  // ICAPTUREFRAME_H
