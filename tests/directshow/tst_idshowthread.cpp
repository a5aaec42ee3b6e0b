#include <QtTest>

#include <QElapsedTimer>
#include <thread>

#include "directshow/idshowthread.h"
#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "opencv/iopencvapi.h"
#include "platform/video/iframeencoder.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/iviewscale.h"
#include "platform/video/ivirtualcamerahub.h"
#include "platform/video/ivirtualscene.h"
#include "syntheticpage.h"

namespace {

const int kWaitMs = 5000;

// Everything a capture object reports, in arrival order.
class Recorder : public QObject {
public:
    explicit Recorder(IDShowThread* thread)
    {
        connect(thread, &IDShowThread::sgError, this,
                [this](int code) { events << QStringLiteral("status %1").arg(code); });
        connect(thread, &IDShowThread::sgResolutionNegotiated, this, [this](QSize size) {
            events << QStringLiteral("size %1x%2").arg(size.width()).arg(size.height());
        });
        connect(thread, &IDShowThread::sgCameraFrame, this, [this](const QImage& frame) {
            frames << frame;
            if (!events.endsWith("frame")) {
                events << "frame";
            }
        });
    }
    int statusCount(int code) const { return events.count(QStringLiteral("status %1").arg(code)); }

    QStringList events;
    QList<QImage> frames;
};

QList<QSize> sizesOf(const QList<QImage>& frames)
{
    QList<QSize> sizes;
    for (const QImage& frame : frames) {
        if (!sizes.contains(frame.size())) {
            sizes << frame.size();
        }
    }
    return sizes;
}

double meanLuma(const QImage& image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            sum += qGray(image.pixel(x, y));
        }
    }
    return double(sum) / ((image.height() / 4) * (image.width() / 4));
}

int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            count += (row[x] & 0xffffff) == 0xff0000;
        }
    }
    return count;
}

}  // namespace

class TestIDShowThread : public QObject {
    Q_OBJECT
private slots:
    void init();
    void nothingBeforeTheFirstFrame();
    void streamsAtTheRequestedSize_data();
    void streamsAtTheRequestedSize();
    void unsupportedSizeFallsBackToSmallest();
    void noRequestedSizeKeepsTheDeviceSize();
    void failedOpenGivesOne_data();
    void failedOpenGivesOne();
    void freezeKeepsTheLatestFrame();
    void busyReceiverGetsOnlyTheNewestFrame();
    void mailboxKeepsOnlyTheNewest();
    void resolutionChangeEmitsNoOldFrame();
    void stillPicturesApplyTheFilter();
    void pictureFromTheEnvironment_data();
    void pictureFromTheEnvironment();
    void automaticEdgingOutlinesThePage();
    void smallViewKeepsPhotosWhole();
    void controlsReachTheDevice();
    void automaticModesForMinus999();
    void deletingWhileStreamingReturnsPromptly();
    void unplugEndsTheStream();
    void twoCamerasAtOnce();
    void streamsFromV4l2();

private:
    static IVirtualCameraHub* hub() { return IVirtualCameraHub::instance(); }
};

void TestIDShowThread::init()
{
    hub()->setCount(2);
    for (int index = 0; index < 2; ++index) {
        hub()->setFailOpen(index, false);
        hub()->replug(index);
    }
}

void TestIDShowThread::nothingBeforeTheFirstFrame()
{
    IDShowThread thread;
    QVERIFY(thread.latestImage(NormalImage).isNull());
    QVERIFY(thread.supportedResolutions().isEmpty());
    QCOMPARE(thread.requestedSize(), QSizeF(0, 0));
    QCOMPARE(thread.brightness(), QVariant(0.0));
    // No device: settings change nothing and report it.
    QVERIFY(!thread.setBrightness(10));
    QVERIFY(!thread.setFocus(IDShowThread::kAutomatic));
    QVERIFY(thread.setResolution(QSizeF(1280, 720)));
    QCOMPARE(thread.requestedSize(), QSizeF(1280, 720));
    QVERIFY(thread.setResolution(QSize(800, 600)));
    QCOMPARE(thread.requestedSize(), QSizeF(800, 600));
    QVERIFY(!thread.isCapturing());
}

