#include "customui/shell/itoolbarbase.h"

#include <QDebug>

#include "customui/kit/iitoolbutton.h"
#include "customui/shell/ifocusring.h"

IToolBarBase::IToolBarBase(const QString& name, QWidget* parent)
    : ICustomWidget(parent), focusRing_(new IFocusRing(this))
{
    setObjectName(name);
}

IIToolButton* IToolBarBase::addButton(IIToolButton* button)
{
    // Only Tab gives a toolbar button the focus (a click does not), and Space stays with the
    // Snap shortcut; the ring shows which button has it.
    button->setFocusPolicy(Qt::TabFocus);
    const QMetaObject* meta = metaObject();
    button->nameAfterId(objectName(), meta->enumerator(meta->indexOfEnumerator("ButtonId")));
    buttons_.insert(button->data().toInt(), button);
    connect(button, &IIToolButton::sgButtonClick, this, &IToolBarBase::sgButtonClick);
    return button;
}

void IToolBarBase::setChecked(int id, bool checked)
{
    if (IIToolButton* b = button(id)) {
        b->setChecked(checked);
    }
}

void IToolBarBase::setEnabled(int id, bool enabled)
{
    if (IIToolButton* b = button(id)) {
        b->setEnabled(enabled);
    }
}

IIToolButton* IToolBarBase::button(int id) const
{
    return buttons_.value(id, nullptr);
}

QList<int> IToolBarBase::buttonIds() const
{
    return buttons_.keys();
}

bool IToolBarBase::isChecked(int id) const
{
    const IIToolButton* b = button(id);
    return b && b->isChecked();
}

bool IToolBarBase::isButtonEnabled(int id) const
{
    const IIToolButton* b = button(id);
    return b && b->isEnabled();
}

QPoint IToolBarBase::buttonGlobalPos(int id) const
{
    const IIToolButton* b = button(id);
    if (!b) {
        qDebug() << "no toolbar button" << id;
        return QPoint(0, 0);
    }
    return b->mapToGlobal(QPoint(0, 0));
}
