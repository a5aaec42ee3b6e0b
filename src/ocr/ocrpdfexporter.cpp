#include "ocr/ocrpdfexporter.h"

#include <QFileInfo>

#include "ocr/cocrexception.h"

OcrPdfExporter::OcrPdfExporter(const TessCApi& api, const QString& dataPath)
    : api_(api), dataPath_(dataPath)
{
}

OcrPdfExporter::~OcrPdfExporter()
{
    if (renderer_) {
        api_.rendererDelete(renderer_);
    }
}

void OcrPdfExporter::begin(const QString& path, const QString& title)
{
    path_ = path;
    // The renderer appends ".pdf" to the name it is given.
    QString base = path;
    if (base.endsWith(QLatin1String(".pdf"))) {
        base.chop(4);
    }
    renderer_ = api_.pdfRendererCreate(base.toLocal8Bit().constData(),
                                       dataPath_.toLocal8Bit().constData(), false);
    if (!renderer_ || !api_.rendererBegin(renderer_, title.toUtf8().constData())) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path));
    }
}

void OcrPdfExporter::addPage(const OcrPage&, TessBaseAPI* engine)
{
    if (!api_.rendererAddImage(renderer_, engine)) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot add a page to %1"), path_));
    }
}

void OcrPdfExporter::finish()
{
    const bool ended = api_.rendererEnd(renderer_);
    api_.rendererDelete(renderer_);
    renderer_ = nullptr;
    if (!ended || QFileInfo(path_).size() == 0) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path_));
    }
}