void TestIDShowThread::streamsAtTheRequestedSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("MJPEG 1280x720") << QSize(1280, 720);
    QTest::newRow("YUYV 800x600") << QSize(800, 600);
    QTest::newRow("MJPEG 1920x1080") << QSize(1920, 1080);
}

void TestIDShowThread::streamsAtTheRequestedSize()
{
    QFETCH(QSize, size);
    IDShowThread thread;
    Recorder recorder(&thread);
    QVERIFY(thread.setResolution(QSizeF(size)));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 3, kWaitMs);
    const QString sizeEvent = QStringLiteral("size %1x%2").arg(size.width()).arg(size.height());
    QCOMPARE(recorder.events, QStringList({sizeEvent, "status 0", "frame"}));
    QCOMPARE(sizesOf(recorder.frames), QList<QSize>({size}));
    QCOMPARE(recorder.frames.first().format(), QImage::Format_RGB32);
    QCOMPARE(thread.latestImage(NormalImage).size(), size);
    QCOMPARE(thread.supportedResolutions(), QList<QSizeF>({{640, 480},
                                                           {800, 600},
                                                           {1280, 720},
                                                           {1920, 1080},
                                                           {2592, 1944},
                                                           {3264, 2448},
                                                           {3840, 2160}}));
    QCOMPARE(thread.cameraParameter().brightness.maximum, QVariant(64));
    QVERIFY(thread.isCapturing());
}

void TestIDShowThread::unsupportedSizeFallsBackToSmallest()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(1000, 1000));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    QCOMPARE(recorder.events.mid(0, 2), QStringList({"size 640x480", "status 0"}));
    QCOMPARE(sizesOf(recorder.frames), QList<QSize>({QSize(640, 480)}));
    QCOMPARE(thread.requestedSize(), QSizeF(640, 480));
}

void TestIDShowThread::noRequestedSizeKeepsTheDeviceSize()
{
    {
        auto device = hub()->open("virtual:1");
        VideoStreamFormat format;
        QVERIFY(device->setFormat(VideoPixelFormat::Mjpeg, QSize(1280, 720), &format));
    }
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.openDevice("virtual:1");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    QCOMPARE(recorder.frames.first().size(), QSize(1280, 720));
    QCOMPARE(thread.requestedSize(), QSizeF(1280, 720));
}

void TestIDShowThread::failedOpenGivesOne_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("device refuses to open") << "virtual:1"
                                            << "OpenDevice failed";
    QTest::newRow("no such device") << "virtual:7"
                                    << "not find device:  \"virtual:7\"";
    QTest::newRow("no such node") << "/dev/video-none"
                                  << "not find device:  \"/dev/video-none\"";
}

void TestIDShowThread::failedOpenGivesOne()
{
    QFETCH(QString, path);
    QFETCH(QString, logLine);
    hub()->setFailOpen(1, true);
    IDShowThread thread;
    Recorder recorder(&thread);
    QTest::ignoreMessage(logLine.startsWith("Open") ? QtInfoMsg : QtDebugMsg, qPrintable(logLine));
    thread.openDevice(path);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.events, QStringList({"status 1"}), kWaitMs);
    QTRY_VERIFY(!thread.isCapturing());
    QVERIFY(thread.latestImage(NormalImage).isNull());
}

