#ifndef SCREENSCALE_H
#define SCREENSCALE_H

#include <QRect>
#include <QSize>

// The part of a screen-cast stream of `stream` pixels that shows `wanted`, an area in the
// desktop's logical coordinates where the streamed screen covers `screen` (the two differ by
// the output's scale factor). Fitted to the stream and even in size; empty when nothing is left.
QRect streamArea(const QRect& wanted, const QRect& screen, const QSize& stream);

// "x,y,width,height" as the program passes its screen's geometry; invalid when malformed.
QRect parseScreenRect(const QString& text);

#endif  // SCREENSCALE_H
