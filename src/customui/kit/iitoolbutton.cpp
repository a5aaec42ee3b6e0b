#include "customui/kit/iitoolbutton.h"

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

// A scaled value as style sheets get it: unrounded, Qt's shortest form.
QString real(double v)
{
    return QStringLiteral("%1").arg(v);
}

const char* const kCheckedImage = "QToolButton:checked{background-color:%2;image: url(%4);}";

}  // namespace

IIToolButton::IIToolButton(Form form, QVariant data, const QString& toolTip, int width, int height,
                           QWidget* parent)
    : IToolButtonBase(std::move(data), QSize(scaled(width), scaled(height)), parent), form_(form)
{
    setToolTip(toolTipHtml(toolTip, appFont(20, 50), QColor(87, 118, 118)));
    connect(this, &QToolButton::clicked, this, &IIToolButton::onClicked);
}

IIToolButton::IIToolButton(QVariant data, const QString& toolTip, const QString& normalIcon,
                           const QString& pressedIcon, const int& radius, bool checkable, int width,
                           int height, int padding, QWidget* parent)
    : IIToolButton(Form::Framed, std::move(data), toolTip, width, height, parent)
{
    normalIcon_ = normalIcon;
    secondIcon_ = pressedIcon;
    padding_ = scaled(padding);
    QString style = QStringLiteral(
        "QToolButton{border:none;background-color:%1;border:1px solid black;image: url(%3);"
        "border-radius:%5px;padding:%6px;}"
        "QToolButton:hover{background-color:%2;image: url(%3);}"
        "QToolButton:pressed{background-color:%2;image: url(%4);}");
    if (checkable) {
        style += QLatin1String(kCheckedImage);
        setCheckable(true);
    }
    setStyleSheet(style.arg(panelButtonNormal, panelButtonHover, normalIcon_, secondIcon_,
                            QString::number(radius), QString::number(padding_)));
    applyFixedSize();
}

IIToolButton::IIToolButton(QVariant data, const QString& toolTip, const QString& normalIcon,
                           const QString& pressedIcon, int width, int height, int cornerSet,
                           int padding, QWidget* parent)
    : IIToolButton(Form::FramedCorners, std::move(data), toolTip, width, height, parent)
{
    normalIcon_ = normalIcon;
    secondIcon_ = pressedIcon;
    padding_ = scaled(padding);
    cornerSet_ = cornerSet;
    const QString style = QStringLiteral(
        "QToolButton{border:none;background-color:%1;image: url(%3);%5;border:1px solid black;"
        "padding:%6px;}"
        "QToolButton:hover{background-color:%2;image: url(%3);}"
        "QToolButton:pressed{background-color:%2;image: url(%4);}");
    setStyleSheet(style.arg(panelButtonNormal, panelButtonHover, normalIcon_, secondIcon_,
                            radiusStyle(cornerSet, scaled(10)), QString::number(padding_)));
    applyFixedSize();
}

IIToolButton::IIToolButton(QVariant data, const QString& toolTip, const QString& normalIcon,
                           const QString& pressedIcon, bool checkable, int width, int height,
                           int padding, QWidget* parent)
    : IIToolButton(Form::Flat, std::move(data), toolTip, width, height, parent)
{
    normalIcon_ = normalIcon;
    secondIcon_ = pressedIcon;
    padding_ = scaled(padding);
    QString style = QStringLiteral(
        "QToolButton{border:none;background-color:%1;image: url(%3);border-radius:%5px;"
        "padding:%6px;}"
        "QToolButton:hover{background-color:%2;image: url(%3);}"
        "QToolButton:pressed{background-color:%2;image: url(%4);}");
    if (checkable) {
        style += QLatin1String(kCheckedImage);
        setCheckable(true);
    }
    // A plain flat button rests on the darker background and lightens when touched.
    const QString& resting = checkable ? panelButtonNormal : panelButtonHover;
    const QString& active = checkable ? panelButtonHover : panelButtonNormal;
    setStyleSheet(style.arg(resting, active, normalIcon_, secondIcon_, real(2 * uiScale),
                            QString::number(padding_)));
    applyFixedSize();
}

IIToolButton::IIToolButton(QVariant data, const QString& toolTip, const QString& icon,
                           bool checkable, int width, int height, int padding, QWidget* parent)
    : IIToolButton(Form::Transparent, std::move(data), toolTip, width, height, parent)
{
    normalIcon_ = icon;
    padding_ = scaled(padding);
    QString style = QStringLiteral(
        "QToolButton{border:none;background-color:transparent;image: url(%1);border-radius:%2px;"
        "padding:%5px;}"
        "QToolButton:hover{background-color:%3;border:1px solid black;}"
        "QToolButton:pressed{background-color:%4;border:1px solid black;}");
    if (checkable) {
        style += QLatin1String("QToolButton:checked{background-color:%4;border:1px solid black;}");
        setCheckable(true);
    }
    setStyleSheet(style.arg(normalIcon_, real(4 * uiScale), panelButtonNormal, panelButtonHover,
                            QString::number(padding_)));
    applyFixedSize();
}

IIToolButton::IIToolButton(QVariant data, const QString& toolTip, int width, int height,
                           const QString& normalIcon, const QString& hoverIcon, QWidget* parent)
    : IIToolButton(Form::Image, std::move(data), toolTip, width, height, parent)
{
    normalIcon_ = normalIcon;
    secondIcon_ = hoverIcon;
    text_ = toolTip;
    const QString style = QStringLiteral(
        "QToolButton{border:none;image: url(%1);padding:%2px;}"
        "QToolButton:hover{image: url(%3);}QToolButton:pressed{image: url(%3);}");
    setStyleSheet(style.arg(normalIcon_, real(8 * uiScale), secondIcon_));
    applyFixedSize();
}

IIToolButton::IIToolButton(QVariant data, const QString& text, int width, int height, int cornerSet,
                           bool checkable, QWidget* parent)
    : IIToolButton(Form::Text, std::move(data), text, width, height, parent)
{
    cornerSet_ = cornerSet;
    QString style = QStringLiteral(
        "QToolButton{border:none;border:1px solid black;color:white;background-color:%1;%3}"
        "QToolButton:hover{color:rgb(235,120,7);background-color:%2;}"
        "QToolButton:pressed{color:rgb(235,120,7);background-color:%2;}");
    if (checkable) {
        style += QLatin1String("QToolButton:checked{color:rgb(235,120,7);background-color:%2;}");
        setCheckable(true);
    }
    setStyleSheet(
        style.arg(panelButtonNormal, panelButtonHover, radiusStyle(cornerSet, scaled(10))));
    setFont(appFont(12, 75));
    setText(text);
    applyTextSizing();
}

void IIToolButton::applyFixedSize()
{
    setFixedSize(buttonSize_);
}

void IIToolButton::onClicked(bool checked)
{
    emit sgButtonClick(form_ == Form::FramedCorners ? selected_ : checked, data_);
}

void IIToolButton::nameAfterId(const QString& scope, const QMetaEnum& ids)
{
    setObjectName(scope + '.' + QString::fromLatin1(ids.valueToKey(data_.toInt())).toLower());
}

QString IIToolButton::pressedIcon() const
{
    return secondIcon_;
}

void IIToolButton::setPressedIcon(QString path)
{
    setSecondIcon(path);
}

QString IIToolButton::radiusStyle(int cornerSet, int radius)
{
    const QString fragment = roundCornersStyle(cornerSet);
    return fragment.isEmpty() ? fragment : fragment.arg(radius);
}
