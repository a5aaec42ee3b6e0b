#include "simcommandline.h"

#include <QCommandLineParser>

namespace {

bool parseSize(const QString& text, QSize* size)
{
    const QStringList parts = text.split('x');
    bool okWidth = false;
    bool okHeight = false;
    if (parts.size() == 2) {
        *size = QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
    }
    return okWidth && okHeight && size->width() > 0 && size->height() > 0;
}

bool parseNumber(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= low && *value <= high;
}

}  // namespace

SimCommandLine SimCommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Wireless document camera simulator on 127.0.0.1: control protocol on TCP, H.264 over "
        "RTSP at /stream/main (user and password k2vqz). Prints the bound ports on start; reads "
        "hook commands from standard input (see --help) and quits at its end.\n"
        "Hooks: bind tcp|udp|bad, picture joined|split|dribble|truncate, drop-rtp N, "
        "damage-key-frame, stall MS, disconnect, resolution WxH, quit.");
    parser.addHelpOption();
    const QCommandLineOption control("control-port", "Control port (0: any free port).", "port",
                                     "0");
    const QCommandLineOption rtsp("rtsp-port", "RTSP port (0: any free port).", "port", "0");
    const QCommandLineOption size("resolution", "Starting picture size, one of the camera's.",
                                  "WxH", "640x480");
    const QCommandLineOption transport("transport", "RTSP transport the bind answer selects.",
                                       "tcp|udp", "udp");
    const QCommandLineOption fps("fps", "Pictures per second.", "n", "15");
    const QCommandLineOption keyint("keyint", "Pictures from one key frame to the next.", "n",
                                    "15");
    const QCommandLineOption noHooks("no-hooks", "Ignore standard input.");
    parser.addOptions({control, rtsp, size, transport, fps, keyint, noHooks});
    parser.process(arguments);

    SimCommandLine line;
    line.hooks = !parser.isSet(noHooks);
    if (!parseNumber(parser.value(control), 0, 65535, &line.controlPort) ||
        !parseNumber(parser.value(rtsp), 0, 65535, &line.rtspPort)) {
        line.error = "ports must be numbers from 0 to 65535";
    } else if (!parseSize(parser.value(size), &line.resolution)) {
        line.error = "the resolution must be written WxH";
    } else if (!parseNumber(parser.value(fps), 1, 60, &line.framesPerSecond) ||
               !parseNumber(parser.value(keyint), 1, 600, &line.keyFrameInterval)) {
        line.error = "--fps takes 1 to 60, --keyint 1 to 600";
    } else if (parser.value(transport) != "tcp" && parser.value(transport) != "udp") {
        line.error = "--transport takes tcp or udp";
    }
    line.tcpTransport = parser.value(transport) == "tcp";
    return line;
}