void TestIDShowThread::freezeKeepsTheLatestFrame()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(640, 480));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 2, kWaitMs);
    QVERIFY(thread.setStreamRunning(false));
    QTest::qWait(150);  // a frame already on its way may still arrive
    const int frozenCount = recorder.frames.size();
    const QImage frozen = thread.latestImage(NormalImage);
    QCOMPARE(frozen, recorder.frames.last());
    QTest::qWait(400);
    QCOMPARE(recorder.frames.size(), frozenCount);
    QCOMPARE(thread.latestImage(NormalImage), frozen);
    // The frozen device streams no more: another handle may take it.
    {
        auto other = hub()->open("virtual:0");
        QVERIFY(other->startStreaming());
    }
    QVERIFY(thread.setStreamRunning(true));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= frozenCount + 2, kWaitMs);
    QVERIFY(thread.latestImage(NormalImage) != frozen);
    QCOMPARE(recorder.statusCount(0), 1);
}

void TestIDShowThread::busyReceiverGetsOnlyTheNewestFrame()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(640, 480));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    const int before = recorder.frames.size();
    QThread::msleep(600);  // the receiving thread is busy while about nine frames arrive
    const QImage newest = thread.latestImage(NormalImage);
    QCoreApplication::processEvents();
    // One frame, not a backlog; a second only if a new one was decoded in the meantime.
    const int delivered = recorder.frames.size() - before;
    QVERIFY2(delivered == 1 || delivered == 2, qPrintable(QString::number(delivered)));
    QVERIFY(recorder.frames[before] == newest || delivered == 2);
}

void TestIDShowThread::mailboxKeepsOnlyTheNewest()
{
    IStillCaptureImageGrabber mailbox;
    QList<QImage> delivered;
    connect(&mailbox, &IStillCaptureImageGrabber::sgFrame, this,
            [&delivered](const QImage& frame) { delivered << frame; });
    const int session = mailbox.nextSession();
    QImage first(64, 48, QImage::Format_RGB32);
    first.fill(Qt::black);
    // A capture thread stores many frames while this thread does not run its event loop.
    std::thread capture([&] {
        mailbox.storeFrame(first, session);
        for (int i = 1; i <= 40; ++i) {
            QImage frame(64, 48, QImage::Format_RGB32);
            frame.fill(qRgb(i, i, i));
            mailbox.storeFrame(frame, session, EdgeResult{double(i), {}});
        }
        mailbox.storeFrame(first, session - 1);  // of an ended session: dropped
    });
    capture.join();
    QVERIFY(first.isDetached());  // the mailbox holds no earlier frame
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(qRed(delivered[0].pixel(0, 0)), 40);
    QCOMPARE(mailbox.edgeResult().angle, 40.0);
    QCOMPARE(mailbox.latestFrame().sequence, quint64(41));
}

void TestIDShowThread::pictureFromTheEnvironment_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("MJPEG, same size") << QSize(1920, 1080);
    QTest::newRow("YUYV, scaled") << QSize(800, 600);
}

