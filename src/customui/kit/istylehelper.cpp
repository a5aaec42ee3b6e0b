#include "customui/kit/istylehelper.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"

// Both texts end in ";" and the templates follow them with another ";", which Qt accepts. The
// transparent-looking stops are written with all four components so that Qt parses them; they
// keep the opaque look the buttons have always had.
const QString panelButtonNormal = QStringLiteral(
    "qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 rgba(80, 80, 80, 255), "
    "stop:1 rgba(40,40,40,255));");
const QString panelButtonHover = QStringLiteral(
    "qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 rgba(40, 40, 40, 255), "
    "stop:0.5 rgba(40,40,40,255),stop:1 rgba(40,40,40,255));");

QString roundCornersStyle(int cornerSet)
{
    switch (cornerSet) {
        case AllCorners:
            return QStringLiteral(
                "border-top-left-radius:%1px;border-bottom-left-radius:%1;"
                "border-top-right-radius:%1px;border-bottom-right-radius:%1");
        case LeftCorners:
            return QStringLiteral("border-top-left-radius:%1px;border-bottom-left-radius:%1");
        case RightCorners:
            return QStringLiteral("border-top-right-radius:%1px;border-bottom-right-radius:%1");
        case TopCorners:
            return QStringLiteral("border-top-left-radius:%1px;border-top-right-radius:%1");
        case BottomCorners:
            return QStringLiteral("border-bottom-left-radius:%1px;border-bottom-right-radius:%1");
        case TopLeftCorner:
            return QStringLiteral("border-top-left-radius:%1px;");
        case TopRightCorner:
            return QStringLiteral("border-top-right-radius:%1px;");
        case BottomLeftCorner:
            return QStringLiteral("border-bottom-left-radius:%1px;");
        case BottomRightCorner:
            return QStringLiteral("border-bottom-right-radius:%1px;");
        default:
            return QString();
    }
}

QLabel* newLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color:white;background-color:transparent;"));
    label->setFont(appFont(12, 75));
    return label;
}

QLabel* newPlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(boardFont(10, 50));
    return label;
}

QRadioButton* newRadioButton(const QString& text, QWidget* parent)
{
    auto* button = new QRadioButton(text, parent);
    button->setFont(appFont(12, 50));
    const int radius = static_cast<int>(8 * uiScale);
    button->setStyleSheet(
        QStringLiteral("QRadioButton { color:white; background-color:transparent; border:none;}"
                       "QRadioButton::indicator {width:%1px;height:%1px;border-radius:%2px}"
                       "QRadioButton::indicator:checked {background-color:rgb(51,133,255);}"
                       "QRadioButton::indicator:unchecked {background-color:white;}")
            .arg(2 * radius)
            .arg(radius));
    return button;
}

QLineEdit* newLineEdit(const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setFont(appFont(12, 50));
    edit->setStyleSheet(QStringLiteral("border:none;border-radius:%1px;").arg(6 * uiScale));
    return edit;
}

QString toolTipHtml(const QString& text, const QFont& font, const QColor& colour)
{
    return QStringLiteral("<font style = 'font-family:%1; font-size:%2px; color:%3;'>%4</font>")
        .arg(font.family())
        .arg(font.pointSize())
        .arg(colour.name(), text);
}

QString comboBoxStyle(int height, int itemHeight)
{
    const double s = uiScale;
    return QStringLiteral(
               "QComboBox{border:%1px solid gray;border-radius:%3px;padding:%1px %2px;"
               "height:%5px;min-width:5em;}"
               "QComboBox QAbstractItemView::item{height:%6px;}"
               "QComboBox::drop-down{subcontrol-origin:padding;subcontrol-position:top right;"
               "width:%4px;border-left-width:%1px;border-left-color:darkgray;"
               "border-left-style:solid;border-top-right-radius:%3px;"
               "border-bottom-right-radius:%3px;}"
               "QComboBox::down-arrow{image:url(:/ui/ui/downArrow.svg);width:%7px;height:%7px;}")
        .arg(s)
        .arg(2 * s)
        .arg(3 * s)
        .arg(30 * s)
        .arg(height * s)
        .arg(itemHeight * s)
        .arg(20 * s);
}
