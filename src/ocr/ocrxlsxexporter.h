#ifndef OCRXLSXEXPORTER_H
#define OCRXLSXEXPORTER_H

#include "ocr/iocrexporter.h"

typedef struct lxw_workbook lxw_workbook;

// A spreadsheet (.xlsx): one sheet per picture, one row per recognised text line.
class OcrXlsxExporter : public IOcrExporter {
public:
    ~OcrXlsxExporter() override;

    void begin(const QString& path, const QString& title) override;
    void addPage(const OcrPage& page, TessBaseAPI* engine) override;
    void finish() override;

private:
    QString path_;
    lxw_workbook* workbook_ = nullptr;
    int pages_ = 0;
};

#endif  // OCRXLSXEXPORTER_H
