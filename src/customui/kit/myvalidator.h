#ifndef MYVALIDATOR_H
#define MYVALIDATOR_H

#include <QIntValidator>

// The slider's value field validator: text left unfinished or out of range when editing ends
// becomes the bottom of the range.
class MyValidator : public QIntValidator {
    Q_OBJECT
public:
    MyValidator(int bottom, int top, QObject* parent = nullptr);

    void fixup(QString& input) const override;
};

#endif  // MYVALIDATOR_H
