#include "ocr/ocrdocxexporter.h"

#include <zip.h>

#include <QFile>

#include "ocr/cocrexception.h"

namespace {

const char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

const char kRelationships[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"word/document.xml\"/>"
    "</Relationships>";

const char kDocumentStart[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:body>";

// A4 portrait with 2 cm margins.
const char kDocumentEnd[] =
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1134\" w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\" "
    "w:header=\"567\" w:footer=\"567\" w:gutter=\"0\"/></w:sectPr>"
    "</w:body></w:document>";

// One stored part of the package; false when it could not be written.
bool addEntry(zipFile zip, const char* name, const QByteArray& bytes)
{
    zip_fileinfo info{};
    if (zipOpenNewFileInZip64(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              Z_DEFAULT_COMPRESSION, 0) != ZIP_OK) {
        return false;
    }
    const bool written = zipWriteInFileInZip(zip, bytes.constData(), bytes.size()) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK && written;
}

}  // namespace

void OcrDocxExporter::begin(const QString& path, const QString& /*title*/)
{
    path_ = path;
    body_ = QString::fromLatin1(kDocumentStart);
}

QString OcrDocxExporter::paragraphXml(const QString& text)
{
    QStringList runs;
    for (const QString& line : printable(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        runs << QStringLiteral("<w:t xml:space=\"preserve\">") + line.trimmed().toHtmlEscaped() +
                    QStringLiteral("</w:t>");
    }
    return QStringLiteral("<w:p><w:r>") + runs.join(QStringLiteral("<w:br/>")) +
           QStringLiteral("</w:r></w:p>");
}

void OcrDocxExporter::addPage(const OcrPage& page, TessBaseAPI*)
{
    if (!firstPage_) {
        body_ += QStringLiteral("<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>");
    }
    firstPage_ = false;
    for (const QString& paragraph : page.paragraphs) {
        if (!paragraph.trimmed().isEmpty()) {
            body_ += paragraphXml(paragraph);
        }
    }
}

void OcrDocxExporter::finish()
{
    zipFile zip = zipOpen64(QFile::encodeName(path_).constData(), APPEND_STATUS_CREATE);
    if (!zip) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path_));
    }
    const bool written =
        addEntry(zip, "[Content_Types].xml", kContentTypes) &&
        addEntry(zip, "_rels/.rels", kRelationships) &&
        addEntry(zip, "word/document.xml", (body_ + QString::fromLatin1(kDocumentEnd)).toUtf8());
    if (zipClose(zip, nullptr) != ZIP_OK || !written) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path_));
    }
}
