#include "customui/kit/imsgbox.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

IMsgBox::MsgBoxType boxType(int type)
{
    return type >= IMsgBox::YesNoBox && type <= IMsgBox::YesNoSaveBox
               ? static_cast<IMsgBox::MsgBoxType>(type)
               : IMsgBox::OkBox;
}

}  // namespace

IMsgBox::IMsgBox(const QString& text, int type, const QString& title, QWidget* parent)
    : ICustomDialog(title, true, parent),
      text_(text),
      type_(boxType(type)),
      result_(QMessageBox::Cancel)
{
    setMovable(true);
    setRoundedBackground(true);

    QLabel* label = newLabel(text, this);
    label->setFont(appFont(12, 50));
    label->setWordWrap(true);
    label->setMinimumWidth(scaled(300));
    label->setMaximumWidth(scaled(400));
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* textRow = new QHBoxLayout;
    textRow->addSpacing(scaled(10));
    textRow->addWidget(label);
    textRow->addSpacing(scaled(10));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    switch (type_) {
        case YesNoBox:
            addButton(buttonRow, QT_TR_NOOP("Yes"), &IMsgBox::onYes);
            addButton(buttonRow, QT_TR_NOOP("No"), &IMsgBox::onNo);
            break;
        case YesNoCancelBox:
            addButton(buttonRow, QT_TR_NOOP("Yes"), &IMsgBox::onYes);
            addButton(buttonRow, QT_TR_NOOP("No"), &IMsgBox::onNo);
            addButton(buttonRow, QT_TR_NOOP("Cancel"), &IMsgBox::onCancel);
            break;
        case OkCancelBox:
            addButton(buttonRow, QT_TR_NOOP("Ok"), &IMsgBox::onOK);
            addButton(buttonRow, QT_TR_NOOP("Cancel"), &IMsgBox::onCancel);
            break;
        case CancelBox:
            addButton(buttonRow, QT_TR_NOOP("Cancel"), &IMsgBox::onCancel);
            break;
        case OkBox:
            addButton(buttonRow, QT_TR_NOOP("Ok"), &IMsgBox::onOK);
            break;
        case YesNoSaveBox:
            addButton(buttonRow, QT_TR_NOOP("Yes"), &IMsgBox::onYes);
            addButton(buttonRow, QT_TR_NOOP("No"), &IMsgBox::onNo);
            addButton(buttonRow, QT_TR_NOOP("Save"), &IMsgBox::onSave);
            break;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(textRow);
    layout->addSpacing(scaled(20));
    layout->addLayout(buttonRow);
    layout->setContentsMargins(scaled(10), static_cast<int>(30 * uiScale + 10 * uiScale),
                               scaled(10), scaled(10));
    adjustSize();
}

void IMsgBox::addButton(QHBoxLayout* row, const char* label, void (IMsgBox::*slot)())
{
    const QString shown = tr(label);
    auto* button =
        new IIToolButton(QString::fromLatin1(label), shown, 80, 30, AllCorners, false, this);
    button->setObjectName("msgbox." + QString::fromLatin1(label).toLower());
    // A translation too long for the button widens it rather than being cut off.
    const int needed =
        static_cast<int>(QFontMetrics(button->font()).horizontalAdvance(shown) + 16 * uiScale);
    if (needed > button->width()) {
        button->setFixedWidth(needed);
    }
    connect(button, &QToolButton::clicked, this, slot);
    row->addWidget(button);
    if (!defaultButton_ || slot == &IMsgBox::onOK) {
        defaultButton_ = button;
    }
}

void IMsgBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        defaultButton_->click();
        return;
    }
    ICustomDialog::keyPressEvent(event);
}

int IMsgBox::message(const QString& text, int type, const QString& title, QWidget* parent)
{
    IMsgBox box(text, type, title, parent);
    box.exec();
    return box.resultCode();
}

namespace {

QString& informationTitle()
{
    static QString title;
    return title;
}

}  // namespace

int IMsgBox::information(const QString& text, QWidget* parent)
{
    return message(text, OkBox, informationTitle(), parent);
}

void IMsgBox::setInformationTitle(const QString& title)
{
    informationTitle() = title;
}

int IMsgBox::resultCode() const
{
    return result_;
}

void IMsgBox::onYes()
{
    result_ = QMessageBox::Yes;
    accept();
}

void IMsgBox::onOK()
{
    result_ = QMessageBox::Ok;
    accept();
}

void IMsgBox::onNo()
{
    result_ = QMessageBox::No;
    reject();
}

void IMsgBox::onCancel()
{
    result_ = QMessageBox::Cancel;
    reject();
}

void IMsgBox::onSave()
{
    result_ = QMessageBox::Save;
    accept();
}
