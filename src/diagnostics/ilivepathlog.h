#ifndef ILIVEPATHLOG_H
#define ILIVEPATHLOG_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "diagnostics/ilivepathrecorder.h"

// Writes the live path's figures to a file every ten seconds while the program runs, when
// ORVELLA_LIVE_PATH_LOG names that file (for long runs such as scripts/soak.sh): frames stored,
// delivered and painted per second and the delay from a frame's arrival to its paint.
class ILivePathLog : public QObject {
public:
    // Starts a log owned by `parent` when the variable is set; nullptr otherwise. The log is the
    // probe's listener until it is destroyed, which must happen after the capture threads end
    // (the application object, destroyed last, owns it).
    static ILivePathLog* startFromEnvironment(QObject* parent);

    ILivePathLog(const QString& path, int intervalMs, QObject* parent = nullptr);
    ~ILivePathLog() override;

private:
    // Appends "<seconds> stored/s <n> delivered/s <n> painted/s <n> delay-ms median <n> p95 <n>"
    // for the frames since the previous line.
    void writeWindow();

    const QString path_;
    ILivePathRecorder recorder_;
    QTimer timer_;
    QElapsedTimer running_;
    qint64 lastWriteMs_ = 0;
};

#endif  // ILIVEPATHLOG_H
