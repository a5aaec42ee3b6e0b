#include <QtTest>

#include <algorithm>
#include <memory>

#include "logcapture.h"
#include "wificamerarig.h"

// Taking a full-resolution still from the camera simulator over the control link.
class TestWifiRtspCapture : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void takePicture_data();
    void takePicture();
    void truncatedPictureFailsCleanly();
    void settersReachTheCamera();
    void linkDroppedByTheCameraIsRebuilt();

private:
    bool startCamera(const QString& delivery, int captureTimeoutMs = 5000);
    bool cameraSawRequest(const QByteArray& hex);

    std::unique_ptr<LogCapture> log_;
    WifiCameraRig rig_;
};

void TestWifiRtspCapture::init()
{
    log_ = std::make_unique<LogCapture>();
}

void TestWifiRtspCapture::cleanup()
{
    rig_.stop();
    log_.reset();
}

bool TestWifiRtspCapture::startCamera(const QString& delivery, int captureTimeoutMs)
{
    WifiTimings timings = WifiCameraRig::shortTimings();
    timings.captureTimeoutMs = captureTimeoutMs;
    // The still alone is under test: no video.
    if (!rig_.start({"--resolution", "640x480"}, timings, false) ||
        !rig_.sim().hook("picture " + delivery)) {
        return false;
    }
    // Bound once the camera's encoding came back.
    QElapsedTimer timer;
    timer.start();
    while (IWifiRtspThread::lastWifiResolution() != QSize(640, 480) && timer.elapsed() < 5000) {
        QTest::qWait(10);
    }
    return IWifiRtspThread::lastWifiResolution() == QSize(640, 480);
}

bool TestWifiRtspCapture::cameraSawRequest(const QByteArray& hex)
{
    const QList<QByteArray> requests = rig_.sim().linesStartingWith("request ");
    return std::any_of(requests.cbegin(), requests.cend(),
                       [&hex](const QByteArray& line) { return line.contains(hex); });
}

void TestWifiRtspCapture::takePicture_data()
{
    QTest::addColumn<QString>("delivery");
    QTest::addColumn<int>("type");
    QTest::newRow("joined with its header, colour") << "joined" << int(NormalImage);
    QTest::newRow("after its header, grey") << "split" << int(GrayImage);
    QTest::newRow("dribbled, black and white") << "dribble" << int(BlackWhiteImage);
}

void TestWifiRtspCapture::takePicture()
{
    QFETCH(QString, delivery);
    QFETCH(int, type);
    QVERIFY(startCamera(delivery));
    QSignalSpy captured(&rig_.thread(), &IWifiRtspThread::sgCaptureImage);
    QVERIFY(rig_.thread().setCaptureFalg(ImageType(type)));
    QVERIFY(!rig_.thread().setCaptureFalg(ImageType(type)));  // one at a time
    QVERIFY(captured.wait(5000));
    const QImage picture = captured.first().first().value<QImage>();
    QCOMPARE(picture.size(), QSize(640, 480));
    if (type == NormalImage) {
        QCOMPARE(picture.format(), QImage::Format_RGB32);
        QVERIFY(!picture.isGrayscale());
    } else {
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
    }
    if (type == BlackWhiteImage) {
        for (int x = 0; x < picture.width(); x += 7) {
            const int grey = qGray(picture.pixel(x, picture.height() / 2));
            QVERIFY2(grey == 0 || grey == 255, qPrintable(QString::number(grey)));
        }
    }
    QCOMPARE(rig_.sim().linesStartingWith("picture ").size(), 1);
    // The next one works as well.
    QVERIFY(rig_.thread().setCaptureFalg(NormalImage));
    QVERIFY(captured.wait(5000));
    QVERIFY(!captured.last().first().value<QImage>().isNull());
}

void TestWifiRtspCapture::truncatedPictureFailsCleanly()
{
    QVERIFY(startCamera("truncate", 1500));
    QSignalSpy captured(&rig_.thread(), &IWifiRtspThread::sgCaptureImage);
    QVERIFY(rig_.thread().setCaptureFalg(NormalImage));
    QVERIFY(captured.wait(5000));
    QCOMPARE(captured.count(), 1);
    QVERIFY(captured.first().first().value<QImage>().isNull());
    // Each incomplete picture was asked for again until the attempt timed out.
    QVERIFY(log_->count("拍照超时：TCP接收数据包不全，重新发送拍照命令!") >= 1);
    QVERIFY(rig_.sim().linesStartingWith("picture ").size() >= 2);
    QVERIFY(!captured.wait(500));
    // The link still works.
    QVERIFY(rig_.sim().hook("picture joined"));
    QVERIFY(rig_.thread().setCaptureFalg(NormalImage));
    QVERIFY(captured.wait(5000));
    QCOMPARE(captured.last().first().value<QImage>().size(), QSize(640, 480));
}

void TestWifiRtspCapture::settersReachTheCamera()
{
    QVERIFY(startCamera("joined"));
    // The camera checks every request's complement bytes and echoes the good ones.
    QTRY_VERIFY(cameraSawRequest("08000bf3f40c"));
    QTRY_VERIFY(rig_.thread().brightness().toInt() != 0);  // the camera's current values arrived
    rig_.thread().setBrightness(70);
    QTRY_VERIFY(cameraSawRequest("07000bf2f40d46"));
    QVERIFY(rig_.thread().setResolution(QSize(1280, 720)));
    QTRY_VERIFY(cameraSawRequest("05000bf0f40f"));
    QSignalSpy captured(&rig_.thread(), &IWifiRtspThread::sgCaptureImage);
    QVERIFY(rig_.thread().setCaptureFalg(NormalImage));
    QVERIFY(captured.wait(5000));
    QCOMPARE(captured.first().first().value<QImage>().size(), QSize(1280, 720));
}

void TestWifiRtspCapture::linkDroppedByTheCameraIsRebuilt()
{
    QVERIFY(startCamera("joined"));
    QCOMPARE(rig_.sim().linesStartingWith("bind ").size(), 1);
    QVERIFY(rig_.sim().hook("disconnect"));
    QTRY_COMPARE_WITH_TIMEOUT(rig_.sim().linesStartingWith("bind ").size(), 2, 5000);
    QSignalSpy captured(&rig_.thread(), &IWifiRtspThread::sgCaptureImage);
    QElapsedTimer timer;
    timer.start();
    bool requested = false;  // refused until the new link is bound
    while (!(requested = rig_.thread().setCaptureFalg(NormalImage)) && timer.elapsed() < 5000) {
        QTest::qWait(20);
    }
    QVERIFY(requested);
    QVERIFY(captured.wait(5000));
    QCOMPARE(captured.first().first().value<QImage>().size(), QSize(640, 480));
}

QTEST_GUILESS_MAIN(TestWifiRtspCapture)
#include "tst_wifirtsp_capture.moc"
