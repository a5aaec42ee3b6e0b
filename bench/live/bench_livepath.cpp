// The live picture end to end: the camera manager, its capture back end, the newest-frame
// mailbox and the board view (connected as the main window connects them), offscreen, fed by
// the virtual camera (1920x1080 and 2592x1944 drawn, 3264x2448 and 3840x2160 showing a page
// picture, automatic edging off and on) and by the wireless camera simulator on 127.0.0.1.
// Each run reports frames decoded, delivered and painted per second, the delay from a frame's
// arrival from the device to its paint (median, 95th percentile), the CPU time per painted
// frame and the resident memory. Every Orvella case runs twice: "full" decodes every frame at
// full size and lets the view scale it (the behaviour before decoding for the view), "view"
// decodes only as large as the view shows it. Beside them, GStreamer shows the same streams
// (rtspsrc ! decodebin ! ..., and the page JPEG through jpegdec ! videoconvert ! videoscale !
// ximagesink at the same window size, under Xvfb), with its CPU time per shown frame.
//
//   bench_livepath [seconds]        every run, each in a process of its own (default 10 s)
//   bench_livepath --run virtual|wireless WxH seconds full|view [edge]    one run here

#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>

#include "board/iboard.h"
#include "board/ipixmapitem.h"
#include "board/islide.h"
#include "diagnostics/ilivepathrecorder.h"
#include "icamera.h"
#include "service/iconfigureservice.h"

namespace {

const QSize kViewSize(1920, 1080);
const int kWarmUpMs = 3000;
const int kSimFps = 25;
const char* const kSimUser = "k2vqz";

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// One line of figures for the frames of `window`, measured over `seconds`.
QString report(const ILivePathRecorder::Window& window, double seconds, double cpuSeconds)
{
    return QStringLiteral(
               "decoded/s %1  delivered/s %2  painted/s %3  delay ms median %4 p95 %5  "
               "cpu ms/painted %6  cpu %7 %")
        .arg(window.stored / seconds, 0, 'f', 1)
        .arg(window.delivered / seconds, 0, 'f', 1)
        .arg(window.painted / seconds, 0, 'f', 1)
        .arg(window.delayPercentile(0.5), 0, 'f', 1)
        .arg(window.delayPercentile(0.95), 0, 'f', 1)
        .arg(window.painted ? 1000 * cpuSeconds / window.painted : 0.0, 0, 'f', 2)
        .arg(100 * cpuSeconds / seconds, 0, 'f', 0);
}

void waitFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

// Resident memory of this process in MB.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QRegularExpression rss("VmRSS:\\s+(\\d+) kB");
    return rss.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024;
}

// One run in this process: the camera chosen from the environment the parent set.
int runOnce(bool wireless, const QSize& size, int seconds, bool forView, bool edge)
{
    IConfigureService* config = IConfigureService::instance();
    config->readConfigure();
    config->setCameraResolution(size);
    ICamera* camera = ICamera::instance();
    if (!camera->initData() || config->wifiMode != wireless) {
        std::fprintf(stderr, "no %s camera found\n", wireless ? "wireless" : "virtual");
        return 1;
    }
    IBoard board;
    board.resize(kViewSize);
    auto* page = new ISlide;
    board.insertSlide(page, true);
    auto* picture = new IPixmapItem(kViewSize);
    picture->setZValue(-9999999);
    board.setBackgroundItem(picture);
    board.show();
    QObject::connect(camera, &ICamera::sgCameraFrame, &board, &IBoard::setBackgroundImage);
    if (forView) {
        QObject::connect(&board, &IBoard::sgPictureShownSize, camera, &ICamera::setViewSize);
        camera->setViewSize(board.shownPictureSize());
    }

    ILivePathRecorder recorder;
    ILivePathProbe::install(&recorder);
    camera->openCamera(config->currentCamera.index);
    camera->setAutoEdge(edge);
    QElapsedTimer started;
    started.start();
    while (recorder.paintedEver() == 0 && started.elapsed() < 20000) {
        waitFor(50);
    }
    int status = 0;
    if (recorder.paintedEver() == 0) {
        std::fprintf(stderr, "no frame was painted\n");
        status = 1;
    } else {
        waitFor(kWarmUpMs);
        recorder.take();  // the warm-up is not measured
        const double cpu = processCpuSeconds();
        QElapsedTimer window;
        window.start();
        waitFor(seconds * 1000);
        const double elapsed = window.nsecsElapsed() / 1e9;
        const double used = processCpuSeconds() - cpu;
        const ILivePathRecorder::Window measured = recorder.take();
        const QSize shown = picture->image().size();
        std::printf("%dx%d  %s  rss %.0f MB\n", shown.width(), shown.height(),
                    qPrintable(report(measured, elapsed, used)), residentMb());
    }
    camera->closeAll();
    camera->closeCurrent();
    ILivePathProbe::install(nullptr);
    return status;
}

