#ifndef IRECORDERSESSION_H
#define IRECORDERSESSION_H

#include <QObject>
#include <QStringList>
#include <QTcpSocket>

#include "ffmpeg/wifirtsp/irecorderframecodec.h"
#include "irecordarguments.h"
#include "iscreencapture.h"

class QSocketNotifier;

// One recording, steered by the application over the link: reports 0 when connected, 2 when
// recording (3 when that fails), and "1;<file>" when the file is complete; before 2, "5;<token>"
// when the desktop portal gave a token that spares the next recording its consent dialog, and
// "6;<reason>" once when the chosen sound input cannot be recorded (the pictures go on). Stops on
// "1", on SIGTERM, SIGINT or SIGHUP, and when the link is lost; pauses on "2" and resumes on "3".
class IRecorderSession : public QObject {
    Q_OBJECT
public:
    explicit IRecorderSession(QObject* parent = nullptr);
    ~IRecorderSession() override;

    // Connects, starts recording; the application's exit code tells how it ended.
    void start(const QStringList& arguments);

private slots:
    void onLinkData();
    void onLinkLost();
    void onTerminationSignal();
    void onCaptureEnded();
    void reportNoSound(const QString& reason);

private:
    void installSignalHandlers();
    bool connectLink();
    void send(const QByteArray& payload);
    void handleCommand(const QByteArray& command);
    void stopRecording(const char* why);
    void fail(const QString& reason);

    QTcpSocket link_;
    IRecorderFrameCodec codec_;
    IRecordArguments arguments_;
    IScreenCapture capture_;
    QSocketNotifier* signalNotifier_ = nullptr;
    bool noSoundReported_ = false;
};

#endif  // IRECORDERSESSION_H
