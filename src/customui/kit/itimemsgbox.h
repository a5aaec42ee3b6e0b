#ifndef ITIMEMSGBOX_H
#define ITIMEMSGBOX_H

#include <QWidget>

class QLabel;
class QPropertyAnimation;
class QTimer;

// The transient tip: white text on a rounded, half-transparent black background, shown for a
// while and then faded out. Without a parent it is a frameless tool window that stays on top.
class ITimeMsgBox : public QWidget {
    Q_OBJECT
public:
    explicit ITimeMsgBox(QWidget* parent = nullptr);

    // The process-wide tip, created on first use over the anchor window (a tool window of its own
    // while there is none).
    static ITimeMsgBox* instance();
    // The window the process-wide tip lives in; a tip made over another window is dropped.
    static void setAnchorWindow(QWidget* window);

    // Shows `text` for `msec` milliseconds at (x, y) in the parent's coordinates (screen
    // coordinates without a parent); (-1000, -1000) centres it.
    void showMessage(const QString& text, int msec, int x, int y);

    // Length of the fade-out, 1000 ms unless changed (tests shorten it).
    void setFadeDuration(int msec);

protected:
    virtual void buildContents();

private slots:
    void slTimeout();

private:
    QRect allowedArea(const QPoint& point) const;
    QPoint centredPosition() const;
    QPoint keptInside(const QPoint& at) const;

    QLabel* label_ = nullptr;
    QWidget* background_ = nullptr;
    QTimer* timer_ = nullptr;
    QPropertyAnimation* fade_ = nullptr;
    int fadeDuration_ = 1000;
};

#endif  // ITIMEMSGBOX_H
