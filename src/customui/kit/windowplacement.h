#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

class QRect;
class QWidget;

// Whether the desktop places top-level windows itself: a Wayland session, natively or through
// XWayland. There a window's move() has no effect; dragging goes through the compositor
// (startSystemMove) and maximising through window states.
bool compositorPlacesWindows();

// Gives a top-level window `rect`: where the compositor places windows only its size.
void placeTopLevel(QWidget* window, const QRect& rect);

#endif  // WINDOWPLACEMENT_H
