#ifndef COCREXCEPTION_H
#define COCREXCEPTION_H

#include <QCoreApplication>
#include <QString>

// The text the user sees for `source` (marked with QT_TRANSLATE_NOOP("IOcrEngine", …)). Safe on
// the engine's thread: translators are installed at start-up, before any job.
inline QString ocrText(const char* source)
{
    return QCoreApplication::translate("IOcrEngine", source);
}

// The same with %1 replaced by `argument`.
inline QString ocrText(const char* source, const QString& argument)
{
    return ocrText(source).arg(argument);
}

// An OCR engine error and the text the user sees. Thrown inside the engine driver and caught by
// its operations; it never leaves them.
class COcrException {
public:
    explicit COcrException(QString text) : text_(std::move(text)) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

#endif  // COCREXCEPTION_H
