#ifndef ICAPTUREMODEFRAME_H
#define ICAPTUREMODEFRAME_H

#include <QMap>

#include "customui/kit/icustomwidget.h"
#include "customui/kit/ipanel.h"
#include "shelltypes.h"

class IApplication;
class IToolBarBase;
class QRadioButton;

// The capture-mode panel above the Photo-mode button: the shutter-sound switch and one radio
// button per capture mode. A mode click is reported; the switch only writes "photo/sound".
class ICaptureModeFrame : public ICustomWidget, public IPanel {
    Q_OBJECT
public:
    // The flag of the shutter-sound switch; the modes use their own values.
    static constexpr int kSoundFlag = -1;

    explicit ICaptureModeFrame(IApplication* app, QWidget* parent = nullptr);

    // The toolbar whose Photo-mode button the panel opens above.
    void setAnchor(const IToolBarBase* bar) { anchor_ = bar; }
    // The radio button of a flag (a mode, or kSoundFlag), null for none.
    QRadioButton* button(int flag) const { return buttons_.value(flag); }

    void showPanel(bool show) override;
    virtual int mode() const { return mode_; }
    // Checks the button of `mode` without reporting it; values without a button are ignored.
    virtual void setMode(int mode);

signals:
    void sgButtonClick(CaptureMode mode);

protected slots:
    virtual void slButtonClick(bool checked);

protected:
    virtual void CreateUI();
    virtual QRadioButton* createRadioButton(QVariant flag, QString text);

private:
    IApplication* app_;
    const IToolBarBase* anchor_ = nullptr;
    int mode_ = DefaultCapture;
    QMap<int, QRadioButton*> buttons_;
};

#endif  // ICAPTUREMODEFRAME_H
