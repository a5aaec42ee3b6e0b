// OCR: seconds per A4 page at 300 dpi through the engine driver against the tesseract
// command-line tool on the same picture and language, and a 4-page job (two pages recognised
// at once) against 4 sequential command-line runs, in the same run.
//   bench_ocr   (scripts/bench.sh ocr prints the medians)
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "ocr/iocrengine.h"
#include "ocr/iocrlibraryloader.h"

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// An A4 page at 300 dpi with 40 lines of text.
const QString& page()
{
    static QString path;
    if (path.isEmpty()) {
        QImage image(2480, 3508, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
        QPainter painter(&image);
        QFont font("Liberation Serif");
        font.setPixelSize(42);
        painter.setFont(font);
        for (int line = 0; line < 40; ++line) {
            painter.drawText(240, 300 + line * 75,
                             QString("Line %1: the quick brown fox jumps over the lazy dog, "
                                     "while 38.50 & tax <apply>.")
                                 .arg(line + 1));
        }
        painter.end();
        path = folder().filePath("page.png");
        image.save(path);
    }
    return path;
}

void runEngine(benchmark::State& state)
{
    OcrParameter job;
    job.images = QStringList(QStringList() << page());
    for (int i = 1; i < state.range(0); ++i) {
        job.images << page();
    }
    job.outputPath = folder().filePath("engine.txt");
    job.exportType = ExportText;
    job.languages = "English";
    IOcrEngine* engine = IOcrEngine::instance();
    // The engine loads its library and language data once; the tool does on every run.
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(engine, &IOcrEngine::sgOcrProgress, &loop, [&loop](int percent) {
            if (percent == 100) {
                loop.quit();
            }
        });
        QObject::connect(engine, &IOcrEngine::sgOcrError, &loop, [&](const QString& text) {
            state.SkipWithError(text.toUtf8().constData());
            loop.quit();
        });
        emit engine->sgOcrStart(job);
        loop.exec();
    }
}

void runCommandLine(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < state.range(0); ++i) {
            QProcess tool;
            tool.start("tesseract", {page(), folder().filePath("cli"), "-l", "eng"});
            if (!tool.waitForFinished(600000) || tool.exitCode() != 0) {
                state.SkipWithError("the tesseract tool failed");
            }
        }
    }
}

}  // namespace

BENCHMARK(runEngine)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(runCommandLine)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    IOcrLibraryLoader::limitEngineThreads(argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    page();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
