#ifndef KITTESTHELPERS_H
#define KITTESTHELPERS_H

#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include "customui/kit/ipanel.h"

// Collects the warnings Qt prints while it lives (style-sheet and SVG parse problems among them).
class WarningCatcher {
public:
    WarningCatcher();
    ~WarningCatcher();
    QStringList warnings() const;
};

// Sends a left-button mouse event at `local` in `widget` (global position mapped from it).
void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& local);

// The widget as it paints itself, as an ARGB32 image.
QImage grabImage(QWidget* widget);

// True when the two colours differ by at most `tolerance` in each of red, green and blue.
bool near(const QColor& a, const QColor& b, int tolerance = 30);

// A panel that, like the real ones, stores its value when hidden through showPanel(false).
class StandInPanel : public QWidget, public IPanel {
public:
    using QWidget::QWidget;
    void showPanel(bool show) override
    {
        stored += show ? 0 : 1;
        setVisible(show);
    }
    int stored = 0;
};

#endif  // KITTESTHELPERS_H
