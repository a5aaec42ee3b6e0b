#ifndef IDSHOWTHREAD_H
#define IDSHOWTHREAD_H

#include <QImage>
#include <QList>
#include <QObject>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "directshow/cameraparameterdata.h"
#include "directshow/istillcaptureimagegrabber.h"
#include "imagetype.h"
#include "opencv/edgeresult.h"
#include "platform/video/ivideodevice.h"

class IFrameDecoder;
class QThread;

// Captures one camera. Each open starts a worker thread that opens the device, negotiates the
// frame format (MJPEG, else YUYV, at the requested size, else at the smallest offered size),
// streams, decodes every frame into a 32-bit picture and keeps it as the latest frame. The
// object itself stays in the thread that created it and emits its signals there; at most one
// frame is on its way to that thread at any time, and it is always the newest.
class IDShowThread : public QObject {
    Q_OBJECT
public:
    // The value of setFocus and setExposure that selects the automatic mode.
    static constexpr int kAutomatic = -999;

    explicit IDShowThread(QObject* parent = nullptr);
    ~IDShowThread() override;

    // Closes any open device, then opens `devicePath` on a new worker thread. The result
    // arrives as sgError: 0 once the device streams (again after every resolution change),
    // 1 when it cannot be opened.
    virtual void openDevice(const QString& devicePath);
    // Ends the worker and closes the device; returns when both are done.
    virtual void stopWorker();
    // The latest frame filtered for `type`; a null picture before the first frame.
    virtual QImage latestImage(ImageType type);
    // The document outline of the latest frame searched while automatic edging was on;
    // angle -1 and no polygon before the first search.
    virtual EdgeResult autoEdgeResult();
    virtual CameraParameterData cameraParameter();
    virtual QList<QSizeF> supportedResolutions();

    bool setBrightness(const QVariant& value);
    bool setContrast(const QVariant& value);
    bool setSaturation(const QVariant& value);
    bool setFocus(const int& value);
    bool setExposure(const int& value);
    bool setAutoFocus();
    bool setAutoExposure();
    // false freezes: the device stops streaming and the latest frame stays.
    bool setStreamRunning(const bool& running);
    // Searches every following frame for the document and draws its outline into the frame.
    bool setAutoEdge(const bool& on);
    // The size the view shows the picture at, in screen pixels (empty: unknown). From the next
    // frame on, a frame shown at half its size or less is decoded only as large as it is shown;
    // photos still get every pixel.
    void setViewSize(const QSize& shown);
    // Without a running worker the size applies at the next open (true); otherwise the stream
    // restarts with it and no frame of the old size is emitted any more (false).
    bool setResolution(const QVariant& size);

    QVariant brightness() const;
    QVariant contrast() const;
    QVariant saturation() const;
    QSizeF requestedSize() const;
    // Whether a worker is opening or streaming a device.
    bool isCapturing() const;

signals:
    void sgCameraFrame(QImage frame);
    void sgError(int code);
    // The size the device really streams, just before every sgError(0); the owner decides
    // whether it becomes the configured resolution.
    void sgResolutionNegotiated(QSize size);

private:
    struct Stream {
        VideoStreamFormat format;
        int session = 0;
    };

    // Worker thread.
    void startCapture();
    bool startStream(IVideoDevice& device, Stream* stream);
    void streamLoop(IVideoDevice& device, Stream stream);
    bool waitWhileFrozen(IVideoDevice& device);
    void handleFrame(IFrameDecoder& decoder, const Stream& stream, const uchar* data, int length);
    void storeFullFrame(QImage frame, int session, std::chrono::steady_clock::time_point arrival);
    // Queues a call of `method` (a signal or an invokable) in the owner thread.
    void postCall(const char* method, QGenericArgument argument = QGenericArgument());
    bool isListed(const QString& path) const;

    // Owner thread.
    Q_INVOKABLE void deliverNegotiated(QSize size);
    bool applyControl(VideoControl control, int value);
    bool applyAutomatic(VideoControl control);

    QString devicePath_;
    QThread* worker_ = nullptr;
    IStillCaptureImageGrabber grabber_;

    // Standard primitives rather than QMutex/QWaitCondition: the thread sanitizer sees through
    // them (Qt's own locking happens inside the uninstrumented Qt library).
    mutable std::mutex stateMutex_;  // guards the fields up to stateChanged_
    bool stopRequested_ = false;
    bool frozen_ = false;
    bool restartPending_ = false;
    QSizeF requestedSize_{0, 0};
    QSize viewSize_;
    CameraParameterData parameters_;
    QList<QSizeF> sizes_;
    std::condition_variable stateChanged_;

    int dropped_ = 0;  // frames that did not decode in this stream (worker only)

    mutable std::mutex deviceMutex_;  // keeps control calls off a device being closed
    IVideoDevice* device_ = nullptr;  // the worker's open device, null while closed

    std::atomic<bool> autoEdge_{false};
};

#endif  // IDSHOWTHREAD_H
