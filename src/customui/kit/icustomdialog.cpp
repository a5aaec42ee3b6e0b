#include "customui/kit/icustomdialog.h"

ICustomDialog::ICustomDialog(const QString& title, const bool& closeButtonVisible, QWidget* parent)
    : ICustomFrame(title, closeButtonVisible, ITitleStrip::DragOrigin::Global, parent)
{
}

ICustomDialog::ICustomDialog(QWidget* parent) : ICustomDialog(QString(), false, parent) {}

void ICustomDialog::closeEvent(QCloseEvent* event)
{
    emit sgClose();
    QDialog::closeEvent(event);
}
