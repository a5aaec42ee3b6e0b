#include "board/ui/itextelementtoolbar.h"

#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

#include "board/iboard.h"
#include "board/item/itextelement.h"
#include "board/ui/icolorpalette.h"
#include "board/ui/icolorpanel.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/itoolbutton.h"
#include "customui/kit/uiscale.h"

namespace {

const char* const kSizes[] = {
    "3",  "4",    "5",  "6",    "6.5", "7",    "7.5", "8",   "8.8", "9",   "9.5", "10",  "10.5",
    "11", "11.5", "12", "12.5", "13",  "13.5", "14",  "15",  "16",  "17",  "18",  "19",  "20",
    "22", "24",   "26", "28",   "30",  "32",   "34",  "36",  "38",  "40",  "44",  "48",  "52",
    "56", "62",   "72", "76",   "80",  "88",   "96",  "104", "112", "120", "128", "136", "144"};

}  // namespace

ITextElementToolBar::ITextElementToolBar(IBoard* board)
    : IBaseWidget(board ? board->window() : nullptr), board_(board)
{
    // A child of the board's window over everything in it, not a window of its own: another
    // window would take the activation, and with it the keyboard, from the box being edited
    // (and a full-screen board would cover it).
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    const int margin = static_cast<int>(10 * uiScale);
    setMinimumWidth(static_cast<int>(280 * uiScale));

    sizeBox_ = newComboBox(14, 16);
    for (const char* size : kSizes) {
        sizeBox_->addItem(QString::fromLatin1(size));
    }
    familyBox_ = newComboBox(16, 14);
    familyBox_->addItems(QFontDatabase().families());
    sizeBox_->setCurrentText(QStringLiteral("36"));
    showInBox(familyBox_, QFontInfo(QFont(QStringLiteral("Arial"))).family());

    colorButton_ = newButton(QStringLiteral("color"), QStringLiteral(":/ui/ui/txtcolor.svg"));
    boldButton_ = newButton(QStringLiteral("bold"), QStringLiteral(":/ui/ui/txtbold.svg"));
    italicButton_ = newButton(QStringLiteral("italic"), QStringLiteral(":/ui/ui/txtitalic.svg"));
    underlineButton_ =
        newButton(QStringLiteral("underline"), QStringLiteral(":/ui/ui/txtunderline.svg"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(familyBox_, 1);
    fonts->addWidget(sizeBox_);
    auto* buttons = new QHBoxLayout;
    for (IToolButton* b : {colorButton_, boldButton_, italicButton_, underlineButton_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(fonts);
    layout->addLayout(buttons);
    adjustSize();
    familyBox_->installEventFilter(this);
    sizeBox_->installEventFilter(this);
    // Clicks on the toolbar leave the keyboard focus with the board.
    for (QWidget* w : std::initializer_list<QWidget*>{
             familyBox_, sizeBox_, colorButton_, boldButton_, italicButton_, underlineButton_}) {
        w->setFocusPolicy(Qt::NoFocus);
    }

    connect(colorButton_, &QToolButton::clicked, this, &ITextElementToolBar::onTextColor);
    connect(boldButton_, &QToolButton::clicked, this, &ITextElementToolBar::onTextBold);
    connect(italicButton_, &QToolButton::clicked, this, &ITextElementToolBar::onTextItalic);
    connect(underlineButton_, &QToolButton::clicked, this, &ITextElementToolBar::onTextUnderline);
    connect(sizeBox_, &QComboBox::currentTextChanged, this, &ITextElementToolBar::onChangeFontSize);
    connect(familyBox_, &QComboBox::currentTextChanged, this,
            &ITextElementToolBar::onChangeFontFamily);

    // A child of the board: it never takes the activation either.
    palette_ = new IColorPalette(board);
    palette_->hide();
    connect(palette_, &IColorPalette::sgChangeColor, this, &ITextElementToolBar::onPaletteColor);
}

ITextElementToolBar::~ITextElementToolBar()
{
    delete palette_.data();
}

ITextElement* ITextElementToolBar::element() const
{
    return element_;
}

IColorPalette* ITextElementToolBar::palette() const
{
    return palette_;
}

QComboBox* ITextElementToolBar::newComboBox(int boxFont, int listFont)
{
    auto* box = new QComboBox(this);
    auto* list = new QListView(box);
    list->setFont(boardFont(listFont, 50));
    box->setView(list);
    box->setFont(boardFont(boxFont, 50));
    box->setStyleSheet(comboBoxStyle(40, 35));
    return box;
}

IToolButton* ITextElementToolBar::newButton(const QString& name, const QString& icon)
{
    auto* button = new IToolButton(name, icon, NoCorners, 30, 30, this);
    button->setObjectName(name);
    return button;
}

void ITextElementToolBar::showInBox(QComboBox* box, const QString& text)
{
    const QSignalBlocker quiet(box);
    int index = box->findText(text);
    if (index < 0) {
        box->addItem(text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void ITextElementToolBar::setElement(QGraphicsItem* item)
{
    auto* text = item ? qobject_cast<ITextElement*>(item->toGraphicsObject()) : nullptr;
    if (text == element_) {
        return;
    }
    element_ = text;
    if (!text) {
        showPalette(false);
        return;
    }
    // Shown as the box has them, never applied back: a family the font database lacks
    // ("Arial") shows as the family that really draws the text.
    const QFont font = text->font();
    showInBox(sizeBox_, QString::number(font.pointSize()));
    showInBox(familyBox_, QFontInfo(font).family());
    palette_->setPaletteColor(text->defaultTextColor());
}

void ITextElementToolBar::placeBeside(const QRect& globalBox)
{
    adjustSize();
    const int gap = static_cast<int>(10 * uiScale);
    QRect placed(QPoint(globalBox.left(), globalBox.top() - height() - gap), size());
    QRect area;
    if (QWidget* window = parentWidget()) {
        area = QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        if (placed.top() < area.top()) {
            placed.moveTop(globalBox.bottom() + gap);
        }
        placed.moveLeft(qBound(area.left(), placed.left(), area.right() + 1 - width()));
        placed.moveTop(qBound(area.top(), placed.top(), area.bottom() + 1 - height()));
    }
    move(parentWidget() ? parentWidget()->mapFromGlobal(placed.topLeft()) : placed.topLeft());
}

void ITextElementToolBar::setVisible(bool visible)
{
    showPalette(false);
    IBaseWidget::setVisible(visible);
    if (visible) {
        raise();
    }
}

void ITextElementToolBar::onChangeFontFamily(const QString& text)
{
    if (!element_ || text.isEmpty()) {
        return;
    }
    element_->setFontFamily(text);
    element_->setFocus(Qt::OtherFocusReason);
}

void ITextElementToolBar::onChangeFontSize(const QString& text)
{
    bool ok = false;
    const double size = text.toDouble(&ok);
    if (!element_ || !ok) {
        qDebug() << "font size ignored:" << text;
        return;
    }
    element_->setPointSize(size);
    element_->setFocus(Qt::OtherFocusReason);
}

void ITextElementToolBar::onTextBold()
{
    showPalette(false);
    if (element_) {
        element_->toggleBold();
    }
}

void ITextElementToolBar::onTextItalic()
{
    showPalette(false);
    if (element_) {
        element_->toggleItalic();
    }
}

void ITextElementToolBar::onTextUnderline()
{
    showPalette(false);
    if (element_) {
        element_->toggleUnderline();
    }
}

void ITextElementToolBar::onTextColor()
{
    if (!element_ || !board_ || palette_->isVisible()) {
        showPalette(false);
        return;
    }
    // Under the colour button, centred on it, inside the board.
    const double s = uiScale;
    const QPoint below = colorButton_->mapToGlobal(
        QPoint(colorButton_->width() / 2, colorButton_->height() + int(10 * s * s)));
    QPoint at = board_->mapFromGlobal(below) - QPoint(palette_->width() / 2, 0);
    at.setX(qBound(0, at.x(), qMax(0, board_->width() - palette_->width())));
    at.setY(qBound(0, at.y(), qMax(0, board_->height() - palette_->height())));
    palette_->move(at);
    showPalette(true);
    palette_->setPaletteColor(element_->defaultTextColor());
}

void ITextElementToolBar::showPalette(bool show)
{
    if (!palette_ || palette_->isVisible() == show) {
        return;
    }
    palette_->setVisible(show);
    if (show) {
        palette_->raise();
    }
    // While the palette is open the box keeps editing whatever takes the focus.
    if (element_) {
        element_->setEndEditOnFocusOut(!show);
    }
}

void ITextElementToolBar::onPaletteColor(const QColor& color)
{
    if (!element_) {
        return;
    }
    showPalette(false);
    QColor chosen = color;
    chosen.setAlpha(element_->defaultTextColor().alpha());
    element_->setDefaultTextColor(chosen);
    element_->setEditable(true);
    element_->setFocus(Qt::OtherFocusReason);
}

bool ITextElementToolBar::eventFilter(QObject* watched, QEvent* event)
{
    // Choosing in a combo box must not end the edit.
    const bool enter = event->type() == QEvent::Enter;
    if (element_ && (enter || event->type() == QEvent::Leave) &&
        (watched == familyBox_ || watched == sizeBox_)) {
        if (enter) {
            element_->setEndEditOnFocusOut(false);
        }
        element_->setFocus(Qt::OtherFocusReason);
        if (!enter) {
            element_->setEndEditOnFocusOut(true);
        }
    }
    return IBaseWidget::eventFilter(watched, event);
}
