#include <QtTest>

#include <QPainter>
#include <QTemporaryDir>

#include "ffmpeg/ipicturevynthesisvideo.h"
#include "service/ilog.h"
#include "videoprobe.h"

class TestIPictureVynthesisVideo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lengthFollowsFrameRate_data();
    void lengthFollowsFrameRate();
    void noPictures();
    void mixedSizesAndFormats();
    void coloursSurvive_data();
    void coloursSurvive();
    void oddSizeRoundedDownToEven();
    void zeroFrameRateUsesOne();
    void unusableOutputReportsNoPath_data();
    void unusableOutputReportsNoPath();
    void pictureAfterFinishIsDropped();

private:
    QString videoPath(const QString& name) const { return dir_.filePath(name); }
    static QImage numbered(int number, const QSize& size, QImage::Format format);
    QTemporaryDir dir_;
};

void TestIPictureVynthesisVideo::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY(dir_.isValid());
}

QImage TestIPictureVynthesisVideo::numbered(int number, const QSize& size, QImage::Format format)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv((number * 37) % 360, 200, 220));
    // A bar that moves with the number, so consecutive pictures differ.
    QPainter painter(&picture);
    const int step = qMax(1, size.width() / 16);
    painter.fillRect((number * step) % size.width(), 0, step, size.height(), Qt::white);
    painter.end();
    return picture.convertToFormat(format);
}

void TestIPictureVynthesisVideo::lengthFollowsFrameRate_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("frameRate");
    QTest::addColumn<double>("duration");
    QTest::addColumn<int>("seconds");
    QTest::newRow("10 at 5 fps") << 10 << 5 << 2.0 << 2;
    QTest::newRow("9 at 5 fps") << 9 << 5 << 1.8 << 1;
    QTest::newRow("90 at 30 fps") << 90 << 30 << 3.0 << 3;
    QTest::newRow("1 at 30 fps") << 1 << 30 << 1.0 / 30 << 0;
}

void TestIPictureVynthesisVideo::lengthFollowsFrameRate()
{
    QFETCH(int, pictures);
    QFETCH(int, frameRate);
    QFETCH(double, duration);
    QFETCH(int, seconds);
    const QString path = videoPath(QStringLiteral("rate_%1_%2.mp4").arg(pictures).arg(frameRate));
    IPictureVynthesisVideo writer(path, 320, 240, frameRate);
    writer.start();
    for (int i = 0; i < pictures; ++i) {
        writer.addPicture(numbered(i, QSize(320, 240), QImage::Format_RGB32));
    }
    int reported = -1;
    // Right after the last picture; the file is complete once finish() answers.
    QCOMPARE(writer.finish(reported), path);
    QCOMPARE(reported, seconds);

    const VideoProbe probe = VideoProbe::of(path);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.codec, QStringLiteral("h264"));
    QCOMPARE(probe.profile, QStringLiteral("High"));
    QCOMPARE(probe.pixelFormat, QStringLiteral("yuv420p"));
    QCOMPARE(probe.width, 320);
    QCOMPARE(probe.height, 240);
    QCOMPARE(probe.frames, pictures);
    QVERIFY2(qAbs(probe.duration - duration) < 0.002, qPrintable(QString::number(probe.duration)));
    QVERIFY(probe.firstPacketKey);
}

void TestIPictureVynthesisVideo::noPictures()
{
    const QString path = videoPath(QStringLiteral("empty.mp4"));
    IPictureVynthesisVideo writer(path, 320, 240, 30);
    writer.start();
    int seconds = -1;
    QCOMPARE(writer.finish(seconds), QString());
    QCOMPARE(seconds, 0);
    QVERIFY(writer.wait(60000));
    // A stream-less MP4 would only be clutter in the video folder.
    QVERIFY(!QFile::exists(path));
}

void TestIPictureVynthesisVideo::mixedSizesAndFormats()
{
    const QString path = videoPath(QStringLiteral("mixed.mp4"));
    IPictureVynthesisVideo writer(path, 320, 240, 10);
    writer.start();
    const QList<QPair<QSize, QImage::Format>> pictures = {
        {{640, 480}, QImage::Format_RGB32},
        {{160, 120}, QImage::Format_Grayscale8},
        {{321, 241}, QImage::Format_RGB888},
        {{320, 240}, QImage::Format_Indexed8},
        {{1000, 100}, QImage::Format_ARGB32_Premultiplied},
        {{50, 700}, QImage::Format_RGB16},
        {{320, 240}, QImage::Format_Mono},
        {{320, 240}, QImage::Format_ARGB32},
    };
    for (int i = 0; i < pictures.size(); ++i) {
        writer.addPicture(numbered(i, pictures.at(i).first, pictures.at(i).second));
    }
    writer.addPicture(QImage());  // not a picture: neither written nor counted
    int seconds = -1;
    QCOMPARE(writer.finish(seconds), path);
    QCOMPARE(seconds, 0);
    QVERIFY(writer.wait(60000));
    const VideoProbe probe = VideoProbe::of(path);
    QVERIFY2(probe.readable, qPrintable(probe.error));
    QCOMPARE(probe.frames, pictures.size());
    QCOMPARE(probe.width, 320);
    QCOMPARE(probe.height, 240);
    QVERIFY(qAbs(probe.duration - 0.8) < 0.002);
}

