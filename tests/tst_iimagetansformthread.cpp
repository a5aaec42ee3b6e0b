#include <QtTest>

#include <sys/resource.h>
#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <limits>

#include "capturejob.h"
#include "iimagetansformthread.h"
#include "opencv/iopencvapi.h"
#include "service/iconfigureservice.h"
#include "syntheticpage.h"

namespace {

const QSize kPictureSize(400, 300);
const QRgb kMarker = qRgb(0, 200, 0);
const QRgb kInk = qRgb(230, 20, 20);
constexpr int kWaitMs = 60000;

// The worker with a clock the test can hold still; an invalid time means the real clock.
class ClockedThread : public IImageTansformThread {
public:
    ClockedThread() : IImageTansformThread(nullptr) {}
    ~ClockedThread() override { finish(); }
    QDateTime fixedTime;

protected:
    QDateTime currentTime() const override
    {
        return fixedTime.isValid() ? fixedTime : IImageTansformThread::currentTime();
    }
};

// The worker's results, delivered queued to the test thread as the main window gets them.
class Results : public QObject {
public:
    explicit Results(IImageTansformThread* thread)
    {
        connect(thread, &IImageTansformThread::sgCaptureImage, this,
                [this](const QImage& image, const QString& path) {
                    previews << image;
                    paths << path;
                });
        connect(thread, &IImageTansformThread::sgCaptureFailed, this,
                [this](const QString& path) { failures << path; });
        connect(thread, &IImageTansformThread::sgSaveFilesSuccess, this, [this] { ++exported; });
        connect(thread, &IImageTansformThread::sgSaveFilesFailed, this,
                [this](const QString& path) { exportFailures << path; });
        connect(thread, &IImageTansformThread::sgPhotoFormatChanged, this,
                [this](const QString& format) { formats << format; });
        connect(thread, &IImageTansformThread::sgFileDialogPathChanged, this,
                [this](const QString& folder) { folders << folder; });
    }
    bool waitCaptures(int count)
    {
        return QTest::qWaitFor([&] { return paths.size() + failures.size() >= count; }, kWaitMs);
    }
    bool waitExports(int count)
    {
        return QTest::qWaitFor([&] { return exported + exportFailures.size() >= count; }, kWaitMs);
    }

    QList<QImage> previews;
    QStringList paths;
    QStringList failures;
    int exported = 0;
    QStringList exportFailures;
    QStringList formats;
    QStringList folders;
};

struct Worker {
    Worker() { thread.start(); }
    ClockedThread thread;
    Results results{&thread};
};

// Lowers the largest file this process may write, as a full disk would stop a write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

// A picture whose every pixel differs from its neighbours, so that any shift shows, with a
// marker block in its top-left corner.
QImage testPicture(const QSize& size = kPictureSize, int seed = 0)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            picture.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 5 + seed) & 255, (x ^ y) & 255));
        }
    }
    QPainter(&picture).fillRect(0, 0, 40, 40, QColor(kMarker));
    return picture;
}

// Random pixels, which no encoder can shrink much.
QImage noisePicture(const QSize& size)
{
    QImage picture(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            picture.setPixel(x, y, random.generate() | 0xff000000u);
        }
    }
    return picture;
}

// Annotations: an opaque stroke, a half-transparent antialiased ellipse, transparent elsewhere.
QImage testOverlay(const QSize& size = kPictureSize)
{
    QImage overlay(size, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    QPainter painter(&overlay);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(100, 50, 150, 8, QColor(kInk));
    painter.setBrush(QColor(0, 0, 255, 128));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(200.5, 120.5, 120, 90));
    return overlay;
}

CaptureJob captureJob(const QImage& picture, const QString& folder)
{
    CaptureJob job;
    job.picture = picture;
    job.folder = folder;
    return job;
}

// The picture with the annotations painted over it.
QImage paintedOver(const QImage& picture, const QImage& overlay)
{
    QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&expected);
    painter.drawImage(0, 0, overlay);
    return expected;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contentFormat(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format();
}

QString savePicture(const QImage& picture, const QString& path)
{
    if (!picture.save(path, "png")) {
        qWarning() << "cannot save test picture" << path;
    }
    return path;
}

