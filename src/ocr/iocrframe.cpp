#include "ocr/iocrframe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "customui/gallery/ipicturefile.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/imsgbox.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "ocr/iocrengine.h"
#include "ocr/iocrprogressbar.h"
#include "ocr/ocrlanguages.h"
#include "service/iconfigureservice.h"

namespace {

int scaled(int size)
{
    return static_cast<int>(size * uiScale);
}

IConfigureService* config()
{
    return IConfigureService::instance();
}

const char kButtonStyle[] =
    "QToolButton{border:none;border-radius:%3px;color:white;background-color:%1;}"
    "QToolButton:hover{color:rgb(235,120,7);background-color:%2;}"
    "QToolButton:pressed{color:rgb(235,120,7);background-color:%2;}";

}  // namespace

IOcrFrame::IOcrFrame(QWidget* parent, IOcrEngine* engine)
    : ICustomDialog(tr("OCR"), true, parent), engine_(engine ? engine : IOcrEngine::instance())
{
    setMovable(true);
    setRoundedBackground(true);
    CreateUI();
    reset();
    connect(engine_, &IOcrEngine::sgOcrError, this, &IOcrFrame::slOcrImageError,
            Qt::QueuedConnection);
    connect(engine_, &IOcrEngine::sgOcrProgress, this, &IOcrFrame::slOcrImageProgress,
            Qt::QueuedConnection);
    connect(engine_, &IOcrEngine::sgOcrSkipped, this, &IOcrFrame::slOcrImageSkipped,
            Qt::QueuedConnection);
}

void IOcrFrame::CreateUI()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(scaled(20), scaled(40), scaled(20), scaled(20));
    row->setSpacing(scaled(20));
    row->addWidget(createPreview(), 1);
    row->addWidget(createOptions());
}

QToolButton* IOcrFrame::createButton(const QString& name, const QString& text)
{
    auto* button = new QToolButton(this);
    button->setObjectName("ocr." + name);
    button->setText(text);
    button->setFont(appFont(11, 50));
    button->setMinimumSize(scaled(110), scaled(32));
    button->setStyleSheet(
        QString::fromLatin1(kButtonStyle).arg(panelButtonNormal, panelButtonHover).arg(scaled(6)));
    return button;
}

QWidget* IOcrFrame::createPreview()
{
    auto* area = new QWidget(this);
    preview_ = new QLabel(area);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(scaled(600), scaled(460));
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setStyleSheet(QStringLiteral("background-color:rgb(60,60,60);"));
    indicator_ = new QLabel(area);
    indicator_->setFont(appFont(11, 50));
    indicator_->setStyleSheet(QStringLiteral("color:white;"));
    indicator_->setAlignment(Qt::AlignCenter);
    indicator_->setMinimumWidth(scaled(80));
    QToolButton* last = createButton(QStringLiteral("last"), tr("Last page"));
    QToolButton* next = createButton(QStringLiteral("next"), tr("Next Page"));
    QToolButton* import = createButton(QStringLiteral("import"), tr("Import File"));
    connect(last, &QToolButton::clicked, this, [this]() { showPage(page_ - 1); });
    connect(next, &QToolButton::clicked, this, [this]() { showPage(page_ + 1); });
    connect(import, &QToolButton::clicked, this, &IOcrFrame::importFiles);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(import);
    navigation->addStretch();
    navigation->addWidget(last);
    navigation->addWidget(indicator_);
    navigation->addWidget(next);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(preview_);
    column->addLayout(navigation);
    return area;
}

