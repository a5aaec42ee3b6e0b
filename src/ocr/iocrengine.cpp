#include "ocr/iocrengine.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <cstdio>

#include "ocr/cocrexception.h"
#include "ocr/iocrexporter.h"
#include "ocr/iocrlibraryloader.h"
#include "ocr/ocrlanguages.h"
#include "ocr/ocrrecognizer.h"
#include "platform/thread/workerjoin.h"

namespace {

const char kLoadError[] =
    QT_TRANSLATE_NOOP("IOcrEngine", "Error while loading Tesseract OCR Engine");
const char kUnloadError[] =
    QT_TRANSLATE_NOOP("IOcrEngine", "Error while unloading Tesseract OCR Engine");
const char kStopped[] = QT_TRANSLATE_NOOP("IOcrEngine", "Recognition stopped");

// Engine instances working at once: one per core, at most two (one picture each).
int laneCount(int pictures)
{
    return std::min({pictures, 2, std::max(1, QThread::idealThreadCount())});
}

void checkFolder(const QString& output)
{
    const QFileInfo target(output);
    const QFileInfo folder(target.absolutePath());
    if (output.isEmpty() || target.isDir() || !folder.isDir() || !folder.isWritable()) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write to the folder %1"),
                    folder.absoluteFilePath()));
    }
}

}  // namespace

IOcrEngine* IOcrEngine::instance()
{
    static IOcrEngine engine;
    return &engine;
}

IOcrEngine::IOcrEngine()
{
    qRegisterMetaType<OcrParameter>("OcrParameter");
    qRegisterMetaType<ExportFileType>("ExportFileType");
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("ocr engine"));
    moveToThread(thread_);
    thread_->start();
    // Each request is queued to the engine thread by name, and a job's parameters travel in a
    // queue under a standard mutex: the thread sanitizer sees that hand-over, while Qt's event
    // queue locks inside the uninstrumented library.
    // A queued stop would wait for the running job; the flag reaches it at once. The queued
    // slot clears it again, so jobs sent after the stop run.
    connect(
        this, &IOcrEngine::sgOcrStop, this,
        [this]() {
            stop_.set(true);
            QMetaObject::invokeMethod(this, "slOcrStop", Qt::QueuedConnection);
        },
        Qt::DirectConnection);
    connect(
        this, &IOcrEngine::sgOcrDestory, this,
        [this]() { QMetaObject::invokeMethod(this, "slOcrDestory", Qt::QueuedConnection); },
        Qt::DirectConnection);
    connect(this, &IOcrEngine::sgOcrStart, this, &IOcrEngine::queueJob, Qt::DirectConnection);
    // The library's own globals go before this object's destructor at exit.
    qAddPostRoutine([]() { instance()->endThread(); });
}

IOcrEngine::~IOcrEngine()
{
    endThread();
}

void IOcrEngine::endThread()
{
    if (!thread_) {
        return;
    }
    stop_.set(true);
    thread_->quit();
    joinWorker(*thread_, working_);
    delete thread_;
    thread_ = nullptr;
    recognizer_.reset();
}

bool IOcrEngine::isInitialised() const
{
    std::lock_guard<std::mutex> guard(stateLock_);
    return initialised_;
}

bool IOcrEngine::initOCR()
{
    try {
        QString reason;
        const TessCApi* api = IOcrLibraryLoader::load(&reason);
        if (!api) {
            qDebug() << "QLibrary load error;" << IOcrLibraryLoader::searchPaths() << reason;
            throw COcrException(ocrText(kLoadError));
        }
        qDebug() << "ocr engine" << api->version() << IOcrLibraryLoader::loadedFile();
        recognizer_ = std::make_unique<OcrRecognizer>(*api, stop_);
        std::lock_guard<std::mutex> guard(stateLock_);
        initialised_ = true;
    } catch (const COcrException& error) {
        fail(error.text());
        return false;
    }
    qDebug() << "ocr Engine init success.";
    return true;
}

void IOcrEngine::slOcrStop()
{
    std::lock_guard<std::mutex> working(working_);
    stop_.set(false);
}

void IOcrEngine::slOcrDestory()
{
    std::lock_guard<std::mutex> working(working_);
    recognizer_.reset();
    if (!IOcrLibraryLoader::unload()) {
        fail(ocrText(kUnloadError));
        return;
    }
    {
        std::lock_guard<std::mutex> guard(stateLock_);
        initialised_ = false;
    }
    qDebug() << "ocr Engine destory success.";
}