void TestIDShowThread::pictureFromTheEnvironment()
{
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const SyntheticPage page = drawSyntheticPage(QSize(1920, 1080), QPointF(900, 560), 9.0, 5);
    QVERIFY(page.frame.save(dir.filePath("page.png")));
    // Camera 0 names a missing file and shows the drawn page; camera 1 shows the photo.
    qputenv("ORVELLA_VIRTUAL_CAMERA_IMAGE",
            QFile::encodeName(dir.filePath("gone.png") + ":" + dir.filePath("page.png")));
    hub()->setCount(0);
    hub()->setCount(2);  // new cameras read the variable
    QVERIFY(IVirtualScene::picturesFor(0).isEmpty());
    qunsetenv("ORVELLA_VIRTUAL_CAMERA_IMAGE");
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(size));
    thread.openDevice("virtual:1");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    // Where the photo lies after scaling to fit, and how it looks there.
    const double scale = qMin(size.width() / 1920.0, size.height() / 1080.0);
    const QPointF offset((size.width() - 1920 * scale) / 2, (size.height() - 1080 * scale) / 2);
    const QRect area(offset.toPoint(), (QSizeF(1920, 1080) * scale).toSize());
    const QImage expected =
        page.frame.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage frame = recorder.frames.last().copy(area);
    qint64 difference = 0;
    for (int y = 0; y < frame.height(); y += 3) {
        for (int x = 0; x < frame.width(); x += 3) {
            difference += qAbs(qGray(frame.pixel(x, y)) - qGray(expected.pixel(x, y)));
        }
    }
    const double mean = double(difference) / ((frame.height() / 3 + 1) * (frame.width() / 3 + 1));
    QVERIFY2(mean < 6, qPrintable(QString::number(mean)));

    thread.setAutoEdge(true);
    QTRY_VERIFY_WITH_TIMEOUT(thread.autoEdgeResult().angle != -1.0, kWaitMs);
    const EdgeResult edge = thread.autoEdgeResult();
    QCOMPARE(edge.polygon.size(), 4);
    for (const QPointF& corner : {page.topLeft, page.topRight, page.bottomRight, page.bottomLeft}) {
        const QPointF known = offset + corner * scale;
        const bool found =
            std::any_of(edge.polygon.cbegin(), edge.polygon.cend(),
                        [&known](const QPointF& p) { return QLineF(p, known).length() <= 3.0; });
        QVERIFY2(found, qPrintable(QStringLiteral("%1,%2").arg(known.x()).arg(known.y())));
    }
    const QImage upright = IOpencvApi::straighten(thread.latestImage(NormalImage), edge);
    QVERIFY(upright.height() > upright.width());
    QCOMPARE(darkCorner(upright), 0);
}

void TestIDShowThread::resolutionChangeEmitsNoOldFrame()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(640, 480));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 2, kWaitMs);
    recorder.frames.clear();
    recorder.events.clear();
    QVERIFY(!thread.setResolution(QSizeF(1280, 720)));  // restarts the stream
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 3, kWaitMs);
    QCOMPARE(sizesOf(recorder.frames), QList<QSize>({QSize(1280, 720)}));
    QCOMPARE(recorder.events, QStringList({"size 1280x720", "status 0", "frame"}));
    QCOMPARE(thread.requestedSize(), QSizeF(1280, 720));

    // Back and forth faster than frames come: only the last size is ever shown.
    recorder.frames.clear();
    for (const QSizeF& size : {QSizeF(640, 480), QSizeF(800, 600), QSizeF(1920, 1080)}) {
        thread.setResolution(size);
    }
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 2, kWaitMs);
    QCOMPARE(sizesOf(recorder.frames), QList<QSize>({QSize(1920, 1080)}));
}

void TestIDShowThread::stillPicturesApplyTheFilter()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    QVERIFY(thread.latestImage(GrayImage).isNull());
    thread.setResolution(QSizeF(640, 480));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    const QImage colour = thread.latestImage(NormalImage);
    QCOMPARE(colour.format(), QImage::Format_RGB32);
    QCOMPARE(colour.size(), QSize(640, 480));

    const QImage grey = thread.latestImage(GrayImage);
    QCOMPARE(grey.size(), colour.size());
    QVERIFY(grey.isGrayscale());
    QVERIFY(qGray(grey.pixel(5, 5)) < 80);       // desk
    QVERIFY(qGray(grey.pixel(320, 374)) > 180);  // page

    const QImage blackWhite = thread.latestImage(BlackWhiteImage);
    QCOMPARE(blackWhite.size(), colour.size());
    for (int y = 0; y < blackWhite.height(); y += 7) {
        for (int x = 0; x < blackWhite.width(); x += 7) {
            const int value = qGray(blackWhite.pixel(x, y));
            QVERIFY(value == 0 || value == 255);
        }
    }
    QCOMPARE(qGray(blackWhite.pixel(320, 374)), 255);
    QVERIFY(thread.latestImage(static_cast<ImageType>(9)).isNull());
}

