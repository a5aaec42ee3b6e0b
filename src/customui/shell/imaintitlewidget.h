#ifndef IMAINTITLEWIDGET_H
#define IMAINTITLEWIDGET_H

#include <QList>
#include <QPoint>
#include <QWidget>

#include "icamerainfo.h"

class IIToolButton;
class QComboBox;
class QLabel;

// The caption row of the frameless main window: logo, camera chooser and window buttons. It moves
// the window when dragged (a maximised window is restored first) and maximises it on a
// double-click. What the window around it does is left to its owner, told through signals.
class IMainTitleWidget : public QWidget {
    Q_OBJECT
public:
    enum ButtonId { Cameras = 0, Settings = 1, Minimize = 2, Maximize = 3, Restore = 4, Close = 5 };
    Q_ENUM(ButtonId)

    explicit IMainTitleWidget(QWidget* parent = nullptr);

    IIToolButton* button(int id) const;
    // Null until the Cameras button was first used.
    QComboBox* cameraChooser() const { return chooser_; }
    void hideCameraChooser();
    // The camera the chooser leaves out (the one the picture-in-picture panel shows).
    void setExcludedCameraPath(const QString& path);

    // Refills the chooser: the supported cameras except the one `excludedPath` names (the
    // picture-in-picture camera), then "Kestrima WIFI" when the wireless camera answered. The
    // current camera's entry becomes the current item; without one the index is -1.
    void fillCameraChooser(const QList<ICameraInfo>& cameras, const QString& excludedPath,
                           bool wifiReachable);

    // The style sheet of the camera chooser, shared by the other camera lists.
    static QString cameraChooserStyle();

    // The reduced window geometry used when leaving the maximised state.
    static QRect restoredGeometry(const QRect& available);

signals:
    void sgMove();
    // The chooser is about to be filled and shown: the owner hides its panels and names the
    // camera to leave out.
    void sgCameraChooserOpening();
    // A camera other than the current one's entry was chosen in the chooser.
    void sgCameraChosen(const ICameraInfo& info);
    void sgSettingsAsked();
    // The window was maximised or restored by a button, and has had the time to settle.
    void sgWindowResized();

public slots:
    void changeCameraIndex(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void CreateUI();
    IIToolButton* createButton(int id, const QString& toolTip, const QString& pressedIcon,
                               const QString& normalIcon);
    void onButtonClick(bool checked, const QVariant& id);
    void toggleCameraChooser();
    void createCameraChooser();
    void addCameraItem(const QString& name, const QString& devicePath);
    void maximizeWindow();
    void restoreWindow();
    void reportResizeLater();
    QRect availableGeometryUnderCursor() const;

    bool pressed_ = false;
    bool firstMove_ = false;
    QPoint pressOffset_;
    QLabel* logo_ = nullptr;
    QList<IIToolButton*> buttons_;
    QComboBox* chooser_ = nullptr;
    QString excludedCameraPath_;
};

#endif  // IMAINTITLEWIDGET_H
