#ifndef ITCPSERVER_H
#define ITCPSERVER_H

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "ffmpeg/wifirtsp/irecorderframecodec.h"
#include "service/ilogthrottle.h"

// The application's side of the link to the external recorder program: listens on 127.0.0.1,
// launches the recorder for each recording, accepts its connection and exchanges framed
// messages with it. Status codes arrive as recordMessage(code, info):
//   0 connected, 1 finished (info = the file), 2 started, 3 start failed, 4 connection lost,
//   5 the desktop portal's screen-cast restore token (info), to hand to the next recording,
//   6 the chosen sound input is not recorded (info = why); the pictures are.
class ITcpServer : public QTcpServer {
    Q_OBJECT
public:
    // The recorder reads the link's port from this variable (308 when it is absent).
    static constexpr const char* kPortVariable = "ORVELLA_RECORDER_PORT";

    explicit ITcpServer(QObject* parent = nullptr);
    ~ITcpServer() override;

    // The recorder beside the program: <program folder>/ScreenRecord/ScreenRecord.
    static QString defaultRecorderProgram();
    void setRecorderProgram(const QString& program);
    QString recorderProgram() const { return program_; }
    // How long the recorder may take to start and then to report code 2 or 3 (default 30 s),
    // and how long a terminated recorder gets to finish its file before it is killed (5 s).
    void setStartTimeout(int ms) { startTimeoutMs_ = ms; }
    void setTerminateTimeout(int ms) { terminateTimeoutMs_ = ms; }
    // An environment variable for the recorders started from now on (empty value: none).
    void setRecorderVariable(const QString& name, const QString& value)
    {
        recorderVariables_.insert(name, value);
    }

    void starSocketListen();
    void stopSocketListen();
    bool SendMessageToClient(const QByteArray& payload);
    // `audioInput`, the sound input to record (none when empty), goes last on the command line
    // and only when there is one, so a recorder that knows nothing of sound still starts.
    bool startRecordVideo(const QString& path, const QRect& area, int frameRate,
                          const QString& audioInput = QString());
    void stop();
    void pause(bool paused);
    bool connected() const { return connected_; }
    // Ends the recorder we started: terminate, wait, then kill. Other processes are untouched.
    void closeProcess();
    // The running recorder's process id, 0 when none runs.
    qint64 recorderProcessId() const;

signals:
    void error(const QString& text);
    void recordMessage(int code, const QString& info);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private slots:
    void onReadMessageSlot();
    void onDisconnectedSlot();
    void onRecorderOutput();
    void onRecorderFinished(int exitCode, QProcess::ExitStatus status);
    void onStartTimeout();

private:
    bool isOurRecorder(const QTcpSocket& socket) const;
    void dropClient();
    void handlePayload(const QByteArray& payload);
    // Reports code 3 for launch number `launch` if it is the current one and still starting.
    void reportStartFailure(int launch, const QString& reason);

    QHostAddress address_{QHostAddress::LocalHost};
    QString program_;
    QPointer<QTcpSocket> client_;
    IRecorderFrameCodec codec_;
    ILogThrottle problemLog_;  // a garbling peer must not flood the log
    bool connected_ = false;
    bool firstStart_ = true;
    // Between a launch and the recorder's code 2 or 3: the recorder's end reports code 3.
    bool awaitingStart_ = false;
    int launch_ = 0;
    QMap<QString, QString> recorderVariables_;
    QProcess* process_ = nullptr;
    QTimer startTimer_;
    int startTimeoutMs_ = 30000;
    int terminateTimeoutMs_ = 5000;
};

#endif  // ITCPSERVER_H
