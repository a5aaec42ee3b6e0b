// Gallery import: 50 JPEGs of 4000 x 3000 decoded straight to thumbnail size, against a full
// decode followed by QImage::scaled, in the same run.
//   bench_customui   (scripts/bench.sh customui prints the medians)
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include "customui/ipicturefile.h"

namespace {

constexpr int kPictures = 50;
const QSize kThumbnail(139, 94);

const QStringList& pictures()
{
    static QTemporaryDir dir;
    static QStringList paths;
    if (paths.isEmpty()) {
        QImage picture(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&picture);
        QLinearGradient gradient(0, 0, 4000, 3000);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, Qt::darkBlue);
        painter.fillRect(picture.rect(), gradient);
        painter.setPen(QPen(Qt::black, 9));
        for (int y = 200; y < 2800; y += 60) {
            painter.drawLine(300, y, 3700, y + 20);
        }
        painter.end();
        for (int i = 0; i < kPictures; ++i) {
            paths << dir.filePath(QStringLiteral("p%1.jpg").arg(i));
            picture.save(paths.last(), "JPEG", 90);
        }
    }
    return paths;
}

void BM_ImportReduced(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& path : pictures()) {
            benchmark::DoNotOptimize(IPictureFile::readReduced(path, kThumbnail).image);
        }
    }
}
BENCHMARK(BM_ImportReduced)->Unit(benchmark::kMillisecond);

void BM_ImportFullThenScaled(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& path : pictures()) {
            const QImage full = QImageReader(path).read();
            benchmark::DoNotOptimize(
                full.scaled(kThumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
}
BENCHMARK(BM_ImportFullThenScaled)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
