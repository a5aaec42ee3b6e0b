#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "customui/kit/imsgbox.h"
#include "modalanswerer.h"
#include "ocr/iocrengine.h"
#include "ocr/iocrframe.h"
#include "ocr/iocrprogressbar.h"
#include "ocrtesthelpers.h"
#include "service/iconfigureservice.h"

namespace {

// File dialogs can be slow to appear on a busy machine.
constexpr int kWaitMs = 60000;

IConfigureService* config()
{
    return IConfigureService::instance();
}

QCheckBox* languageBox(IOcrFrame& frame, const QString& name)
{
    for (QCheckBox* box : frame.languageList()->findChildren<QCheckBox*>()) {
        if (box->property("lang") == name) {
            return box;
        }
    }
    return nullptr;
}

// Answers the next message box with Ok and keeps its text; other modal dialogs are waited out.
void answerMessage(QString* text)
{
    answerNextModal(
        [text](QWidget* modal) {
            if (!qobject_cast<IMsgBox*>(modal)) {
                answerMessage(text);
                return;
            }
            for (QLabel* label : modal->findChildren<QLabel*>()) {
                *text += label->text();
            }
            modal->close();
        },
        kWaitMs);
}

// Answers the next file dialog with `files` (nothing: cancel) and keeps its name filters; tries
// again while another modal widget is on top or the dialog stays open.
void answerFileDialog(const QStringList& files, QStringList* filters = nullptr)
{
    answerNextModal(
        [files, filters](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog && filters) {
                *filters = dialog->nameFilters();
            }
            if (dialog && files.isEmpty()) {
                dialog->reject();
            } else if (dialog) {
                // The name field, since selectFile() leaves a focused field alone.
                QStringList names;
                for (const QString& file : files) {
                    names << "\"" + QFileInfo(file).fileName() + "\"";
                }
                dialog->setDirectory(QFileInfo(files.first()).absolutePath());
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(names.join(' '));
                QMetaObject::invokeMethod(dialog, "accept");
            }
            if (!dialog || dialog->isVisible()) {
                answerFileDialog(files, filters);
            }
        },
        kWaitMs);
}

}  // namespace

// The OCR dialog offscreen: language order and limits, pages, messages, document types and a
// whole job with the real engine.
class TestOcrFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void interfaceLanguageFirst_data();
    void interfaceLanguageFirst();
    void atMostTwoLanguagesRemembered();
    void pagesAndMessages();
    void wholeJob_data();
    void wholeJob();

private:
    QStringList import(IOcrFrame& frame, int count);
    QTemporaryDir dir_;
};

void TestOcrFrame::initTestCase()
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    for (int i = 1; i <= 3; ++i) {
        writeTextPicture(dir_.filePath(QString("page%1.png").arg(i)),
                         {QString("Page number %1 of the test").arg(i)}, "Liberation Sans");
    }
}

QStringList TestOcrFrame::import(IOcrFrame& frame, int count)
{
    QStringList files;
    for (int i = 1; i <= count; ++i) {
        files << dir_.filePath(QString("page%1.png").arg(i));
    }
    answerFileDialog(files);
    frame.button("import")->click();
    return files;
}

void TestOcrFrame::interfaceLanguageFirst_data()
{
    QTest::addColumn<QString>("langId");
    QTest::addColumn<QString>("first");
    // Japanese (1041) and Dutch (1043) have no code: the list keeps its own order.
    for (const char* row : {"2052 ChinesePRC", "1028 ChineseTaiwan", "1033 English", "1049 Russian",
                            "1034 Spanish", "1031 German", "1041 English", "1042 Korean",
                            "1036 French", "1040 Italian", "1043 English", "1055 Turkish"}) {
        const QStringList parts = QString(row).split(' ');
        QTest::newRow(row) << parts[0] << parts[1];
    }
}

void TestOcrFrame::interfaceLanguageFirst()
{
    QFETCH(QString, langId);
    QFETCH(QString, first);
    config()->setLangId(langId);
    IOcrFrame frame;
    QListWidget* list = frame.languageList();
    QCOMPARE(list->count(), 35);
    QCOMPARE(list->itemWidget(list->item(0))->property("lang").toString(), first);
    // No data exists for Bashkir: shown, but it cannot be chosen.
    QVERIFY(!languageBox(frame, "Bashkir")->isEnabled() &&
            !languageBox(frame, "Bashkir")->toolTip().isEmpty());
    QVERIFY(languageBox(frame, "ChineseTaiwan")->isEnabled());
    config()->setLangId("1033");
}

