#ifndef IFOCUSRING_H
#define IFOCUSRING_H

#include <QPointer>
#include <QWidget>

// An orange frame drawn over the toolbar button that holds the keyboard focus, so that a
// presenter moving through the toolbars with Tab sees where Enter acts. It takes no mouse
// input; it follows the focus on its own and hides when the focus leaves its toolbar's buttons.
class IFocusRing : public QWidget {
    Q_OBJECT
public:
    explicit IFocusRing(QWidget* toolbar);

    // The button it frames, or null while hidden.
    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFocusChanged(QWidget* old, QWidget* now);

    QPointer<QWidget> target_;
};

#endif  // IFOCUSRING_H