// A child process whose output lines are read as they come.
class Child {
public:
    Child(const QString& program, const QStringList& arguments,
          const QProcessEnvironment& environment)
    {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(program, arguments);
        process_.waitForStarted(5000);
    }
    ~Child()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) {
                process_.kill();
                process_.waitForFinished(3000);
            }
        }
    }
    // The next line matching `pattern`, read within `timeoutMs`; empty when none came.
    QString waitForLine(const QRegularExpression& pattern, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            while (process_.canReadLine()) {
                const QString line = QString::fromUtf8(process_.readLine()).trimmed();
                if (pattern.match(line).hasMatch()) {
                    return line;
                }
            }
            if (process_.state() == QProcess::NotRunning) {
                return QString();
            }
            process_.waitForReadyRead(100);
        }
        return QString();
    }
    // User plus system CPU time so far, in seconds (from /proc).
    double cpuSeconds() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(process_.processId()));
        if (!stat.open(QIODevice::ReadOnly)) {
            return 0;
        }
        const QString text = QString::fromLatin1(stat.readAll());
        const QStringList fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        return fields.size() > 12
                   ? (fields.at(11).toDouble() + fields.at(12).toDouble()) / sysconf(_SC_CLK_TCK)
                   : 0;
    }
    QString readAll() { return QString::fromUtf8(process_.readAll()); }
    bool finish(int timeoutMs) { return process_.waitForFinished(timeoutMs); }

private:
    QProcess process_;
};

int capturedInt(const QString& line, const QRegularExpression& pattern)
{
    return pattern.match(line).captured(1).toInt();
}