void TestIPictureVynthesisVideo::coloursSurvive_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("RGB32") << QImage::Format_RGB32 << QColor(200, 40, 90);
    QTest::newRow("ARGB32") << QImage::Format_ARGB32 << QColor(30, 160, 220);
    QTest::newRow("RGB888") << QImage::Format_RGB888 << QColor(220, 200, 30);
    QTest::newRow("RGBA8888") << QImage::Format_RGBA8888 << QColor(40, 190, 60);
    QTest::newRow("Grayscale8") << QImage::Format_Grayscale8 << QColor(150, 150, 150);
}

void TestIPictureVynthesisVideo::coloursSurvive()
{
    QFETCH(QImage::Format, format);
    QFETCH(QColor, colour);
    const QString path = videoPath(QStringLiteral("colour_%1.mp4").arg(int(format)));
    IPictureVynthesisVideo writer(path, 64, 48, 5);
    writer.start();
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(colour);
    writer.addPicture(picture.convertToFormat(format));
    int seconds = 0;
    writer.finish(seconds);
    QVERIFY(writer.wait(60000));
    const QImage decoded = firstVideoFrame(path);
    QVERIFY(!decoded.isNull());
    const QColor got = decoded.pixelColor(32, 24);
    const int tolerance = 12;
    QVERIFY2(qAbs(got.red() - colour.red()) <= tolerance &&
                 qAbs(got.green() - colour.green()) <= tolerance &&
                 qAbs(got.blue() - colour.blue()) <= tolerance,
             qPrintable(got.name() + " for " + colour.name()));
}

void TestIPictureVynthesisVideo::oddSizeRoundedDownToEven()
{
    const QString path = videoPath(QStringLiteral("odd.mp4"));
    IPictureVynthesisVideo writer(path, 321, 241, 5);
    QCOMPARE(writer.videoSize(), QSize(320, 240));
    writer.start();
    writer.addPicture(numbered(1, QSize(321, 241), QImage::Format_RGB32));
    int seconds = 0;
    QCOMPARE(writer.finish(seconds), path);
    QVERIFY(writer.wait(60000));
    const VideoProbe probe = VideoProbe::of(path);
    QCOMPARE(probe.width, 320);
    QCOMPARE(probe.height, 240);
    QCOMPARE(probe.frames, 1);
}

void TestIPictureVynthesisVideo::zeroFrameRateUsesOne()
{
    const QString path = videoPath(QStringLiteral("zero_rate.mp4"));
    IPictureVynthesisVideo writer(path, 320, 240, 0);
    QCOMPARE(writer.frameRate(), 1);
    writer.start();
    for (int i = 0; i < 3; ++i) {
        writer.addPicture(numbered(i, QSize(320, 240), QImage::Format_RGB32));
    }
    int seconds = 0;
    QCOMPARE(writer.finish(seconds), path);
    QCOMPARE(seconds, 3);
    QVERIFY(writer.wait(60000));
    const VideoProbe probe = VideoProbe::of(path);
    QCOMPARE(probe.frames, 3);
    QVERIFY(qAbs(probe.duration - 3.0) < 0.002);
}

void TestIPictureVynthesisVideo::unusableOutputReportsNoPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("missing folder") << videoPath("no/such/folder/a.mp4") << QSize(320, 240);
    QTest::newRow("unknown container") << videoPath("a.notavideo") << QSize(320, 240);
    QTest::newRow("too small") << videoPath("tiny.mp4") << QSize(1, 1);
}

void TestIPictureVynthesisVideo::unusableOutputReportsNoPath()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    IPictureVynthesisVideo writer(path, size.width(), size.height(), 5);
    writer.start();
    writer.addPicture(numbered(1, QSize(320, 240), QImage::Format_RGB32));
    int seconds = -1;
    QCOMPARE(writer.finish(seconds), QString());
    QCOMPARE(seconds, 0);
    QVERIFY(writer.wait(60000));
}

void TestIPictureVynthesisVideo::pictureAfterFinishIsDropped()
{
    const QString path = videoPath(QStringLiteral("late.mp4"));
    IPictureVynthesisVideo writer(path, 320, 240, 1);
    writer.start();
    writer.addPicture(numbered(1, QSize(320, 240), QImage::Format_RGB32));
    int seconds = 0;
    writer.finish(seconds);
    writer.addPicture(numbered(2, QSize(320, 240), QImage::Format_RGB32));
    QCOMPARE(writer.finish(seconds), path);
    QCOMPARE(seconds, 1);
    QVERIFY(writer.wait(60000));
    QCOMPARE(VideoProbe::of(path).frames, 1);
}

QTEST_GUILESS_MAIN(TestIPictureVynthesisVideo)
#include "tst_ipicturevynthesisvideo.moc"
