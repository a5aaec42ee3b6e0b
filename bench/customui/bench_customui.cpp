// Gallery import: 50 JPEGs of 4000 x 3000 decoded straight to thumbnail size, against a full
// decode followed by QImage::scaled, in the same run; and the memory one gallery entry costs.
//   bench_customui   (scripts/bench.sh customui prints the medians)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include "customui/gallery/iimglist.h"
#include "customui/gallery/iimglistwidget.h"
#include "customui/gallery/ipicturefile.h"

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

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).simplified().split(' ').value(0).toLong();
        }
    }
    return 0;
}

// Resident memory per gallery entry, shown in a visible panel the way photos arrive during a
// lesson (thumbnail images from the saving thread).
void BM_GalleryEntryMemory(benchmark::State& state)
{
    constexpr int kEntries = 400;
    for (auto _ : state) {
        IImgListWidget gallery;
        gallery.resize(200, 800);
        gallery.show();
        QCoreApplication::processEvents();
        const long before = residentKb();
        for (int i = 0; i < kEntries; ++i) {
            QImage thumbnail(kThumbnail, QImage::Format_RGB32);  // a new one per photo
            thumbnail.fill(Qt::gray);
            gallery.list()->addImageItem(thumbnail, QStringLiteral("/photos/%1.jpg").arg(i));
            QCoreApplication::processEvents();
        }
        state.counters["kb_per_entry"] = double(residentKb() - before) / kEntries;
    }
}
BENCHMARK(BM_GalleryEntryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
