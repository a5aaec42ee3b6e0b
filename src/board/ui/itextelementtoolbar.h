#ifndef ITEXTELEMENTTOOLBAR_H
#define ITEXTELEMENTTOOLBAR_H

#include <QPointer>

#include "customui/kit/ibasewidget.h"

class IBoard;
class IColorPalette;
class IToolButton;
class ITextElement;
class QComboBox;
class QGraphicsItem;

// The floating toolbar of the text box being edited: font family and size, colour (through the
// palette under its button), bold, italic and underline. It floats over the board's window and
// never takes the keyboard focus, so the box goes on editing while the toolbar is used.
class ITextElementToolBar : public IBaseWidget {
    Q_OBJECT
public:
    explicit ITextElementToolBar(IBoard* board);
    ~ITextElementToolBar() override;

    // Shows the element's font and colour; a null or non-text item lets go of the element.
    void setElement(QGraphicsItem* item);
    ITextElement* element() const;
    // Moves the toolbar above (or, without room, below) a box at `globalBox`, inside the window.
    void placeBeside(const QRect& globalBox);
    void setVisible(bool visible) override;

    QComboBox* familyBox() const { return familyBox_; }
    QComboBox* sizeBox() const { return sizeBox_; }
    IToolButton* colorButton() const { return colorButton_; }
    IToolButton* boldButton() const { return boldButton_; }
    IToolButton* italicButton() const { return italicButton_; }
    IToolButton* underlineButton() const { return underlineButton_; }
    IColorPalette* palette() const;

public slots:
    void onChangeFontFamily(const QString& text);
    void onChangeFontSize(const QString& text);
    void onTextBold();
    void onTextItalic();
    void onTextUnderline();
    void onTextColor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* newComboBox(int boxFont, int listFont);
    IToolButton* newButton(const QString& name, const QString& icon);
    void showPalette(bool show);
    void onPaletteColor(const QColor& color);
    // Selects `text` in `box` without announcing it, adding it where the box lacks it.
    static void showInBox(QComboBox* box, const QString& text);

    QPointer<IBoard> board_;
    QPointer<ITextElement> element_;
    QComboBox* familyBox_ = nullptr;
    QComboBox* sizeBox_ = nullptr;
    IToolButton* colorButton_ = nullptr;
    IToolButton* boldButton_ = nullptr;
    IToolButton* italicButton_ = nullptr;
    IToolButton* underlineButton_ = nullptr;
    QPointer<IColorPalette> palette_;
};

#endif  // ITEXTELEMENTTOOLBAR_H
