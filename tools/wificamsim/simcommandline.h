#ifndef SIMCOMMANDLINE_H
#define SIMCOMMANDLINE_H

#include <QSize>
#include <QString>
#include <QStringList>

// The simulator's command line.
struct SimCommandLine {
    int controlPort = 0;  // 0: any free port
    int rtspPort = 0;
    QSize resolution{640, 480};
    bool tcpTransport = false;  // the bind answer selects RTSP over TCP
    int framesPerSecond = 15;
    int keyFrameInterval = 15;
    bool hooks = true;  // read hook commands from standard input
    QString error;      // set when the arguments are unusable

    static SimCommandLine parse(const QStringList& arguments);
};

#endif  // SIMCOMMANDLINE_H
