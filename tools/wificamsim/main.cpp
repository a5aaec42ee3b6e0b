// orvella-wificam-sim: the wireless document camera on loopback, for tests and demonstrations.
#include <QGuiApplication>
#include <cstdio>

#include "simcommandline.h"
#include "simcontrolserver.h"
#include "simhookreader.h"
#include "simrtspserver.h"

int main(int argc, char* argv[])
{
    // The pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    app.setApplicationName("orvella-wificam-sim");
    const SimCommandLine options = SimCommandLine::parse(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "orvella-wificam-sim: %s\n", qPrintable(options.error));
        return 2;
    }
    if (SimControlServer::indexOfSize(options.resolution) < 0) {
        std::fprintf(stderr, "orvella-wificam-sim: %dx%d is not a size the camera offers\n",
                     options.resolution.width(), options.resolution.height());
        return 2;
    }

    SimRtspServer rtsp(options.resolution, options.framesPerSecond, options.keyFrameInterval);
    SimControlServer control(options.resolution);
    control.setBindAnswer(options.tcpTransport ? SimControlServer::BindAnswer::Tcp
                                               : SimControlServer::BindAnswer::Udp);
    QObject::connect(&control, &SimControlServer::resolutionChanged,
                     [&rtsp](const QSize& size) { rtsp.setResolution(size); });
    const int rtspPort = rtsp.start(options.rtspPort);
    const int controlPort = control.start(options.controlPort);
    if (rtspPort < 0 || controlPort < 0) {
        return 1;
    }
    std::fprintf(stdout, "control-port %d\nrtsp-port %d\nready\n", controlPort, rtspPort);
    std::fflush(stdout);

    SimHookReader* hooks = nullptr;
    if (options.hooks) {
        hooks = new SimHookReader(&control, &rtsp, &app);
    }
    const int status = app.exec();
    delete hooks;
    return status;
}
