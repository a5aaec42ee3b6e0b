#include "iimagetansformthread.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTransform>
#include <cmath>
#include <exception>

#include "customui/kit/uiscale.h"
#include "opencv/iopencvapi.h"
#include "platform/thread/workerjoin.h"
#include "service/iconfigureservice.h"

namespace {

constexpr unsigned long kPollIntervalMs = 20;
constexpr int kThumbnailWidth = 139;
constexpr int kThumbnailHeight = 94;
constexpr int kJpegQuality = 100;
// Photos taken within the same millisecond (or an hour repeated by a clock change) get
// "_1", "_2", ...; this many tries mean something else is wrong with the folder.
constexpr int kMaxNameSuffix = 1000;
constexpr int kPdfResolution = 300;
// The pixel area of an A4 page at 300 dots per inch that pictures are fitted into.
const QSize kPdfPage(2479, 3508);
constexpr int kFittedPages = 1;

void registerCaptureJob()
{
    qRegisterMetaType<CaptureJob>("CaptureJob");
}
Q_CONSTRUCTOR_FUNCTION(registerCaptureJob)

struct PhotoFormat {
    QString suffix;
    QByteArray writerFormat;
};

// The configured photo format; "jpeg" when it names no format we write (a photo is never lost
// to a bad setting).
PhotoFormat currentPhotoFormat()
{
    const QString configured = IConfigureService::instance()->photoFormat();
    const QString format = IImageTansformThread::canonicalImageFormat(configured);
    if (format.isEmpty()) {
        qDebug() << "unknown photo format, photo saved as jpeg:" << configured;
        return {QStringLiteral("jpeg"), QByteArrayLiteral("jpeg")};
    }
    return {configured, format.toLatin1()};
}

// Writes into a temporary file beside `path` and renames it into place only when every byte
// was written, so a failed write leaves neither a truncated file nor a damaged older one.
bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "ERROR: cannot open file" << path << file.errorString();
        return false;
    }
    // QSaveFile commits after a short write or a failed last flush (a full disk): check both.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        qDebug() << "ERROR: cannot write file" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qDebug() << "ERROR: cannot complete file" << path << file.errorString();
        return false;
    }
    return true;
}

// The picture encoded in `format`, jpeg at best quality; empty when it cannot be encoded.
QByteArray encodePicture(const QImage& image, const QByteArray& format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg") {
        writer.setQuality(kJpegQuality);
    }
    if (!writer.write(image)) {
        qDebug() << "ERROR: cannot encode picture as" << format << writer.errorString();
        return QByteArray();
    }
    return buffer.data();
}

bool writeImageFile(const QImage& image, const QString& path, const QByteArray& format)
{
    const QByteArray encoded = encodePicture(image, format);
    return !encoded.isEmpty() && writeFileAtomically(path, encoded);
}

QImage loadPicture(const QString& path)
{
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        qDebug() << "ERROR: cannot read picture" << path << reader.errorString();
    }
    return picture;
}

// Picture and annotations in one layer.
QImage compose(const QImage& picture, const QImage& overlay)
{
    QImage composed(picture.size(), QImage::Format_ARGB32);
    if (composed.isNull()) {
        qDebug() << "ERROR: no picture to compose" << picture.size();
        return composed;
    }
    composed.fill(Qt::transparent);
    QPainter painter(&composed);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, picture);
    if (!overlay.isNull()) {
        painter.drawImage(0, 0, overlay);
    }
    return composed;
}

// The document cut out and straightened; the picture itself when the outline gives nothing
// usable to cut.
QImage cutDocument(const QImage& picture, const EdgeResult& edge)
{
    if (edge.angle == -1) {
        return picture;
    }
    if (!std::isfinite(edge.angle)) {
        qDebug() << "ERROR: edge angle unusable, picture kept uncut:" << edge.angle;
        return picture;
    }
    try {
        const QImage document = IOpencvApi::straighten(picture, edge);
        if (!document.isNull()) {
            return document;
        }
    } catch (const std::exception& e) {
        qDebug() << "ERROR: document cut failed, picture kept uncut:" << e.what();
    }
    return picture;
}

QImage cutRectangle(const QImage& picture, const QRect& rect)
{
    if (rect == QRect()) {
        return picture;
    }
    const QRect inside = rect & picture.rect();
    if (inside.isEmpty()) {
        qDebug() << "ERROR: capture rectangle outside the picture, picture kept whole:" << rect
                 << picture.size();
        return picture;
    }
    if (inside != rect) {
        qDebug() << "capture rectangle clipped to the picture:" << rect << picture.size();
    }
    return picture.copy(inside);
}

QImage rotated(const QImage& picture, int degrees)
{
    // Quarter turns are exact only as 90, 180 or 270 (450 would come out a pixel larger).
    const int turn = ((degrees % 360) + 360) % 360;
    if (turn == 0) {
        return picture;
    }
    return picture.transformed(QTransform().rotate(turn), Qt::FastTransformation);
}

