#ifndef WIFICAMSIMPROCESS_H
#define WIFICAMSIMPROCESS_H

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The wireless camera simulator (build/bin/orvella-wificam-sim) run as a child process on
// loopback, with its hooks driven through standard input.
class WifiCamSimProcess {
public:
    WifiCamSimProcess() = default;
    ~WifiCamSimProcess();
    WifiCamSimProcess(const WifiCamSimProcess&) = delete;
    WifiCamSimProcess& operator=(const WifiCamSimProcess&) = delete;

    // Starts it with any free ports and waits until it serves. Extra options go to its command
    // line (for example "--transport", "tcp").
    bool start(const QStringList& options = QStringList());
    int controlPort() const { return controlPort_; }
    int rtspPort() const { return rtspPort_; }
    QString rtspUrl(const QString& password = QStringLiteral("k2vqz"),
                    const QString& path = QStringLiteral("/stream/main")) const;

    // Sends one hook command and waits for its acknowledgement.
    bool hook(const QString& command);
    // Waits until the simulator printed a line starting with `prefix`; returns the line.
    QByteArray waitForLine(const QByteArray& prefix, int timeoutMs = 5000);
    // Every line printed so far that starts with `prefix`.
    QList<QByteArray> linesStartingWith(const QByteArray& prefix);

    void kill();
    void suspend();  // SIGSTOP: every socket stays open but nothing answers
    void resume();

private:
    void readOutput();

    QProcess process_;
    QList<QByteArray> lines_;
    QByteArray partial_;
    int controlPort_ = -1;
    int rtspPort_ = -1;
};

#endif  // WIFICAMSIMPROCESS_H
