#include "customui/shell/ifocusring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "customui/kit/uiscale.h"

IFocusRing::IFocusRing(QWidget* toolbar) : QWidget(toolbar)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, &IFocusRing::onFocusChanged);
}

void IFocusRing::onFocusChanged(QWidget* old, QWidget* now)
{
    if (old && old == target_) {
        old->removeEventFilter(this);
    }
    auto* button = qobject_cast<QAbstractButton*>(now);
    if (!button || button->parentWidget() != parentWidget()) {
        target_ = nullptr;
        hide();
        return;
    }
    target_ = button;
    button->installEventFilter(this);
    setGeometry(button->geometry());
    raise();
    show();
}

// Enter and Return press the framed button; Space stays with the Snap shortcut.
bool IFocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QAbstractButton*>(target_.data())->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void IFocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int pen = qMax(2, static_cast<int>(3 * uiScale));
    painter.setPen(QPen(QColor(235, 120, 7), pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(pen / 2, pen / 2, -(pen + 1) / 2, -(pen + 1) / 2));
}
