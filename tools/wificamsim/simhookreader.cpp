#include "simhookreader.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "simcontrolserver.h"
#include "simrtspserver.h"

SimHookReader::SimHookReader(SimControlServer* control, SimRtspServer* rtsp, QObject* parent)
    : QObject(parent),
      control_(control),
      rtsp_(rtsp),
      notifier_(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&notifier_, &QSocketNotifier::activated, this, &SimHookReader::onReadable);
}

void SimHookReader::onReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof(buffer));
    if (count <= 0) {
        notifier_.setEnabled(false);
        QCoreApplication::quit();
        return;
    }
    pending_.append(buffer, int(count));
    int end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
        pending_.remove(0, end + 1);
        if (line.isEmpty()) {
            continue;
        }
        const bool ok = apply(line.split(' ', Qt::SkipEmptyParts));
        std::fprintf(stdout, "%s %s\n", ok ? "ok" : "error", qPrintable(line));
        std::fflush(stdout);
    }
}

bool SimHookReader::apply(const QStringList& words)
{
    const QString hook = words.value(0);
    const QString argument = words.value(1);
    bool number = false;
    const int value = argument.toInt(&number);
    if (hook == "bind" && (argument == "tcp" || argument == "udp" || argument == "bad")) {
        control_->setBindAnswer(argument == "tcp"   ? SimControlServer::BindAnswer::Tcp
                                : argument == "udp" ? SimControlServer::BindAnswer::Udp
                                                    : SimControlServer::BindAnswer::Bad);
    } else if (hook == "picture") {
        using D = SimControlServer::PictureDelivery;
        const QStringList modes{"joined", "split", "dribble", "truncate"};
        const D deliveries[] = {D::Joined, D::Split, D::Dribble, D::Truncated};
        if (!modes.contains(argument)) {
            return false;
        }
        control_->setPictureDelivery(deliveries[modes.indexOf(argument)]);
    } else if (hook == "drop-rtp" && number && value > 0) {
        rtsp_->dropPackets(value);
    } else if (hook == "damage-key-frame") {
        rtsp_->damageKeyFrame();
    } else if (hook == "stall" && number && value > 0) {
        rtsp_->stall(value);
    } else if (hook == "disconnect") {
        control_->disconnectClients();
        rtsp_->disconnectClients();
    } else if (hook == "resolution") {
        const QStringList parts = argument.split('x');
        return parts.size() == 2 &&
               control_->changeResolution(QSize(parts[0].toInt(), parts[1].toInt()));
    } else if (hook == "quit") {
        QCoreApplication::quit();
    } else {
        return false;
    }
    return true;
}
