#ifndef IPIXRATEFRAME_H
#define IPIXRATEFRAME_H

#include <QList>
#include <QSizeF>

#include "customui/kit/icustomwidget.h"
#include "customui/kit/ipanel.h"

class IApplication;
class IToolBarBase;
class QRadioButton;
class QVBoxLayout;

// The resolution panel: one radio button "W x H" per capture size the camera offers, the
// configured one checked. A click hides the panel and applies that size to the camera.
class IPixRateFrame : public ICustomWidget, public IPanel {
    Q_OBJECT
public:
    IPixRateFrame(IApplication* app, QWidget* parent = nullptr);

    // The toolbar whose Resolution button the panel opens above.
    void setAnchor(const IToolBarBase* bar) { anchor_ = bar; }

    void showPanel(bool show) override;
    // Checks the button of `size` (else the first one) and, unless `silent`, applies it to the
    // camera as a click would. true when a button of that size exists.
    virtual bool setResolution(QSizeF size, bool silent);
    // Rebuilds the buttons from the camera's sizes, checking the configured one.
    virtual void reload();

    QList<QRadioButton*> buttons() const { return buttons_; }
    // Whether the camera offers `size` (a button stands for it).
    bool offers(const QSizeF& size) const;
    // The size a button stands for.
    static QSizeF sizeOf(const QRadioButton* button);

protected slots:
    virtual void slButtonClick();

protected:
    virtual QRadioButton* createRadioButton(QSizeF size);

private:
    void apply(QRadioButton* button);
    void clearButtons();

    IApplication* app_;
    const IToolBarBase* anchor_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QList<QRadioButton*> buttons_;
};

#endif  // IPIXRATEFRAME_H
