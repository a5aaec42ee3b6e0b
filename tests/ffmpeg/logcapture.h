#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <QString>
#include <QStringList>

// Collects the debug lines written while it exists (from every thread), so tests can count
// what the code logged. Other message types still reach the previous handler, and so do debug
// lines when ORVELLA_TEST_ECHO_LOG is set.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Lines that contain `phrase`.
    int count(const QString& phrase) const;
    QStringList lines() const;
    void clear();
};

#endif  // LOGCAPTURE_H
