#include "wificamerarig.h"

#include <QDebug>
#include <QElapsedTimer>

#include "service/iconfigureservice.h"

const char* const WifiCameraRig::kShown = "test: frame shown";

WifiTimings WifiCameraRig::shortTimings()
{
    WifiTimings timings;
    timings.captureTimeoutMs = 5000;
    timings.pictureWaitMs = 300;
    timings.sendTickMs = 20;
    timings.statusDelayMs = 100;
    timings.reopenAfterMs = 600;
    timings.readRetryMs = 50;
    timings.socketTimeoutMs = 500;
    timings.reconnectFirstMs = 50;
    timings.reconnectMaxMs = 400;
    timings.lossReportMs = 300;
    return timings;
}

bool WifiCameraRig::start(const QStringList& simOptions, const WifiTimings& timings, bool video,
                          const QString& password, const QString& path)
{
    IWifiRtspThread::resetLastWifiResolution();
    sim_ = std::make_unique<WifiCamSimProcess>();
    if (!sim_->start(simOptions)) {
        return false;
    }
    IConfigureService::instance()->wifi.host = QStringLiteral("127.0.0.1");
    IConfigureService::instance()->wifi.controlPort = quint16(sim_->controlPort());
    thread_ = std::make_unique<IWifiRtspThread>();
    thread_->setTimings(timings);
    thread_->setRtspUrl(video ? sim_->rtspUrl(password, path) : QString());
    frames_ = std::make_unique<QSignalSpy>(thread_.get(), &IWifiRtspThread::sgCameraFrame);
    status_ = std::make_unique<QSignalSpy>(thread_.get(), &IWifiRtspThread::sgError);
    QObject::connect(
        thread_.get(), &IWifiRtspThread::sgCameraFrame, thread_.get(),
        [](const QImage&) { qDebug("%s", kShown); }, Qt::DirectConnection);
    thread_->startControl();
    return true;
}

void WifiCameraRig::stop()
{
    status_.reset();
    frames_.reset();
    thread_.reset();
    sim_.reset();
}

QImage WifiCameraRig::waitForFrames(int count, int timeoutMs)
{
    const int target = frames_->count() + count;
    QElapsedTimer timer;
    timer.start();
    while (frames_->count() < target && timer.elapsed() < timeoutMs) {
        frames_->wait(int(qMax<qint64>(1, timeoutMs - timer.elapsed())));
    }
    return frames_->count() >= target ? frames_->last().first().value<QImage>() : QImage();
}
