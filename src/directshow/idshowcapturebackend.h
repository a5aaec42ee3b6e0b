#ifndef IDSHOWCAPTUREBACKEND_H
#define IDSHOWCAPTUREBACKEND_H

#include <memory>

#include "icapturebackend.h"

class IDShowThread;

// A USB camera as a capture back end: its capture thread behind the common interface.
class IDShowCaptureBackend : public ICaptureBackend {
    Q_OBJECT
public:
    explicit IDShowCaptureBackend(QObject* parent = nullptr);
    ~IDShowCaptureBackend() override;

    IDShowThread& thread() { return *thread_; }

    bool isWireless() const override { return false; }
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
    void setStreamRunning(bool running) override;
    void setAutoEdge(bool on) override;
    void setFocus(int value) override;
    void setExposure(int value) override;
    void setViewSize(const QSize& shown) override;

private:
    std::unique_ptr<IDShowThread> thread_;
};

#endif  // IDSHOWCAPTUREBACKEND_H