QImage processedPicture(const CaptureJob& job)
{
    const QImage composed = compose(job.picture, job.overlay);
    if (composed.isNull()) {
        return composed;
    }
    const QImage document =
        cutDocument(composed, job.edge)
            .mirrored(job.mirror.testFlag(Qt::Horizontal), job.mirror.testFlag(Qt::Vertical));
    return rotated(cutRectangle(document, job.captureRect), job.rotation);
}

// A path in `folder` for a new photo named `stem` that no existing file has.
QString freePhotoPath(const QString& folder, const QString& stem, const QString& suffix)
{
    const QString extension = QLatin1Char('.') + suffix;
    QString path = IImageTansformThread::joinPath(folder, stem + extension);
    for (int n = 1; QFileInfo::exists(path) && n <= kMaxNameSuffix; ++n) {
        path = IImageTansformThread::joinPath(folder,
                                              QStringLiteral("%1_%2").arg(stem).arg(n) + extension);
    }
    return QFileInfo::exists(path) ? QString() : path;
}

// One picture goes to the output path itself, several to "<base>1.<suffix>", "<base>2..." in
// its folder.
QStringList exportPaths(const QString& outputPath, int count)
{
    if (count == 1) {
        return {outputPath};
    }
    const QFileInfo info(outputPath);
    QStringList paths;
    for (int n = 1; n <= count; ++n) {
        paths << IImageTansformThread::joinPath(
            info.absolutePath(),
            info.completeBaseName() + QString::number(n) + '.' + info.suffix());
    }
    return paths;
}

bool exportPictures(const QString& outputPath, const QStringList& pictures,
                    const QByteArray& format)
{
    const QStringList targets = exportPaths(outputPath, pictures.size());
    bool allWritten = true;
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage picture = loadPicture(pictures[i]);
        const bool written = !picture.isNull() && writeImageFile(picture, targets[i], format);
        allWritten = allWritten && written;
    }
    return allWritten;
}

// Each picture fitted onto its own A4 page and centred. False when a picture cannot be read
// or the document cannot be produced.
bool paintPdf(QIODevice* device, const QStringList& pictures)
{
    QPdfWriter writer(device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(kPdfResolution);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
        qDebug() << "ERROR: cannot start the PDF document";
        return false;
    }
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage picture = loadPicture(pictures[i]);
        if (picture.isNull()) {
            painter.end();
            return false;
        }
        if (i > 0) {
            writer.newPage();
        }
        const QImage fitted =
            picture.scaled(kPdfPage, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((kPdfPage.width() - fitted.width()) / 2,
                          (kPdfPage.height() - fitted.height()) / 2, fitted);
    }
    return painter.end();
}

// The document is made in memory: the PDF writer ignores failed writes to its device.
bool exportPdf(const QString& outputPath, const QStringList& pictures)
{
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    return paintPdf(&document, pictures) && writeFileAtomically(outputPath, document.data());
}

}  // namespace

IImageTansformThread::IImageTansformThread(IApplication* app, QObject* parent)
    : QThread(parent), app_(app)
{
}

IImageTansformThread::~IImageTansformThread()
{
    finish();
    std::lock_guard<std::mutex> lock(mutex_);
    if (!captureJobs_.isEmpty() || !saveFilesJobs_.isEmpty()) {
        // Only when the thread never ran.
        qDebug() << "ERROR: saving thread never ran, jobs dropped:" << captureJobs_.size()
                 << saveFilesJobs_.size();
    }
    qDebug() << "ImageTansformThread eixt!";
}

void IImageTansformThread::finish()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    joinWorker(*this, mutex_);
}

QString IImageTansformThread::canonicalImageFormat(const QString& suffix)
{
    const QString lower = suffix.toLower();
    if (lower == QLatin1String("jpg")) {
        return QStringLiteral("jpeg");
    }
    if (lower == QLatin1String("tif")) {
        return QStringLiteral("tiff");
    }
    static const QStringList known{QStringLiteral("png"), QStringLiteral("jpeg"),
                                   QStringLiteral("tiff"), QStringLiteral("bmp")};
    return known.contains(lower) ? lower : QString();
}

QString IImageTansformThread::joinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) {
        return folder + name;
    }
    return folder + QLatin1Char('/') + name;
}

void IImageTansformThread::addCaptureJob(const CaptureJob& job)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stop_) {
        qDebug() << "ERROR: saving thread stopped, capture refused";
        return;
    }
    captureJobs_.append(job);
}

void IImageTansformThread::setSaveFilesJob(const QString& outputPath,
                                           const QStringList& picturePaths, int pageLayout)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stop_) {
        qDebug() << "ERROR: saving thread stopped, export refused:" << outputPath;
        return;
    }
    saveFilesJobs_.append({outputPath, picturePaths, pageLayout});
}

