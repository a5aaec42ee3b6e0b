#ifndef ICUSTOMDIALOG_H
#define ICUSTOMDIALOG_H

#include <QDialog>

#include "customui/kit/icustomframe.h"

// The dialog base of the shell: the panel base's title strip, close icon and Escape rule on a
// QDialog; dragged by global positions. Closing emits sgClose() and then rejects.
class ICustomDialog : public ICustomFrame<QDialog> {
    Q_OBJECT
public:
    ICustomDialog(const QString& title, const bool& closeButtonVisible, QWidget* parent = nullptr);
    explicit ICustomDialog(QWidget* parent = nullptr);

signals:
    void sgClose();

protected:
    void closeEvent(QCloseEvent* event) override;
};

#endif  // ICUSTOMDIALOG_H
