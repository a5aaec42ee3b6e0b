#ifndef IITOOLBUTTON_H
#define IITOOLBUTTON_H

#include <QMetaEnum>

#include "customui/kit/itoolbuttonbase.h"

// The shell's dark tool button. Its pictures and backgrounds come from a style sheet; every click
// is reported as sgButtonClick(checked, data), data being the button's id. Sizes and paddings
// are given unscaled and multiplied by uiScale here.
class IIToolButton : public IToolButtonBase {
    Q_OBJECT
public:
    // Framed: a black border, `radius` pixel corners (not scaled).
    IIToolButton(QVariant data, const QString& toolTip, const QString& normalIcon,
                 const QString& pressedIcon, const int& radius, bool checkable, int width,
                 int height, int padding, QWidget* parent);
    // Framed with a corner set (never checkable); clicks report the stored selected flag.
    IIToolButton(QVariant data, const QString& toolTip, const QString& normalIcon,
                 const QString& pressedIcon, int width, int height, int cornerSet, int padding,
                 QWidget* parent);
    // Flat: no border, small round corners.
    IIToolButton(QVariant data, const QString& toolTip, const QString& normalIcon,
                 const QString& pressedIcon, bool checkable, int width, int height, int padding,
                 QWidget* parent);
    // Transparent: a single picture on no background until hovered, pressed or checked.
    IIToolButton(QVariant data, const QString& toolTip, const QString& icon, bool checkable,
                 int width, int height, int padding, QWidget* parent);
    // Image: a picture that changes on hover; no background (never checkable).
    IIToolButton(QVariant data, const QString& toolTip, int width, int height,
                 const QString& normalIcon, const QString& hoverIcon, QWidget* parent);
    // Text: a caption; a width or height of 0 lets the layout stretch the button that way.
    IIToolButton(QVariant data, const QString& text, int width, int height, int cornerSet,
                 bool checkable, QWidget* parent);

    // Names the button "<scope>.<key>", the key of its id in `ids` in lower case, so that tests
    // and diagnostics find it by name.
    void nameAfterId(const QString& scope, const QMetaEnum& ids);
    virtual QString pressedIcon() const;
    virtual void setPressedIcon(QString path);
    virtual QString radiusStyle(int cornerSet, int radius);

private:
    enum class Form { Framed, FramedCorners, Flat, Transparent, Image, Text };

    IIToolButton(Form form, QVariant data, const QString& toolTip, int width, int height,
                 QWidget* parent);
    void applyFixedSize();
    void onClicked(bool checked);

    Form form_;
    int padding_ = 0;
};

#endif  // IITOOLBUTTON_H