void TestIDShowThread::automaticEdgingOutlinesThePage()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    QCOMPARE(thread.autoEdgeResult().angle, -1.0);
    QVERIFY(thread.autoEdgeResult().polygon.isEmpty());
    thread.setResolution(QSizeF(1280, 720));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    QCOMPARE(redPixels(recorder.frames.last()), 0);
    QCOMPARE(thread.autoEdgeResult().angle, -1.0);

    QVERIFY(thread.setAutoEdge(true));
    recorder.frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 2, kWaitMs);
    const EdgeResult edge = thread.autoEdgeResult();
    QVERIFY(edge.angle != -1.0);
    QCOMPARE(edge.polygon.size(), 4);
    // The page: around the middle of the picture, most of its height, tilted a little.
    const QRectF bounds = edge.polygon.boundingRect();
    QVERIFY2(bounds.contains(QPointF(640, 330)) && bounds.height() > 500 && bounds.width() < 700,
             qPrintable(QString("%1,%2 %3x%4")
                            .arg(bounds.x())
                            .arg(bounds.y())
                            .arg(bounds.width())
                            .arg(bounds.height())));
    QVERIFY(redPixels(recorder.frames.last()) > 1000);
    // Photos are taken without it.
    QCOMPARE(redPixels(thread.latestImage(NormalImage)), 0);

    QVERIFY(thread.setAutoEdge(false));
    QTest::qWait(150);
    recorder.frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    QCOMPARE(redPixels(recorder.frames.last()), 0);
    QCOMPARE(thread.autoEdgeResult().polygon, edge.polygon);  // the last result stays
}

double meanGreyDifference(const QImage& a, const QImage& b)
{
    qint64 difference = 0;
    for (int y = 0; y < a.height(); y += 2) {
        for (int x = 0; x < a.width(); x += 2) {
            difference += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        }
    }
    return double(difference) / ((a.height() + 1) / 2 * ((a.width() + 1) / 2));
}

void TestIDShowThread::smallViewKeepsPhotosWhole()
{
    const QSize full(3264, 2448);
    QTemporaryDir dir;
    const SyntheticPage page = drawSyntheticPage(full, QPointF(1500, 1300), 8.0, 11);
    QVERIFY(page.frame.save(dir.filePath("page.png")));
    qputenv("ORVELLA_VIRTUAL_CAMERA_IMAGE", QFile::encodeName(dir.filePath("page.png")));
    hub()->setCount(0);
    hub()->setCount(1);
    qunsetenv("ORVELLA_VIRTUAL_CAMERA_IMAGE");
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(full));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    QCOMPARE(recorder.frames.last().size(), full);
    const QImage photoAtFullView = thread.latestImage(NormalImage);
    recorder.frames.clear();

    // A view showing a quarter or less: frames come at its size, photos keep every pixel.
    thread.setViewSize(QSize(800, 600));
    thread.setAutoEdge(true);
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty() &&
                                 recorder.frames.last().size() == QSize(800, 600) &&
                                 thread.autoEdgeResult().angle != -1.0,
                             kWaitMs);
    const QImage shown = recorder.frames.last();
    QCOMPARE(IViewScale::fullSize(shown), full);
    const QImage photo = thread.latestImage(NormalImage);
    QCOMPARE(photo, photoAtFullView);  // the same camera bytes, decoded the same way
    QVERIFY2(meanGreyDifference(photo, page.frame) < 4,
             qPrintable(QString::number(meanGreyDifference(photo, page.frame))));
    const QImage reduced =
        photo.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    thread.setAutoEdge(false);
    recorder.frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty() && redPixels(recorder.frames.last()) == 0,
                             kWaitMs);
    const double difference = meanGreyDifference(recorder.frames.last(), reduced);
    QVERIFY2(difference < 4, qPrintable(QString::number(difference)));
    // The outline found on the small frame lies on the full picture's corners.
    const EdgeResult edge = thread.autoEdgeResult();
    for (const QPointF& corner : {page.topLeft, page.topRight, page.bottomRight, page.bottomLeft}) {
        QVERIFY2(
            std::any_of(edge.polygon.cbegin(), edge.polygon.cend(),
                        [&corner](const QPointF& p) { return QLineF(p, corner).length() <= 2; }),
            qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    }

    // Zooming in past the decoded scale: full-size frames from the next decoded frame on (one
    // stored and one being decoded before the change may still be on their way).
    recorder.frames.clear();
    thread.setViewSize(full);
    QTRY_VERIFY_WITH_TIMEOUT(sizesOf(recorder.frames).contains(full), kWaitMs);
    const auto firstFull =
        std::find_if(recorder.frames.cbegin(), recorder.frames.cend(),
                     [&full](const QImage& frame) { return frame.size() == full; });
    QVERIFY(firstFull - recorder.frames.cbegin() <= 2);
}

