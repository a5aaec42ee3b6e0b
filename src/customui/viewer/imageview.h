#ifndef IMAGEVIEW_H
#define IMAGEVIEW_H

#include <QGraphicsView>
#include <QPoint>
#include <QStringList>
#include <functional>

#include "customui/kit/ipanel.h"

class IThumbnailLoader;
class ImageItem;
class QToolButton;

// The split-screen picture viewer: over the left half of the main window's picture area it shows
// the last picture checked in the gallery, to compare a stored page with the live one. The wheel
// (or a pinch) zooms between 0.05x and 30x about the pointer, a drag on the picture pans it, a drag
// on the grey area around it moves the viewer, a double click resets the view.
class ImageView : public QGraphicsView, public IPanel {
    Q_OBJECT
public:
    static constexpr double kMinScale = 0.05;
    static constexpr double kMaxScale = 30.0;

    explicit ImageView(QWidget* parent);

    // Where the viewer takes the gallery's checked pictures from, in list order.
    void setCheckedPaths(std::function<QStringList()> checkedPaths);

    // true: sizes the viewer to its parent and, unless it is shown already, opens it on the last
    // checked picture once that is read (on a worker thread). false: hides it.
    void showPanel(bool show) override;
    virtual void CreateUI();

    ImageItem* item() const { return item_; }
    // The zoom factor of the view.
    double currentScale() const;
    // Zooms by `factor`, kept within the limits, about the pointer when it is over the picture,
    // else about the picture's centre.
    void zoomView(double factor);

signals:
    // A transient message for the user (a picture that cannot be shown).
    void sgTip(QString text);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void fitToParent();
    void openLastChecked();
    void onPictureRead(const QImage& picture);
    void onReadDone(int loaded, const QStringList& skipped);
    void resetView();
    QRectF pictureRectInView() const;
    void zoomAbout(double factor, const QPointF& pointer);

    ImageItem* item_ = nullptr;
    QToolButton* closeButton_ = nullptr;
    std::function<QStringList()> checkedPaths_;
    IThumbnailLoader* loader_ = nullptr;
    bool reading_ = false;     // a picture is being read
    bool openWanted_ = false;  // show it when it arrives (the viewer was not closed meanwhile)
    bool pictureDrag_ = false;
    bool windowDrag_ = false;
    QPoint lastPos_;
    QPoint lastGlobalPos_;
};

#endif  // IMAGEVIEW_H
