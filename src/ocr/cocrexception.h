#ifndef COCREXCEPTION_H
#define COCREXCEPTION_H

#include <QString>

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
