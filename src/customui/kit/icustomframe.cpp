#include "customui/kit/icustomframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <type_traits>

#include "customui/kit/uiscale.h"

template <class QtBase>
ICustomFrame<QtBase>::ICustomFrame(const QString& title, bool closeButtonVisible,
                                   ITitleStrip::DragOrigin origin, QWidget* parent)
    : QtBase(parent), strip_(12, origin)
{
    init();
    strip_.title = title;
    strip_.closeButtonVisible = closeButtonVisible;
}

template <class QtBase>
void ICustomFrame<QtBase>::setTitleAlignment(int alignment)
{
    setTitle(strip_.title, strip_.titleFontSize, alignment);
}

template <class QtBase>
void ICustomFrame<QtBase>::setTitle(QString text)
{
    setTitle(text, strip_.titleFontSize, 0);
}

template <class QtBase>
void ICustomFrame<QtBase>::setTitleFontSize(int size)
{
    setTitle(strip_.title, size, 0);
}

template <class QtBase>
void ICustomFrame<QtBase>::setTitle(QString text, const int& size, int alignment)
{
    strip_.title = text;
    strip_.titleFontSize = size;
    strip_.titleAlignment = alignment;
    this->update();
}

template <class QtBase>
void ICustomFrame<QtBase>::setMovable(const bool& movable)
{
    strip_.movable = movable;
}

template <class QtBase>
void ICustomFrame<QtBase>::setCloseButtonVisible(const bool& visible)
{
    strip_.closeButtonVisible = visible;
    this->update();
}

template <class QtBase>
void ICustomFrame<QtBase>::setCloseLocked(const bool& locked)
{
    strip_.closeLocked = locked;
    this->update();
}

template <class QtBase>
bool ICustomFrame<QtBase>::isCloseLocked()
{
    return strip_.closeLocked;
}

template <class QtBase>
void ICustomFrame<QtBase>::setRoundedBackground(const bool& rounded)
{
    strip_.roundedBackground = rounded;
    this->update();
}

template <class QtBase>
void ICustomFrame<QtBase>::init()
{
    strip_.reset(12);
    this->setAttribute(Qt::WA_TranslucentBackground);
    // A dialog stays a dialog window; a panel takes the frameless flag as its only one.
    if constexpr (std::is_same_v<QtBase, QDialog>) {
        this->setWindowFlag(Qt::FramelessWindowHint);
    } else {
        this->setWindowFlags(Qt::FramelessWindowHint);
    }
}

template <class QtBase>
void ICustomFrame<QtBase>::mousePressEvent(QMouseEvent* event)
{
    if (strip_.press(this, event, darkCloseRect(this->width()), static_cast<int>(30 * uiScale))) {
        this->update();
    }
    QtBase::mousePressEvent(event);
}

template <class QtBase>
void ICustomFrame<QtBase>::mouseMoveEvent(QMouseEvent* event)
{
    if (strip_.move(this, event)) {
        setCloseLocked(false);
    }
    QtBase::mouseMoveEvent(event);
}

template <class QtBase>
void ICustomFrame<QtBase>::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = strip_.closePressed;
    if (strip_.release(event, darkCloseRect(this->width())) == ITitleStrip::Release::Close) {
        this->close();
    }
    if (wasPressed) {
        this->update();
    }
    QtBase::mouseReleaseEvent(event);
}

template <class QtBase>
void ICustomFrame<QtBase>::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (escapeCloses_) {
            this->close();
        }
        return;
    }
    QtBase::keyPressEvent(event);
}

template <class QtBase>
void ICustomFrame<QtBase>::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    strip_.paintDark(painter, this, darkCloseRect(this->width()));
    QtBase::paintEvent(event);
}

template class ICustomFrame<QWidget>;
template class ICustomFrame<QDialog>;
