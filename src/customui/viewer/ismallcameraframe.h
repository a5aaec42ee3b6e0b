#ifndef ISMALLCAMERAFRAME_H
#define ISMALLCAMERAFRAME_H

#include <QList>
#include <QSize>
#include <QSizeF>
#include <memory>

#include "customui/kit/icustomwidget.h"
#include "icamerainfo.h"

class ICaptureBackend;
class IIToolButton;
class QComboBox;
class QImage;
class QLabel;

// The picture-in-picture panel: a small floating panel showing a second camera through a capture
// back end of its own, with a list to switch between the cameras other than the main one. It
// holds at most one open camera, from openCamera to closeCamera; a camera that fails to open or
// goes away closes the panel with a tip.
class ISmallCameraFrame : public ICustomWidget {
    Q_OBJECT
public:
    explicit ISmallCameraFrame(QWidget* parent = nullptr);
    ~ISmallCameraFrame() override;

    // The size a camera offering `sizes` (sorted by width) is captured at: the first at least 400
    // wide, else 640 x 480.
    static QSize captureSize(const QList<QSizeF>& sizes);

    // true: opens the first camera other than the main one and shows the panel (false, with a
    // message, when there is none). false: closes the camera and hides the panel. Reports
    // whether the panel shows.
    bool showPanel(bool show);
    bool openCamera(const ICameraInfo& info);
    void closeCamera();
    // Closes the camera, hides the panel and shows `tip`.
    void closeCameraWithTip(const QString& tip);
    // Places the panel near the top right corner of its parent.
    void updatePosition();
    void toggleCameraList();
    void hideCameraList();
    // The device shown, empty while none is.
    QString cameraDevicePath() const;

    QLabel* pictureLabel() const { return label_; }
    QComboBox* cameraList() const { return list_; }
    IIToolButton* cameraButton() const { return cameraButton_; }
    // The capture back end of the shown camera, null while none is open.
    ICaptureBackend* capture() const { return capture_.get(); }

public slots:
    void changeCameraIndex(int index);

signals:
    // A camera was opened (true) or closed (false): the toolbar button that opens the panel is
    // disabled while one is open.
    void sgCameraOpen(bool open);
    // The camera list is about to open: the owner hides its other panels.
    void sgCameraListOpening();
    void sgTip(QString text);

private:
    void CreateUI();
    static ICameraInfo firstOtherCamera();
    static bool isMainCamera(const ICameraInfo& info);
    void onCaptureStatus(int code);
    void showFrame(const QImage& frame);

    IIToolButton* cameraButton_ = nullptr;
    QComboBox* list_ = nullptr;
    QLabel* label_ = nullptr;
    ICameraInfo camera_;
    std::unique_ptr<ICaptureBackend> capture_;
};

#endif  // ISMALLCAMERAFRAME_H
