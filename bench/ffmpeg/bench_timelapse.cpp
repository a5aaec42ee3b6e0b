// Time-lapse encoding at 1920 x 1080: IPictureVynthesisVideo against the ffmpeg tool with the
// same encoder settings on the same pictures (fed to it as raw BGRA), measured in the same run.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QVector>

extern "C" {
#include <libavutil/log.h>
}

#include "ffmpeg/ipicturevynthesisvideo.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kPictures = 30;
constexpr int kFrameRate = 30;

// Camera-like pictures: a lit page on a desk with lines of "text", sensor noise and a slow pan.
QImage makePicture(int number)
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient desk(0, 0, kWidth, kHeight);
    desk.setColorAt(0, QColor(70, 60, 50));
    desk.setColorAt(1, QColor(30, 25, 20));
    painter.fillRect(picture.rect(), desk);
    const QRect page(300 + number * 4, 120 + number * 2, 1300, 840);
    painter.fillRect(page, QColor(235, 232, 225));
    for (int line = 0; line < 30; ++line) {
        const int y = page.top() + 40 + line * 26;
        painter.fillRect(page.left() + 60, y, 900 + (line * 97) % 300, 10, QColor(40, 40, 50));
    }
    painter.end();
    QRandomGenerator noise(quint32(number + 1));
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int n = int(noise.bounded(9)) - 4;
            const QRgb p = row[x];
            row[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255),
                          qBound(0, qBlue(p) + n, 255));
        }
    }
    return picture;
}

const QVector<QImage>& pictures()
{
    static const QVector<QImage> all = [] {
        QVector<QImage> made;
        for (int i = 0; i < kPictures; ++i) {
            made.append(makePicture(i));
        }
        return made;
    }();
    return all;
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The same pictures as one raw BGRA stream, the form the ffmpeg tool reads without decoding.
QString rawPictures()
{
    static const QString path = [] {
        const QString file = workDir().filePath("pictures.bgra");
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        for (const QImage& picture : pictures()) {
            out.write(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        }
        return file;
    }();
    return path;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

void BM_TimelapseWriter(benchmark::State& state)
{
    qInstallMessageHandler(quiet);
    av_log_set_level(AV_LOG_ERROR);
    const QString path = workDir().filePath("writer.mp4");
    for (auto _ : state) {
        IPictureVynthesisVideo writer(path, kWidth, kHeight, kFrameRate);
        writer.start();
        for (const QImage& picture : pictures()) {
            writer.addPicture(picture);
        }
        int seconds = 0;
        writer.finish(seconds);
        writer.wait();
    }
    state.SetItemsProcessed(state.iterations() * kPictures);
}

void BM_FfmpegTool(benchmark::State& state)
{
    const QString raw = rawPictures();
    const QStringList arguments = {"-v",
                                   "error",
                                   "-y",
                                   "-f",
                                   "rawvideo",
                                   "-pix_fmt",
                                   "bgra",
                                   "-s",
                                   QStringLiteral("%1x%2").arg(kWidth).arg(kHeight),
                                   "-framerate",
                                   QString::number(kFrameRate),
                                   "-i",
                                   raw,
                                   "-sws_flags",
                                   "bicubic",
                                   "-c:v",
                                   "libx264",
                                   "-pix_fmt",
                                   "yuv420p",
                                   "-preset",
                                   "superfast",
                                   "-tune",
                                   "zerolatency",
                                   "-profile:v",
                                   "high",
                                   "-b:v",
                                   "4000000",
                                   "-g",
                                   "100",
                                   "-keyint_min",
                                   "25",
                                   "-bf",
                                   "0",
                                   "-b_qfactor",
                                   "1",
                                   "-refs",
                                   "3",
                                   "-subq",
                                   "7",
                                   "-qmin",
                                   "10",
                                   "-qmax",
                                   "51",
                                   "-trellis",
                                   "1",
                                   workDir().filePath("tool.mp4")};
    for (auto _ : state) {
        if (QProcess::execute(QStringLiteral("ffmpeg"), arguments) != 0) {
            state.SkipWithError("ffmpeg failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kPictures);
}

}  // namespace

BENCHMARK(BM_FfmpegTool)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_TimelapseWriter)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

BENCHMARK_MAIN();
