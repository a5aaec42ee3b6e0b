#ifndef ICAPTUREBACKEND_H
#define ICAPTUREBACKEND_H

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QVariant>

#include "directshow/cameraparameterdata.h"
#include "imagetype.h"
#include "opencv/edgeresult.h"

// What the camera manager asks of a camera's capture thread, whichever kind it is (a USB camera,
// the wireless camera, or a stand-in). The object lives in the thread that created it and emits
// its signals there; deleting it stops the capture and closes the device.
class ICaptureBackend : public QObject {
    Q_OBJECT
public:
    // The value of setFocus and setExposure that selects the automatic mode.
    static constexpr int kAutomatic = -999;

    explicit ICaptureBackend(QObject* parent = nullptr) : QObject(parent) {}

    virtual bool isWireless() const = 0;
    // Starts capturing. A USB back end (re)opens `devicePath`; the wireless one starts its control
    // link once and ignores the path. The outcome arrives as sgError 0 or 1.
    virtual void open(const QString& devicePath) = 0;

    // The latest frame filtered for `type`; a null picture before the first frame.
    virtual QImage captureImage(ImageType type) = 0;
    virtual QVariant contrast() = 0;
    virtual QVariant saturation() = 0;
    virtual QVariant brightness() = 0;
    // The requested capture size.
    virtual QVariant currentResolution() = 0;
    virtual EdgeResult autoEdgeResult() = 0;
    virtual QList<QSizeF> supportedResolutions() = 0;
    virtual CameraParameterData cameraParameter() = 0;
    virtual void setContrast(const QVariant& value) = 0;
    virtual void setSaturation(const QVariant& value) = 0;
    virtual void setBrightness(const QVariant& value) = 0;
    virtual bool setResolution(const QVariant& size) = 0;
    // false freezes the picture, true lets it run again.
    virtual void setStreamRunning(bool running) = 0;
    virtual void setAutoEdge(bool on) = 0;
    // A value, or kAutomatic.
    virtual void setFocus(int value) = 0;
    virtual void setExposure(int value) = 0;
    // The size the view shows the picture at (empty: unknown); frames are then made no larger
    // than needed for it. Back ends that cannot do that ignore it.
    virtual void setViewSize(const QSize&) {}

    // The wireless camera's own operations; elsewhere they do nothing and report failure.
    virtual bool setCaptureFalg(ImageType) { return false; }
    virtual void setVideoStreamFilter(ImageType) {}
    virtual void setVideoStreamMode(int) {}
    virtual void nextVideoStreamMode() {}
    virtual int switchLamp() { return -1; }

signals:
    // The newest frame; at most one is on its way at any time.
    void sgCameraFrame(QImage frame);
    // A full-resolution still asked for with setCaptureFalg, or a null picture when it failed.
    void sgCaptureImage(QImage image);
    // 0 opened and streaming, 1 could not be opened.
    void sgError(int code);
    // The size the device really streams, just before every sgError(0).
    void sgResolutionNegotiated(QSize size);
    // The camera's resolution was changed by another program.
    void sgChangeResolutionFromOtherApp(QSize size);
    void sgFrameLossRate(QString rate);
};

#endif  // ICAPTUREBACKEND_H
