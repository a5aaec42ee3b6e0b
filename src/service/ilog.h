#ifndef ILOG_H
#define ILOG_H

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

// The process-wide Qt message handler: one line per message in the daily log file.
void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// The daily log file for `date` inside the "other/" data folder.
QString logFilePath(const QDate& date);

// One handler line: "(time) Level: message    File:(f) Line:(n) Function(sig)"; a message
// beyond 4096 characters is cut there, with its length noted.
QString formatLogLine(const QDateTime& when, QtMsgType type, const QMessageLogContext& context,
                      const QString& message);

// "yyyy-MM-dd hh:mm:ss zzz", the time format of every log line.
QString logTimeText(const QDateTime& when);

// Opens `path` for appending, writes `line` and "\r\n", closes. Failures lose the line.
void appendLogLine(const QString& path, const QString& line);

// Received bytes for a log line: hexadecimal, at most `cap` bytes of them, then the total when
// cut, so one line never carries a whole network chunk.
constexpr int kLogDumpCap = 256;
QString logHexDump(const QByteArray& bytes, int cap = kLogDumpCap);

#endif  // ILOG_H
