// ScreenRecord: records an area of the screen to a video file for Orvella.
//   ScreenRecord <file> <left> <top> <width> <height> <first start 1|0> <frames per second>
// It connects back to the application on 127.0.0.1, port $ORVELLA_RECORDER_PORT (308 when unset).
#include <QCoreApplication>
#include <QTimer>

#include <sys/prctl.h>

#include <csignal>

extern "C" {
#include <libavutil/log.h>
}

#include "irecordersession.h"

int main(int argc, char* argv[])
{
    // Never outlive the program that started us.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    QCoreApplication app(argc, argv);
    av_log_set_level(AV_LOG_ERROR);
    IRecorderSession session;
    QTimer::singleShot(0, &session,
                       [&session] { session.start(QCoreApplication::arguments().mid(1)); });
    return app.exec();
}
