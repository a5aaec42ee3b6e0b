#ifndef MAINFRAME_H
#define MAINFRAME_H

#include <QImage>
#include <QKeySequence>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include "customui/shell/ipanelhost.h"
#include "icamerainfo.h"
#include "imagetype.h"
#include "shelltypes.h"

class IApplication;
class IBoard;
class IBoardPanel;
class IBoardToolBar;
class ICaptureFrame;
class ICaptureModeFrame;
class IColorFrame;
class ICamera;
class ICameraToolBar;
class IConfigureService;
class IEraseFrame;
class IFigureFrame;
class IFocusFrame;
class IImgListWidget;
class IImageTansformThread;
class IMagnifierFrame;
class ImageView;
class IMainTitleWidget;
class IOcrFrame;
class IParameterFrame;
class IPixRateFrame;
class IRightToolBar;
class IVideoRecordFrame;
class IVideoRecordMsgBox;
class ISettingFrame;
class IThicknessFrame;
class ISmallCameraFrame;
class ITimeMsgBox;
class ITimelapseFrame;
class ITimerCaptureFrame;
class ITransparentFrame;
class IWinUsbDevice;
class QSoundEffect;
class QTimer;

// The program's only top-level window and the coordinator of the user interface: it lays out the
// title bar, gallery, board and toolbars, connects the camera manager to the board and to the
// capture path, turns toolbar clicks and shortcuts into actions, reacts to camera status codes and
// hot-plug events, and shuts everything down in a fixed order. Its code is kept by concern:
// mainframe.cpp (construction, layout, status and hot-plug), mainframetoolbars.cpp (toolbar
// dispatch, shortcuts, panels), mainframecapture.cpp (Snap to file, PDF export) and
// mainframecapturemodes.cpp (the timing, time-lapse and partial-capture panels),
// mainframeshutdown.cpp (closing, recording) and mainframekeys.cpp (Escape, full screen).
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

    IBoard* board() const;
    IPanelHost* panelHost() { return &panelHost_; }

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

    // The camera-toolbar id that a key combination acts as, -1 for none.
    static int cameraButtonForKey(const QKeySequence& keys);

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
    virtual CaptureMode captureMode() const;
    // The pictures checked in the gallery.
    virtual QStringList galleryCheckedPaths() const;

private:
    static IConfigureService* config();
    static ICamera* camera();

    void createBoard();
    void CreateUI();
    void buildLayout();
    void connectCamera();
    void startCaptureThread();
    void startHotplugWatcher();

    void onCameraError(int code);
    // A live frame to the board, turned over as the current camera is set up.
    void onCameraFrame(const QImage& frame);
    static QString cameraKey();
    void loadOrientation();
    void turnOver(Qt::Orientation which, bool on);
    void onUsbDeviceChanged(bool connected, const QString& name);
    void clearBackgroundPicture();
    void onFullScreen(bool fullScreen);
    // Escape, F11 and the full-screen camera toolbar.
    void createKeys();
    void onEscape();
    // Hides every open panel and the camera chooser; false when none was open.
    bool closeOpenPanels();
    void revealCameraToolBar();
    void onTitleMoved();
    void onCameraChooserOpening();
    void onResolutionFromOtherApp(const QSize& size);
    void onCaptureFailed(const QString& path);
    void onRecordMessage(int code);
    void onRecordVideo(const QString& path);
    void showNoDeviceBox();
    QString noDeviceText() const;

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
    void closeOpenBoxes();
    void showTip(const QString& text);
    QRect partialCaptureSceneRect() const;

    // Shows or hides a panel of the host.
    void togglePanel(IPanelHost::Panel which);
    // The board toolbar's commands that its keys report (undo and redo have buttons too).
    void boardKeyCommand(int id);
    // Opens the OCR dialog with the gallery's checked pictures, or closes it.
    void toggleOcrDialog();
    void togglePictureViewer();
    void togglePictureInPicturePanel();
    // Panels that later parts of the program fill in.
    void showRecordingPanel();
    void startTimerCapture();
    void showTimelapsePanel();
    void addToGallery(const QImage& picture, const QString& path);
    void createCameraPanels();
    // The capture-mode panel and the panels of the timing and time-lapse modes.
    void createCapturePanels();
    void onCaptureModeChanged(CaptureMode mode);
    void onTimelapseRequest(OperateType type);
    void startTimelapse();
    void stopTimelapse();
    void setTimelapseButtonsEnabled(bool enabled);
    // The resolution a time-lapse lowered comes back when it ends.
    void restoreResolution();
    // Names the finished time-lapse video and offers to open it or its folder.
    void offerTimelapseVideo(const QString& path);
    // A timing or time-lapse picture that never reached a file: the series goes on.
    void seriesShotLost(bool timelapseShot);
    void stopCaptureSeries();
    void placeCaptureBars();
    void setBarsEnabled(bool enabled);
    void resetDevicePanels();
    void createBoardPanels();
    void addBoardPanel(IPanelHost::Panel which, IBoardPanel* panel);
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
    // The tip that a clear can be undone shows once.
    bool clearTipShown_ = false;
    bool shutDown_ = false;
    bool noDeviceBoxOpen_ = false;
    bool fullScreen_ = false;
    // Looks for the pointer at the bottom edge while in full screen.
    QTimer* edgeTimer_ = nullptr;
    // How the live picture (and so every capture) is turned over for the current camera.
    Qt::Orientations orientation_;

    IMainTitleWidget* titleWidget_ = nullptr;
    IImgListWidget* gallery_ = nullptr;
    IBoardToolBar* boardToolBar_ = nullptr;
    IRightToolBar* rightToolBar_ = nullptr;
    ICameraToolBar* cameraToolBar_ = nullptr;
    ITimeMsgBox* boardTip_ = nullptr;
    ISettingFrame* settingFrame_ = nullptr;
    IFigureFrame* figureFrame_ = nullptr;
    IColorFrame* colorFrame_ = nullptr;
    IThicknessFrame* thicknessFrame_ = nullptr;
    ITransparentFrame* transparentFrame_ = nullptr;
    IEraseFrame* eraseFrame_ = nullptr;
    IOcrFrame* ocrFrame_ = nullptr;
    IPixRateFrame* pixRateFrame_ = nullptr;
    IMagnifierFrame* magnifierFrame_ = nullptr;
    IParameterFrame* parameterFrame_ = nullptr;
    IFocusFrame* focusFrame_ = nullptr;
    ICaptureModeFrame* captureModeFrame_ = nullptr;
    ITimelapseFrame* timelapseFrame_ = nullptr;
    ITimerCaptureFrame* timerCaptureFrame_ = nullptr;
    ICaptureFrame* captureFrame_ = nullptr;
    // The last series picture was lost: its tip is not repeated for every following one.
    bool seriesShotLost_ = false;
    // A window of its own over the whole screen, deleted with this one.
    IVideoRecordFrame* recordFrame_ = nullptr;
    IVideoRecordMsgBox* timelapseBox_ = nullptr;
    ImageView* viewer_ = nullptr;
    ISmallCameraFrame* pip_ = nullptr;
    QSoundEffect* shutter_ = nullptr;
    // Where the partial-capture frame sits in the window (its stored rectangle is relative).
    QPoint partialFrameOrigin_;
    // The camera's resolution before a time-lapse lowered it; empty otherwise.
    QSize resolutionBeforeTimelapse_;
    IPanelHost panelHost_;

    IImageTansformThread* captureThread_ = nullptr;
    QPointer<IWinUsbDevice> usbWatcher_;
};

#endif  // MAINFRAME_H
