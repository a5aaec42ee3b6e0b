#ifndef IFREEZONEWIDGET_H
#define IFREEZONEWIDGET_H

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

class QPainter;

// The shaded layer on which the presenter chooses a rectangle: outside the selection is shaded,
// the selection is outlined in white with eight round handles; a handle drag moves an edge or a
// corner, a drag inside moves the whole selection. The layer only keeps and edits the rectangle;
// derived panels add their buttons and decide what the rectangle is for.
//
// With a parent the layer is a child covering the parent's rectangle; without one it is a
// frameless tool window over the available area of the screen that holds the mouse cursor.
// Corners are inclusive (width = x2 - x1 + 1) and always lie inside the layer.
class IFreeZoneWidget : public QWidget {
    Q_OBJECT
public:
    // Where a point lies: a handle, the inside of the selection, or elsewhere.
    enum HitType {
        TopLeftHit = 0,
        TopHit = 1,
        TopRightHit = 2,
        BottomLeftHit = 3,
        BottomHit = 4,
        BottomRightHit = 5,
        LeftHit = 6,
        RightHit = 7,
        InsideHit = 8,
        NoHit = 9
    };

    explicit IFreeZoneWidget(QWidget* parent = nullptr);

    // Does nothing here; the derived panels show and hide themselves through it.
    virtual void showPanel(bool show);
    virtual void selectAll();
    // A selection of `size` centred in the layer; a side longer than the layer's becomes 0.8 of
    // the layer's.
    virtual void setZoneSize(const QSize& size);
    // The selection becomes `rect` when it lies inside the layer, else a centred 800 x 600.
    virtual void setZoneRect(const QRect& rect);
    virtual QRect zoneRect() const;
    // The selection with its top-left corner in screen coordinates.
    virtual QRect globalZoneRect() const;
    virtual int hitType() const;
    virtual void setZoneEditing(bool editing);
    virtual bool isZoneEditing() const;
    virtual void coverRect(int x, int y, int w, int h);
    // The layer takes the rectangle's size as its fixed size and moves to its top-left corner.
    virtual void coverRect(const QRect& rect);
    // Editing off, nothing pressed, covering the parent (or the screen) with an 800 x 600
    // selection.
    virtual void resetZone();
    virtual QRect selectionRect() const;
    virtual QRect topLeftHandle() const;
    virtual QRect topHandle() const;
    virtual QRect topRightHandle() const;
    virtual QRect bottomLeftHandle() const;
    virtual QRect bottomHandle() const;
    virtual QRect bottomRightHandle() const;
    virtual QRect leftHandle() const;
    virtual QRect rightHandle() const;
    // Edge moves that would leave the layer or shrink the selection below the minimum are
    // ignored, each axis on its own.
    virtual void moveTopLeft(const QPoint& delta);
    virtual void moveBottomRight(const QPoint& delta);
    virtual void hitTest(const QPoint& pos);
    virtual void updateCursor(const QPoint& pos);
    // Moves the whole selection, each axis on its own and at most up to the layer's border, so
    // a drag into a border slides along it.
    virtual void moveZone(const QPoint& delta);
    virtual void drawHandles(QPainter* painter);

    // The smallest width and height a drag leaves: 200 at scale 1.
    static int minimumZoneSide();

protected:
    // The available area of the screen that holds the mouse cursor (the primary screen's when
    // the cursor is on none); the whole screen where the compositor places windows.
    static QRect availableAreaUnderCursor();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect centredRect(const QSize& size) const;
    bool fitsLayer(const QRect& rect) const;
    void assignZone(const QRect& rect);
    QRect handleAt(const QPoint& centre) const;
    void dragBy(const QPoint& delta);

    QSize layerSize_;
    int lastX_ = 0;
    int lastY_ = 0;
    bool pressed_ = false;
    int hitType_ = NoHit;
    int x1_ = 0;
    int y1_ = 0;
    int x2_ = 0;
    int y2_ = 0;
    bool editing_ = false;
};

#endif  // IFREEZONEWIDGET_H
