#include "customui/gallery/ithumbnailloader.h"

#include <QDateTime>
#include <QDebug>
#include <algorithm>

#include "customui/gallery/ipicturefile.h"
#include "iimagetansformthread.h"
#include "platform/thread/workerjoin.h"

IThumbnailLoader::IThumbnailLoader(QObject* parent) : QThread(parent)
{
    start(QThread::LowPriority);
}

IThumbnailLoader::~IThumbnailLoader()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
        // Thumbnails are no longer wanted, but a picture waiting to be written still is.
        requests_.erase(std::remove_if(requests_.begin(), requests_.end(),
                                       [](const Request& r) { return r.picture.isNull(); }),
                        requests_.end());
    }
    wake_.notify_all();
    joinWorker(*this, mutex_);
}

void IThumbnailLoader::loadFiles(const QStringList& paths, const QSize& size)
{
    queue({paths, QImage(), QString(), size});
}

void IThumbnailLoader::savePicture(const QImage& picture, const QString& folder, const QSize& size)
{
    queue({QStringList(), picture, folder, size});
}

void IThumbnailLoader::queue(const Request& request)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.append(request);
    }
    wake_.notify_all();
}

bool IThumbnailLoader::takeRequest(Request* request)
{
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait(lock, [this]() { return stop_ || !requests_.isEmpty(); });
    if (requests_.isEmpty()) {
        return false;
    }
    *request = requests_.takeFirst();
    return true;
}

bool IThumbnailLoader::stopRequested() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return stop_;
}

void IThumbnailLoader::run()
{
    Request request;
    while (takeRequest(&request)) {
        if (request.picture.isNull()) {
            load(request);
        } else {
            save(request);
        }
    }
    workerFinished(mutex_);
}

void IThumbnailLoader::load(const Request& request)
{
    int loaded = 0;
    QStringList skipped;
    for (const QString& path : request.paths) {
        if (stopRequested()) {
            return;
        }
        const IPictureFile::Reduced read = IPictureFile::readReduced(path, request.size);
        if (read.image.isNull()) {
            qDebug() << read.error << path;
            skipped << path;
            continue;
        }
        ++loaded;
        emit sgThumbnail(read.image, path, read.sourceSize.width());
    }
    emit sgBatchDone(loaded, skipped);
}

void IThumbnailLoader::save(const Request& request)
{
    QString failed;
    const QString path = IImageTansformThread::savePhoto(request.picture, request.folder,
                                                         QDateTime::currentDateTime(), &failed);
    if (path.isEmpty()) {
        emit sgSaveFailed(failed);
        return;
    }
    emit sgThumbnail(
        request.picture.scaled(request.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), path,
        request.picture.width());
}