void TestIDShowThread::controlsReachTheDevice()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(640, 480));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    const double before = meanLuma(recorder.frames.last());
    QVERIFY(thread.setBrightness(QVariant(60)));
    QCOMPARE(thread.brightness(), QVariant(60));
    QCOMPARE(thread.cameraParameter().brightness.current, QVariant(60));
    QVERIFY(thread.setContrast(40));
    QCOMPARE(thread.contrast(), QVariant(40));
    QVERIFY(thread.setSaturation(10));
    QCOMPARE(thread.saturation(), QVariant(10));
    recorder.frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 2, kWaitMs);
    QVERIFY(meanLuma(recorder.frames.last()) > before + 20);

    // Refused values change nothing.
    QVERIFY(!thread.setBrightness(1000));
    QCOMPARE(thread.brightness(), QVariant(60));
    thread.setBrightness(0);
    thread.setContrast(32);
    thread.setSaturation(64);
}

void TestIDShowThread::automaticModesForMinus999()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    auto probe = hub()->open("virtual:0");
    int value = 0;
    QVERIFY(thread.setFocus(30));
    QVERIFY(thread.setExposure(100));
    QVERIFY(probe->controlValue(VideoControl::Focus, &value));
    QCOMPARE(value, 30);
    QCOMPARE(thread.cameraParameter().exposure.current, QVariant(100));
    // -999 selects the automatic mode and is never sent as a value.
    QVERIFY(thread.setFocus(IDShowThread::kAutomatic));
    QVERIFY(thread.setExposure(IDShowThread::kAutomatic));
    QVERIFY(probe->controlValue(VideoControl::Focus, &value));
    QCOMPARE(value, 30);
    QCOMPARE(thread.cameraParameter().exposure.current, QVariant(100));
    QVERIFY(thread.setAutoFocus());
    QVERIFY(thread.setAutoExposure());
}

void TestIDShowThread::deletingWhileStreamingReturnsPromptly()
{
    auto* thread = new IDShowThread;
    Recorder recorder(thread);
    thread->setResolution(QSizeF(2592, 1944));
    thread->openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    QElapsedTimer timer;
    timer.start();
    delete thread;
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    // The device was closed before the destructor returned.
    auto device = hub()->open("virtual:0");
    QVERIFY(device->startStreaming());
    // Nothing posted by the worker arrives after the object is gone.
    const int frames = recorder.frames.size();
    QTest::qWait(100);
    QCOMPARE(recorder.frames.size(), frames);
}

void TestIDShowThread::unplugEndsTheStream()
{
    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(640, 480));
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(!recorder.frames.isEmpty(), kWaitMs);
    hub()->unplug(0);
    // Settings while the worker notices and closes must be harmless.
    for (int i = 0; i < 200 && thread.isCapturing(); ++i) {
        thread.setBrightness(i % 64);
        QTest::qWait(1);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!thread.isCapturing(), kWaitMs);
    QVERIFY(!thread.setBrightness(5));
    QTest::qWait(50);
    const int frames = recorder.frames.size();
    QTest::qWait(200);
    QCOMPARE(recorder.frames.size(), frames);
    QCOMPARE(recorder.statusCount(1), 0);  // the hot-plug watcher reports the unplug
    QVERIFY(!thread.latestImage(NormalImage).isNull());

    hub()->replug(0);
    thread.openDevice("virtual:0");
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() > frames, kWaitMs);
    QCOMPARE(recorder.statusCount(0), 2);
}

