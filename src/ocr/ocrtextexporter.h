#ifndef OCRTEXTEXPORTER_H
#define OCRTEXTEXPORTER_H

#include <QFile>

#include "ocr/iocrexporter.h"

// Plain text in UTF-8, a form feed between the pictures.
class OcrTextExporter : public IOcrExporter {
public:
    void begin(const QString& path, const QString& title) override;
    void addPage(const OcrPage& page, TessBaseAPI* engine) override;
    void finish() override;

private:
    void write(const QByteArray& bytes);

    QFile file_;
    bool firstPage_ = true;
};

#endif  // OCRTEXTEXPORTER_H