// Page `page` of the PDF rendered at 30 dots per inch.
QImage renderPdfPage(const QString& pdf, int page, const QString& workDir)
{
    const QString prefix = workDir + QStringLiteral("/page%1").arg(page);
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {"-r", "30", "-png", "-singlefile", "-f", QString::number(page), "-l",
                   QString::number(page), pdf, prefix});
    if (!process.waitForFinished(kWaitMs) || process.exitCode() != 0) {
        qWarning() << "pdftoppm failed" << process.readAllStandardError();
        return QImage();
    }
    return QImage(prefix + ".png");
}

bool isColour(QRgb pixel, QRgb colour)
{
    return qAbs(qRed(pixel) - qRed(colour)) < 40 && qAbs(qGreen(pixel) - qGreen(colour)) < 40 &&
           qAbs(qBlue(pixel) - qBlue(colour)) < 40;
}

// First and last index along a line of `length` pixels where `pixelAt` shows the colour.
QPair<int, int> colouredSpan(int length, QRgb colour, const std::function<QRgb(int)>& pixelAt)
{
    int first = -1;
    int last = -1;
    for (int i = 0; i < length; ++i) {
        if (isColour(pixelAt(i), colour)) {
            first = first == -1 ? i : first;
            last = i;
        }
    }
    return {first, last};
}

}  // namespace

class TestIImageTansformThread : public QObject {
    Q_OBJECT
private slots:
    void init();
    void composedPixels_data();
    void composedPixels();
    void geometry_data();
    void geometry();
    void skewedPageComesOutUpright_data();
    void skewedPageComesOutUpright();
    void unusableEdgeKeepsWholePicture_data();
    void unusableEdgeKeepsWholePicture();
    void unwritableFolderFails();
    void fullDiskLeavesNoFile();
    void burstGivesDistinctFilesInOrder();
    void sameMillisecondNeverOverwrites();
    void timeLapseFrameIsNotWritten();
    void photoFormats_data();
    void photoFormats();
    void exportPictures_data();
    void exportPictures();
    void exportFailures_data();
    void exportFailures();
    void pdfExport();
    void failedPdfKeepsOlderFile();
    void finishWritesQueuedWork();
    void overlayFactors_data();
    void overlayFactors();
    void captureRectInPicture_data();
    void captureRectInPicture();

private:
    IConfigureService* config() { return IConfigureService::instance(); }
};

void TestIImageTansformThread::init()
{
    config()->setPhotoFormat(QStringLiteral("png"));
}

void TestIImageTansformThread::composedPixels_data()
{
    QTest::addColumn<bool>("trailingSlash");
    QTest::newRow("folder ends with /") << true;
    QTest::newRow("folder without /") << false;
}

void TestIImageTansformThread::composedPixels()
{
    QFETCH(bool, trailingSlash);
    QTemporaryDir dir;
    const QImage picture = testPicture();
    const QImage overlay = testOverlay();
    CaptureJob job = captureJob(picture, trailingSlash ? dir.path() + '/' : dir.path());
    job.overlay = overlay;
    Worker worker;
    const QDateTime before = QDateTime::currentDateTime();

    worker.thread.addCaptureJob(job);

    QVERIFY(worker.results.waitCaptures(1));
    QCOMPARE(worker.results.failures, QStringList());
    const QString path = worker.results.paths.value(0);
    const QString name = QFileInfo(path).fileName();
    QVERIFY2(QRegularExpression("^\\d{17}\\.png$").match(name).hasMatch(), qPrintable(path));
    QCOMPARE(path, dir.path() + '/' + name);
    const QDateTime named = QDateTime::fromString(name.left(17), "yyyyMMddhhmmsszzz");
    QVERIFY(qAbs(named.msecsTo(before)) < 60000);
    QCOMPARE(entries(dir.path()), QStringList{name});

    const QImage saved(path);
    QCOMPARE(saved.convertToFormat(QImage::Format_ARGB32), paintedOver(picture, overlay));
    QCOMPARE(saved.pixel(120, 52), kInk);
    QCOMPARE(saved.pixel(5, 5), kMarker);
    QCOMPARE(saved.pixel(390, 290), picture.pixel(390, 290));
    QCOMPARE(worker.results.previews.value(0).size(), QSize(139, 94));
}

