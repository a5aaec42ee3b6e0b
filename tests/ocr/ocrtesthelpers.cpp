#include "ocrtesthelpers.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTest>
#include <vector>

#include "ocr/iocrengine.h"

QString writeTextPicture(const QString& path, const QStringList& lines, const QString& family,
                         int pixelSize)
{
    QImage page(1400, 160 + lines.size() * pixelSize * 2, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    QFont font(family);
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(80, 100 + i * pixelSize * 2, lines[i]);
    }
    painter.end();
    page.save(path);
    return path;
}

double characterErrorRate(const QString& expected, const QString& seen)
{
    const QVector<uint> a = QString(expected).remove(QRegExp("\\s")).toUcs4();
    const QVector<uint> b = QString(seen).remove(QRegExp("\\s")).toUcs4();
    std::vector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return a.isEmpty() ? 1.0 : double(row[b.size()]) / a.size();
}

EngineRecorder::EngineRecorder()
{
    IOcrEngine* engine = IOcrEngine::instance();
    connect(
        engine, &IOcrEngine::sgOcrProgress, this,
        [this](int percent) { events << QString::number(percent); }, Qt::QueuedConnection);
    connect(
        engine, &IOcrEngine::sgOcrError, this,
        [this](const QString& text) { events << "error:" + text; }, Qt::QueuedConnection);
    connect(
        engine, &IOcrEngine::sgOcrSkipped, this,
        [this](const QString& text) { events << "skipped:" + text; }, Qt::QueuedConnection);
}

QStringList runJob(const OcrParameter& job)
{
    EngineRecorder recorder;
    emit IOcrEngine::instance()->sgOcrStart(job);
    recorder.waitForJobs(1);
    QTest::qWait(50);  // nothing may follow the end
    return recorder.events;
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(60000) && process.exitCode() == 0;
    return done ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}
