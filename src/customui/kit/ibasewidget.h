#ifndef IBASEWIDGET_H
#define IBASEWIDGET_H

#include <QDialog>

#include "customui/kit/ititlestrip.h"

// The light-themed twin of the panel base, used on the board side: a light rounded body with an
// optional pale blue title strip and a red close icon. A child widget when it has a parent, a
// frameless tool window otherwise. Escape keeps QDialog's meaning.
class IBaseWidget : public QDialog {
    Q_OBJECT
public:
    IBaseWidget(const QString& title, const bool& closeButtonVisible, QWidget* parent = nullptr);
    explicit IBaseWidget(QWidget* parent = nullptr);

    virtual void setTitleAlignment(int alignment);
    virtual void setTitle(QString text);
    virtual void setTitleFontSize(int size);
    virtual void setTitle(QString text, const int& size, int alignment);
    virtual void setMovable(const bool& movable);
    virtual void setCloseButtonVisible(const bool& visible);
    virtual void setCloseLocked(const bool& locked);
    virtual bool isCloseLocked();
    virtual void init();

signals:
    void sgClose();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QRectF closeRect() const;

    ITitleStrip strip_;
};

#endif  // IBASEWIDGET_H
