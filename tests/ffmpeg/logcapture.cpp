#include "logcapture.h"

#include <mutex>

namespace {

std::mutex g_mutex;  // seen by the thread sanitizer, unlike QMutex
QStringList g_lines;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static const bool echo = qEnvironmentVariableIsSet("ORVELLA_TEST_ECHO_LOG");
    if (type == QtDebugMsg || type == QtInfoMsg) {
        std::lock_guard<std::mutex> locker(g_mutex);
        g_lines.append(message);
        if (!echo) {
            return;
        }
    }
    if (g_previous) {
        g_previous(type, context, message);
    }
}

}  // namespace

LogCapture::LogCapture()
{
    clear();
    g_previous = qInstallMessageHandler(collect);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_previous);
}

int LogCapture::count(const QString& phrase) const
{
    std::lock_guard<std::mutex> locker(g_mutex);
    int found = 0;
    for (const QString& line : qAsConst(g_lines)) {
        found += line.contains(phrase) ? 1 : 0;
    }
    return found;
}

QStringList LogCapture::lines() const
{
    std::lock_guard<std::mutex> locker(g_mutex);
    return g_lines;
}

void LogCapture::clear()
{
    std::lock_guard<std::mutex> locker(g_mutex);
    g_lines.clear();
}