void TestIImageTansformThread::geometry_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("marker");  // where the marker block ends up; (-1, -1) nowhere
    QTest::addColumn<int>("mirror");     // how the view turns the camera's picture over
    const QPoint none(-1, -1);
    QTest::newRow("whole") << QRect() << 0 << QSize(400, 300) << QPoint(5, 5) << 0;
    QTest::newRow("rectangle") << QRect(0, 0, 200, 100) << 0 << QSize(200, 100) << QPoint(5, 5)
                               << 0;
    QTest::newRow("inner rectangle")
        << QRect(20, 20, 100, 50) << 0 << QSize(100, 50) << QPoint(5, 5) << 0;
    QTest::newRow("rectangle 90") << QRect(0, 0, 200, 100) << 90 << QSize(100, 200) << QPoint(95, 5)
                                  << 0;
    QTest::newRow("180") << QRect() << 180 << QSize(400, 300) << QPoint(395, 295) << 0;
    QTest::newRow("270") << QRect() << 270 << QSize(300, 400) << QPoint(5, 395) << 0;
    QTest::newRow("-90") << QRect() << -90 << QSize(300, 400) << QPoint(5, 395) << 0;
    QTest::newRow("450") << QRect() << 450 << QSize(300, 400) << QPoint(295, 5) << 0;
    QTest::newRow("360") << QRect() << 360 << QSize(400, 300) << QPoint(5, 5) << 0;
    QTest::newRow("rectangle past the edge")
        << QRect(300, 200, 200, 200) << 0 << QSize(100, 100) << none << 0;
    QTest::newRow("rectangle outside")
        << QRect(500, 500, 10, 10) << 0 << QSize(400, 300) << QPoint(5, 5) << 0;
    QTest::newRow("rectangle without area")
        << QRect(5, 5, 0, 0) << 0 << QSize(400, 300) << QPoint(5, 5) << 0;
    // The rectangle and the rotation apply to the turned-over picture the view shows.
    QTest::newRow("mirrored") << QRect() << 0 << QSize(400, 300) << QPoint(395, 5)
                              << int(Qt::Horizontal);
    QTest::newRow("flipped") << QRect() << 0 << QSize(400, 300) << QPoint(5, 295)
                             << int(Qt::Vertical);
    QTest::newRow("mirrored rectangle")
        << QRect(200, 0, 200, 100) << 0 << QSize(200, 100) << QPoint(195, 5) << int(Qt::Horizontal);
    QTest::newRow("both, 90") << QRect() << 90 << QSize(300, 400) << QPoint(5, 395)
                              << int(Qt::Horizontal | Qt::Vertical);
}

void TestIImageTansformThread::geometry()
{
    QFETCH(QRect, rect);
    QFETCH(int, rotation);
    QFETCH(QSize, size);
    QFETCH(QPoint, marker);
    QFETCH(int, mirror);
    QTemporaryDir dir;
    CaptureJob job = captureJob(testPicture(), dir.path());
    job.captureRect = rect;
    job.rotation = rotation;
    job.mirror = Qt::Orientations(mirror);
    Worker worker;

    worker.thread.addCaptureJob(job);

    QVERIFY(worker.results.waitCaptures(1));
    const QImage saved(worker.results.paths.value(0));
    QCOMPARE(saved.size(), size);
    if (marker.x() >= 0) {
        QCOMPARE(saved.pixel(marker), kMarker);
    }
    QCOMPARE(saved.pixel(saved.width() / 2, saved.height() / 2) == kMarker, false);
}

void TestIImageTansformThread::skewedPageComesOutUpright_data()
{
    QTest::addColumn<double>("angle");  // counter-clockwise on screen
    QTest::newRow("12 degrees") << 12.0;
    QTest::newRow("-20 degrees") << -20.0;
}

void TestIImageTansformThread::skewedPageComesOutUpright()
{
    QFETCH(double, angle);
    config()->setPhotoFormat(QStringLiteral("bmp"));
    QTemporaryDir dir;
    const SyntheticPage page = drawSyntheticPage(QSize(1920, 1080), QPointF(960, 540), angle, 21);
    // The live frame carries the outline the detection draws.
    QImage frame = page.frame.copy();
    const EdgeResult edge =
        IOpencvApi::detectDocumentEdge(cv::Mat(frame.height(), frame.width(), CV_8UC4, frame.bits(),
                                               static_cast<size_t>(frame.bytesPerLine())));
    CaptureJob job = captureJob(frame, dir.path());
    job.edge = edge;
    QVERIFY(job.edge.angle != -1);
    Worker worker;

    worker.thread.addCaptureJob(job);

    QVERIFY(worker.results.waitCaptures(1));
    const QImage upright(worker.results.paths.value(0));
    const QSize expected = syntheticPageSize() - QSize(12, 12);
    QVERIFY2(qAbs(upright.width() - expected.width()) <= 4 &&
                 qAbs(upright.height() - expected.height()) <= 4,
             qPrintable(QStringLiteral("%1x%2").arg(upright.width()).arg(upright.height())));
    QCOMPARE(darkCorner(upright), 0);
}

