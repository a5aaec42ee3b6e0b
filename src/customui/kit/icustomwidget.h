#ifndef ICUSTOMWIDGET_H
#define ICUSTOMWIDGET_H

#include <QWidget>

#include "customui/kit/ititlestrip.h"

// The panel base of the shell: frameless, translucent corners, an optional dark title strip with
// a close icon, dragging by the strip when movable. Escape is swallowed; closing emits sgClose().
class ICustomWidget : public QWidget {
    Q_OBJECT
public:
    ICustomWidget(const QString& title, const bool& closeButtonVisible, QWidget* parent = nullptr);
    explicit ICustomWidget(QWidget* parent = nullptr);

    virtual void setTitleAlignment(int alignment);
    virtual void setTitle(QString text);
    virtual void setTitleFontSize(int size);
    virtual void setTitle(QString text, const int& size, int alignment);
    virtual void setMovable(const bool& movable);
    virtual void setCloseButtonVisible(const bool& visible);
    virtual void setCloseLocked(const bool& locked);
    virtual bool isCloseLocked();
    virtual void setRoundedBackground(const bool& rounded);
    virtual void init();

signals:
    void sgClose();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ITitleStrip strip_;
};

#endif  // ICUSTOMWIDGET_H
