#ifndef ITIMERCAPTURECONTROLFRAME_H
#define ITIMERCAPTURECONTROLFRAME_H

#include "customui/kit/icustomwidget.h"

class IApplication;
class IIToolButton;
class IToolBarBase;
class QLabel;

// The bar above the Photo-mode button while a timing capture runs: Start (resume), Halt (pause)
// and Stop, and the pictures taken out of the total as "n / total".
class ITimerCaptureControlFrame : public ICustomWidget {
    Q_OBJECT
public:
    enum Action { Start = 0, Halt = 1, Stop = 2 };

    explicit ITimerCaptureControlFrame(IApplication* app, QWidget* parent = nullptr);

    void setAnchor(const IToolBarBase* bar) { anchor_ = bar; }
    QString countText() const;
    IIToolButton* actionButton(Action action) const;

    virtual void showControl(bool show, int pages);
    virtual void updatePosition();
    virtual void increaseCount();
    virtual void CreateUI();

signals:
    // Start, Halt or Stop was clicked; the buttons have already swapped.
    void sgAction(int action);

protected:
    virtual IIToolButton* createButton(int data, const QString& toolTip, const QString& normal,
                                       const QString& pressed);

private:
    void onButtonClick(bool checked, QVariant data);

    IApplication* app_;
    const IToolBarBase* anchor_ = nullptr;
    int total_ = 0;
    int count_ = 0;
    QLabel* countLabel_ = nullptr;
    IIToolButton* start_ = nullptr;
    IIToolButton* halt_ = nullptr;
    IIToolButton* stop_ = nullptr;
};

#endif  // ITIMERCAPTURECONTROLFRAME_H
