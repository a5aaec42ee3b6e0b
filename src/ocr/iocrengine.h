#ifndef IOCRENGINE_H
#define IOCRENGINE_H

#include <QObject>
#include <deque>
#include <memory>
#include <mutex>

#include "ocr/ocrparameter.h"
#include "ocr/ocrstopflag.h"

class OcrRecognizer;
class QThread;

// The process-wide OCR engine driver. It runs on its own thread: callers emit sgOcrStart,
// sgOcrStop and sgOcrDestory on the instance and the requests run there one at a time, in order.
// A job answers with progress percentages (10, 20, 30, 40 per picture, 50, 60 per page, 70, 80,
// 95, 100) and ends with exactly one 100 (the document was written) or exactly one error text.
// sgOcrStop also reaches a running job at once: it ends with an error and leaves no file.
class IOcrEngine : public QObject {
    Q_OBJECT
public:
    static IOcrEngine* instance();
    ~IOcrEngine() override;

    // Loads the library and makes the engine ready; false after reporting the error.
    bool initOCR();
    bool isInitialised() const;

signals:
    void sgOcrStop();
    void sgOcrDestory();
    void sgOcrStart(OcrParameter job);
    void sgOcrError(QString text);
    void sgOcrProgress(int percent);
    // Before progress 100: the pictures that could not be read were left out of the document
    // (one line naming each).
    void sgOcrSkipped(QString text);

public slots:
    void slOcrStop();
    void slOcrDestory();
    void slOcrStart(OcrParameter job);

private:
    IOcrEngine();
    // On the emitting thread: keeps the job and asks the engine thread to run it.
    void queueJob(const OcrParameter& job);
    // On the engine thread: runs the oldest queued job.
    Q_INVOKABLE void runQueuedJob();
    // Stops the worker thread and releases the engine instances; once, before process exit.
    void endThread();
    void runJob(const OcrParameter& job, const QString& temporary);
    void fail(const QString& text);
    static QString temporaryName(const OcrParameter& job);
    // One line per picture, each starting with a line break.
    static QString skippedText(const QStringList& pictures);

    QThread* thread_ = nullptr;
    // Held while a request runs in the worker thread; taken again after joining it.
    std::mutex working_;
    mutable std::mutex stateLock_;
    bool initialised_ = false;
    OcrStopFlag stop_;
    std::unique_ptr<OcrRecognizer> recognizer_;
    std::mutex jobsLock_;  // guards jobs_
    std::deque<OcrParameter> jobs_;
};

#endif  // IOCRENGINE_H
