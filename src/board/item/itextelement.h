#ifndef ITEXTELEMENT_H
#define ITEXTELEMENT_H

#include <QColor>
#include <QFont>

#include "board/item/iabstractelement.h"
#include "board/item/iresizableitem.h"

// A rich-text box on a board page. It is idle (not editable, not selected) or editing (editable,
// selected, focused); losing the focus ends editing unless a pop-up took it, and ending shrinks
// the box to its text. An empty box keeps its font for the next edit.
class ITextElement : public IAbstractGraphicsTextElement, public IResizableItem {
    Q_OBJECT
public:
    // The text interaction flags of an editing box: selectable by mouse and keyboard, editable.
    static constexpr Qt::TextInteractionFlags EditingFlags = Qt::TextEditorInteraction;

    explicit ITextElement(QGraphicsItem* parent = nullptr);

    virtual void finishEditing();

    void setFontFamily(const QString& family);
    // Truncated to whole points; zero, negative and NaN sizes are ignored.
    void setPointSize(double size);
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    // Gives the selected text that background; without a selection nothing changes.
    void setSelectionBackground(const QColor& color);
    void setEditable(bool editable);
    void setTextWidthAtLeast(double width);
    void setFixedHeight(double height);
    void setEndEditOnFocusOut(bool end) { endEditOnFocusOut_ = end; }
    bool endEditOnFocusOut() const { return endEditOnFocusOut_; }
    bool isPlaceholderShown() const { return placeholderShown_; }
    void setPlaceholderText(const QString& text) { placeholderText_ = text; }
    void setPlaceholderHtml(const QString& html) { placeholderHtml_ = html; }
    QFont savedFont() const { return savedFont_; }
    QColor highlightColor() const { return highlightColor_; }
    double fixedHeight() const { return fixedHeight_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    int type() const override { return TextElementType; }

    void setProperty(int key, QVariant value) override;
    QVariant property(int key) const override;
    using QGraphicsTextItem::property;
    using QGraphicsTextItem::setProperty;
    IElement* clone() override;
    void copyItemParameters(IElement* target) const override;

    void resize(double width, double height) override;
    using IResizableItem::resize;
    QSizeF size() const override;

    // Sets the item's font and keeps the current font equal to it.
    void applyFont(const QFont& font);

signals:
    void endEdit();
    void cursorPositionChanged();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void setFontFromText(const QString& text);
    void setBoxFromText(const QString& text);
    double lineHeight() const;

    QString placeholderHtml_;
    QString placeholderText_;
    bool placeholderShown_ = false;
    double fixedHeight_ = -1;
    QFont savedFont_;
    bool endEditOnFocusOut_ = true;
    QColor highlightColor_{255, 255, 255, 0};
    QFont currentFont_;
};

#endif  // ITEXTELEMENT_H
