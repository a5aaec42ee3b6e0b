#ifndef ICUSTOMWIDGET_H
#define ICUSTOMWIDGET_H

#include <QWidget>

#include "customui/kit/icustomframe.h"

// The panel base of the shell: frameless, translucent corners, an optional dark title strip with
// a close icon, dragging by the strip when movable. Escape is swallowed; closing emits sgClose().
class ICustomWidget : public ICustomFrame<QWidget> {
    Q_OBJECT
public:
    ICustomWidget(const QString& title, const bool& closeButtonVisible, QWidget* parent = nullptr);
    explicit ICustomWidget(QWidget* parent = nullptr);

signals:
    void sgClose();

protected:
    void closeEvent(QCloseEvent* event) override;
};

#endif  // ICUSTOMWIDGET_H