void TestIImageTansformThread::unusableEdgeKeepsWholePicture_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPolygonF>("polygon");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QPolygonF page({QPointF(50, 250), QPointF(50, 50), QPointF(350, 250), QPointF(350, 50)});
    QTest::newRow("outside the frame") << 0.0
                                       << QPolygonF({QPointF(900, 800), QPointF(900, 700),
                                                     QPointF(1100, 800), QPointF(1100, 700)});
    QTest::newRow("before the frame")
        << 10.0
        << QPolygonF({QPointF(-90, -10), QPointF(-90, -80), QPointF(-20, -10), QPointF(-20, -80)});
    QTest::newRow("one point") << 0.0
                               << QPolygonF({QPointF(100, 100), QPointF(100, 100),
                                             QPointF(100, 100), QPointF(100, 100)});
    QTest::newRow("whole frame") << 0.0
                                 << QPolygonF({QPointF(0, 0), QPointF(0, 300), QPointF(400, 300),
                                               QPointF(400, 0)});
    QTest::newRow("two points") << 0.0
                                << QPolygonF(QVector<QPointF>{QPointF(10, 10), QPointF(200, 200)});
    QTest::newRow("no points") << 0.0 << QPolygonF();
    QTest::newRow("angle not a number") << nan << page;
    QTest::newRow("infinite angle") << std::numeric_limits<double>::infinity() << page;
    QTest::newRow("point not a number")
        << 5.0
        << QPolygonF({QPointF(nan, 250), QPointF(50, 50), QPointF(350, 250), QPointF(350, 50)});
}

void TestIImageTansformThread::unusableEdgeKeepsWholePicture()
{
    QFETCH(double, angle);
    QFETCH(QPolygonF, polygon);
    QTemporaryDir dir;
    const QImage picture = testPicture();
    CaptureJob job = captureJob(picture, dir.path());
    job.edge.angle = angle;
    job.edge.polygon = polygon;
    Worker worker;

    worker.thread.addCaptureJob(job);

    QVERIFY(worker.results.waitCaptures(1));
    QCOMPARE(worker.results.failures, QStringList());
    const QImage saved(worker.results.paths.value(0));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), picture);
}

void TestIImageTansformThread::unwritableFolderFails()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("blocker"), "a file, not a folder");
    const QString blocked = dir.filePath("blocker/photos/");
    Worker worker;

    worker.thread.addCaptureJob(captureJob(testPicture(), blocked));
    worker.thread.addCaptureJob(captureJob(testPicture(), dir.path()));

    QVERIFY(worker.results.waitCaptures(2));
    QCOMPARE(worker.results.failures.size(), 1);
    QVERIFY2(worker.results.failures[0].startsWith(blocked),
             qPrintable(worker.results.failures[0]));
    // The next capture is not held up by the failed one.
    QCOMPARE(worker.results.paths.size(), 1);
    QCOMPARE(QFileInfo(worker.results.paths[0]).absolutePath(), dir.path());
    QCOMPARE(entries(dir.path()).size(), 2);
    QCOMPARE(readAll(dir.filePath("blocker")), QByteArray("a file, not a folder"));
}

