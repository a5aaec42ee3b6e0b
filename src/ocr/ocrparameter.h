#ifndef OCRPARAMETER_H
#define OCRPARAMETER_H

#include <QMetaType>
#include <QString>
#include <QStringList>

// The document an OCR job writes. Fixed to int: a job may carry any number (unknown ones write
// Word), which an enum without a fixed type could not hold.
enum ExportFileType : int { ExportPdf = 0, ExportWord = 1, ExportExcel = 2, ExportText = 3 };

// One OCR job: the pictures (one page each, in page order), the file to write, its document
// type, and the recognition languages as engine names joined by "," (English,ChinesePRC).
struct OcrParameter {
    QStringList images;
    QString outputPath;
    ExportFileType exportType = ExportPdf;
    QString languages;
};

Q_DECLARE_METATYPE(OcrParameter)
Q_DECLARE_METATYPE(ExportFileType)

// The file suffix of a document type ("pdf", "docx", "xlsx", "txt"); other values write Word.
QString ocrSuffix(int type);
// `name` with the type's suffix appended unless it already ends with it.
QString ocrOutputName(const QString& name, int type);

#endif  // OCRPARAMETER_H
