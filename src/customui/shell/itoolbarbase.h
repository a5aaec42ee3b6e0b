#ifndef ITOOLBARBASE_H
#define ITOOLBARBASE_H

#include <QList>
#include <QMap>
#include <QPoint>
#include <QVariant>

#include "customui/kit/icustomwidget.h"

class IFocusRing;
class IIToolButton;

// A toolbar of the shell: its tool buttons keyed by id. It only reports clicks, as
// sgButtonClick(checked, id); the owner decides what a click does. Hidden buttons still exist,
// so their state can be set like that of any other.
class IToolBarBase : public ICustomWidget {
    Q_OBJECT
public:
    // `name` is the toolbar's object name; its buttons are named "<name>.<id key>".
    explicit IToolBarBase(const QString& name, QWidget* parent = nullptr);

    using QWidget::setEnabled;
    // Ids without a button are ignored.
    virtual void setChecked(int id, bool checked);
    virtual void setEnabled(int id, bool enabled);

    // Null for an id without a button.
    IIToolButton* button(int id) const;
    QList<int> buttonIds() const;
    bool isChecked(int id) const;
    // Whether the button would take a click now (its toolbar and window enabled too).
    bool isButtonEnabled(int id) const;
    // The top-left corner of a button in global coordinates, where panels place themselves;
    // (0, 0) for an id without a button.
    QPoint buttonGlobalPos(int id) const;
    IFocusRing* focusRing() const { return focusRing_; }

signals:
    void sgButtonClick(bool checked, QVariant id);

protected:
    // Enters the button in the map under its data, names it after its ButtonId key and forwards
    // its clicks.
    IIToolButton* addButton(IIToolButton* button);

private:
    QMap<int, IIToolButton*> buttons_;
    IFocusRing* focusRing_;
};

#endif  // ITOOLBARBASE_H