QWidget* IOcrFrame::createOptions()
{
    auto* area = new QWidget(this);
    auto* caption = new QLabel(tr("Language Identification"), area);
    caption->setFont(appFont(12, 75));
    caption->setStyleSheet(QStringLiteral("color:white;"));
    languages_ = new QListWidget(area);
    languages_->setFixedWidth(scaled(220));
    // White text needs a drawn indicator: the style's own tick takes the text colour and
    // vanishes on its white box.
    const int side = scaled(14);
    languages_->setStyleSheet(
        QStringLiteral("QListWidget{background-color:rgb(60,60,60);border:none;}"
                       "QCheckBox{color:white;} QCheckBox:disabled{color:gray;}"
                       "QCheckBox::indicator{width:%1px;height:%1px;border-radius:%2px;}"
                       "QCheckBox::indicator:unchecked{background-color:white;}"
                       "QCheckBox::indicator:checked{background-color:rgb(51,133,255);"
                       "border:%3px solid white;}"
                       "QCheckBox::indicator:disabled{background-color:gray;}")
            .arg(side)
            .arg(scaled(3))
            .arg(scaled(2)));
    addLanguages();

    exportGroup_ = new QButtonGroup(area);
    auto* types = new QVBoxLayout;
    const QStringList texts{tr("PDF"), tr("WORD"), tr("EXCEL"), tr("TEXT")};
    const char* const names[] = {"ocr.pdf", "ocr.word", "ocr.excel", "ocr.text"};
    for (int type = ExportPdf; type <= ExportText; ++type) {
        QRadioButton* radio = newRadioButton(texts[type], area);
        radio->setObjectName(QLatin1String(names[type]));
        radio->setFont(appFont(11, 50));
        radio->setProperty("ExportFileType", type);
        exportGroup_->addButton(radio, type);
        connect(radio, &QRadioButton::clicked, this, &IOcrFrame::slButtonClick);
        types->addWidget(radio);
    }
    QToolButton* start = createButton(QStringLiteral("recognize"), tr("OCR Recognizing"));
    connect(start, &QToolButton::clicked, this, &IOcrFrame::recognize);

    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(caption);
    column->addWidget(languages_, 1);
    column->addLayout(types);
    column->addWidget(start);
    return area;
}

void IOcrFrame::addLanguages()
{
    const QString interfaceId = config()->langId();
    for (const OcrLanguage& language : OcrLanguages::all()) {
        auto* box = new QCheckBox(language.display);
        box->setFont(appFont(11, 50));
        box->setProperty("lang", language.engineName);
        if (language.dataName.isEmpty()) {
            box->setEnabled(false);
            box->setToolTip(tr("No recognition data exists for this language."));
        } else if (!OcrLanguages::installed(language)) {
            box->setEnabled(false);
            box->setToolTip(tr("The recognition data of this language is not installed."));
        }
        box->setChecked(box->isEnabled() && config()->ocrLangs.contains(language.engineName));
        connect(box, &QCheckBox::clicked, this, [this, box]() { onLanguageClicked(box); });
        auto* item = new QListWidgetItem;
        if (!language.langId.isEmpty() && language.langId == interfaceId) {
            languages_->insertItem(0, item);
        } else {
            languages_->addItem(item);
        }
        languages_->setItemWidget(item, box);
    }
}

QStringList IOcrFrame::checkedLanguages() const
{
    QStringList names;
    for (int i = 0; i < languages_->count(); ++i) {
        auto* box = qobject_cast<QCheckBox*>(languages_->itemWidget(languages_->item(i)));
        if (box && box->isChecked()) {
            names << box->property("lang").toString();
        }
    }
    return names;
}

void IOcrFrame::onLanguageClicked(QCheckBox* box)
{
    const QStringList names = checkedLanguages();
    if (names.size() >= 3) {
        box->setChecked(false);
        return;
    }
    config()->ocrLangs = names;
    config()->setValue(QStringLiteral("OCR/lang"), names);
}

QRadioButton* IOcrFrame::exportButton(int type) const
{
    return qobject_cast<QRadioButton*>(exportGroup_->button(type));
}

QToolButton* IOcrFrame::button(const QString& name) const
{
    return findChild<QToolButton*>("ocr." + name);
}

QString IOcrFrame::pageIndicator() const
{
    return indicator_->text();
}

void IOcrFrame::reset()
{
    page_ = 0;
    pages_.clear();
    indicator_->clear();
    preview_->clear();
    exportType_ = ExportPdf;
    exportButton(ExportPdf)->setChecked(true);
}

