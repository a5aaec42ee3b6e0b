#include "customui/kit/itoolbutton.h"

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

IToolButton::IToolButton(QVariant data, const QString& text, const QString& icon, int cornerSet,
                         int width, int height, QWidget* parent)
    : IToolButtonBase(std::move(data), QSize(width, height), parent)
{
    text_ = text;
    normalIcon_ = icon;
    cornerSet_ = cornerSet;
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
            applyTextSizing();
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
    return selected_ && !secondIcon_.isEmpty() ? secondIcon_ : normalIcon_;
}

QString IToolButton::checkedIcon() const
{
    return secondIcon_;
}

void IToolButton::setSelected(const bool& selected)
{
    IToolButtonBase::setSelected(selected);
    setIcon(QIcon(shownIcon()));
}

void IToolButton::setCheckedIcon(QString path)
{
    setSecondIcon(path);
}

QString IToolButton::radiusStyle(int cornerSet)
{
    const QString fragment = roundCornersStyle(cornerSet);
    return fragment.isEmpty() ? fragment : fragment.arg(10 * uiScale);
}
