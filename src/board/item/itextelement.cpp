#include "itextelement.h"

#include <QDebug>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace {

// Logical dots per inch of the desktop's screen: box sizes are stored in points.
double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : 96.0;
}

QString number(double value)
{
    return QString::number(value, 'g', 16);
}

// The four comma-separated numbers from the second on, or an empty list when there are fewer
// than four parts or one of them is not a finite number.
QList<double> numbersOf(const QStringList& parts, int first)
{
    QList<double> numbers;
    if (parts.size() < 4) {
        return numbers;
    }
    for (int i = first; i < 4; ++i) {
        bool ok = false;
        const double value = parts.at(i).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            return {};
        }
        numbers.append(value);
    }
    return numbers;
}

}  // namespace

ITextElement::ITextElement(QGraphicsItem* parent) : IAbstractGraphicsTextElement(parent)
{
    setId(newId());
    setFlag(ItemIsSelectable, true);
    setFlag(ItemAcceptsInputMethod, true);
    setAcceptedMouseButtons(Qt::LeftButton);
    currentFont_ = font();
    savedFont_ = font();
}

void ITextElement::applyFont(const QFont& font)
{
    setFont(font);
    currentFont_ = font;
}

void ITextElement::setFontFamily(const QString& family)
{
    QFont f = font();
    f.setFamily(family);
    applyFont(f);
}

void ITextElement::setPointSize(double size)
{
    // The size box may hand over "0" or text that is no number; Qt must never see those.
    if (!(size >= 1)) {
        qWarning() << "text point size ignored:" << size;
        return;
    }
    QFont f = font();
    f.setPointSize(int(std::min(size, 1000.0)));
    applyFont(f);
}

void ITextElement::toggleBold()
{
    QFont f = font();
    f.setWeight(currentFont_.weight() < 58 ? QFont::Bold : QFont::Normal);
    applyFont(f);
    setFocus(Qt::OtherFocusReason);
}

void ITextElement::toggleItalic()
{
    QFont f = font();
    f.setItalic(!f.italic());
    applyFont(f);
    setFocus(Qt::OtherFocusReason);
}

void ITextElement::toggleUnderline()
{
    QFont f = font();
    f.setUnderline(!f.underline());
    applyFont(f);
    setFocus(Qt::OtherFocusReason);
}

void ITextElement::setSelectionBackground(const QColor& color)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        return;
    }
    QTextCharFormat format;
    format.setBackground(QBrush(color, Qt::SolidPattern));
    cursor.mergeCharFormat(format);
    setFocus(Qt::OtherFocusReason);
    setTextCursor(cursor);
    highlightColor_ = color;
}

void ITextElement::setEditable(bool editable)
{
    setTextInteractionFlags(editable ? EditingFlags : Qt::NoTextInteraction);
}

double ITextElement::lineHeight() const
{
    return QFontMetricsF(font()).height();
}

void ITextElement::setTextWidthAtLeast(double width)
{
    double least = std::max(width, lineHeight());
    if (toPlainText().isEmpty()) {
        least = std::max(least, QFontMetricsF(font()).horizontalAdvance(placeholderText_) + 20);
    }
    setTextWidth(least);
}

void ITextElement::setFixedHeight(double height)
{
    prepareGeometryChange();
    fixedHeight_ = std::max(height, lineHeight() + 2 * document()->documentMargin());
}

void ITextElement::finishEditing()
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    if (toPlainText().isEmpty()) {
        savedFont_ = font();
        setHtml(placeholderHtml_);
        placeholderShown_ = true;
    }
    setTextWidthAtLeast(document()->idealWidth());
    setTextInteractionFlags(Qt::NoTextInteraction);
    setSelected(false);
}

QRectF ITextElement::boundingRect() const
{
    if (fixedHeight_ > 0) {
        return QRectF(0, 0, textWidth(), fixedHeight_);
    }
    return QGraphicsTextItem::boundingRect();
}

void ITextElement::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    // The page's frame marks the box; Qt's dashed selection outline would double it.
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QGraphicsTextItem::paint(painter, &plain, widget);
}

void ITextElement::focusInEvent(QFocusEvent* event)
{
    if (placeholderShown_) {
        setPlainText(QString());
        QTextCursor cursor(document());
        QTextCharFormat format;
        format.setFont(savedFont_);
        cursor.setCharFormat(format);
        setFont(savedFont_);
        placeholderShown_ = false;
    }
    setEditable(true);
    setSelected(true);
    QGraphicsTextItem::focusInEvent(event);
}

