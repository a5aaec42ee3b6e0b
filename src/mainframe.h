#ifndef MAINFRAME_H
#define MAINFRAME_H

#include <QImage>
#include <QKeySequence>
#include <QMap>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QSizeF>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include "icamerainfo.h"
#include "imagetype.h"

class IApplication;
class IBoard;
class IBoardToolBar;
class ICameraToolBar;
class ICustomWidget;
class IImageTansformThread;
class IMainTitleWidget;
class IRightToolBar;
class ITimeMsgBox;
class IWinUsbDevice;
class QSoundEffect;

// The program's only top-level window and the coordinator of the user interface: it lays out the
// title bar, gallery, board and toolbars, connects the camera manager to the board and to the
// capture path, turns toolbar clicks and shortcuts into actions, reacts to camera status codes and
// hot-plug events, and shuts everything down in a fixed order.
class MainFrame : public QWidget {
    Q_OBJECT
public:
    explicit MainFrame(IApplication* app, QWidget* parent = nullptr);
    ~MainFrame() override;

    // The steps of closing the window, in the order they run.
    enum class ShutdownStep {
        MagnifierOff,
        HidePanels,
        WriteSettings,
        EndOcr,
        DrainCaptures,
        StopTimelapse,
        StopTimerCapture,
        StopRecording,
        ReleaseRecorder,
        CloseCameras,
        ClosePictureInPicture
    };
    Q_ENUM(ShutdownStep)

    // The panels that open next to a toolbar button; the first nine close when another bar button
    // is used or the board is clicked, the last four only by their own buttons.
    enum class SecondaryPanel {
        None,
        FocusExposure,
        Eraser,
        Color,
        Shape,
        Resolution,
        Thickness,
        Parameter,
        Transparency,
        CaptureMode,
        Magnifier,
        Ocr,
        PictureInPicture,
        Viewer
    };
    Q_ENUM(SecondaryPanel)

    IBoard* board() const;
    IMainTitleWidget* titleWidget() const { return titleWidget_; }
    ICameraToolBar* cameraToolBar() const { return cameraToolBar_; }
    IRightToolBar* rightToolBar() const { return rightToolBar_; }
    IBoardToolBar* boardToolBar() const { return boardToolBar_; }
    ICustomWidget* galleryPanel() const { return gallery_; }
    IImageTansformThread* captureThread() const { return captureThread_; }
    bool isFirstOpenPending() const { return firstOpenPending_; }
    bool isAutoEdgeOn() const { return autoEdgeOn_; }
    bool isBoardMode() const { return boardMode_; }
    bool isRecording() const { return recording_; }

    // First board page, background item, scene size; then InitData.
    void initScene();
    void InitData();
    void captureWithType(ImageType type);
    void processCapture(const QImage& picture);
    void playShutterSound();
    void onCameraSelected(const ICameraInfo& info);

    // Panels that are built elsewhere; here the places the window reaches them through.
    virtual void showSettingsDialog();
    // The device the picture-in-picture panel shows (empty while it shows none).
    virtual QString pictureInPictureDevicePath() const;