// A stream shown by GStreamer in an Xvfb window: the pipeline's elements up to the sink; its
// CPU time per shown frame (and the X server's beside it).
QString gstreamerBaseline(const QStringList& source, int seconds, const QProcessEnvironment& base)
{
    Child xvfb(QStringLiteral("Xvfb"),
               {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"}, base);
    const QString display = xvfb.waitForLine(QRegularExpression("^\\d+$"), 10000);
    if (display.isEmpty()) {
        return QStringLiteral("Xvfb did not start");
    }
    QProcessEnvironment environment = base;
    environment.insert("DISPLAY", ":" + display);
    Child gst(QStringLiteral("gst-launch-1.0"),
              QStringList{"-v"} + source +
                  QStringList{"!", "fpsdisplaysink", "video-sink=ximagesink", "text-overlay=false",
                              "fps-update-interval=250"},
              environment);
    const QRegularExpression rendered("last-message = rendered: (\\d+)");
    QElapsedTimer timer;
    timer.start();
    if (gst.waitForLine(rendered, 20000).isEmpty()) {
        return QStringLiteral("the pipeline showed nothing: ") + gst.readAll().right(400);
    }
    while (timer.elapsed() < kWarmUpMs) {
        gst.waitForLine(rendered, 1000);
    }
    const int firstFrames = capturedInt(gst.waitForLine(rendered, 2000), rendered);
    const double firstCpu = gst.cpuSeconds();
    const double firstX = xvfb.cpuSeconds();
    QElapsedTimer window;
    window.start();
    QString last;
    while (window.elapsed() < seconds * 1000) {
        const QString line = gst.waitForLine(rendered, 2000);
        if (!line.isEmpty()) {
            last = line;
        }
    }
    const double cpu = gst.cpuSeconds() - firstCpu;
    const double xCpu = xvfb.cpuSeconds() - firstX;
    const double elapsed = window.nsecsElapsed() / 1e9;
    const int frames = capturedInt(last, rendered) - firstFrames;
    return QStringLiteral("shown/s %1  cpu ms/shown %2  cpu %3 %  (Xvfb beside it: %4 ms/shown)")
        .arg(frames / elapsed, 0, 'f', 1)
        .arg(frames ? 1000 * cpu / frames : 0.0, 0, 'f', 2)
        .arg(100 * cpu / elapsed, 0, 'f', 0)
        .arg(frames ? 1000 * xCpu / frames : 0.0, 0, 'f', 2);
}

// A page with text lines, turned a little, on a dark desk, at `size`.
QImage drawPage(const QSize& size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(QColor(45, 38, 32));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    painter.rotate(-6);
    const double h = size.height() * 0.8;
    const QRectF sheet(-h * 0.35, -h / 2, h * 0.7, h);
    painter.fillRect(sheet, QColor(236, 236, 230));
    painter.setPen(QPen(QColor(50, 50, 60), h / 150));
    for (int line = 1; line < 28; ++line) {
        const double y = sheet.top() + sheet.height() * line / 29;
        painter.drawLine(QPointF(sheet.left() + sheet.width() * 0.1, y),
                         QPointF(sheet.right() - sheet.width() * (0.1 + 0.2 * (line % 3)), y));
    }
    return page;
}

// The page as a PNG for the virtual camera, and as the JPEG that GStreamer shows.
QString pagePicture(const QString& folder, const QSize& size)
{
    const QString path =
        QStringLiteral("%1/page%2x%3.png").arg(folder).arg(size.width()).arg(size.height());
    if (!QFile::exists(path)) {
        drawPage(size).save(path);
    }
    return path;
}

QString pageJpeg(const QString& folder, const QSize& size)
{
    const QString path =
        QStringLiteral("%1/page%2x%3.jpg").arg(folder).arg(size.width()).arg(size.height());
    if (!QFile::exists(path)) {
        drawPage(size).save(path, "JPEG", 80);
    }
    return path;
}

// The wireless camera simulator streaming at `size`, its ports put into `environment`; null
// when it did not start.
std::unique_ptr<Child> startSimulator(const QSize& size, QProcessEnvironment* environment)
{
    auto sim = std::make_unique<Child>(
        QStringLiteral(ORVELLA_BIN_DIR "/orvella-wificam-sim"),
        QStringList{"--control-port", "0", "--rtsp-port", "0", "--resolution",
                    QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), "--fps",
                    QString::number(kSimFps), "--no-hooks"},
        *environment);
    const QRegularExpression controlLine("^control-port (\\d+)");
    const QRegularExpression rtspLine("^rtsp-port (\\d+)");
    const int controlPort = capturedInt(sim->waitForLine(controlLine, 10000), controlLine);
    const int rtspPort = capturedInt(sim->waitForLine(rtspLine, 10000), rtspLine);
    if (controlPort <= 0 || rtspPort <= 0) {
        return nullptr;
    }
    environment->insert("ORVELLA_WIFI_CONTROL_PORT", QString::number(controlPort));
    environment->insert("ORVELLA_WIFI_RTSP_PORT", QString::number(rtspPort));
    return sim;
}

// Runs every case, each in a fresh process of this program with throw-away settings and logs.
int runAll(const QString& self, int seconds)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        environment.insert(name, home.path());
    }
    environment.insert("ORVELLA_WIFI_HOST", "127.0.0.1");  // loopback only
    environment.insert("QT_QPA_PLATFORM", "offscreen");

    struct Case {
        const char* title;
        const char* source;
        QSize size;
        int fps;
        bool edge;
        bool picture;  // a page picture (encoded once) rather than the drawn, changing page
    };
    int failures = 0;
    for (const Case& run :
         {Case{"virtual 1920x1080 MJPEG 15 fps", "virtual", {1920, 1080}, 15, false, false},
          Case{"virtual 2592x1944 MJPEG 15 fps", "virtual", {2592, 1944}, 15, false, false},
          Case{"virtual 3264x2448 MJPEG 15 fps", "virtual", {3264, 2448}, 15, false, true},
          Case{"virtual 3264x2448 MJPEG 15 fps, edging", "virtual", {3264, 2448}, 15, true, true},
          Case{"virtual 3264x2448 MJPEG 30 fps", "virtual", {3264, 2448}, 30, false, true},
          Case{"virtual 3264x2448 MJPEG 30 fps, edging", "virtual", {3264, 2448}, 30, true, true},
          Case{"virtual 3840x2160 MJPEG 30 fps", "virtual", {3840, 2160}, 30, false, true},
          Case{"virtual 3840x2160 MJPEG 30 fps, edging", "virtual", {3840, 2160}, 30, true, true},
          Case{"wireless 1920x1080 H.264 25 fps", "wireless", {1920, 1080}, kSimFps, false, false},
          Case{"wireless 3264x2448 H.264 25 fps",
               "wireless",
               {3264, 2448},
               kSimFps,
               false,
               false}}) {
        const QString size = QStringLiteral("%1x%2").arg(run.size.width()).arg(run.size.height());
        const bool wireless = run.source == QLatin1String("wireless");
        std::unique_ptr<Child> sim = wireless ? startSimulator(run.size, &environment) : nullptr;
        if (wireless && !sim) {
            std::printf("the simulator did not start for %s\n", run.title);
            ++failures;
            continue;
        }
        environment.insert("ORVELLA_VIRTUAL_CAMERA", wireless ? "0" : "1");
        environment.insert("ORVELLA_VIRTUAL_CAMERA_FPS", QString::number(run.fps));
        if (run.picture) {
            environment.insert("ORVELLA_VIRTUAL_CAMERA_IMAGE", pagePicture(home.path(), run.size));
        } else {
            environment.remove("ORVELLA_VIRTUAL_CAMERA_IMAGE");
        }
        for (const char* mode : {"full", "view"}) {
            QStringList arguments = {"--run", run.source, size, QString::number(seconds), mode};
            if (run.edge) {
                arguments << "edge";
            }
            Child child(self, arguments, environment);
            const bool done = child.finish(seconds * 1000 + 60000);
            const QStringList lines = child.readAll().split('\n', Qt::SkipEmptyParts);
            const QString result = lines.filter(QRegularExpression("decoded/s")).value(0);
            failures += !done || result.isEmpty();
            std::printf("Orvella %s, %-40s %s\n", mode, run.title,
                        qPrintable(result.isEmpty() ? lines.join(" / ").right(400) : result));
            std::fflush(stdout);
        }
        if (run.picture && !run.edge) {
            const QSize shown = run.size.scaled(kViewSize, Qt::KeepAspectRatio);
            std::printf(
                "GStreamer, %-46s %s\n", run.title,
                qPrintable(gstreamerBaseline(
                    {"multifilesrc", "location=" + pageJpeg(home.path(), run.size), "loop=true",
                     QStringLiteral("caps=image/jpeg,framerate=%1/1").arg(run.fps), "!", "jpegdec",
                     "!", "videoconvert", "!", "videoscale", "!",
                     QStringLiteral("video/x-raw,width=%1,height=%2")
                         .arg(shown.width())
                         .arg(shown.height())},
                    seconds, environment)));
        }
        if (wireless) {
            const QString url = QStringLiteral("rtsp://127.0.0.1:%1/stream/main")
                                    .arg(environment.value("ORVELLA_WIFI_RTSP_PORT"));
            std::printf(
                "GStreamer, %-46s %s\n", run.title,
                qPrintable(gstreamerBaseline(
                    {"rtspsrc", "location=" + url, QStringLiteral("user-id=%1").arg(kSimUser),
                     QStringLiteral("user-pw=%1").arg(kSimUser), "protocols=udp", "!", "decodebin",
                     "!", "videoconvert", "!", "videoscale"},
                    seconds, environment)));
        }
    }
    return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 5 && QByteArray(argv[1]) == "--run") {
        QApplication app(argc, argv);
        const QStringList size = QString::fromLatin1(argv[3]).split('x');
        return runOnce(QByteArray(argv[2]) == "wireless",
                       QSize(size.value(0).toInt(), size.value(1).toInt()), atoi(argv[4]),
                       argc < 6 || QByteArray(argv[5]) == "view",
                       argc > 6 && QByteArray(argv[6]) == "edge");
    }
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    return runAll(QCoreApplication::applicationFilePath(), seconds);
}
