#include "ocr/iocrexporter.h"

#include "ocr/ocrdocxexporter.h"
#include "ocr/ocrparameter.h"
#include "ocr/ocrpdfexporter.h"
#include "ocr/ocrtextexporter.h"
#include "ocr/ocrxlsxexporter.h"

std::unique_ptr<IOcrExporter> IOcrExporter::create(int type, const TessCApi& api,
                                                   const QString& dataPath)
{
    switch (type) {
        case ExportPdf:
            return std::make_unique<OcrPdfExporter>(api, dataPath);
        case ExportExcel:
            return std::make_unique<OcrXlsxExporter>();
        case ExportText:
            return std::make_unique<OcrTextExporter>();
        default:
            return std::make_unique<OcrDocxExporter>();
    }
}

QString IOcrExporter::printable(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    const QVector<uint> points = text.toUcs4();
    for (uint point : points) {
        const bool control = point < 0x20 && point != '\t' && point != '\n';
        const bool nonCharacter = point == 0xFFFE || point == 0xFFFF || point == 0x7F;
        const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
        if (!control && !nonCharacter && !surrogate) {
            kept += QString::fromUcs4(&point, 1);
        }
    }
    return kept;
}
