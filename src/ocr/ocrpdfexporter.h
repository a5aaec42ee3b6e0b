#ifndef OCRPDFEXPORTER_H
#define OCRPDFEXPORTER_H

#include "ocr/iocrexporter.h"

// PDF through the engine's own renderer: each page is the picture with the recognised text laid
// invisibly over it, so the text can be searched and copied.
class OcrPdfExporter : public IOcrExporter {
public:
    OcrPdfExporter(const TessCApi& api, const QString& dataPath);
    ~OcrPdfExporter() override;

    void begin(const QString& path, const QString& title) override;
    void addPage(const OcrPage& page, TessBaseAPI* engine) override;
    void finish() override;

private:
    const TessCApi& api_;
    QString dataPath_;
    QString path_;
    TessResultRenderer* renderer_ = nullptr;
};

#endif  // OCRPDFEXPORTER_H