void TestIImageTansformThread::fullDiskLeavesNoFile()
{
    QTemporaryDir dir;
    Worker worker;
    {
        FileSizeLimit limit(2048);
        worker.thread.addCaptureJob(captureJob(noisePicture(kPictureSize), dir.path()));
        QVERIFY(worker.results.waitCaptures(1));
    }
    QCOMPARE(worker.results.paths, QStringList());
    QCOMPARE(worker.results.failures.size(), 1);
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestIImageTansformThread::burstGivesDistinctFilesInOrder()
{
    QTemporaryDir dir;
    Worker worker;
    QList<QRgb> colours;
    for (int i = 0; i < 20; ++i) {
        colours << qRgb(i * 12, 255 - i * 12, 40);
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(colours.last());
        worker.thread.addCaptureJob(captureJob(picture, dir.path()));
    }

    QVERIFY(worker.results.waitCaptures(20));
    QCOMPARE(worker.results.failures, QStringList());
    const QStringList paths = worker.results.paths;
    QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), 20);
    QCOMPARE(entries(dir.path()).size(), 20);
    QStringList sorted = paths;
    sorted.sort();
    QCOMPARE(sorted, paths);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(QImage(paths[i]).pixel(10, 10), colours[i]);
    }
}

void TestIImageTansformThread::sameMillisecondNeverOverwrites()
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2024, 10, 27), QTime(2, 30, 15, 42));
    const QString stem = QStringLiteral("20241027023015042");
    // A photo from the first pass through a repeated hour.
    writeFile(dir.filePath(stem + ".png"), "older photo");
    Worker worker;
    // Read on the worker thread; the queue's lock orders this before the first read.
    worker.thread.fixedTime = when;

    for (int i = 0; i < 3; ++i) {
        worker.thread.addCaptureJob(captureJob(testPicture(kPictureSize, i), dir.path()));
    }

    QVERIFY(worker.results.waitCaptures(3));
    QCOMPARE(worker.results.paths,
             QStringList({dir.filePath(stem + "_1.png"), dir.filePath(stem + "_2.png"),
                          dir.filePath(stem + "_3.png")}));
    QCOMPARE(readAll(dir.filePath(stem + ".png")), QByteArray("older photo"));
    QCOMPARE(QImage(dir.filePath(stem + "_3.png")).convertToFormat(QImage::Format_RGB32),
             testPicture(kPictureSize, 2));
}

void TestIImageTansformThread::timeLapseFrameIsNotWritten()
{
    const QStringList before = entries(QDir::currentPath());
    const QImage picture = testPicture();
    const QImage overlay = testOverlay();
    CaptureJob job = captureJob(picture, QString());
    job.overlay = overlay;
    Worker worker;

    worker.thread.addCaptureJob(job);

    QVERIFY(worker.results.waitCaptures(1));
    QCOMPARE(worker.results.paths, QStringList{QString()});
    const QImage frame = worker.results.previews.value(0);
    QCOMPARE(frame.convertToFormat(QImage::Format_ARGB32), paintedOver(picture, overlay));
    QCOMPARE(entries(QDir::currentPath()), before);
}

void TestIImageTansformThread::photoFormats_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("jpeg") << "jpeg"
                          << "jpeg" << QByteArray("jpeg");
    QTest::newRow("png") << "png"
                         << "png" << QByteArray("png");
    QTest::newRow("bmp") << "bmp"
                         << "bmp" << QByteArray("bmp");
    QTest::newRow("tif") << "tif"
                         << "tif" << QByteArray("tiff");
    QTest::newRow("upper-case JPG") << "JPG"
                                    << "JPG" << QByteArray("jpeg");
    QTest::newRow("empty") << ""
                           << "jpeg" << QByteArray("jpeg");
    QTest::newRow("unknown") << "gif"
                             << "jpeg" << QByteArray("jpeg");
}

void TestIImageTansformThread::photoFormats()
{
    QFETCH(QString, configured);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, content);
    config()->setPhotoFormat(configured);
    QTemporaryDir dir;
    const QImage picture = testPicture();
    Worker worker;

    worker.thread.addCaptureJob(captureJob(picture, dir.path()));

    QVERIFY(worker.results.waitCaptures(1));
    const QString path = worker.results.paths.value(0);
    QCOMPARE(QFileInfo(path).suffix(), suffix);
    QCOMPARE(contentFormat(path), content);
    if (content == "jpeg") {
        // Best quality: the bytes a quality-100 encoder gives, not the default quality's.
        auto encoded = [&](int quality) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "jpeg");
            writer.setQuality(quality);
            writer.write(picture.convertToFormat(QImage::Format_ARGB32));
            return buffer.data();
        };
        QVERIFY(encoded(100) != encoded(-1));
        QCOMPARE(readAll(path), encoded(100));
    } else {
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), picture);
    }
}

