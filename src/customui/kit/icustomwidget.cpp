#include "customui/kit/icustomwidget.h"

#include <QKeyEvent>
#include <QPainter>

#include "customui/kit/uiscale.h"

ICustomWidget::ICustomWidget(const QString& title, const bool& closeButtonVisible, QWidget* parent)
    : QWidget(parent), strip_(12, ITitleStrip::DragOrigin::Local)
{
    init();
    strip_.title = title;
    strip_.closeButtonVisible = closeButtonVisible;
}

ICustomWidget::ICustomWidget(QWidget* parent) : ICustomWidget(QString(), false, parent) {}

void ICustomWidget::setTitleAlignment(int alignment)
{
    setTitle(strip_.title, strip_.titleFontSize, alignment);
}

void ICustomWidget::setTitle(QString text)
{
    setTitle(text, strip_.titleFontSize, 0);
}

void ICustomWidget::setTitleFontSize(int size)
{
    setTitle(strip_.title, size, 0);
}

void ICustomWidget::setTitle(QString text, const int& size, int alignment)
{
    strip_.title = text;
    strip_.titleFontSize = size;
    strip_.titleAlignment = alignment;
    update();
}

void ICustomWidget::setMovable(const bool& movable)
{
    strip_.movable = movable;
}

void ICustomWidget::setCloseButtonVisible(const bool& visible)
{
    strip_.closeButtonVisible = visible;
    update();
}

void ICustomWidget::setCloseLocked(const bool& locked)
{
    strip_.closeLocked = locked;
    update();
}

bool ICustomWidget::isCloseLocked()
{
    return strip_.closeLocked;
}

void ICustomWidget::setRoundedBackground(const bool& rounded)
{
    strip_.roundedBackground = rounded;
    update();
}

void ICustomWidget::init()
{
    strip_.reset(12);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint);
}

void ICustomWidget::mousePressEvent(QMouseEvent* event)
{
    if (strip_.press(this, event, darkCloseRect(width()), static_cast<int>(30 * uiScale))) {
        update();
    }
    QWidget::mousePressEvent(event);
}

void ICustomWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (strip_.move(this, event)) {
        setCloseLocked(false);
    }
    QWidget::mouseMoveEvent(event);
}

void ICustomWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = strip_.closePressed;
    if (strip_.release(event, darkCloseRect(width())) == ITitleStrip::Release::Close) {
        close();
    }
    if (wasPressed) {
        update();
    }
    QWidget::mouseReleaseEvent(event);
}

void ICustomWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ICustomWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    strip_.paintDark(painter, this, darkCloseRect(width()));
    QWidget::paintEvent(event);
}

void ICustomWidget::closeEvent(QCloseEvent* event)
{
    emit sgClose();
    QWidget::closeEvent(event);
}
