#ifndef IOCRFRAME_H
#define IOCRFRAME_H

#include <QStringList>

#include "customui/kit/icustomdialog.h"
#include "ocr/ocrparameter.h"

class IOcrEngine;
class IOcrProgressBar;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QToolButton;

// The modal OCR dialog: the pictures to recognise shown page by page, Import File, up to two
// recognition languages (the interface's own first), the document type, the save dialog, and
// the engine's job followed in a modal progress dialog until "OCR Analysing Succeed!" or the
// engine's error text.
class IOcrFrame : public ICustomDialog {
    Q_OBJECT
public:
    explicit IOcrFrame(QWidget* parent = nullptr, IOcrEngine* engine = nullptr);

    // false closes the dialog; true centres it on its parent, resets it, takes `pictures` as
    // the pages and runs it modally.
    void open(bool show, const QStringList& pictures = QStringList());
    // Stops a running job and unloads the engine; later answers of the engine are ignored.
    void endWork();

    QStringList pages() const { return pages_; }
    int pageNumber() const { return page_; }
    ExportFileType exportType() const { return exportType_; }
    bool isJobRunning() const { return running_; }
    QString pageIndicator() const;
    QListWidget* languageList() const { return languages_; }
    QRadioButton* exportButton(int type) const;
    QToolButton* button(const QString& name) const;
    IOcrProgressBar* progressBar() const { return progress_; }
    // The checked engine names, top to bottom.
    QStringList checkedLanguages() const;

public slots:
    void slButtonClick();
    void slOcrImageError(QString text);
    // Pictures left out of the finished document, shown with the success message.
    void slOcrImageSkipped(QString text);
    void slOcrImageProgress(int percent);

private:
    void CreateUI();
    QWidget* createPreview();
    QWidget* createOptions();
    QToolButton* createButton(const QString& name, const QString& text);
    void addLanguages();
    void reset();
    void showPage(int page);
    void importFiles();
    void onLanguageClicked(QCheckBox* box);
    void recognize();
    void finishJob(const QString& message);

    IOcrEngine* engine_;
    QStringList pages_;
    int page_ = 0;
    ExportFileType exportType_ = ExportPdf;
    bool running_ = false;
    QString skipped_;
    QLabel* preview_ = nullptr;
    QLabel* indicator_ = nullptr;
    QListWidget* languages_ = nullptr;
    QButtonGroup* exportGroup_ = nullptr;
    IOcrProgressBar* progress_ = nullptr;
};

#endif  // IOCRFRAME_H
