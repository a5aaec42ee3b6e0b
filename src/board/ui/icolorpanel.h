#ifndef ICOLORPANEL_H
#define ICOLORPANEL_H

#include <QImage>
#include <QVariant>

#include "customui/kit/ibasewidget.h"

class QMouseEvent;
class QToolButton;

// The spectrum colour picker: a light dialog showing the colour spectrum. A click on the
// spectrum reports the colour under the pointer; the picker stays open until its close icon.
class IColorPanel : public IBaseWidget {
    Q_OBJECT
public:
    explicit IColorPanel(QWidget* parent = nullptr);

    QImage picture() const { return picture_; }
    QToolButton* pictureButton() const { return button_; }
    // The spectrum's colour at `pos` in the picture button; invalid outside the picture.
    QColor colorAt(const QPoint& pos) const;

signals:
    void sgChangeColor(bool checked, QVariant color);

public slots:
    // Raises the picker and runs it modally.
    virtual void openPanel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pick(const QMouseEvent& release);

    QImage picture_;
    QToolButton* button_ = nullptr;
};

#endif  // ICOLORPANEL_H
