#include "ocr/ocrtextexporter.h"

#include "ocr/cocrexception.h"

void OcrTextExporter::begin(const QString& path, const QString& /*title*/)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path));
    }
}

void OcrTextExporter::addPage(const OcrPage& page, TessBaseAPI*)
{
    if (!firstPage_) {
        write("\f");
    }
    firstPage_ = false;
    write(printable(page.text).toUtf8());
}

void OcrTextExporter::finish()
{
    if (!file_.flush()) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), file_.fileName()));
    }
    file_.close();
}

void OcrTextExporter::write(const QByteArray& bytes)
{
    if (file_.write(bytes) != bytes.size()) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), file_.fileName()));
    }
}
