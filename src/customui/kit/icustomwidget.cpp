#include "customui/kit/icustomwidget.h"

ICustomWidget::ICustomWidget(const QString& title, const bool& closeButtonVisible, QWidget* parent)
    : ICustomFrame(title, closeButtonVisible, ITitleStrip::DragOrigin::Local, parent)
{
}

ICustomWidget::ICustomWidget(QWidget* parent) : ICustomWidget(QString(), false, parent) {}

void ICustomWidget::closeEvent(QCloseEvent* event)
{
    emit sgClose();
    QWidget::closeEvent(event);
}
