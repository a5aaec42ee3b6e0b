#ifndef IIMAGETANSFORMTHREAD_H
#define IIMAGETANSFORMTHREAD_H

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>
#include <mutex>

#include "capturejob.h"

class IApplication;

// The capture-saving worker: turns capture jobs into photo files and exports gallery pictures
// as pictures of another format or as one A4 PDF, off the GUI thread.
//
// The GUI thread queues work with addCaptureJob and setSaveFilesJob; the worker polls every
// 20 ms and handles one capture and one export per pass, in arrival order. Results come back
// as queued signals. The worker only reads the settings store (the photo format); values to
// store after an export are handed to the GUI thread by signal.
class IImageTansformThread : public QThread {
    Q_OBJECT
public:
    IImageTansformThread(IApplication* app, QObject* parent = nullptr);
    // Finishes the queued work first (see finish). A subclass that overrides the virtual steps
    // calls finish() in its own destructor, before its part of the object is gone.
    ~IImageTansformThread() override;

    // Stops the worker once every job queued so far has been handled, and waits for it. Jobs
    // queued afterwards are refused.
    void finish();

    // The writer's name for a picture suffix: "png", "jpeg", "tiff" or "bmp" (any case, "jpg"
    // and "tif" included); empty for anything else.
    static QString canonicalImageFormat(const QString& suffix);
    // `folder` and `name` joined by exactly one "/", whether or not the folder ends with one.
    static QString joinPath(const QString& folder, const QString& name);
    // Writes `picture` atomically as a new photo in `folder`, named after `time` in the photo
    // format, never over an existing file (safe from any thread). Returns its path; empty on
    // failure, with the path it was meant for in `failedPath` when a name was reached.
    static QString savePhoto(const QImage& picture, const QString& folder, const QDateTime& time,
                             QString* failedPath = nullptr);

public slots:
    virtual void addCaptureJob(const CaptureJob& job);
    // Queues an export of the pictures to `outputPath`: one PDF for a ".pdf" suffix, otherwise
    // pictures in the suffix's format (one picture to the path itself, several numbered).
    virtual void setSaveFilesJob(const QString& outputPath, const QStringList& picturePaths,
                                 int pageLayout);

signals:
    // A capture was written to `path`; `image` is its small preview. A time-lapse frame comes
    // with the full-size picture and an empty path.
    void sgCaptureImage(QImage image, QString path);
    // A capture could not be processed or written (`path`: the file it was meant for, empty
    // when no name was reached). Nothing was written.
    void sgCaptureFailed(QString path);
    // Every file of an export was written.
    void sgSaveFilesSuccess();
    // An export failed; an older file at a path that failed is left as it was.
    void sgSaveFilesFailed(QString outputPath);
    // For the settings store: the photo format after a successful picture export.
    void sgPhotoFormatChanged(QString format);
    // For the settings store: the folder of the last export (when it exists), without a
    // trailing "/".
    void sgFileDialogPathChanged(QString folder);

protected:
    void run() override;
    // Handles the oldest capture job; false when there was none.
    virtual bool processCaptureJob();
    // Handles the oldest export job; false when there was none.
    virtual bool processSaveFilesJob();
    // The clock that names photos.
    virtual QDateTime currentTime() const;

private:
    struct SaveFilesJob {
        QString outputPath;
        QStringList picturePaths;
        int pageLayout = 1;
    };

    bool stopRequested() const;
    bool takeCaptureJob(CaptureJob* job);
    bool takeSaveFilesJob(SaveFilesJob* job);
    void handleCaptureJob(const CaptureJob& job);
    void saveCapture(const QImage& result, const QString& folder);
    bool saveFiles(const SaveFilesJob& job);

    // Guards stop_, captureJobs_ and saveFilesJobs_. A standard mutex, whose locking the thread
    // sanitizer sees (QMutex locks inside the uninstrumented Qt library).
    mutable std::mutex mutex_;
    bool stop_ = false;
    QList<CaptureJob> captureJobs_;
    IApplication* app_;
    QSize thumbnailSize_;  // worker thread only
    QList<SaveFilesJob> saveFilesJobs_;
};

#endif  // IIMAGETANSFORMTHREAD_H
