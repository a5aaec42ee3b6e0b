#ifndef IBOARD_H
#define IBOARD_H

#include <QGraphicsView>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <functional>

#include "board/iboardenum.h"

class IBoardState;
class IModeManager;
class ISceneElementFrame;
class ISlide;
class QUndoGroup;

// The drawing board: a graphics view that shows one page (ISlide) with the camera picture as
// its background item and the annotations above it. Pointer input on the picture becomes device
// records for the current input mode. The board owns its pages, its state and its modes.
class IBoard : public QGraphicsView {
    Q_OBJECT
public:
    // Shows a short text for `msec` milliseconds at `pos` ((-1000, -1000) centres it).
    using TipHandler = std::function<void(const QString& text, int msec, const QPoint& pos)>;
    // Makes the text frame of a page shown by this board.
    using TextFrameFactory = std::function<ISceneElementFrame*(IBoard* board)>;

    explicit IBoard(int id = 0, QWidget* parent = nullptr);
    ~IBoard() override;

    // The board owns the background item; the one replaced is deleted unless another page
    // holds it.
    virtual void setBackgroundItem(QGraphicsItem* item);
    virtual QGraphicsItem* backgroundItem() const;
    // The picture's rectangle in scene coordinates; modes act only inside it.
    virtual QRectF backgroundRect() const;
    virtual QRectF backgroundGlobalRect() const;
    // The annotations alone, transparent elsewhere, as an image of backgroundRect() scaled by
    // the factors: picture size / backgroundRect() size gives a layer of the picture's size.
    virtual QImage renderOverlay(double scaleX, double scaleY);
    virtual void init();

    // renderOverlay with the factors that make the layer exactly `pictureSize`.
    QImage renderOverlay(const QSize& pictureSize);

    void insertSlide(ISlide* page, bool makeCurrent);
    void setCurrentSlide(ISlide* page);
    ISlide* currentSlide() const { return currentSlide_; }
    int slideIndex(ISlide* page) const;

    void setModeType(KM_IBOARD_ENUM::ModeType type);
    KM_IBOARD_ENUM::ModeType modeType() const;
    IBoardState* boardState() const { return boardState_; }
    IModeManager* modeManager() const { return modeManager_; }

    void setBackgroundImage(const QImage& image);
    void detachBackgroundImage();
    // The nominal camera picture size; an empty or invalid size counts as 1920 x 1080.
    void setPictureSize(const QSizeF& size);
    QSizeF pictureSize() const { return pictureSize_; }
    void setMargins(int first, int second, int third, int fourth, int fifth);

    void zoomBy(double factor);
    // The camera picture's size on the screen: its laid-out size times the view's scale.
    QSize shownPictureSize() const;
    void zoomToActualSize();
    void resetView();
    void rotateBy(double degrees);
    double viewScale() const;
    void centerOnBackground();
    void toggleFullScreen();
    int rotation() const { return rotation_; }

    ISceneElementFrame* textFrame();
    void clearSelection();
    void selectItem(QGraphicsItem* item, bool selected);
    void applyCursor(const QCursor& cursor);
    void applyCursorImage(const QString& path);
    QGraphicsItem* itemAtViewPos(const QPointF& pos) const;
    // The topmost element under a view position, hit where it shows: a text box anywhere in
    // its box, a stroke or shape only on what is left of it after erasing. Null for none.
    QGraphicsItem* elementAtViewPos(const QPointF& pos) const;

    // The history of the page shown: each page keeps its own, the group follows the current
    // page. Undo and redo end text editing first, so a session under way is one step too.
    QUndoGroup* history() const { return history_; }
    void undo();
    void redo();
    // Deletes the element the frame shows (not while it is edited) as one step.
    void deleteSelection();
    // Ends text editing, or else dismisses the frame; false when there was neither.
    bool escape();

    void setTipHandler(TipHandler handler) { tipHandler_ = std::move(handler); }
    void setTextFrameFactory(TextFrameFactory factory) { textFrameFactory_ = std::move(factory); }
    // Used by a page to make its text frame; null without a factory.
    ISceneElementFrame* makeTextFrame();

signals:
    void sgBeforeSlideChanged();
    void sgAfterSlideChanged();
    void sgBeforeModeChanged();
    void sgAfterModeChanged();
    void sgBeforeSlideInsert(int current, int count);
    void sgAfterSlideInsert(int current, int count);
    void sgClickOnBoard();
    void sgDropEvent(QDropEvent* event);
    void sgIsFullScreen(bool fullScreen);
    // The camera picture's size on the screen changed (zoom, window size, full screen, a new
    // camera size); the camera then decodes its frames only as large as that.
    void sgPictureShownSize(QSize shown);

protected:
    bool event(QEvent* event) override;
    // Fills what the opaque camera picture leaves uncovered of `rect`.
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void announceShownSize();
    enum class DeviceStep { Press, Move, Release };

    // Whether a press there lands on a text box or while the text frame shows.
    bool onTextOrFrame(const QPointF& viewPos) const;
    void routeDevice(DeviceStep step, const QMouseEvent& event, const QPointF& pos, int id);
    void endOpenGesture(const QMouseEvent& event);
    void onBoardStateChanged(int type);
    void onSlideDestroyed(QObject* page);
    void releaseAll();
    QImage renderElements(const QRectF& area, const QSize& size) const;
    QSizeF fittedPictureSize() const;
    // The device pixels the opaque, unrotated camera picture covers wholly; empty otherwise.
    QRect coveredPixels(const QTransform& sceneToDevice) const;
    void showTip(const QString& text);
    void enterFullScreen();
    void leaveFullScreen();

    IBoardState* boardState_ = nullptr;
    QList<ISlide*> slides_;
    ISlide* currentSlide_ = nullptr;
    IModeManager* modeManager_ = nullptr;
    QGraphicsItem* backgroundItem_ = nullptr;
    bool pressOnText_ = false;
    bool panArmed_ = false;
    QPoint lastPanPos_;
    QSizeF backgroundImageSize_{0, 0};
    QSize announcedShownSize_;
    bool pressInside_ = false;
    QPointF lastDevicePos_;
    int lastDeviceId_ = 0;
    int rotation_ = 0;
    TipHandler tipHandler_;
    int margins_[5] = {0, 0, 0, 0, 0};
    QSizeF screenSize_;
    QSizeF pictureSize_{1920, 1080};
    bool pinchDone_ = false;
    bool fullScreen_ = false;
    double savedScale_ = 1.0;
    double savedRotation_ = 0.0;
    QPointF savedViewPos_;
    bool followResize_ = true;
    TextFrameFactory textFrameFactory_;
    QUndoGroup* history_ = nullptr;
};

#endif  // IBOARD_H
