#ifndef IBOARDENUM_H
#define IBOARDENUM_H

#include <QObject>

namespace KM_IBOARD_ENUM {
Q_NAMESPACE

// The board's input modes; the figure modes share one mode object.
enum ModeType {
    Select = 1,
    Text = 2,
    PathErase = 3,
    Pen = 5,
    LinePath = 9,
    CirclePath = 19,
    EllipsePath = 20,
    RectanglePath = 21,
    TrianglePath = 24,
    ArrowPath = 25,
};
Q_ENUM_NS(ModeType)

}  // namespace KM_IBOARD_ENUM

#endif  // IBOARDENUM_H
