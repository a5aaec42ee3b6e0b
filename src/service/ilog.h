#ifndef ILOG_H
#define ILOG_H

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

// The process-wide Qt message handler: one line per message in the daily log file.
void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// The daily log file for `date` inside the "other/" data folder.
QString logFilePath(const QDate& date);

// One handler line: "(time) Level: message    File:(f) Line:(n) Function(sig)".
QString formatLogLine(const QDateTime& when, QtMsgType type, const QMessageLogContext& context,
                      const QString& message);

// "yyyy-MM-dd hh:mm:ss zzz", the time format of every log line.
QString logTimeText(const QDateTime& when);

// Opens `path` for appending, writes `line` and "\r\n", closes. Failures lose the line.
void appendLogLine(const QString& path, const QString& line);

#endif  // ILOG_H
