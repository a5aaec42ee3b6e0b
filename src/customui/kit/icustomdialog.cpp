#include "customui/kit/icustomdialog.h"

#include <QKeyEvent>
#include <QPainter>

#include "customui/kit/uiscale.h"

ICustomDialog::ICustomDialog(const QString& title, const bool& closeButtonVisible, QWidget* parent)
    : QDialog(parent), strip_(12, ITitleStrip::DragOrigin::Global)
{
    init();
    strip_.title = title;
    strip_.closeButtonVisible = closeButtonVisible;
}

ICustomDialog::ICustomDialog(QWidget* parent) : ICustomDialog(QString(), false, parent) {}

void ICustomDialog::setTitleAlignment(int alignment)
{
    setTitle(strip_.title, strip_.titleFontSize, alignment);
}

void ICustomDialog::setTitle(QString text)
{
    setTitle(text, strip_.titleFontSize, 0);
}

void ICustomDialog::setTitleFontSize(int size)
{
    setTitle(strip_.title, size, 0);
}

void ICustomDialog::setTitle(QString text, const int& size, int alignment)
{
    strip_.title = text;
    strip_.titleFontSize = size;
    strip_.titleAlignment = alignment;
    update();
}

void ICustomDialog::setMovable(const bool& movable)
{
    strip_.movable = movable;
}

void ICustomDialog::setCloseButtonVisible(const bool& visible)
{
    strip_.closeButtonVisible = visible;
    update();
}

void ICustomDialog::setCloseLocked(const bool& locked)
{
    strip_.closeLocked = locked;
    update();
}

bool ICustomDialog::isCloseLocked()
{
    return strip_.closeLocked;
}

void ICustomDialog::setRoundedBackground(const bool& rounded)
{
    strip_.roundedBackground = rounded;
    update();
}

void ICustomDialog::init()
{
    strip_.reset(12);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlag(Qt::FramelessWindowHint);
}

void ICustomDialog::mousePressEvent(QMouseEvent* event)
{
    if (strip_.press(this, event, darkCloseRect(width()), static_cast<int>(30 * uiScale))) {
        update();
    }
    QDialog::mousePressEvent(event);
}

void ICustomDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (strip_.move(this, event)) {
        setCloseLocked(false);
    }
    QDialog::mouseMoveEvent(event);
}

void ICustomDialog::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = strip_.closePressed;
    if (strip_.release(event, darkCloseRect(width())) == ITitleStrip::Release::Close) {
        close();
    }
    if (wasPressed) {
        update();
    }
    QDialog::mouseReleaseEvent(event);
}

void ICustomDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (escapeCloses_) {
            close();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void ICustomDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    strip_.paintDark(painter, this, darkCloseRect(width()));
    QDialog::paintEvent(event);
}

void ICustomDialog::closeEvent(QCloseEvent* event)
{
    emit sgClose();
    QDialog::closeEvent(event);
}