void TestIImageTansformThread::exportPictures_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("format");
    QTest::newRow("one picture") << "out.png" << 1 << QStringList{"out.png"} << "png";
    QTest::newRow("three pictures")
        << "a.bmp" << 3 << QStringList{"a1.bmp", "a2.bmp", "a3.bmp"} << "bmp";
    QTest::newRow("upper-case jpg")
        << "Scan.JPG" << 2 << QStringList{"Scan1.JPG", "Scan2.JPG"} << "jpeg";
    QTest::newRow("tif") << "t.tif" << 1 << QStringList{"t.tif"} << "tiff";
    QTest::newRow("dotted name") << "report.v2.png" << 2
                                 << QStringList{"report.v21.png", "report.v22.png"} << "png";
}

void TestIImageTansformThread::exportPictures()
{
    QFETCH(QString, output);
    QFETCH(int, count);
    QFETCH(QStringList, written);
    QFETCH(QString, format);
    QTemporaryDir sources;
    QTemporaryDir dir;
    QStringList pictures;
    for (int i = 0; i < count; ++i) {
        pictures << savePicture(testPicture(QSize(120, 80), i * 40),
                                sources.filePath(QStringLiteral("p%1.png").arg(i)));
    }
    const QByteArray storedFormat =
        QSettings(IConfigureService::settingsFile(), QSettings::IniFormat)
            .value("format/photo")
            .toByteArray();
    Worker worker;

    worker.thread.setSaveFilesJob(dir.filePath(output), pictures, 1);

    QVERIFY(worker.results.waitExports(1));
    QCOMPARE(worker.results.exportFailures, QStringList());
    QCOMPARE(worker.results.exported, 1);
    QStringList sorted = written;
    sorted.sort();
    QCOMPARE(entries(dir.path()), sorted);
    for (int i = 0; i < count; ++i) {
        const QString path = dir.filePath(written[i]);
        QCOMPARE(contentFormat(path), format.toLatin1());
        if (format != "jpeg") {
            QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), QImage(pictures[i]));
        }
    }
    QCOMPARE(worker.results.formats, QStringList{format});
    QCOMPARE(worker.results.folders, QStringList{dir.path()});
    // The settings store is the GUI thread's to change.
    QCOMPARE(config()->photoFormat(), QStringLiteral("png"));
    QCOMPARE(QSettings(IConfigureService::settingsFile(), QSettings::IniFormat)
                 .value("format/photo")
                 .toByteArray(),
             storedFormat);
}

void TestIImageTansformThread::exportFailures_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("pictures");  // "missing" names a picture that is not there
    QTest::addColumn<QStringList>("written");
    QTest::newRow("unknown suffix") << "x.gif" << QStringList{"good"} << QStringList();
    QTest::newRow("no suffix") << "x" << QStringList{"good"} << QStringList();
    QTest::newRow("no pictures") << "x.png" << QStringList() << QStringList();
    QTest::newRow("unreadable picture among three")
        << "a.png" << QStringList{"good", "missing", "good"} << QStringList{"a1.png", "a3.png"};
    QTest::newRow("unopenable picture path")
        << "blocker/x.png" << QStringList{"good"} << QStringList();
    QTest::newRow("unopenable pdf path") << "blocker/x.pdf" << QStringList{"good"} << QStringList();
    QTest::newRow("unreadable picture in pdf")
        << "x.pdf" << QStringList{"good", "missing"} << QStringList();
}

void TestIImageTansformThread::exportFailures()
{
    QFETCH(QString, output);
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, written);
    QTemporaryDir sources;
    const QString good = savePicture(testPicture(QSize(120, 80)), sources.filePath("good.png"));
    QStringList paths;
    for (const QString& picture : pictures) {
        paths << (picture == "good" ? good : sources.filePath("missing.png"));
    }
    QTemporaryDir dir;
    writeFile(dir.filePath("blocker"), "not a folder");
    Worker worker;

    worker.thread.setSaveFilesJob(dir.filePath(output), paths, 1);

    QVERIFY(worker.results.waitExports(1));
    QCOMPARE(worker.results.exported, 0);
    QCOMPARE(worker.results.exportFailures, QStringList{dir.filePath(output)});
    QCOMPARE(worker.results.formats, QStringList());
    // A folder that does not exist is not offered to the next file dialog.
    QCOMPARE(worker.results.folders,
             output.startsWith("blocker/") ? QStringList() : QStringList{dir.path()});
    QStringList expected = QStringList{"blocker"} + written;
    expected.sort();
    QCOMPARE(entries(dir.path()), expected);
}

