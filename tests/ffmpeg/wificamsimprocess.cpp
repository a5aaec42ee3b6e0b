#include "wificamsimprocess.h"

#include <QDeadlineTimer>
#include <QTest>
#include <csignal>

#include "testpaths.h"

WifiCamSimProcess::~WifiCamSimProcess()
{
    resume();
    kill();
}

bool WifiCamSimProcess::start(const QStringList& options)
{
    process_.setProcessEnvironment(childEnvironment());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(binDir() + "/orvella-wificam-sim", options);
    if (!process_.waitForStarted(5000)) {
        return false;
    }
    const QByteArray control = waitForLine("control-port ");
    const QByteArray rtsp = waitForLine("rtsp-port ");
    controlPort_ = control.mid(13).toInt();
    rtspPort_ = rtsp.mid(10).toInt();
    return !waitForLine("ready").isEmpty() && controlPort_ > 0 && rtspPort_ > 0;
}

QString WifiCamSimProcess::rtspUrl(const QString& password, const QString& path) const
{
    return QStringLiteral("rtsp://k2vqz:%1@127.0.0.1:%2%3").arg(password).arg(rtspPort_).arg(path);
}

bool WifiCamSimProcess::hook(const QString& command)
{
    process_.write(command.toUtf8() + '\n');
    return waitForLine("ok " + command.toUtf8()) == "ok " + command.toUtf8();
}

void WifiCamSimProcess::readOutput()
{
    partial_ += process_.readAllStandardOutput();
    int end;
    while ((end = partial_.indexOf('\n')) >= 0) {
        lines_.append(partial_.left(end));
        partial_.remove(0, end + 1);
    }
}

QByteArray WifiCamSimProcess::waitForLine(const QByteArray& prefix, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        readOutput();
        for (int i = 0; i < lines_.size(); ++i) {
            if (lines_[i].startsWith(prefix)) {
                return lines_.takeAt(i);
            }
        }
        if (deadline.hasExpired() || process_.state() != QProcess::Running) {
            return QByteArray();
        }
        QTest::qWait(10);  // keeps the test's own timers and queued signals going
    }
}

QList<QByteArray> WifiCamSimProcess::linesStartingWith(const QByteArray& prefix)
{
    readOutput();
    QList<QByteArray> found;
    for (const QByteArray& line : qAsConst(lines_)) {
        if (line.startsWith(prefix)) {
            found.append(line);
        }
    }
    return found;
}

void WifiCamSimProcess::kill()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void WifiCamSimProcess::suspend()
{
    if (process_.state() == QProcess::Running) {
        ::kill(pid_t(process_.processId()), SIGSTOP);
    }
}

void WifiCamSimProcess::resume()
{
    if (process_.state() == QProcess::Running) {
        ::kill(pid_t(process_.processId()), SIGCONT);
    }
}
