#ifndef ITITLESTRIP_H
#define ITITLESTRIP_H

#include <QPoint>
#include <QRectF>
#include <QString>

class QMouseEvent;
class QPainter;
class QWidget;

// The title strip shared by the kit's frameless panels and dialogs: its state, the mouse rules
// of the close icon and of dragging by the strip, and the dark strip's painting. The owner
// supplies the close icon's rectangle and the height of the drag zone, which differ per base.
class ITitleStrip {
public:
    enum class DragOrigin {
        Local,  // offset = press position in the widget; moves by the pointer's travel
        Global  // offset = global press position minus the window position
    };
    enum class Release { None, Close };

    ITitleStrip(int titleFontSize, DragOrigin origin);

    // Resets the flags that init() restores (the close icon's visibility is kept).
    void reset(int titleFontSize);

    // A left press: arms the close icon or starts a drag. True when the owner must repaint.
    bool press(QWidget* owner, const QMouseEvent* event, const QRectF& closeRect, int dragZone);
    // A move while dragging moves the owner. True when the owner's close lock must be cleared.
    bool move(QWidget* owner, const QMouseEvent* event);
    // Ends a drag; Close when the armed close icon was released on itself.
    Release release(const QMouseEvent* event, const QRectF& closeRect);

    // The dark background, the black strip with the title and the close icon at `closeRect`.
    void paintDark(QPainter& painter, const QWidget* owner, const QRectF& closeRect) const;

    // Moves `rect` right and down by a tenth of its side while the close icon is held.
    QRectF pressedShift(const QRectF& rect) const;

    int titleAlignment = 0;
    QString title;
    int titleFontSize = 12;
    bool closeButtonVisible = false;
    bool closePressed = false;
    bool dragging = false;
    bool closeLocked = false;
    bool movable = false;
    bool roundedBackground = false;
    QPoint pressOffset;

private:
    DragOrigin origin_;
};

// Qt alignment flags of a title alignment (0 left, 1 centred, 2 right; vertically centred).
int titleAlignmentFlags(int alignment);

// The dark panels' close icon: a square of 20 (x uiScale) at the right of the 30-pixel strip.
QRectF darkCloseRect(int width);

// Renders an SVG resource into `rect`; a missing or broken file draws nothing.
void renderSvg(QPainter& painter, const QString& path, const QRectF& rect);

#endif  // ITITLESTRIP_H