void TestIImageTansformThread::pdfExport()
{
    QTemporaryDir dir;
    const QRgb blue = qRgb(30, 60, 220);
    const QRgb green = qRgb(20, 170, 60);
    QImage landscape(600, 300, QImage::Format_RGB32);
    landscape.fill(blue);
    QImage portrait(300, 600, QImage::Format_RGB32);
    portrait.fill(green);
    const QStringList pictures{savePicture(landscape, dir.filePath("landscape.png")),
                               savePicture(portrait, dir.filePath("portrait.png")),
                               savePicture(testPicture(), dir.filePath("square.png"))};
    const QString pdf = dir.filePath("out/doc.pdf");
    QDir().mkpath(dir.filePath("out"));
    Worker worker;

    worker.thread.setSaveFilesJob(pdf, pictures, 1);

    QVERIFY(worker.results.waitExports(1));
    QCOMPARE(worker.results.exported, 1);
    QCOMPARE(worker.results.folders, QStringList{dir.filePath("out")});
    QCOMPARE(worker.results.formats, QStringList());
    QCOMPARE(entries(dir.filePath("out")), QStringList{"doc.pdf"});

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished(kWaitMs));
    QCOMPARE(info.exitCode(), 0);
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    QVERIFY2(QRegularExpression("Pages:\\s+3\\n").match(text).hasMatch(), qPrintable(text));
    QVERIFY2(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)")
                 .match(text)
                 .hasMatch(),
             qPrintable(text));

    // The landscape picture spans the page's width and sits in the middle of its height.
    const QImage first = renderPdfPage(pdf, 1, dir.path());
    QCOMPARE(first.size(), QSize(248, 351));
    const auto rows = colouredSpan(first.height(), blue,
                                   [&](int y) { return first.pixel(first.width() / 2, y); });
    const auto columns = colouredSpan(first.width(), blue,
                                      [&](int x) { return first.pixel(x, first.height() / 2); });
    QVERIFY2(qAbs((rows.second - rows.first + 1) - 124) <= 2,
             qPrintable(QString::number(rows.first)));
    QVERIFY2(qAbs(rows.first - (first.height() - 1 - rows.second)) <= 1,
             qPrintable(QStringLiteral("%1..%2").arg(rows.first).arg(rows.second)));
    QVERIFY(columns.first <= 1 && columns.second >= first.width() - 2);
    QCOMPARE(first.pixel(first.width() / 2, 20), qRgb(255, 255, 255));

    // The portrait picture spans the height and sits in the middle of the width.
    const QImage second = renderPdfPage(pdf, 2, dir.path());
    const auto across = colouredSpan(second.width(), green,
                                     [&](int x) { return second.pixel(x, second.height() / 2); });
    QVERIFY2(qAbs(across.first - (second.width() - 1 - across.second)) <= 1,
             qPrintable(QStringLiteral("%1..%2").arg(across.first).arg(across.second)));
    QVERIFY(qAbs((across.second - across.first + 1) - 175) <= 2);
}

void TestIImageTansformThread::failedPdfKeepsOlderFile()
{
    QTemporaryDir dir;
    const QString picture = savePicture(noisePicture(QSize(300, 200)), dir.filePath("p.png"));
    QDir().mkpath(dir.filePath("out"));
    const QString pdf = dir.filePath("out/doc.pdf");
    writeFile(pdf, "an older document");
    Worker worker;
    {
        FileSizeLimit limit(4096);
        worker.thread.setSaveFilesJob(pdf, {picture}, 1);
        QVERIFY(worker.results.waitExports(1));
    }
    QCOMPARE(worker.results.exportFailures, QStringList{pdf});
    QCOMPARE(readAll(pdf), QByteArray("an older document"));
    QCOMPARE(entries(dir.filePath("out")), QStringList{"doc.pdf"});
}

