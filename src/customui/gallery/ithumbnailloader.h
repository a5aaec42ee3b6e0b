#ifndef ITHUMBNAILLOADER_H
#define ITHUMBNAILLOADER_H

#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QThread>
#include <condition_variable>
#include <mutex>

// The gallery's worker: decodes picture files to thumbnails and writes window grabs as photos,
// off the GUI thread, in the order the requests came. Results come back as queued signals.
class IThumbnailLoader : public QThread {
    Q_OBJECT
public:
    explicit IThumbnailLoader(QObject* parent = nullptr);
    // Drops the thumbnails not made yet, writes the pictures still queued, and waits.
    ~IThumbnailLoader() override;

    // Thumbnails of `size` for the files; one sgBatchDone when all were tried.
    void loadFiles(const QStringList& paths, const QSize& size);
    // Writes `picture` as a new photo in `folder`, then reports its thumbnail of `size`.
    void savePicture(const QImage& picture, const QString& folder, const QSize& size);

signals:
    // `sourceWidth`: the width of the picture the thumbnail was made from.
    void sgThumbnail(QImage thumbnail, QString path, int sourceWidth);
    void sgBatchDone(int loaded, QStringList skipped);
    void sgSaveFailed(QString path);

protected:
    void run() override;

private:
    struct Request {
        QStringList paths;
        QImage picture;
        QString folder;
        QSize size;
    };

    bool takeRequest(Request* request);
    bool stopRequested() const;
    void load(const Request& request);
    void save(const Request& request);
    void queue(const Request& request);

    // Guards stop_ and requests_.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    QList<Request> requests_;
};

#endif  // ITHUMBNAILLOADER_H
