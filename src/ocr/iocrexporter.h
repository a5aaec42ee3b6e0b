#ifndef IOCREXPORTER_H
#define IOCREXPORTER_H

#include <QString>
#include <QStringList>
#include <memory>

#include "ocr/tesscapi.h"

// What the engine recognised on one picture.
struct OcrPage {
    QString text;            // the page's text, lines ending in "\n"
    QStringList paragraphs;  // lines inside a paragraph joined by "\n"
    QStringList lines;       // every text line
};

// Writes one document type, page by page, to a file. Every step throws COcrException.
class IOcrExporter {
public:
    virtual ~IOcrExporter() = default;

    // The writer for an ExportFileType (other values write Word).
    static std::unique_ptr<IOcrExporter> create(int type, const TessCApi& api,
                                                const QString& dataPath);
    // `text` without the characters a document cannot hold (controls other than tab and
    // newline, non-characters, lone surrogates).
    static QString printable(const QString& text);

    // Starts the document at `path`; `title` is its name as the user chose it (the file being
    // written is a temporary one).
    virtual void begin(const QString& path, const QString& title) = 0;
    // `engine` still holds the page's recognition (the PDF writer reads it).
    virtual void addPage(const OcrPage& page, TessBaseAPI* engine) = 0;
    virtual void finish() = 0;
};

#endif  // IOCREXPORTER_H
