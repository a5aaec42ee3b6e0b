#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ocr/iocrengine.h"
#include "ocr/iocrlibraryloader.h"
#include "ocrtesthelpers.h"

namespace {

const QStringList kEnglish{"Invoice 2041 & Sons <draft>", "The quick brown fox jumps over",
                           "Total 38.50 > 12.00 & tax"};
const QStringList kChinese{QString::fromUtf8("今天天气很好我们去公园"),
                           QString::fromUtf8("文字识别测试中文内容")};

const char kReadDocx[] =
    "import docx,sys\nd=docx.Document(sys.argv[1])\n"
    "w='{http://schemas.openxmlformats.org/wordprocessingml/2006/main}'\n"
    "print(1+sum(1 for b in d.element.body.iter(w+'br') if b.get(w+'type')=='page'))\n"
    "print('\\n'.join(p.text for p in d.paragraphs))";
const char kReadXlsx[] =
    "import openpyxl,sys\nb=openpyxl.load_workbook(sys.argv[1])\nprint(len(b.worksheets))\n"
    "for s in b.worksheets:\n for r in s.iter_rows(values_only=True): print(r[0])";

// The document's text read back by a real tool; `pages` gets its page count.
QString readBack(int type, const QString& path, int* pages)
{
    QString out;
    if (type == ExportPdf) {
        const QString info = runTool("pdfinfo", {path});
        *pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
        const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
        if (std::max(size.captured(1).toDouble(), size.captured(2).toDouble()) > 842.5) {
            return "page larger than A4: " + info;
        }
        return runTool("pdftotext", {path, "-"});
    }
    if (type == ExportText) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        out = QString::fromUtf8(file.readAll());
        *pages = out.count('\f') + 1;
        return out;
    }
    out = runTool("/usr/bin/python3", {"-c", type == ExportExcel ? kReadXlsx : kReadDocx, path});
    *pages = out.section('\n', 0, 0).toInt();
    return out.section('\n', 1);
}

}  // namespace

// The OCR engine driver with the real Tesseract library and language packs.
class TestOcrEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void progressOfJobsInOrder();
    void exports_data();
    void exports();
    void failures_data();
    void failures();
    void unreadablePictureSkipped();
    void unloadAndMissingLibrary();
    void stopDuringJob();

private:
    OcrParameter job(const QStringList& images, int type, const QString& name,
                     const QString& languages = "English");
    QStringList output() const { return QDir(out_.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir in_;
    QTemporaryDir out_;
    QString english_;
};

void TestOcrEngine::initTestCase()
{
    english_ = writeTextPicture(in_.filePath("english.png"), kEnglish, "Liberation Sans");
    QFile garbage(in_.filePath("garbage.png"));
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not a picture at all") > 0);
    QFile::copy(english_, in_.filePath("truncated.png"));
    QFile::resize(in_.filePath("truncated.png"), QFileInfo(english_).size() / 2);
}

OcrParameter TestOcrEngine::job(const QStringList& images, int type, const QString& name,
                                const QString& languages)
{
    for (const QString& file : output()) {
        QFile::remove(out_.filePath(file));
    }
    OcrParameter job;
    job.images = images;
    job.outputPath = out_.filePath(name);
    job.exportType = ExportFileType(type);
    job.languages = languages;
    return job;
}

void TestOcrEngine::progressOfJobsInOrder()
{
    // Sent back to back: 0, 1 and 3 pictures; each runs once the one before has ended.
    EngineRecorder recorder;
    for (int pictures : {0, 1, 3}) {
        const QStringList images = QVector<QString>(pictures, english_).toList();
        emit IOcrEngine::instance()->sgOcrStart(
            job(images, ExportText, QString("%1.txt").arg(pictures)));
    }
    QVERIFY(recorder.waitForJobs(3));
    QTest::qWait(50);
    QCOMPARE(recorder.events.join(' '),
             QStringLiteral(
                 "10 20 30 50 70 80 error:No pictures to recognise 10 20 30 40 50 60 70 80 95 100 "
                 "10 20 30 40 40 40 50 60 60 60 70 80 95 100"));
    QCOMPARE(output(), (QStringList{"1.txt", "3.txt"}));
}

void TestOcrEngine::exports_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pages");
    const auto row = [](const char* tag, int type, const char* name, const char* language,
                        int pages) { QTest::newRow(tag) << type << name << language << pages; };
    row("pdf", ExportPdf, "out.pdf", "English", 2);
    row("word", ExportWord, "out.docx", "English", 2);
    row("spreadsheet", ExportExcel, "out.xlsx", "English", 2);
    row("text", ExportText, "out.txt", "English", 2);
    row("other type writes word", 7, "out.docx", "English", 1);
    row("pdf chinese", ExportPdf, "zh.pdf", "ChinesePRC,English", 1);
    row("text chinese", ExportText, "zh.txt", "ChinesePRC", 1);
}

void TestOcrEngine::exports()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, language);
    QFETCH(int, pages);
    const bool chinese = language.startsWith("Chinese");
    const QStringList lines = chinese ? kChinese : kEnglish;
    const QString picture =
        chinese ? writeTextPicture(in_.filePath("zh.png"), kChinese, "WenQuanYi Micro Hei", 48)
                : english_;
    const QStringList images = QVector<QString>(pages, picture).toList();
    const QStringList events = runJob(job(images, type, name, language));
    QCOMPARE(events.last(), QStringLiteral("100"));
    QCOMPARE(output(), QStringList{name});  // no temporary file is left
    int readPages = 0;
    const QString text = readBack(type, out_.filePath(name), &readPages);
    QCOMPARE(readPages, pages);
    const double rate = characterErrorRate(lines.join("").repeated(pages), text);
    QVERIFY2(rate < 0.05, qPrintable(QString("CER %1 in: %2").arg(rate).arg(text)));
}