void TestIDShowThread::twoCamerasAtOnce()
{
    IDShowThread main;
    IDShowThread second;
    IDShowThread sameDevice;
    Recorder mainRecorder(&main);
    Recorder secondRecorder(&second);
    Recorder sameRecorder(&sameDevice);
    main.setResolution(QSizeF(1280, 720));
    second.setResolution(QSizeF(640, 480));
    main.openDevice("virtual:0");
    second.openDevice("virtual:1");
    QTRY_VERIFY_WITH_TIMEOUT(mainRecorder.frames.size() >= 2 && secondRecorder.frames.size() >= 2,
                             kWaitMs);
    QCOMPARE(sizesOf(mainRecorder.frames), QList<QSize>({QSize(1280, 720)}));
    QCOMPARE(sizesOf(secondRecorder.frames), QList<QSize>({QSize(640, 480)}));
    // A device that already streams to someone else cannot be opened a second time.
    QTest::ignoreMessage(QtInfoMsg, "OpenDevice failed");
    sameDevice.openDevice("virtual:0");
    QTRY_COMPARE_WITH_TIMEOUT(sameRecorder.events, QStringList({"status 1"}), kWaitMs);
}

void TestIDShowThread::streamsFromV4l2()
{
    FakeSysfs sysfs;
    sysfs.addUsbNode(0, "1-1", "046d", "0825");
    auto io = std::make_shared<FakeV4l2Io>();
    auto node = io->addNode(sysfs.devicePath(0));
    node->formats = {{V4L2_PIX_FMT_YUYV, {{640, 480}, {320, 240}}}};
    node->addControl(V4L2_CID_BRIGHTNESS, -64, 64, 0, 3);
    QImage grey(640, 480, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    QByteArray yuyv;
    IFrameEncoder::encodeYuyv(grey, &yuyv);
    node->produce = [yuyv](int sequence) {
        // Every third frame comes short, as after a USB hiccup; it must be dropped.
        return sequence % 3 == 2 ? yuyv.left(1000) : yuyv;
    };
    IVideoSystem::instance()->setV4l2(io, sysfs.root(), sysfs.devRoot());

    IDShowThread thread;
    Recorder recorder(&thread);
    thread.setResolution(QSizeF(640, 480));
    thread.openDevice(sysfs.devicePath(0));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.frames.size() >= 3, kWaitMs);
    QCOMPARE(recorder.events.mid(0, 2), QStringList({"size 640x480", "status 0"}));
    QCOMPARE(sizesOf(recorder.frames), QList<QSize>({QSize(640, 480)}));
    QVERIFY(qAbs(qGray(recorder.frames.last().pixel(10, 10)) - 128) < 4);
    QCOMPARE(thread.cameraParameter().brightness.current, QVariant(3));
    QVERIFY(thread.setBrightness(20));
    QVERIFY(io->controlWrites().contains(qMakePair(quint32(V4L2_CID_BRIGHTNESS), 20)));

    io->withNode(sysfs.devicePath(0), [](FakeV4l2Node& n) { n.gone = true; });
    QTRY_VERIFY_WITH_TIMEOUT(!thread.isCapturing(), kWaitMs);
    QVERIFY(!thread.setBrightness(5));
    QCOMPARE(io->openFileCount(), 0);
    QCOMPARE(io->mappedCount(), 0);
    IVideoSystem::instance()->setV4l2(std::make_shared<FakeV4l2Io>(), "/nonexistent", "/dev");
}

QTEST_MAIN(TestIDShowThread)
#include "tst_idshowthread.moc"