void IImageTansformThread::run()
{
    thumbnailSize_ = QSize(int(kThumbnailWidth * uiScale), int(kThumbnailHeight * uiScale));
    while (!stopRequested()) {
        processCaptureJob();
        processSaveFilesJob();
        msleep(kPollIntervalMs);
    }
    // Closing: what was queued before is still written.
    while (processCaptureJob()) {
    }
    while (processSaveFilesJob()) {
    }
    workerFinished(mutex_);
}

bool IImageTansformThread::stopRequested() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return stop_;
}

bool IImageTansformThread::takeCaptureJob(CaptureJob* job)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (captureJobs_.isEmpty()) {
        return false;
    }
    *job = captureJobs_.takeFirst();
    return true;
}

bool IImageTansformThread::takeSaveFilesJob(SaveFilesJob* job)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (saveFilesJobs_.isEmpty()) {
        return false;
    }
    *job = saveFilesJobs_.takeFirst();
    return true;
}

QDateTime IImageTansformThread::currentTime() const
{
    return QDateTime::currentDateTime();
}

bool IImageTansformThread::processCaptureJob()
{
    CaptureJob job;
    if (!takeCaptureJob(&job)) {
        return false;
    }
    try {
        handleCaptureJob(job);
    } catch (const std::exception& e) {
        qDebug() << "ERROR: capture processing failed:" << e.what();
        emit sgCaptureFailed(QString());
    }
    return true;
}

void IImageTansformThread::handleCaptureJob(const CaptureJob& job)
{
    const QImage result = processedPicture(job);
    if (result.isNull()) {
        qDebug() << "ERROR: capture gave no picture" << job.picture.size();
        emit sgCaptureFailed(QString());
        return;
    }
    if (job.folder.isEmpty()) {
        emit sgCaptureImage(result, QString());
        return;
    }
    saveCapture(result, job.folder);
}

void IImageTansformThread::saveCapture(const QImage& result, const QString& folder)
{
    QString failedPath;
    const QString path = savePhoto(result, folder, currentTime(), &failedPath);
    if (path.isEmpty()) {
        emit sgCaptureFailed(failedPath);
        return;
    }
    emit sgCaptureImage(
        result.scaled(thumbnailSize_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), path);
}

QString IImageTansformThread::savePhoto(const QImage& picture, const QString& folder,
                                        const QDateTime& time, QString* failedPath)
{
    // Photos of this thread and window grabs of the gallery are named and written one at a
    // time, so two pictures of the same millisecond never pick the same free name.
    static std::mutex naming;
    std::lock_guard<std::mutex> lock(naming);
    const PhotoFormat format = currentPhotoFormat();
    const QString stem = time.toString(QStringLiteral("yyyyMMddhhmmsszzz"));
    if (!QDir().mkpath(folder)) {
        qDebug() << "ERROR: cannot create photo folder" << folder;
    }
    const QString path = freePhotoPath(folder, stem, format.suffix);
    if (path.isEmpty()) {
        qDebug() << "ERROR: no free photo name in" << folder << "for" << stem;
        if (failedPath) {
            *failedPath = joinPath(folder, stem + '.' + format.suffix);
        }
        return QString();
    }
    if (!writeImageFile(picture, path, format.writerFormat)) {
        qDebug() << "ERROR: photo not saved:" << path;
        if (failedPath) {
            *failedPath = path;
        }
        return QString();
    }
    qDebug() << "photo saved:" << path;
    return path;
}

bool IImageTansformThread::processSaveFilesJob()
{
    SaveFilesJob job;
    if (!takeSaveFilesJob(&job)) {
        return false;
    }
    bool saved = false;
    try {
        saved = saveFiles(job);
    } catch (const std::exception& e) {
        qDebug() << "ERROR: saving files failed:" << e.what();
    }
    const QString folder = QFileInfo(job.outputPath).absolutePath();
    if (QFileInfo(folder).isDir()) {
        emit sgFileDialogPathChanged(folder);
    }
    if (saved) {
        qDebug() << "files saved:" << job.outputPath << job.picturePaths.size();
        emit sgSaveFilesSuccess();
    } else {
        qDebug() << "ERROR: files not saved:" << job.outputPath;
        emit sgSaveFilesFailed(job.outputPath);
    }
    return true;
}

bool IImageTansformThread::saveFiles(const SaveFilesJob& job)
{
    if (job.picturePaths.isEmpty()) {
        qDebug() << "ERROR: no pictures to save to" << job.outputPath;
        return false;
    }
    if (job.pageLayout != kFittedPages) {
        qDebug() << "unknown page layout, each picture fitted to a page:" << job.pageLayout;
    }
    const QString suffix = QFileInfo(job.outputPath).suffix();
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        return exportPdf(job.outputPath, job.picturePaths);
    }
    const QString format = canonicalImageFormat(suffix);
    if (format.isEmpty()) {
        qDebug() << "ERROR: no picture format for the file name" << job.outputPath;
        return false;
    }
    if (!exportPictures(job.outputPath, job.picturePaths, format.toLatin1())) {
        return false;
    }
    emit sgPhotoFormatChanged(format);
    return true;
}