    // Enters a panel in the list of those that close together (hidden through its showPanel(false)
    // when it has one). Only the first nine kinds close that way.
    void registerSecondaryPanel(SecondaryPanel which, QWidget* panel);
    // The panel that a click on button `id` of bar `barType` (1 right, 2 board, 3 camera) leaves
    // open, so that the button can close it itself.
    static SecondaryPanel keptPanel(int barType, int id);
    // The camera-toolbar id that a key combination acts as, -1 for none.
    static int cameraButtonForKey(const QKeySequence& keys);
    // The factors that scale the board's picture rectangle to the picture; (0, 0) when either size
    // is empty, so nothing is scaled by an undefined factor.
    static QPointF overlayFactors(const QSizeF& picture, const QSizeF& background);
    // A rectangle in scene coordinates turned into picture pixels: relative to the picture's
    // rectangle, scaled by the factors and clipped to the picture. Empty when nothing is left.
    static QRect captureRectInPicture(const QRectF& sceneRect, const QRectF& background,
                                      const QPointF& factors, const QSize& picture);

public slots:
    void slHideSecondWidget(int barType, QVariant flag);
    void slHideSecondWidget(int barType);
    void slHideSecondWidget();
    void slRightToolBarClick(bool checked, QVariant id);
    void slBoardToolBarClick(bool checked, QVariant id);
    void slCameratoolbarClick(bool checked, QVariant id);
    void slCaputerImage(QImage picture, QString path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    virtual void runShutdownStep(ShutdownStep step);
    // The capture mode chosen in the capture-mode panel; the default mode until it exists.
    virtual int captureMode() const;
    // The pictures checked in the gallery.
    virtual QStringList galleryCheckedPaths() const;
    // Writes that `panel` cannot be shown yet: the one place a missing panel is reported.
    virtual void panelUnavailable(const QString& panel);

private:
    void createBoard();
    void CreateUI();
    void buildLayout();
    void connectCamera();
    void startCaptureThread();
    void startHotplugWatcher();

    void onCameraError(int code);
    void onUsbDeviceChanged(bool connected, const QString& name);
    void clearBackgroundPicture();
    void onFullScreen(bool fullScreen);
    void onTitleMoved();
    void onResolutionFromOtherApp(const QSize& size);
    void onCaptureFailed(const QString& path);
    void onRecordMessage(int code);
    void onRecordVideo(const QString& path);
    void showNoDeviceBox();

    void snap();
    void freeze(bool frozen);
    void setAutoEdge(bool on);
    void enterBoardMode();
    void leaveBoardMode();
    void grabWindowToGallery();
    void copyWindowToClipboard();
    void showPartialCapture();
    void exportPdf();
    void setSnapEnabled(bool enabled);
    void setToolBarsEnabled(bool enabled);
    void stopRecording();
    void shutdown();
    void showTip(const QString& text);
    void hideSecondaryPanels(SecondaryPanel kept);
    QRect partialCaptureSceneRect() const;

    // Panels that later parts of the program fill in.
    void toggleFocusExposurePanel();
    void toggleResolutionPanel();
    void toggleParameterPanel();
    void toggleCaptureModePanel();
    void showRecordingPanel();
    void toggleOcrDialog();
    void togglePictureInPicturePanel();
    void togglePictureViewer();
    void toggleMagnifierPanel();
    void toggleThicknessPanel();
    void toggleColorPanel();
    void toggleTransparencyPanel();
    void toggleShapePanel();
    void toggleEraserPanel();
    void startTimerCapture();
    void showTimelapsePanel();
    void addToGallery(const QImage& picture, const QString& path);
    void resetDevicePanels();
    void initBoardPanels();

    IApplication* app_;
    IBoard* board_ = nullptr;
    bool firstOpenPending_ = true;
    bool everShown_ = false;
    bool autoEdgeOn_ = false;
    bool timelapseShot_ = false;
    bool boardMode_ = false;
    bool recording_ = false;
    bool closing_ = false;
    bool shutDown_ = false;
    bool noDeviceBoxOpen_ = false;

    IMainTitleWidget* titleWidget_ = nullptr;
    ICustomWidget* gallery_ = nullptr;
    IBoardToolBar* boardToolBar_ = nullptr;
    IRightToolBar* rightToolBar_ = nullptr;
    ICameraToolBar* cameraToolBar_ = nullptr;
    ITimeMsgBox* boardTip_ = nullptr;
    QSoundEffect* shutter_ = nullptr;
    // Where the partial-capture frame sits in the window (its stored rectangle is relative).
    QPoint partialFrameOrigin_;
    QMap<SecondaryPanel, QPointer<QWidget>> secondaryPanels_;

    IImageTansformThread* captureThread_ = nullptr;
    QPointer<IWinUsbDevice> usbWatcher_;
};

#endif  // MAINFRAME_H
