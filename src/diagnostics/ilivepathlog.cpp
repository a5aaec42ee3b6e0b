#include "ilivepathlog.h"

#include <QDebug>
#include <QFile>

namespace {

const int kIntervalMs = 10000;

}  // namespace

ILivePathLog* ILivePathLog::startFromEnvironment(QObject* parent)
{
    const QString path = qEnvironmentVariable("ORVELLA_LIVE_PATH_LOG");
    return path.isEmpty() ? nullptr : new ILivePathLog(path, kIntervalMs, parent);
}

ILivePathLog::ILivePathLog(const QString& path, int intervalMs, QObject* parent)
    : QObject(parent), path_(path)
{
    ILivePathProbe::install(&recorder_);
    running_.start();
    connect(&timer_, &QTimer::timeout, this, &ILivePathLog::writeWindow);
    timer_.start(intervalMs);
    qDebug().noquote() << "live path figures go to" << path_;
}

ILivePathLog::~ILivePathLog()
{
    ILivePathProbe::install(nullptr);
}

void ILivePathLog::writeWindow()
{
    const qint64 now = running_.elapsed();
    const double span = qMax(now - lastWriteMs_, qint64(1)) / 1000.0;
    lastWriteMs_ = now;
    const ILivePathRecorder::Window window = recorder_.take();
    const QString line =
        QStringLiteral("%1 stored/s %2 delivered/s %3 painted/s %4 delay-ms median %5 p95 %6")
            .arg(now / 1000.0, 0, 'f', 0)
            .arg(window.stored / span, 0, 'f', 1)
            .arg(window.delivered / span, 0, 'f', 1)
            .arg(window.painted / span, 0, 'f', 1)
            .arg(window.delayPercentile(0.5), 0, 'f', 1)
            .arg(window.delayPercentile(0.95), 0, 'f', 1);
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        qDebug().noquote() << "live path figures cannot be written to" << path_
                           << file.errorString();
        timer_.stop();
        return;
    }
    file.write(line.toUtf8() + '\n');
}
