#ifndef ITOOLBUTTON_H
#define ITOOLBUTTON_H

#include "customui/kit/itoolbuttonbase.h"

// The light tool button of the board side (text toolbar, text frame menu, colour palette): an
// icon, a caption or both on a near-white background. Clicks store the checked state as the
// selection and report sgButtonClick(selected, data).
class IToolButton : public IToolButtonBase {
    Q_OBJECT
public:
    IToolButton(QVariant data, const QString& text, const QString& icon, int cornerSet, int width,
                int height, QWidget* parent = nullptr);
    IToolButton(QVariant data, const QString& icon, int cornerSet, int width, int height,
                QWidget* parent = nullptr);

    virtual QString checkedIcon() const;
    void setSelected(const bool& selected) override;
    virtual void setCheckedIcon(QString path);
    virtual QString radiusStyle(int cornerSet);
    virtual void init();

private:
    void onClicked(bool checked);
    QString shownIcon() const;
};

#endif  // ITOOLBUTTON_H
