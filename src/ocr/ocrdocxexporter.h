#ifndef OCRDOCXEXPORTER_H
#define OCRDOCXEXPORTER_H

#include "ocr/iocrexporter.h"

// A minimal Word document (.docx): one paragraph per recognised paragraph, its lines kept as
// line breaks, and a page break between the pictures.
class OcrDocxExporter : public IOcrExporter {
public:
    void begin(const QString& path, const QString& title) override;
    void addPage(const OcrPage& page, TessBaseAPI* engine) override;
    void finish() override;

    // The escaped paragraph element for a paragraph's text.
    static QString paragraphXml(const QString& text);

private:
    QString path_;
    QString body_;
    bool firstPage_ = true;
};

#endif  // OCRDOCXEXPORTER_H
