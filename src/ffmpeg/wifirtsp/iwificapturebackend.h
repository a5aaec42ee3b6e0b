#ifndef IWIFICAPTUREBACKEND_H
#define IWIFICAPTUREBACKEND_H

#include <memory>

#include "icapturebackend.h"

class IWifiRtspThread;

// The wireless camera as a capture back end: its control link and video thread behind the
// common interface, with the operations only it has.
class IWifiCaptureBackend : public ICaptureBackend {
    Q_OBJECT
public:
    explicit IWifiCaptureBackend(QObject* parent = nullptr);
    ~IWifiCaptureBackend() override;

    IWifiRtspThread& thread() { return *thread_; }

    bool isWireless() const override { return true; }
    // Starts the control link; a second call keeps the link that is up.
    void open(const QString& devicePath) override;
    QImage captureImage(ImageType type) override;
    QVariant contrast() override;
    QVariant saturation() override;
    QVariant brightness() override;
    QVariant currentResolution() override;
    EdgeResult autoEdgeResult() override;
    QList<QSizeF> supportedResolutions() override;
    CameraParameterData cameraParameter() override;
    void setContrast(const QVariant& value) override;
    void setSaturation(const QVariant& value) override;
    void setBrightness(const QVariant& value) override;
    bool setResolution(const QVariant& size) override;
    // Paused, packets are still read (the stream stays alive) but not decoded.
    void setStreamRunning(bool running) override;
    void setViewSize(const QSize& shown) override;
    void setAutoEdge(bool on) override;
    // The camera starts its autofocus for kAutomatic.
    void setFocus(int value) override;
    // The camera has no automatic exposure to select: it keeps its exposure for kAutomatic.
    void setExposure(int value) override;

    bool setCaptureFalg(ImageType type) override;
    void setVideoStreamFilter(ImageType type) override;
    void setVideoStreamMode(int value) override;
    void nextVideoStreamMode() override;
    int switchLamp() override;

private:
    std::unique_ptr<IWifiRtspThread> thread_;
    bool started_ = false;
};

#endif  // IWIFICAPTUREBACKEND_H
