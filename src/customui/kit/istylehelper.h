#ifndef ISTYLEHELPER_H
#define ISTYLEHELPER_H

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The two backgrounds of the dark buttons, inserted as "%1"/"%2" into their style sheets.
extern const QString panelButtonNormal;  // resting
extern const QString panelButtonHover;   // hovered, pressed and checked

// The corner sets of the tool buttons' radiusStyle.
enum RoundCorners {
    NoCorners = 0,
    AllCorners = 1,
    LeftCorners = 2,
    RightCorners = 3,
    TopCorners = 4,
    BottomCorners = 5,
    TopLeftCorner = 6,
    TopRightCorner = 7,
    BottomLeftCorner = 8,
    BottomRightCorner = 9
};

// The style fragment of a corner set with "%1" standing for the radius; empty for 0, negative
// values and values above 9.
QString roundCornersStyle(int cornerSet);

// White bold label on a transparent background.
QLabel* newLabel(const QString& text, QWidget* parent = nullptr);
// Unstyled label in the board font.
QLabel* newPlainLabel(const QString& text, QWidget* parent = nullptr);
// White radio button with a round indicator (blue when checked).
QRadioButton* newRadioButton(const QString& text, QWidget* parent = nullptr);
// Borderless line edit with rounded corners.
QLineEdit* newLineEdit(const QString& text, QWidget* parent = nullptr);

// Rounded grey-bordered combo box with the kit's down arrow; heights in unscaled pixels.
QString comboBoxStyle(int height, int itemHeight);

// Rich-text tool tip in the given font and colour.
QString toolTipHtml(const QString& text, const QFont& font, const QColor& colour);

#endif  // ISTYLEHELPER_H
