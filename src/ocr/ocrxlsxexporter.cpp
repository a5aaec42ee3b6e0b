#include "ocr/ocrxlsxexporter.h"

#include <xlsxwriter.h>

#include "ocr/cocrexception.h"

namespace {

// The longest text a spreadsheet cell holds.
constexpr int kMaxCellText = 32767;

}  // namespace

OcrXlsxExporter::~OcrXlsxExporter()
{
    // Closing is the only way to free a workbook; a failed job's file is removed afterwards.
    if (workbook_) {
        workbook_close(workbook_);
    }
}

void OcrXlsxExporter::begin(const QString& path, const QString& /*title*/)
{
    path_ = path;
    workbook_ = workbook_new(path.toLocal8Bit().constData());
    if (!workbook_) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path));
    }
}

void OcrXlsxExporter::addPage(const OcrPage& page, TessBaseAPI*)
{
    ++pages_;
    const QByteArray name = QStringLiteral("Page %1").arg(pages_).toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, name.constData());
    if (!sheet) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path_));
    }
    lxw_row_t row = 0;
    for (const QString& line : page.lines) {
        const QString text = printable(line).trimmed().left(kMaxCellText);
        if (text.isEmpty()) {
            continue;
        }
        if (worksheet_write_string(sheet, row++, 0, text.toUtf8().constData(), nullptr) !=
            LXW_NO_ERROR) {
            throw COcrException(
                ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path_));
        }
    }
}

void OcrXlsxExporter::finish()
{
    const lxw_error result = workbook_close(workbook_);
    workbook_ = nullptr;
    if (result != LXW_NO_ERROR) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot write the file %1"), path_) + " (" +
            QString::fromUtf8(lxw_strerror(result)) + ")");
    }
}
