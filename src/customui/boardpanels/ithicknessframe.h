#ifndef ITHICKNESSFRAME_H
#define ITHICKNESSFRAME_H

#include <QMap>
#include <QVariant>

#include "customui/boardpanels/iboardpanel.h"

class IIColorButton;

// The pen thickness panel: seven round white buttons of growing size, one per thickness. A click
// checks that button alone and stores the thickness at once.
class IThicknessFrame : public IBoardPanel {
    Q_OBJECT
public:
    explicit IThicknessFrame(IApplication* app, QWidget* parent = nullptr);

    void showPanel(bool show) override;
    // A thickness without a button unchecks them all and is still stored.
    virtual void setThickness(int thickness);
    virtual int thickness() const;
    virtual void CreateUI();

    // Null for a thickness without a button.
    IIColorButton* button(int thickness) const { return buttons_.value(thickness); }

public slots:
    void slButtonClick(bool checked, QVariant value);

private:
    int thickness_ = 0;
    QMap<int, IIColorButton*> buttons_;
};

#endif  // ITHICKNESSFRAME_H
