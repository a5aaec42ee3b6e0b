#ifndef ICUSTOMFRAME_H
#define ICUSTOMFRAME_H

#include <QDialog>
#include <QWidget>

#include "customui/kit/ititlestrip.h"

// The frameless dark frame under ICustomWidget (over QWidget) and ICustomDialog (over QDialog):
// translucent corners, an optional dark title strip with a close icon, dragging by the strip
// when movable, Escape swallowed unless it is set to close. moc cannot read a template, so the signals and closeEvent()
// stay in the two concrete classes.
template <class QtBase>
class ICustomFrame : public QtBase {
public:
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
    // Lets Escape close the frame like its close icon (off by default: message boxes must be
    // answered).
    void setEscapeCloses(bool closes) { escapeCloses_ = closes; }

protected:
    ICustomFrame(const QString& title, bool closeButtonVisible, ITitleStrip::DragOrigin origin,
                 QWidget* parent);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ITitleStrip strip_;
    bool escapeCloses_ = false;
};

extern template class ICustomFrame<QWidget>;
extern template class ICustomFrame<QDialog>;

#endif  // ICUSTOMFRAME_H
