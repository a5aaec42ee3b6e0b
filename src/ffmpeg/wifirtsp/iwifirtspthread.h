#ifndef IWIFIRTSPTHREAD_H
#define IWIFIRTSPTHREAD_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QPolygonF>
#include <QSize>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>

#include <opencv2/core/mat.hpp>

#include "directshow/istillcaptureimagegrabber.h"
#include "ffmpeg/wifirtsp/rtsplossmonitor.h"
#include "ffmpeg/wifirtsp/wifireplystream.h"
#include "ffmpeg/wifirtsp/wifitimings.h"
#include "imagetype.h"
#include "opencv/edgeresult.h"
#include "service/ilogthrottle.h"

class ITcpSocket;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// The wireless document camera: its control protocol over the TCP connection of `ITcpSocket`,
// and a thread that pulls its H.264 picture over RTSP, decodes it into a new 32-bit image per
// picture and leaves it in a newest-frame mailbox, which emits it in the owning thread. The control
// link is started by `startControl`; its bind answer chooses the RTSP transport and starts the
// video thread. The object lives in the GUI thread; the reply handling runs in the control
// connection's thread, the video loop in this thread.
class IWifiRtspThread : public QThread {
    Q_OBJECT
public:
    // Five records (contrast, saturation, brightness, exposure, focus), each {minimum, maximum,
    // default, current}.
    using ParameterRecords = QList<QList<QVariant>>;

    explicit IWifiRtspThread(QObject* parent = nullptr);
    ~IWifiRtspThread() override;

    // Replaces the intervals; call before `startControl`.
    void setTimings(const WifiTimings& timings);

    virtual QString rtspUrl() const;
    virtual void setRtspUrl(const QString& url);
    virtual void startControl();
    virtual void stopThread();
    virtual QImage currentImage(ImageType type);
    virtual QVariant contrast() const;
    virtual QVariant saturation() const;
    virtual QVariant brightness() const;
    // The requested resolution (a size), null until the first `setResolution`.
    virtual QVariant currentResolution() const;
    virtual EdgeResult documentEdge() const;
    virtual ParameterRecords parameterData() const;
    virtual QList<QSize> resolutionList() const;
    virtual void setContrast(const QVariant& value);
    virtual void setSaturation(const QVariant& value);
    virtual void setBrightness(const QVariant& value);
    // True when the size was stored (and sent, or queued until the encoding is known).
    virtual bool setResolution(const QVariant& size);
    virtual void setVideoStreamFilter(ImageType type);
    virtual void setVideoStreamMode(int mode);
    virtual void nextVideoStreamMode();
    // Steps the wall lamp through off and three brightness steps; the new step, or -1 without a
    // bound control link.
    virtual int switchLamp();
    virtual void setPlaying(bool playing);
    // Asks the camera for a full-resolution still; it arrives as `sgCaptureImage`.
    virtual bool setCaptureFalg(ImageType type);
    virtual void setEdgeDetection(bool on);
    // The size the view shows the picture at (empty: unknown): pictures shown at half their
    // size or less are scaled to it on this thread.
    void setViewSize(const QSize& shown);
    // A value, or -999 for automatic focus.
    virtual void setAutoFocusFlag(const QVariant& value);
    // A value; -999 (automatic exposure) is ignored.
    virtual void setAutoExposureFlag(const QVariant& value);
    virtual int initrtsp();
    virtual bool prepareScaler(int width, int height, int format);
    virtual bool reopenrtsp();
    virtual void initSocket();
    virtual QByteArray buildPacket(int command, const QVariant& payload = QVariant());
    virtual QByteArray Unpacket(const QByteArray& message);
    virtual int sizeToResIndex(const QSizeF& size) const;
    virtual QSize resIndexToSize(int index) const;
    virtual QImage convertImage(const cv::Mat& frame, ImageType type) const;

