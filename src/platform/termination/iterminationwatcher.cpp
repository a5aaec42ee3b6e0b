#include "iterminationwatcher.h"

#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end is all the handler touches: writing to a pipe is async-signal-safe.
int signalPipe[2] = {-1, -1};
constexpr int kWatched[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

void ITerminationWatcher::onSignal(int signalNumber)
{
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    const ssize_t written = write(signalPipe[1], &byte, 1);
    (void)written;
    // The next one is not caught: a program that hangs while closing can still be ended.
    signal(signalNumber, SIG_DFL);
}

ITerminationWatcher::ITerminationWatcher(QObject* parent) : QObject(parent)
{
    if (signalPipe[0] >= 0) {
        qWarning() << "termination signals are already watched";
        return;
    }
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning() << "termination signals are not watched: no pipe";
        return;
    }
    struct sigaction action = {};
    action.sa_handler = &ITerminationWatcher::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kWatched) {
        sigaction(sig, &action, nullptr);
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ITerminationWatcher::readSignal);
}

ITerminationWatcher::~ITerminationWatcher()
{
    if (!notifier_) {
        return;
    }
    for (int sig : kWatched) {
        signal(sig, SIG_DFL);
    }
    delete notifier_;
    close(signalPipe[0]);
    close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void ITerminationWatcher::readSignal()
{
    unsigned char byte = 0;
    while (read(signalPipe[0], &byte, 1) == 1) {
        qDebug() << "termination signal" << int(byte) << "- closing";
        emit sgTerminationRequested(byte);
    }
}
