#include "icrashhandler.h"

#include <QDebug>

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

// Filled at install time: the handler may only use async-signal-safe calls.
char dumpPrefix[1024];
char codeNameText[64];

void writeText(int fd, const char* text)
{
    ssize_t ignored = write(fd, text, strlen(text));
    (void)ignored;
}

// Decimal text of v into buf (async-signal-safe); returns buf.
char* decimal(long v, char* buf, size_t size)
{
    char tmp[24];
    int n = 0;
    unsigned long u = v < 0 ? -static_cast<unsigned long>(v) : static_cast<unsigned long>(v);
    do {
        tmp[n++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u && n < 23);
    size_t i = 0;
    if (v < 0 && i + 1 < size) {
        buf[i++] = '-';
    }
    while (n > 0 && i + 1 < size) {
        buf[i++] = tmp[--n];
    }
    buf[i] = '\0';
    return buf;
}

void onFatalSignal(int sig)
{
    char number[24];
    char path[1100];
    strncpy(path, dumpPrefix, sizeof(path) - 1);
    path[sizeof(path) - 1] = '\0';
    strncat(path, decimal(getpid(), number, sizeof(number)), sizeof(path) - strlen(path) - 1);
    strncat(path, ".txt", sizeof(path) - strlen(path) - 1);
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd >= 0) {
        writeText(fd, codeNameText);
        writeText(fd, " crashed: signal ");
        writeText(fd, decimal(sig, number, sizeof(number)));
        writeText(fd, " (");
        writeText(fd, sigabbrev_np(sig) ? sigabbrev_np(sig) : "?");
        writeText(fd, ")\nbacktrace:\n");
        void* frames[64];
        const int count = backtrace(frames, 64);
        backtrace_symbols_fd(frames, count, fd);
        close(fd);
    }
    signal(sig, SIG_DFL);
    raise(sig);
}

}  // namespace

bool ICrashHandler::install(const QString& dumpDir, const QString& codeName)
{
    const QByteArray prefix = (dumpDir + "/crash-").toLocal8Bit();
    if (prefix.size() >= int(sizeof(dumpPrefix))) {
        qDebug() << "crash handler: dump folder path too long" << dumpDir;
        return false;
    }
    strncpy(dumpPrefix, prefix.constData(), sizeof(dumpPrefix) - 1);
    strncpy(codeNameText, codeName.toLatin1().constData(), sizeof(codeNameText) - 1);
    // The first backtrace() call may allocate while loading libgcc: do it now, not in a crash.
    void* warmUp[1];
    backtrace(warmUp, 1);
    struct sigaction action = {};
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int sig : kSignals) {
        sigaction(sig, &action, nullptr);
    }
    qDebug() << "crash handler installed, dump folder:" << dumpDir;
    return true;
}