void TestOcrEngine::failures_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("progress");
    QTest::addColumn<QString>("error");
    const auto row = [](const char* name, const char* picture, const char* target,
                        const char* language, const char* progress, const char* error) {
        QTest::newRow(name) << picture << target << language << progress << error;
    };
    row("missing pack", "english", "out.pdf", "English,Bashkir", "10",
        "Language pack not installed: Bashkir");
    row("folder is a file", "english", "file/out.pdf", "English", "10 20",
        "Cannot write to the folder ");
    row("missing folder", "english", "none/out.docx", "English", "10 20",
        "Cannot write to the folder ");
}

void TestOcrEngine::failures()
{
    QFETCH(QString, picture);
    QFETCH(QString, target);
    QFETCH(QString, language);
    QFETCH(QString, progress);
    QFETCH(QString, error);
    const OcrParameter failing =
        job({english_, in_.filePath(picture + ".png")}, ExportPdf, target, language);
    QFile(out_.filePath("file")).open(QIODevice::WriteOnly);
    const QStringList events = runJob(failing);
    const QString seen = events.join(' ');
    QVERIFY2(seen.startsWith(progress) && events.last().startsWith("error:" + error),
             qPrintable(seen));
    QCOMPARE(events.filter(QRegExp("^error:")).size(), 1);
    QVERIFY(!events.contains("100"));
    QCOMPARE(output(), QStringList{"file"});
}

void TestOcrEngine::unreadablePictureSkipped()
{
    const QString bad = in_.filePath("truncated.png");
    const QStringList events = runJob(job({english_, bad, english_}, ExportPdf, "Notes 5.pdf"));
    QCOMPARE(events.filter("skipped:").join(""), "skipped:Cannot read the picture " + bad);
    QCOMPARE(events.last(), QStringLiteral("100"));
    QCOMPARE(output(), QStringList{"Notes 5.pdf"});
    int pages = 0;
    const QString text = readBack(ExportPdf, out_.filePath("Notes 5.pdf"), &pages);
    QCOMPARE(pages, 2);
    QVERIFY2(characterErrorRate(kEnglish.join("").repeated(2), text) < 0.05, qPrintable(text));
    QVERIFY(
        runTool("pdfinfo", {out_.filePath("Notes 5.pdf")}).contains(QRegExp("Title: +Notes 5\n")));
}

void TestOcrEngine::unloadAndMissingLibrary()
{
    IOcrEngine* engine = IOcrEngine::instance();
    runJob(job({english_}, ExportText, "warm.txt"));
    QVERIFY(engine->isInitialised());
    QVERIFY(IOcrLibraryLoader::loadedFile().endsWith("libtesseract.so.5"));
    emit engine->sgOcrDestory();
    QTRY_VERIFY(!engine->isInitialised());
    QVERIFY(IOcrLibraryLoader::loadedFile().isEmpty());
    // A missing file, then a library without the engine's entries; each job tries again.
    for (const QString& path :
         {QString("/nonexistent/libtesseract.so.5"), QString("/lib/x86_64-linux-gnu/libz.so.1")}) {
        IOcrLibraryLoader::setSearchPaths({path});
        QCOMPARE(runJob(job({english_}, ExportText, "none.txt")),
                 QStringList{"error:Error while loading Tesseract OCR Engine"});
        QVERIFY(!engine->isInitialised());
        QCOMPARE(output(), QStringList());
    }
    IOcrLibraryLoader::setSearchPaths({});
    // No copy beside the test program: the system's library is the normal case, not an error.
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^no OCR library beside the program, "
                                                       "trying the next; .*NMOCR/lib/"));
    QCOMPARE(runJob(job({english_}, ExportText, "again.txt")).last(), QStringLiteral("100"));
    QVERIFY(engine->isInitialised());
}

void TestOcrEngine::stopDuringJob()
{
    QStringList lines;
    for (int i = 0; i < 12; ++i) {
        lines << kEnglish;
    }
    const QString large = writeTextPicture(in_.filePath("large.png"), lines, "Liberation Sans");
    EngineRecorder recorder;
    IOcrEngine* engine = IOcrEngine::instance();
    emit engine->sgOcrStart(job({large, large, large}, ExportPdf, "stopped.pdf"));
    emit engine->sgOcrStart(job({english_}, ExportText, "queued.txt"));
    QTRY_VERIFY(recorder.events.contains("50"));
    // The running job and the one sent before the stop end; the one sent after it runs.
    emit engine->sgOcrStop();
    emit engine->sgOcrStart(job({english_}, ExportText, "after.txt"));
    QVERIFY(recorder.waitForJobs(3));
    QTest::qWait(50);
    QCOMPARE(recorder.errors(),
             (QStringList{"error:Recognition stopped", "error:Recognition stopped"}));
    QCOMPARE(recorder.events.count("100"), 1);
    QCOMPARE(output(), QStringList{"after.txt"});
}

QTEST_MAIN(TestOcrEngine)
#include "tst_iocrengine.moc"
