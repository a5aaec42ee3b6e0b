#ifndef WIFICAMERARIG_H
#define WIFICAMERARIG_H

#include <QSignalSpy>
#include <QStringList>
#include <memory>

#include "ffmpeg/wifirtsp/iwifirtspthread.h"
#include "wificamsimprocess.h"

// The wireless camera under test: the simulator on loopback and an IWifiRtspThread connected to
// it, with spies on its frames and status codes.
class WifiCameraRig {
public:
    // Debug line the video thread writes, in its own order of log lines, for every picture shown.
    static const char* const kShown;

    // Intervals short enough for tests.
    static WifiTimings shortTimings();

    // Starts the simulator with `simOptions`, then the thread's control link. Without video the
    // thread gets no stream address. The password and path go into the stream address.
    bool start(const QStringList& simOptions, const WifiTimings& timings = shortTimings(),
               bool video = true, const QString& password = QStringLiteral("k2vqz"),
               const QString& path = QStringLiteral("/stream/main"));
    // Ends the thread, then the simulator.
    void stop();
    // Waits for `count` more frames; the last one, or a null image on time-out.
    QImage waitForFrames(int count, int timeoutMs = 8000);

    WifiCamSimProcess& sim() { return *sim_; }
    IWifiRtspThread& thread() { return *thread_; }
    QSignalSpy& frames() { return *frames_; }
    QSignalSpy& status() { return *status_; }

private:
    std::unique_ptr<WifiCamSimProcess> sim_;
    std::unique_ptr<IWifiRtspThread> thread_;
    std::unique_ptr<QSignalSpy> frames_;
    std::unique_ptr<QSignalSpy> status_;
};

#endif  // WIFICAMERARIG_H