void IOcrEngine::queueJob(const OcrParameter& job)
{
    {
        std::lock_guard<std::mutex> guard(jobsLock_);
        jobs_.push_back(job);
    }
    QMetaObject::invokeMethod(this, "runQueuedJob", Qt::QueuedConnection);
}

void IOcrEngine::runQueuedJob()
{
    OcrParameter job;
    {
        std::lock_guard<std::mutex> guard(jobsLock_);
        if (jobs_.empty()) {
            return;
        }
        job = std::move(jobs_.front());
        jobs_.pop_front();
    }
    slOcrStart(job);
}

void IOcrEngine::slOcrStart(OcrParameter job)
{
    std::lock_guard<std::mutex> working(working_);
    qDebug() << "ocr job" << job.images.size() << "pictures to" << job.outputPath << job.languages
             << job.exportType;
    if (stop_.isSet()) {
        fail(ocrText(kStopped));
        return;
    }
    if (!isInitialised() && !initOCR()) {
        return;
    }
    const QString temporary = temporaryName(job);
    QString error;
    try {
        runJob(job, temporary);
        return;
    } catch (const COcrException& failure) {
        error = failure.text();
    } catch (const std::exception& failure) {
        error = QString::fromLocal8Bit(failure.what());
    } catch (...) {
        error = ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Unknown error"));
    }
    QFile::remove(temporary);
    fail(error);
}

void IOcrEngine::runJob(const OcrParameter& job, const QString& temporary)
{
    emit sgOcrProgress(10);
    const QString dataPath = OcrLanguages::dataPath();
    QString error;
    const QString languages = OcrLanguages::engineLanguages(job.languages, &error);
    if (languages.isEmpty()) {
        throw COcrException(error);
    }
    recognizer_->prepare(dataPath, languages, laneCount(job.images.size()));
    emit sgOcrProgress(20);
    checkFolder(job.outputPath);
    std::unique_ptr<IOcrExporter> exporter =
        IOcrExporter::create(job.exportType, *IOcrLibraryLoader::load(), dataPath);
    emit sgOcrProgress(30);
    for (int i = 0; i < job.images.size(); ++i) {
        emit sgOcrProgress(40);
    }
    emit sgOcrProgress(50);
    QStringList skipped;
    if (job.images.isEmpty()) {
        qDebug() << "no images";
    } else {
        exporter->begin(temporary, QFileInfo(job.outputPath).completeBaseName());
        skipped = recognizer_->run(job.images, [&](const OcrPage& page, TessBaseAPI* engine) {
            emit sgOcrProgress(60);
            exporter->addPage(page, engine);
        });
    }
    emit sgOcrProgress(70);
    emit sgOcrProgress(80);
    if (job.images.isEmpty() || skipped.size() == job.images.size()) {
        throw COcrException(ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "No pictures to recognise")) +
                            skippedText(skipped));
    }
    exporter->finish();
    exporter.reset();
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(job.outputPath).constData()) != 0) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), job.outputPath));
    }
    emit sgOcrProgress(95);
    qDebug() << "ocr document written" << job.outputPath;
    if (!skipped.isEmpty()) {
        qDebug() << "ocr pictures skipped:" << skipped;
        emit sgOcrSkipped(skippedText(skipped).trimmed());
    }
    emit sgOcrProgress(100);
}

QString IOcrEngine::skippedText(const QStringList& pictures)
{
    QString text;
    for (const QString& picture : pictures) {
        text += QLatin1Char('\n') +
                ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot read the picture %1"), picture);
    }
    return text;
}

void IOcrEngine::fail(const QString& text)
{
    qDebug() << "ocr error:" << text;
    emit sgOcrError(text);
}

QString IOcrEngine::temporaryName(const OcrParameter& job)
{
    // Hidden, beside the target, so the final rename stays on one file system.
    const QFileInfo target(job.outputPath);
    return target.absolutePath() + QStringLiteral("/.") + target.completeBaseName() +
           QStringLiteral("-%1.").arg(QRandomGenerator::global()->generate(), 8, 16,
                                      QLatin1Char('0')) +
           ocrSuffix(job.exportType);
}
