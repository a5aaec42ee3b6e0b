#ifndef IPATHERASEMODE_H
#define IPATHERASEMODE_H

#include <QObject>

#include "board/imode.h"

// The PathErase mode: the stroke eraser.
class IPathEraseMode : public QObject, public IMode {
    Q_OBJECT
public:
    explicit IPathEraseMode(IBoard* board);
};

#endif  // IPATHERASEMODE_H
