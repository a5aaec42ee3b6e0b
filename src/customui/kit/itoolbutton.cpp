#include "customui/kit/itoolbutton.h"

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

IToolButton::IToolButton(QVariant data, const QString& text, const QString& icon, int cornerSet,
                         int width, int height, QWidget* parent)
    : QToolButton(parent),
      buttonSize_(width, height),
      text_(text),
      normalIcon_(icon),
      data_(std::move(data)),
      cornerSet_(cornerSet)
{
    init();
}

IToolButton::IToolButton(QVariant data, const QString& icon, int cornerSet, int width, int height,
                         QWidget* parent)
    : IToolButton(std::move(data), QString(), icon, cornerSet, width, height, parent)
{
}

void IToolButton::init()
{
    buttonSize_ = QSize(static_cast<int>(buttonSize_.width() * uiScale),
                        static_cast<int>(buttonSize_.height() * uiScale));
    const QString black = QColor(Qt::black).name();
    if (!text_.isEmpty()) {
        QToolButton::setText(text_);
        setFont(boardFont(8, 50));
        if (!normalIcon_.isEmpty()) {
            setIcon(QIcon(normalIcon_));
            setIconSize(QSize(buttonSize_.width(), (buttonSize_.height() / 10) * 6));
            setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            setStyleSheet(QStringLiteral("QToolButton{border:none;color:%1;"
                                         "background-color:rgb(250,250,250);%2}")
                              .arg(black, radiusStyle(cornerSet_)));
            setFixedSize(buttonSize_);
        } else {
            setStyleSheet(QStringLiteral("QToolButton{border:none;color:%1;background-color:%2;%3}"
                                         "QToolButton::hover{background-color:%4;}")
                              .arg(black, QColor(250, 250, 250).name(), radiusStyle(cornerSet_),
                                   QColor(197, 228, 249).name()));
            if (buttonSize_.width() == 0) {
                setFixedHeight(buttonSize_.height());
                setSizePolicy(QSizePolicy::Expanding, sizePolicy().verticalPolicy());
            } else if (buttonSize_.height() == 0) {
                setFixedWidth(buttonSize_.width());
                setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            } else {
                setFixedSize(buttonSize_);
            }
        }
    } else {
        setStyleSheet(QStringLiteral("QToolButton{border:none;background-color:transparent;%1}")
                          .arg(radiusStyle(cornerSet_)));
        setIcon(QIcon(normalIcon_));
        setIconSize(buttonSize_);
        setFixedSize(buttonSize_);
    }
    connect(this, &QToolButton::clicked, this, &IToolButton::onClicked, Qt::UniqueConnection);
}

void IToolButton::onClicked(bool checked)
{
    selected_ = checked;
    setIcon(QIcon(normalIcon_));
    emit sgButtonClick(selected_, data_);
}

QString IToolButton::shownIcon() const
{
    // Without a checked picture a selected button keeps its normal one.
    return selected_ && !checkedIcon_.isEmpty() ? checkedIcon_ : normalIcon_;
}

QString IToolButton::text() const
{
    return text_;
}

QSize IToolButton::buttonSize() const
{
    return buttonSize_;
}

QString IToolButton::normalIcon() const
{
    return normalIcon_;
}

bool IToolButton::isSelected() const
{
    return selected_;
}

QVariant IToolButton::data() const
{
    return data_;
}

QString IToolButton::checkedIcon() const
{
    return checkedIcon_;
}

bool IToolButton::isTextUnderIcon() const
{
    return textUnderIcon_;
}

void IToolButton::setSelected(const bool& selected)
{
    selected_ = selected;
    setChecked(selected);
    setIcon(QIcon(shownIcon()));
}

void IToolButton::setData(QVariant data)
{
    data_ = std::move(data);
}

void IToolButton::setButtonSize(const QSize& size)
{
    buttonSize_ = size;
    setFixedSize(size);
    setIconSize(QSize(size.width(), size.height() / 2));
}

void IToolButton::setText(QString text)
{
    text_ = text;
    QToolButton::setText(text);
}

void IToolButton::setNormalIcon(QString path)
{
    normalIcon_ = path;
    if (!isChecked()) {
        setIcon(QIcon(path));
    }
}

void IToolButton::setCheckedIcon(QString path)
{
    checkedIcon_ = path;
    if (isChecked()) {
        setIcon(QIcon(path));
    }
}

void IToolButton::setTextUnderIcon(const bool& underIcon)
{
    if (text_.isEmpty()) {
        return;
    }
    textUnderIcon_ = underIcon;
    setToolButtonStyle(underIcon ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

QString IToolButton::radiusStyle(int cornerSet)
{
    const QString fragment = roundCornersStyle(cornerSet);
    return fragment.isEmpty() ? fragment : fragment.arg(10 * uiScale);
}