void IOcrFrame::open(bool show, const QStringList& pictures)
{
    if (!show) {
        accept();
        return;
    }
    reset();
    if (!pictures.isEmpty()) {
        pages_ = pictures;
        showPage(1);
    }
    adjustSize();
    if (parentWidget()) {
        const QRect around(parentWidget()->mapToGlobal(QPoint(0, 0)), parentWidget()->size());
        move(around.center() - rect().center());
    }
    exec();
}

void IOcrFrame::showPage(int page)
{
    if (page < 1 || page > pages_.size()) {
        return;
    }
    page_ = page;
    indicator_->setText(QStringLiteral("%1/%2").arg(page_).arg(pages_.size()));
    const QString path = pages_[page_ - 1];
    const QSize area = preview_->size() - QSize(10, 10);
    const QSize stored = QImageReader(path).size();
    const IPictureFile::Reduced picture =
        IPictureFile::readReduced(path, stored.scaled(area, Qt::KeepAspectRatio));
    if (picture.image.isNull()) {
        qDebug() << "ocr preview: cannot show" << path << picture.error;
        preview_->clear();
        return;
    }
    preview_->setPixmap(QPixmap::fromImage(picture.image));
}

void IOcrFrame::importFiles()
{
    const QStringList chosen =
        QFileDialog::getOpenFileNames(this, tr("Open Picture"), config()->fileDialogPath(),
                                      QStringLiteral("*.jpeg *.jpg *.png *.bmp *.tiff"));
    if (chosen.isEmpty()) {
        return;
    }
    pages_ = chosen;
    showPage(1);
}

void IOcrFrame::slButtonClick()
{
    const QVariant type = sender() ? sender()->property("ExportFileType") : QVariant();
    if (type.isValid()) {
        exportType_ = static_cast<ExportFileType>(type.toInt());
    }
}

void IOcrFrame::recognize()
{
    if (pages_.isEmpty()) {
        IMsgBox::information(tr("Please import a picture for parsing."), this);
        return;
    }
    const QStringList languages = checkedLanguages();
    if (languages.isEmpty()) {
        IMsgBox::information(tr("Please select a language for parsing."), this);
        return;
    }
    // No writer for the old binary spreadsheet format exists here: EXCEL writes .xlsx.
    const QString filter = QStringLiteral("(*.%1)").arg(ocrSuffix(exportType_));
    QString folder = config()->fileDialogPath();
    if (folder.isEmpty()) {
        folder = config()->photoPath();
    }
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Save"), folder, filter);
    if (chosen.isEmpty()) {
        return;
    }
    config()->setFileDialogPath(QFileInfo(chosen).absolutePath());
    OcrParameter job;
    job.images = pages_;
    job.outputPath = ocrOutputName(chosen, exportType_);
    job.exportType = exportType_;
    job.languages = languages.join(QLatin1Char(','));
    accept();
    running_ = true;
    emit engine_->sgOcrStart(job);
    if (!progress_) {
        progress_ = new IOcrProgressBar(parentWidget());
    }
    progress_->exec();
}

void IOcrFrame::slOcrImageProgress(int percent)
{
    if (progress_) {
        progress_->setValue(percent);
    }
    if (percent == 100) {
        const QString success = tr("OCR Analysing Succeed!");
        finishJob(skipped_.isEmpty() ? success : success + QLatin1Char('\n') + skipped_);
    }
}

void IOcrFrame::slOcrImageSkipped(QString text)
{
    skipped_ = text;
}

void IOcrFrame::slOcrImageError(QString text)
{
    finishJob(text);
}

void IOcrFrame::finishJob(const QString& message)
{
    running_ = false;
    skipped_.clear();
    if (progress_) {
        progress_->accept();
    }
    IMsgBox::information(message, parentWidget());
}

void IOcrFrame::endWork()
{
    disconnect(engine_, nullptr, this, nullptr);
    if (running_) {
        emit engine_->sgOcrStop();
        running_ = false;
    }
    emit engine_->sgOcrDestory();
    if (progress_) {
        progress_->accept();
    }
    if (isVisible()) {
        accept();
    }
}
