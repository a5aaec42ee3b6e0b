#include "ocr/ocrparameter.h"

QString ocrSuffix(int type)
{
    switch (type) {
        case ExportPdf:
            return QStringLiteral("pdf");
        case ExportExcel:
            return QStringLiteral("xlsx");
        case ExportText:
            return QStringLiteral("txt");
        default:
            return QStringLiteral("docx");
    }
}

QString ocrOutputName(const QString& name, int type)
{
    const QString suffix = QLatin1Char('.') + ocrSuffix(type);
    return name.endsWith(suffix, Qt::CaseInsensitive) ? name : name + suffix;
}
