#include "iffmpegapi.h"

#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "ffmpeg/ipicturevynthesisvideo.h"
#include "ffmpeg/wifirtsp/itcpserver.h"
#include "service/iconfigureservice.h"

IFFmpegApi* IFFmpegApi::instance()
{
    static IFFmpegApi api;
    return &api;
}

IFFmpegApi::IFFmpegApi() = default;

IFFmpegApi::~IFFmpegApi()
{
    delete timelapse_;
}

QString IFFmpegApi::outputFileName(const QString& folder, const QDateTime& when,
                                   const QString& extension)
{
    // Exactly one separator, whether or not the folder ends in one; a second video started
    // within the same second gets "_1", "_2", ... instead of replacing the first.
    QString base = folder;
    if (!base.endsWith('/')) {
        base += '/';
    }
    base += when.toString(QStringLiteral("yyyyMMddhhmmss"));
    QString path = base + '.' + extension;
    for (int n = 1; QFileInfo::exists(path); ++n) {
        path = base + '_' + QString::number(n) + '.' + extension;
    }
    return path;
}

void IFFmpegApi::init()
{
    if (link_) {
        qDebug() << "recorder link already created";
        return;
    }
    link_ = new ITcpServer(this);
    connect(link_, &ITcpServer::recordMessage, this, &IFFmpegApi::onRecordMessage);
}

void IFFmpegApi::shutdown()
{
    if (!link_) {
        return;
    }
    if (link_->connected()) {
        link_->stop();
        waitForRecordingEnd();
    }
    link_->stopSocketListen();
    link_->closeProcess();
    delete link_;
    link_ = nullptr;
    qDebug() << "recorder released";
}

// Keeps events flowing until the recorder reports its file or goes away, at most the grace.
void IFFmpegApi::waitForRecordingEnd()
{
    QEventLoop loop;
    QTimer::singleShot(shutdownGraceMs_, &loop, &QEventLoop::quit);
    connect(link_, &ITcpServer::recordMessage, &loop, [&loop](int code, const QString&) {
        if (code == 1 || code == 4) {
            loop.quit();
        }
    });
    loop.exec();
}

bool IFFmpegApi::deviceDropped()
{
    return false;
}

void IFFmpegApi::setVideoDevice(const QString&) {}

void IFFmpegApi::setAudioDevice(const QString&) {}

void IFFmpegApi::setFrameRate(int) {}

bool IFFmpegApi::startRecord(const QString& folder, const QRect& area)
{
    if (!link_) {
        qDebug() << "start record without a recorder link";
        QTimer::singleShot(0, this, [this] { emit recordMessage(3); });
        return false;
    }
    const IConfigureService* config = IConfigureService::instance();
    const QString file =
        outputFileName(folder, QDateTime::currentDateTime(), config->videoFormat());
    qDebug() << "start record:" << file << area << config->frameRate
             << config->currentCamera.audioInput;
    passScreenCastContext(area);
    link_->startRecordVideo(file, area, config->frameRate, config->currentCamera.audioInput);
    return false;
}

QString IFFmpegApi::storedRestoreToken()
{
    // The store answers "null" for a key it does not hold, which the portal refuses as a token.
    const QString token =
        IConfigureService::instance()->value(QLatin1String(kRestoreTokenKey)).toString();
    return token == QLatin1String("null") ? QString() : token;
}

// What a recorder on the desktop portal needs: the token that spares the consent dialog, and
// the geometry of the screen holding the area, which maps the area onto the streamed pixels.
void IFFmpegApi::passScreenCastContext(const QRect& area)
{
    link_->setRecorderVariable(QStringLiteral("ORVELLA_PORTAL_RESTORE_TOKEN"),
                               storedRestoreToken());
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::screenAt(area.center())
                                : nullptr;
    const QRect geometry = screen ? screen->geometry() : QRect();
    link_->setRecorderVariable(QStringLiteral("ORVELLA_RECORDER_SCREEN"),
                               geometry.isEmpty() ? QString()
                                                  : QStringLiteral("%1,%2,%3,%4")
                                                        .arg(geometry.x())
                                                        .arg(geometry.y())
                                                        .arg(geometry.width())
                                                        .arg(geometry.height()));
}

bool IFFmpegApi::stopRecord()
{
    if (link_) {
        link_->stop();
    }
    return true;
}

bool IFFmpegApi::pauseRecord(bool paused)
{
    if (link_) {
        link_->pause(paused);
    }
    return true;
}

bool IFFmpegApi::ffmpegcmdGetDeviceInfo()
{
    return true;
}

bool IFFmpegApi::usesExternalRecorder()
{
    return true;
}

bool IFFmpegApi::startTimelapseVideo(const QString& folder, const QSize& size, int frameRate)
{
    if (timelapse_) {
        // A time-lapse still running is finished, not cut off: its file stays playable.
        int seconds = 0;
        const QString previous = timelapse_->finish(seconds);
        delete timelapse_;
        timelapse_ = nullptr;
        qDebug() << "previous time-lapse video finished:" << previous << seconds;
    }
    const QString file =
        outputFileName(folder, QDateTime::currentDateTime(), QStringLiteral("mp4"));
    timelapse_ = new IPictureVynthesisVideo(file, size.width(), size.height(), frameRate);
    timelapse_->start(QThread::InheritPriority);
    qDebug() << "time-lapse video started:" << file << size << frameRate;
    return true;
}

QString IFFmpegApi::finishTimelapseVideo(int& seconds)
{
    if (!timelapse_) {
        seconds = 0;
        qDebug() << "no time-lapse video to finish";
        return QString();
    }
    const QString path = timelapse_->finish(seconds);
    qDebug() << "time-lapse video finishing:" << path << seconds;
    return path;
}

void IFFmpegApi::addTimelapsePicture(const QImage& picture)
{
    if (timelapse_) {
        timelapse_->addPicture(picture);
    }
}

void IFFmpegApi::onRecordMessage(int code, const QString& info)
{
    switch (code) {
        case 1:
            emit sgRecordVideo(info);
            break;
        case 2:
        case 3:
        case 4:
        case 6:
            emit recordMessage(code);
            break;
        case 5:
            IConfigureService::instance()->setValue(QLatin1String(kRestoreTokenKey), info);
            break;
        default:
            break;
    }
}
