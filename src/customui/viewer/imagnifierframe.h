#ifndef IMAGNIFIERFRAME_H
#define IMAGNIFIERFRAME_H

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

#include "customui/kit/icustomwidget.h"
#include "customui/kit/ipanel.h"

class IApplication;
class IScreenCastGrabber;
class QLabel;
class QScreen;

// The magnifier: a titled panel showing the screen around the mouse pointer enlarged twice. It
// follows the pointer only while shown, and closes only by its own close button or toolbar button.
// Where the window system gives no pixels of the screen (Wayland) it reads a screen cast of the
// desktop portal, open while the magnifier shows.
class IMagnifierFrame : public ICustomWidget, public IPanel {
    Q_OBJECT
public:
    IMagnifierFrame(IApplication* app, QWidget* parent = nullptr);

    void showPanel(bool show) override;

    QLabel* pictureLabel() const { return label_; }
    // The size the picture is shown at, and the screen area grabbed around `centre` on a screen
    // of `screen` geometry: half the shown size, moved inside the screen near its edges.
    static QSize shownSize();
    static QRect grabRect(const QPoint& centre, const QRect& screen);

public slots:
    void magnify(int x, int y);
    // Pointer moves: the newest position is shown at the next refresh, at most one per frame.
    void magnify(const QPoint& pos);

protected:
    virtual void CreateUI();

private:
    // The screen's pixels at `area`: null where they cannot be read (yet).
    QPixmap readScreen(QScreen* screen, const QRect& area);
    void showReadFailure();

    IApplication* app_;
    QLabel* label_ = nullptr;
    QTimer refresh_;
    QPoint pointer_;
    // Where the screen cannot be read (Wayland) the tip is shown once.
    bool grabFailureShown_ = false;
    IScreenCastGrabber* cast_ = nullptr;  // where the compositor keeps the screen to itself
};

#endif  // IMAGNIFIERFRAME_H