void TestOcrFrame::atMostTwoLanguagesRemembered()
{
    IOcrFrame frame;
    QCOMPARE(frame.checkedLanguages(), QStringList{"English"});
    languageBox(frame, "ChinesePRC")->click();
    languageBox(frame, "French")->click();
    QVERIFY(!languageBox(frame, "French")->isChecked());
    const QStringList two{"English", "ChinesePRC"};
    QCOMPARE(frame.checkedLanguages(), two);
    QCOMPARE(config()->ocrLangs, two);
    QSettings stored(IConfigureService::settingsFile(), QSettings::IniFormat);
    QCOMPARE(stored.value("OCR/lang").toStringList(), two);
    QCOMPARE(IOcrFrame().checkedLanguages(), two);  // the next dialog starts with them
}

void TestOcrFrame::pagesAndMessages()
{
    IOcrFrame frame;
    QString message;
    answerMessage(&message);
    frame.button("recognize")->click();
    QCOMPARE(message, QStringLiteral("Please import a picture for parsing."));
    message.clear();
    QCOMPARE(frame.pageIndicator(), QString());

    QCOMPARE(frame.pages(), import(frame, 3));
    QStringList seen{frame.pageIndicator()};
    for (const char* button : {"last", "next", "next", "next"}) {
        frame.button(button)->click();
        seen << frame.pageIndicator();
    }
    QCOMPARE(seen.join(' '), QStringLiteral("1/3 1/3 2/3 3/3 3/3"));
    QVERIFY(!frame.findChild<QLabel*>("preview")->pixmap(Qt::ReturnByValue).isNull());

    for (const QString& name : frame.checkedLanguages()) {
        languageBox(frame, name)->click();
    }
    answerMessage(&message);
    frame.button("recognize")->click();
    QCOMPARE(message, QStringLiteral("Please select a language for parsing."));
    languageBox(frame, "English")->click();
}

void TestOcrFrame::wholeJob_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("filter");
    // Typed name, file written, filter offered; another type's suffix is kept.
    for (const char* row : {"0 a a.pdf (*.pdf)", "1 w.pdf w.pdf.docx (*.docx)",
                            "2 b.XLSX b.XLSX (*.xlsx)", "3 c c.txt (*.txt)"}) {
        const QStringList parts = QString(row).split(' ');
        QTest::newRow(row) << parts[0].toInt() << parts[1] << parts[2] << parts[3];
    }
}

void TestOcrFrame::wholeJob()
{
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, filter);
    IOcrFrame frame;
    import(frame, 2);
    frame.exportButton(type)->click();
    QSignalSpy sent(IOcrEngine::instance(), &IOcrEngine::sgOcrStart);
    QStringList filters;
    answerFileDialog({}, &filters);  // no file chosen: nothing is sent
    frame.button("recognize")->click();
    QCOMPARE(filters, QStringList{filter});
    QString message;
    answerFileDialog({dir_.filePath(typed)});
    answerMessage(&message);
    frame.button("recognize")->click();  // returns once the progress dialog closed
    QCOMPARE(sent.count(), 1);
    const OcrParameter job = sent.first().first().value<OcrParameter>();
    QCOMPARE(job.outputPath, dir_.filePath(written));
    QCOMPARE(job.languages, QStringLiteral("English"));
    QCOMPARE(int(job.exportType), type);
    QTRY_COMPARE(message, QStringLiteral("OCR Analysing Succeed!"));
    QCOMPARE(frame.progressBar()->value(), 100);
    QVERIFY(QFileInfo(job.outputPath).size() > 0);
    // An engine error reaches the presenter as it stands.
    message.clear();
    answerMessage(&message);
    emit IOcrEngine::instance()->sgOcrError("Cannot write the file x");
    QTRY_COMPARE(message, QStringLiteral("Cannot write the file x"));
}

QTEST_MAIN(TestOcrFrame)
#include "tst_iocrframe.moc"
