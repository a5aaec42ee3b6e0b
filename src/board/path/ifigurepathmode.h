#ifndef IFIGUREPATHMODE_H
#define IFIGUREPATHMODE_H

#include "board/imode.h"

// The mode behind the five shape types; the figure kind says which shape the next press draws
// (1 line, 13 circle, 14 ellipse, 15 rectangle, 18 isosceles triangle).
class IFigurePathMode : public IMode {
public:
    explicit IFigurePathMode(IBoard* board);

    void setFigureKind(int kind) { figureKind_ = kind; }
    int figureKind() const { return figureKind_; }

private:
    int figureKind_ = 1;
};

#endif  // IFIGUREPATHMODE_H
