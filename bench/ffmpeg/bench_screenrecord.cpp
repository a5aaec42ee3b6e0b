// CPU of the screen recorder (ScreenRecord) recording the whole 1920x1080 screen at 30 frames
// per second while the screen moves: bands sliding across it, repainted 30 times a second by
// this program. Run on an X server (x11grab) or in a Wayland session (the desktop portal);
// scripts/bench.sh runs both. Reports, as percent of one core, the recorder's CPU and, given
// ORVELLA_BENCH_SERVER_PID and ORVELLA_SESSION_XDPW_PID, the display server's and the
// screen-cast portal's; and the frames written per second.
//   bench_screenrecord seconds
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "ffmpeg/wifirtsp/itcpserver.h"

namespace {

const int kWarmUpMs = 3000;

class MovingBands : public QWidget {
public:
    MovingBands()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            offset_ = (offset_ + 16) % 256;
            update();
        });
        timer_.start(33);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int x = -256; x < width(); x += 128) {
            painter.fillRect(x + offset_, 0, 64, height(), QColor(230, 200, 40));
            painter.fillRect(x + offset_ + 64, 0, 64, height(), QColor(30, 60, 160));
        }
    }

private:
    QTimer timer_;
    int offset_ = 0;
};

// User plus system CPU seconds of a process; -1 when it is gone.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toLongLong() + fields.value(12).toLongLong()) /
           double(sysconf(_SC_CLK_TCK));
}

// The recorder this process started.
qint64 recorderPid()
{
    const QString self = QString::number(getpid());
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (text.contains("(ScreenRecord)") && fields.value(1) == self.toLatin1()) {
            return entry.toLongLong();
        }
    }
    return 0;
}

int frameCount(const QString& file)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                 "stream=nb_read_frames", "-of", "csv=p=0", file});
    probe.waitForFinished(60000);
    return probe.readAllStandardOutput().trimmed().toInt();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    QTemporaryDir dir;
    MovingBands bands;
    bands.showFullScreen();
    ITcpServer link;
    link.setRecorderProgram(QStringLiteral(ORVELLA_BIN_DIR) + "/ScreenRecord/ScreenRecord");
    const QString file = dir.filePath("bench.mp4");
    bool started = false;
    QObject::connect(&link, &ITcpServer::recordMessage, [&](int code, const QString& info) {
        if (code == 2) {
            started = true;
        } else if (code == 3) {
            std::fprintf(stderr, "recorder did not start: %s\n", qPrintable(info));
            app.exit(1);
        }
    });
    QTimer::singleShot(1000, [&] { link.startRecordVideo(file, QRect(0, 0, 1920, 1080), 30); });
    QElapsedTimer wait;
    wait.start();
    while (!started && wait.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    if (!started) {
        std::fprintf(stderr, "recorder did not start\n");
        return 1;
    }
    const auto pump = [](int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    };
    pump(kWarmUpMs);
    const qint64 recorder = recorderPid();
    const qint64 server = qEnvironmentVariableIntValue("ORVELLA_BENCH_SERVER_PID");
    const qint64 portal = qEnvironmentVariableIntValue("ORVELLA_SESSION_XDPW_PID");
    const double recorderStart = cpuSeconds(recorder);
    const double serverStart = cpuSeconds(server);
    const double portalStart = cpuSeconds(portal);
    QElapsedTimer clock;
    clock.start();
    pump(seconds * 1000);
    const double elapsed = clock.elapsed() / 1000.0;
    const double recorderCpu = cpuSeconds(recorder) - recorderStart;
    const double serverCpu = cpuSeconds(server) - serverStart;
    const double portalCpu = cpuSeconds(portal) - portalStart;
    bool finished = false;
    QObject::connect(&link, &ITcpServer::recordMessage, [&](int code) { finished |= code == 4; });
    link.stop();
    wait.restart();
    while (!finished && wait.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const double frames = frameCount(file);
    const double recorded = seconds + kWarmUpMs / 1000.0;
    std::printf("%-8s recorder cpu %5.1f %%", qPrintable(QGuiApplication::platformName()),
                100 * recorderCpu / elapsed);
    if (server > 0) {
        std::printf("  display server cpu %5.1f %%", 100 * serverCpu / elapsed);
    }
    if (portal > 0) {
        std::printf("  screen-cast portal cpu %5.1f %%", 100 * portalCpu / elapsed);
    }
    std::printf("  frames/s written %.1f\n", frames / recorded);
    return 0;
}
