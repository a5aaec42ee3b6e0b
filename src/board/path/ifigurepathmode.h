#ifndef IFIGUREPATHMODE_H
#define IFIGUREPATHMODE_H

#include <QPointer>
#include <QRectF>

#include "board/imode.h"

class ISlide;
class IShapePathElement;

// The mode behind the five shape types; the figure kind says which shape the next press draws
// (1 line, 13 circle, 14 ellipse, 15 rectangle, 18 isosceles triangle, 19 arrow). The press puts
// the shape on the current page, moves reshape it, the release finishes it and records it on the
// page's history.
class IFigurePathMode : public IMode {
public:
    enum FigureKind {
        Line = 1,
        Circle = 13,
        Ellipse = 14,
        Rectangle = 15,
        Triangle = 18,
        Arrow = 19
    };

    explicit IFigurePathMode(IBoard* board);

    void press(IDeviceEvent* record) override;
    void move(IDeviceEvent* record) override;
    void release(IDeviceEvent* record) override;
    void activate() override;
    // Leaving the mode mid-drag finishes the shape as a release would.
    void deactivate() override;

    // A new shape of the figure kind (a line for an unknown kind) in the ink's look.
    virtual IShapePathElement* createElement();
    // `rect` with its top-left corner above and left of its bottom-right one.
    static QRectF normalizeRect(const QRectF& rect);

    void setFigureKind(int kind) { figureKind_ = kind; }
    int figureKind() const { return figureKind_; }
    IShapePathElement* currentElement() const { return current_; }

private:
    bool stillOnPage() const;
    void finish();
    // Cuts a circle off where it leaves the picture; true when nothing of it is left.
    bool clipToPicture();
    // Takes the current shape off its page and deletes it.
    void discard();

    int figureKind_ = Line;
    int deviceId_ = -1;
    IShapePathElement* current_ = nullptr;
    QPointer<ISlide> page_;
};

#endif  // IFIGUREPATHMODE_H
