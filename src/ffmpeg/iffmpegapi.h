#ifndef IFFMPEGAPI_H
#define IFFMPEGAPI_H

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

class IPictureVynthesisVideo;
class ITcpServer;

// The one entry point for recording: steers the external recorder over its link, names the
// files, turns the recorder's status codes into signals, and fronts the time-lapse writer.
// Status codes of recordMessage: 2 started, 3 start failed, 4 recorder gone, 6 recording without
// the chosen sound input.
class IFFmpegApi : public QObject {
    Q_OBJECT
public:
    static IFFmpegApi* instance();
    // The settings key of the desktop portal's screen-cast restore token (Wayland).
    static constexpr const char* kRestoreTokenKey = "screenRecording/portalRestoreToken";
    // The kept restore token of the desktop portal's screen cast; empty while none is kept.
    static QString storedRestoreToken();

    // folder + "/yyyyMMddhhmmss." + extension, with "_N" added when that file exists.
    static QString outputFileName(const QString& folder, const QDateTime& when,
                                  const QString& extension);

    // The link to the recorder (null before init and after shutdown).
    ITcpServer* recorderLink() const { return link_; }
    // How long shutdown waits for a stopped recording to be reported (default 3000 ms).
    void setShutdownGrace(int ms) { shutdownGraceMs_ = ms; }

public slots:
    virtual void init();
    virtual void shutdown();
    // No effect: the recorder needs no device selection.
    virtual bool deviceDropped();
    virtual void setVideoDevice(const QString& name);
    virtual void setAudioDevice(const QString& name);
    virtual void setFrameRate(int frameRate);
    virtual bool startRecord(const QString& folder, const QRect& area);
    virtual bool stopRecord();
    virtual bool pauseRecord(bool paused);
    virtual bool ffmpegcmdGetDeviceInfo();
    virtual bool usesExternalRecorder();
    virtual bool startTimelapseVideo(const QString& folder, const QSize& size, int frameRate);
    // The finished file's path (empty without a writer or when the file could not be opened).
    virtual QString finishTimelapseVideo(int& seconds);
    virtual void addTimelapsePicture(const QImage& picture);

signals:
    void sgRecordVideo(const QString& path);
    void recordMessage(int code);

private slots:
    void onRecordMessage(int code, const QString& info);

private:
    IFFmpegApi();
    ~IFFmpegApi() override;
    void waitForRecordingEnd();
    void passScreenCastContext(const QRect& area);

    ITcpServer* link_ = nullptr;
    IPictureVynthesisVideo* timelapse_ = nullptr;
    int shutdownGraceMs_ = 3000;
};

#endif  // IFFMPEGAPI_H