void ITextElement::focusOutEvent(QFocusEvent* event)
{
    // A menu or a colour pop-up works on the box being edited.
    if (event->reason() == Qt::PopupFocusReason) {
        QGraphicsTextItem::focusOutEvent(event);
        return;
    }
    if (!endEditOnFocusOut_) {
        return;
    }
    finishEditing();
    QGraphicsTextItem::focusOutEvent(event);
    emit endEdit();
}

void ITextElement::keyPressEvent(QKeyEvent* event)
{
    QGraphicsTextItem::keyPressEvent(event);
    emit cursorPositionChanged();
}

void ITextElement::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsTextItem::mousePressEvent(event);
    emit cursorPositionChanged();
}

void ITextElement::setProperty(int key, QVariant value)
{
    switch (key) {
        case PlaceholderShownProperty:
            placeholderShown_ = value.toBool();
            break;
        case FontProperty:
            setFontFromText(value.toString());
            break;
        case BoxProperty:
            setBoxFromText(value.toString());
            break;
        default:
            IAbstractGraphicsTextElement::setProperty(key, value);
    }
}

void ITextElement::setFontFromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const QList<double> numbers = numbersOf(parts, 1);
    if (numbers.size() != 3 || !(numbers.at(0) >= 1)) {
        qWarning() << "text font property ignored:" << text;
        return;
    }
    QFont f = font();
    f.setFamily(parts.at(0));
    f.setPointSize(int(std::min(numbers.at(0), 1000.0)));
    f.setWeight(qBound(0, int(numbers.at(1)), 99));
    f.setItalic(numbers.at(2) != 0);
    applyFont(f);
    savedFont_ = f;
}

void ITextElement::setBoxFromText(const QString& text)
{
    const QList<double> numbers = numbersOf(text.split(QLatin1Char(',')), 0);
    if (numbers.size() != 4) {
        qWarning() << "text box property ignored:" << text;
        return;
    }
    if (numbers.at(0) != -1) {
        setTextWidthAtLeast(numbers.at(0) * screenDpi() / 72);
    }
    if (numbers.at(1) != -1) {
        setFixedHeight(numbers.at(1));
    }
}

QVariant ITextElement::property(int key) const
{
    const double points = 72 / screenDpi();
    const QFont f = font();
    const QRectF scene = sceneBoundingRect();
    switch (key) {
        case HtmlProperty:
            return toHtml();
        case PlaceholderShownProperty:
            return placeholderShown_;
        case FontProperty:
            return QStringLiteral("%1,%2,%3,%4")
                .arg(f.family(), number(f.pointSizeF()), number(f.weight()))
                .arg(f.italic() ? 1 : 0);
        case BoxProperty:
            return QStringLiteral("%1,%2,%3,%4")
                .arg(number(textWidth() * points), number(fixedHeight_),
                     number(scene.width() * points), number(scene.height() * points));
        default:
            return IAbstractGraphicsTextElement::property(key);
    }
}

IElement* ITextElement::clone()
{
    auto* copy = new ITextElement;
    copyItemParameters(copy);
    return copy;
}

void ITextElement::copyItemParameters(IElement* target) const
{
    auto* other = dynamic_cast<ITextElement*>(target);
    if (!other) {
        return;
    }
    IAbstractGraphicsTextElement::copyItemParameters(target);
    other->setPlainText(toPlainText());
    other->placeholderShown_ = placeholderShown_;
    other->applyFont(font());
    other->savedFont_ = font();
    other->setDefaultTextColor(defaultTextColor());
    const auto applyBox = [this, other] {
        if (textWidth() != -1) {
            other->setTextWidthAtLeast(textWidth());
        }
        if (fixedHeight_ != -1) {
            other->setFixedHeight(fixedHeight_);
        }
    };
    applyBox();
    other->resize(size());
    other->highlightColor_ = QColor(255, 255, 255, 0);
    if (rotation() != 0) {
        other->setRotation(rotation());
        if (rotation() == -90 || rotation() == -270) {
            applyBox();
        }
    }
}

void ITextElement::resize(double width, double height)
{
    Q_UNUSED(height)  // the text reflows to the new width
    const double current = sceneBoundingRect().width();
    // A box with no width yet cannot be scaled.
    if (current == 0 || width == current) {
        return;
    }
    setTextWidthAtLeast(textWidth() * width / current);
}

QSizeF ITextElement::size() const
{
    return sceneBoundingRect().size();
}
