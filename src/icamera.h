#ifndef ICAMERA_H
#define ICAMERA_H

#include <QImage>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QVariant>

#include "directshow/cameraparameterdata.h"
#include "icamerainfo.h"
#include "imagetype.h"
#include "opencv/edgeresult.h"

class ICaptureBackend;
class IConfigureService;

// The one door from the user interface to the camera. It finds the supported document camera
// (else the wireless camera), owns the capture back end of the chosen camera (one at a time),
// routes every camera operation to it and re-publishes its frames, still pictures and status
// codes on the GUI thread. Status codes (sgError): 0 opened, 1 no device could be opened,
// 3 unplugged.
class ICamera : public QObject {
    Q_OBJECT
public:
    // (pid, vid) texts of a supported camera.
    using DeviceId = QPair<QString, QString>;

    // Index of the wireless camera in the current camera record, and its name.
    static constexpr int kWifiIndex = 999;
    static const char* const kWifiName;
    // What the value getters give when there is no capture object to ask; also the
    // focus and exposure value that selects the automatic mode.
    static constexpr int kNoValue = -999;

    static ICamera* instance();
    ~ICamera() override;

    // Finds the cameras and chooses one: the first supported camera, else the wireless camera
    // when its control port answers; false when there is neither. Creates the capture object.
    virtual bool initData();
    // Closes the wireless camera and the capture object (at shutdown).
    virtual void closeAll();
    // initData, then openCamera (a camera that was plugged in).
    virtual bool reopen();
    // Starts opening the current camera; the outcome arrives as sgError 0 or 1.
    virtual bool openCamera(int index);
    // Opens the camera that the system lists under `description`.
    virtual bool openByDescription(const QString& description);
    // Deletes the capture object and forgets the current camera (index -1).
    virtual void closeCurrent();
    // Whether a USB capture object exists.
    virtual bool hasCaptureThread();
    // Kept for the interface; always false.
    virtual bool reserved();
    // Makes `info` (index 999: the wireless camera) current at 1920x1080 and opens it.
    virtual void switchCamera(ICameraInfo info);
    // Deletes the wireless thread at once; true.
    virtual bool closeWifiThread();
    // Switches to the wireless camera when it answers, else reports sgError(1); true.
    virtual bool openWifi();

    // Routed to the back end when it is of the kind wifiMode asks for (the wireless camera in
    // wifiMode, else a USB camera); without one the getters give kNoValue, a null picture, an
    // empty list or no edge.
    virtual QImage captureImage(ImageType type);
    virtual QVariant contrast();
    virtual QVariant saturation();
    virtual QVariant brightness();
    // The capture size; an invalid QVariant without a capture object.
    virtual QVariant currentResolution();
    virtual EdgeResult autoEdgeResult();
    virtual QList<QSizeF> supportedResolutions();
    // Cached until the device changes; read again while brightness, contrast and saturation
    // are all 0.
    virtual CameraParameterData cameraParameter();
    virtual QList<DeviceId> deviceTable();
    virtual void setContrast(QVariant value);
    virtual void setSaturation(QVariant value);
    virtual void setBrightness(QVariant value);
    // Stores the size as the configured resolution, then hands it to the back end.
    virtual bool setResolution(QVariant size);
    // false freezes the picture, true lets it run again.
    virtual void setStreamRunning(const bool& running);

    // Wireless camera only; nothing happens outside wifiMode or without its thread.
    // Asks for a full-resolution still picture; it arrives as sgCaptureImage. false when the
    // request was not sent (one is pending, or no control link).
    virtual bool setCaptureFalg(ImageType type);
    virtual void setVideoStreamFilter(ImageType type);
    virtual void setVideoStreamMode(int value);
    virtual void nextVideoStreamMode();
    // Steps the wall lamp; the new step, or -1 without a control link.
    virtual int switchLamp();

    virtual void setAutoEdge(const bool& on);
    // The size the view shows the picture at; kept for back ends made later.
    void setViewSize(const QSize& shown);
    // A value, or kNoValue for the automatic mode. The wireless camera has no automatic
    // exposure to select: it keeps its exposure for kNoValue.
    virtual void setFocus(const int& value);
    virtual void setExposure(const int& value);

    // Every video capture device, in enumeration order.
    virtual QList<ICameraInfo> cameraList();
    // The devices of cameraList that count as cameras of ours: those whose ids are listed first,
    // then, unless ORVELLA_SUPPORTED_CAMERAS_ONLY=1, every other one.
    virtual QList<ICameraInfo> companyCameraList();
    // Whether the wireless camera answers on its control port within 200 ms.
    virtual bool hasValidRtspUrl();

    // A USB capture back end with no connections, owned by the caller (a second camera view).
    virtual ICaptureBackend* createCaptureObject();
    // Makes `backend` the current back end (taking ownership; the previous one is deleted) and
    // re-publishes its signals.
    void setBackend(ICaptureBackend* backend);
    // Stops the wireless stream, lets its last frame arrive, emits sgRunCopyImage and deletes
    // the wireless thread.
    virtual void closeWifi();

signals:
    void sgRunCopyImage();
    void sgCameraFrame(QImage frame);
    void sgCaptureImage(QImage image);
    void sgError(int code);
    void sgDestroy();
    void sgChangeResolution(QVariant size);
    void sgFrameLossRate(QString rate);
    void sgChangeResolutionFromOtherApp(QSize size);

public slots:
    void slError(int code);

private slots:
    void slResolutionNegotiated(QSize size);

protected:
    virtual void createDShowThread();
    virtual void fillDeviceTable();
    virtual void createWifiRtspThread();

private:
    ICamera();
    static IConfigureService* config();
    bool wifiMode() const;
    bool isListed(const ICameraInfo& device) const;
    bool hasWifiThread() const;
    // Deletes the back end when it is wireless (`wireless`) or a USB camera (otherwise).
    void deleteBackend(bool wireless);
    // The cached parameters belong to one device; forgotten whenever the device changes.
    void forgetParameters();
    void becomeWifi();
    // The back end when it is of the kind wifiMode asks for, else null.
    ICaptureBackend* backend() const;

    ICaptureBackend* backend_ = nullptr;
    QSize viewSize_;
    CameraParameterData parameter_;
    QList<DeviceId> deviceTable_;
};

#endif  // ICAMERA_H