void TestIImageTansformThread::finishWritesQueuedWork()
{
    QTemporaryDir dir;
    const QString picture = savePicture(testPicture(), dir.filePath("p.png"));
    const QString photos = dir.filePath("photos");
    Worker worker;
    for (int i = 0; i < 5; ++i) {
        worker.thread.addCaptureJob(captureJob(testPicture(kPictureSize, i), photos));
    }
    worker.thread.setSaveFilesJob(dir.filePath("doc.pdf"), {picture}, 1);

    worker.thread.finish();

    QCOMPARE(entries(photos).size(), 5);
    QVERIFY(QFileInfo(dir.filePath("doc.pdf")).size() > 0);
    // Work arriving after the close is refused, not left half done.
    worker.thread.addCaptureJob(captureJob(testPicture(), photos));
    QVERIFY(worker.results.waitCaptures(5));
    QVERIFY(worker.results.waitExports(1));
    QCOMPARE(worker.results.paths.size(), 5);
    QCOMPARE(entries(photos).size(), 5);
}

void TestIImageTansformThread::overlayFactors_data()
{
    QTest::addColumn<QSizeF>("picture");
    QTest::addColumn<QSizeF>("background");
    QTest::addColumn<QPointF>("factors");
    QTest::newRow("same") << QSizeF(1920, 1080) << QSizeF(1920, 1080) << QPointF(1, 1);
    QTest::newRow("twice") << QSizeF(3840, 2160) << QSizeF(1920, 1080) << QPointF(2, 2);
    QTest::newRow("other aspect") << QSizeF(1600, 1200) << QSizeF(800, 400) << QPointF(2, 3);
    QTest::newRow("empty background") << QSizeF(1920, 1080) << QSizeF(0, 0) << QPointF(0, 0);
    QTest::newRow("zero-high background") << QSizeF(1920, 1080) << QSizeF(100, 0) << QPointF(0, 0);
    QTest::newRow("empty picture") << QSizeF(0, 0) << QSizeF(1920, 1080) << QPointF(0, 0);
}

void TestIImageTansformThread::overlayFactors()
{
    QFETCH(QSizeF, picture);
    QFETCH(QSizeF, background);
    QFETCH(QPointF, factors);
    const QPointF got = ::overlayFactors(picture, background);
    QVERIFY(qIsFinite(got.x()) && qIsFinite(got.y()));
    QCOMPARE(got, factors);
}

void TestIImageTansformThread::captureRectInPicture_data()
{
    QTest::addColumn<QRectF>("scene");
    QTest::addColumn<QRectF>("background");
    QTest::addColumn<QPointF>("factors");
    QTest::addColumn<QRect>("expected");
    const QSize picture(1920, 1080);
    Q_UNUSED(picture)
    QTest::newRow("inside") << QRectF(100, 50, 200, 100) << QRectF(0, 0, 960, 540) << QPointF(2, 2)
                            << QRect(200, 100, 400, 200);
    QTest::newRow("picture not at origin") << QRectF(110, 60, 200, 100) << QRectF(10, 10, 960, 540)
                                           << QPointF(2, 2) << QRect(200, 100, 400, 200);
    QTest::newRow("over the right and bottom edge")
        << QRectF(800, 400, 400, 400) << QRectF(0, 0, 960, 540) << QPointF(2, 2)
        << QRect(1600, 800, 320, 280);
    QTest::newRow("over the left edge") << QRectF(-50, 0, 100, 100) << QRectF(0, 0, 960, 540)
                                        << QPointF(2, 2) << QRect(0, 0, 100, 200);
    QTest::newRow("outside") << QRectF(2000, 2000, 10, 10) << QRectF(0, 0, 960, 540)
                             << QPointF(2, 2) << QRect();
    QTest::newRow("no factors") << QRectF(10, 10, 10, 10) << QRectF(0, 0, 960, 540) << QPointF(0, 0)
                                << QRect();
    QTest::newRow("empty") << QRectF(10, 10, 0, 10) << QRectF(0, 0, 960, 540) << QPointF(2, 2)
                           << QRect();
}

void TestIImageTansformThread::captureRectInPicture()
{
    QFETCH(QRectF, scene);
    QFETCH(QRectF, background);
    QFETCH(QPointF, factors);
    QFETCH(QRect, expected);
    const QRect got = ::captureRectInPicture(scene, background, factors, QSize(1920, 1080));
    QCOMPARE(got.isEmpty(), expected.isEmpty());
    if (!expected.isEmpty()) {
        QCOMPARE(got, expected);
    }
}

QTEST_MAIN(TestIImageTansformThread)
#include "tst_iimagetansformthread.moc"
