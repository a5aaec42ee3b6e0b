#include "soundserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

SoundServer::~SoundServer()
{
    for (QProcess* process : {&player_, &daemon_}) {
        process->kill();
        process->waitForFinished(5000);
    }
}

bool SoundServer::start(QString* error)
{
    daemon_.start(QStringLiteral("pulseaudio"),
                  {"--daemonize=no", "--exit-idle-time=20", "-n", "--disable-shm", "--log-level=0",
                   "-L", "module-null-sink sink_name=tone", "-L", "module-native-protocol-unix"});
    if (!daemon_.waitForStarted(10000)) {
        *error = QStringLiteral("pulseaudio: ") + daemon_.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (QProcess::execute(QStringLiteral("pactl"), {"set-default-source", "tone.monitor"}) !=
           0) {
        if (clock.elapsed() > 20000 || daemon_.state() != QProcess::Running) {
            *error = QStringLiteral("the sound server did not come up");
            return false;
        }
        QThread::msleep(100);
    }
    return true;
}

bool SoundServer::playTone(int hertz, int seconds, QString* error)
{
    const QString file = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR", QDir::tempPath()))
                             .filePath(QStringLiteral("tone-%1.wav").arg(hertz));
    if (QProcess::execute(QStringLiteral("sox"),
                          {"-n", "-r", "48000", "-c", "2", file, "synth", QString::number(seconds),
                           "sine", QString::number(hertz), "vol", "0.5"}) != 0) {
        *error = QStringLiteral("sox could not make the tone");
        return false;
    }
    player_.start(QStringLiteral("paplay"), {"-d", "tone", file});
    if (!player_.waitForStarted(10000)) {
        *error = QStringLiteral("paplay: ") + player_.errorString();
        return false;
    }
    return true;
}
