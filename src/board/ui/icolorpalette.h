#ifndef ICOLORPALETTE_H
#define ICOLORPALETTE_H

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

class IColorButton;
class IColorPanel;
class IToolButton;

// The text colour palette: seven colour buttons and a "more" button that opens the spectrum
// picker. Every choice, from a button or the picker, is reported as sgChangeColor.
class IColorPalette : public QWidget {
    Q_OBJECT
public:
    explicit IColorPalette(QWidget* parent = nullptr);
    ~IColorPalette() override;

    // Checks the button of `color`, and none when no button has it.
    void setPaletteColor(const QColor& color);

    QList<IColorButton*> colorButtons() const { return buttons_; }
    IToolButton* moreButton() const { return more_; }
    IColorPanel* colorPanel() const { return panel_; }

signals:
    void sgChangeColor(QColor col);

private:
    IColorButton* createColorButton(const QColor& color);

    IToolButton* more_ = nullptr;
    QPointer<IColorPanel> panel_;
    QList<IColorButton*> buttons_;
};

#endif  // ICOLORPALETTE_H
