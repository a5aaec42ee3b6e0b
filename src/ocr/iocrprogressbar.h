#ifndef IOCRPROGRESSBAR_H
#define IOCRPROGRESSBAR_H

#include "customui/kit/icustomdialog.h"

class QProgressBar;

// The small modal dialog that follows an OCR job: "Start Recognizing..." above a progress bar.
// Showing it centres it on its parent (or the screen under the cursor) and starts at 0.
class IOcrProgressBar : public ICustomDialog {
    Q_OBJECT
public:
    explicit IOcrProgressBar(QWidget* parent = nullptr);

    void setValue(int percent);
    int value() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QProgressBar* bar_ = nullptr;
};

#endif  // IOCRPROGRESSBAR_H
