#include "ilog.h"

#include <QFile>
#include <QMutex>
#include <QStringList>
#include <QTextStream>

#include "appdata.h"

namespace {

QString levelWord(QtMsgType type)
{
    switch (type) {
        case QtDebugMsg:
            return QStringLiteral("Debug:");
        case QtCriticalMsg:
            return QStringLiteral("Critical:");
        case QtFatalMsg:
            return QStringLiteral("Fatal:");
        default:
            return QString();
    }
}

// Set while this thread is inside the handler: a message raised by the handler's own work
// (folder creation, file errors) is queued behind the current line instead of re-locking.
thread_local bool insideHandler = false;
thread_local QStringList* nestedLines = nullptr;

}  // namespace

QString logTimeText(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss zzz"));
}

QString logFilePath(const QDate& date)
{
    return appDataDir(QStringLiteral("other/")) +
           QStringLiteral("/log_%1.txt").arg(date.toString(QStringLiteral("yyyyMMdd")));
}

QString formatLogLine(const QDateTime& when, QtMsgType type, const QMessageLogContext& context,
                      const QString& message)
{
    const QString contextText =
        QStringLiteral("File:(%1) Line:(%2) Function(%3)")
            .arg(QString::fromLocal8Bit(context.file), QString::number(context.line),
                 QString::fromLocal8Bit(context.function));
    // A message longer than this is cut: one line must not carry a whole received chunk.
    const int kMaxMessage = 4096;
    const QString text = message.size() <= kMaxMessage
                             ? message
                             : message.left(kMaxMessage) +
                                   QStringLiteral(" ... (%1 characters)").arg(message.size());
    // Plain concatenation: "%" sequences inside the message stay as they are.
    return "(" + logTimeText(when) + ") " + levelWord(type) + " " + text + "    " + contextText;
}

void appendLogLine(const QString& path, const QString& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return;
    }
    QTextStream out(&file);
    out << line << "\r\n";
    out.flush();
    file.close();
}

QString logHexDump(const QByteArray& bytes, int cap)
{
    const QString hex = QString::fromLatin1(bytes.left(qMax(cap, 0)).toHex(' '));
    if (bytes.size() <= cap) {
        return hex;
    }
    return hex + QStringLiteral(" ... (%1 bytes)").arg(bytes.size());
}

void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg) {
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString line = formatLogLine(now, type, context, message);
    if (insideHandler) {
        if (nestedLines) {
            nestedLines->append(line);
        }
        return;
    }
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    QStringList pending{line};
    insideHandler = true;
    nestedLines = &pending;
    for (int i = 0; i < pending.size(); ++i) {
        const QString next = pending.at(i);  // copy: appending may reallocate the list
        appendLogLine(logFilePath(now.date()), next);
    }
    nestedLines = nullptr;
    insideHandler = false;
}