    // The last resolution any wireless camera reported; shared by every instance.
    static QSize lastWifiResolution();
    static void resetLastWifiResolution();

signals:
    // 0: the stream opened and runs; 1: opening or reopening the stream failed.
    void sgError(int code);
    // The newest picture, in the owning thread; at most one is on its way at any time.
    void sgCameraFrame(const QImage& frame);
    // A full-resolution still, or a null image when taking it failed.
    void sgCaptureImage(const QImage& picture);
    void sgTcpDisconnect();
    // The share of pictures lost or hidden in the last reporting period, as "1.25%".
    void sgFrameLossRate(const QString& rate);
    void sgChangeResolutionFromOtherApp(const QSize& size);

public slots:
    void slTimeOut();
    void slTcpError(const QString& text);
    void slTcpDisconnect();
    void slTcpReceivePacket(const QByteArray& message);

protected:
    void run() override;
    void runStream();

private:
    // Protocol side.
    void initProtocolRecords();
    bool isBoundLocked() const;
    bool sendCommand(int command, const QByteArray& payload = QByteArray());
    bool takeBindAnswer(const QByteArray& message);
    void dispatchReply(const WifiReply& reply);
    bool logReplyState(const WifiReply& reply);
    bool logPass(int kind, quint64* count);
    void logRepeatable(int kind, const QString& text, const QByteArray& bytes);
    void onEncodingState(const QByteArray& body, int resIndex, bool verbose);
    void onQualityState(const QByteArray& message, const QByteArray& body, bool verbose);
    void onResolutionNotice(int resIndex);
    void onPictureHeader(quint32 size, quint8 state);
    void setQualityValue(int record, int byteIndex, const QVariant& value);
    QByteArray qualityPayloadLocked() const;
    QByteArray encodingPayloadLocked() const;
    void onCaptureTimeout();
    void reconnectLater();
    ImageType captureType() const;
    // Emits `signal` (or calls an invokable) in the owning thread: receivers never run in the
    // video or control thread.
    void postSignal(const char* signal, QGenericArgument argument);
    // Makes `size` the last known wireless resolution; false when it already was.
    static bool updateLastWifiResolution(const QSize& size, QSize* previous = nullptr);

    // Video side.
    bool stopRequested() const { return stopFlag_; }
    bool isPlaying() const;
    bool handleReadFailure(int error);
    void handleVideoPacket(AVPacket* packet);
    void handlePicture(AVFrame* frame, bool keyFrame, bool damagedByThisDecode);
    void showPicture(AVFrame* frame);
    void showScaledPicture(const QImage& picture, const QSize& target, bool detect);
    bool hideAfterLoss(bool keyFrame, bool damagedByThisDecode);
    void flushIfRequested(bool keyFrame);
    void closeStream();
    void freeScaler();
    void countPackets(int counted, int lost);
    void reportLossRate();
    void scheduleRunningStatus();
    Q_INVOKABLE void startStatusTimer(int generation);
    void pause(int ms) const;
    static int interruptCallback(void* self);

    WifiTimings timings_;

    // Guarded by protocolMutex_: shared by the GUI thread and the control connection's thread.
    mutable std::mutex protocolMutex_;
    ITcpSocket* tcpSocket_ = nullptr;
    QByteArray clientId_;
    bool awaitingBind_ = false;
    bool rtspOverTcp_ = false;
    QVariant requestedResolution_;
    bool resolutionPending_ = false;  // asked for while the encoding was unknown
    QByteArray rateCtrl_, idr_, frameRate_, resIndex_, bitRate_;
    QList<QByteArray> quality_;         // eight bytes in wire order, empty until known
    QList<QByteArray> pendingQuality_;  // values set before the quality was known
    ParameterRecords parameters_;
    int wallLampStep_ = 0;

    // The received stream, in the control connection's thread (tests also call `Unpacket` from
    // theirs): the unfinished reply of the last read and the throttles of the lines a peer can
    // repeat (kinds: reply indexes, and the ones below).
    enum LogKind { ForeignClientLog = 0x100, UnknownIndexLog, PictureRetryLog };
    std::mutex replyMutex_;
    WifiReplyStream replies_;
    std::map<int, ILogThrottle> logThrottles_;

    std::atomic<bool> capturePending_{false};
    QTimer captureTimer_;
    QTimer reconnectTimer_;
    int reconnectDelayMs_ = 0;
    std::atomic<bool> resetReconnectDelay_{false};
    QTimer* flushTimer_ = nullptr;

    // The latest picture and its edge result, shared by the video thread and the GUI thread.
    IStillCaptureImageGrabber grabber_;

    // Guarded by mutex_: shared by the GUI thread and the video thread.
    mutable std::mutex mutex_;
    bool playing_ = true;
    bool edgeDetection_ = false;
    QSize viewSize_;
    bool flushRequested_ = false;
    ImageType captureType_ = NormalImage;
    ImageType videoStreamFilter_ = NormalImage;
    int videoStreamMode_ = 0;
    std::atomic<bool> stopFlag_{false};

    // Owned by the video thread.
    AVFormatContext* formatContext_ = nullptr;
    AVCodecContext* codecContext_ = nullptr;
    int videoStreamIndex_ = -1;
    SwsContext* scaler_ = nullptr;  // for layouts libyuv does not convert
    AVFrame* frame_ = nullptr;
    // When the video thread's latest packet came off the network.
    std::chrono::steady_clock::time_point packetArrival_;
    int scalerFormat_ = -1;
    QSize scalerSize_;
    QElapsedTimer readFailure_;
    int failedReads_ = 0;  // since the last successful read
    QElapsedTimer failureLog_;
    RtspLossMonitor lossMonitor_;
    QElapsedTimer lossReport_;
    qint64 countedPackets_ = 0;
    qint64 lostPictures_ = 0;
    std::atomic<int> streamGeneration_{0};
    std::atomic<bool> streamAlive_{false};
};

#endif  // IWIFIRTSPTHREAD_H
