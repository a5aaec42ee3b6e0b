#include <QtTest>

#include <QAbstractButton>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include "customui/capture/itimercaptureframe.h"
#include "customui/gallery/iimglistwidget.h"
#include "customui/kit/iappfont.h"
#include "customui/recording/ivideorecordmsgbox.h"
#include "customui/settings/isettingframe.h"
#include "iapplication.h"
#include "service/iconfigureservice.h"
#include "testpaths.h"

namespace {

const QStringList kLanguages = {"2052", "1028", "1033", "1049", "1034", "1031",
                                "1041", "1042", "1036", "1040", "1043", "1055"};

struct TsEntry {
    QString key;  // context + "|" + source
    QString source;
    QString translation;
    QString type;
};

QList<TsEntry> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<TsEntry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    TsEntry entry;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value("type").toString();
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entry.key = context + '|' + entry.source;
            entries << entry;
        }
    }
    return entries;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    return found;
}

QSet<QString> keys(const QList<TsEntry>& entries)
{
    QSet<QString> set;
    for (const TsEntry& e : entries) {
        set.insert(e.key);
    }
    return set;
}

// Everything wrong with one .ts file, as readable lines (empty when it is complete).
QStringList tsProblems(const QString& path)
{
    QStringList problems;
    const QList<TsEntry> entries = readTs(path);
    if (entries.isEmpty()) {
        return {"no entries in " + path};
    }
    for (const TsEntry& e : entries) {
        if (!e.type.isEmpty()) {
            problems << e.type + ": " + e.key;
        } else if (placeholders(e.source) != placeholders(e.translation)) {
            problems << "placeholders differ: " + e.key;
        }
    }
    // lupdate over the sources into a copy: a text it adds is untranslated, one it drops is stale.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(path).fileName());
    QFile::copy(path, copy);
    QProcess lupdate;
    lupdate.setWorkingDirectory(sourceDir());
    lupdate.start(ORVELLA_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none", "-recursive",
                                    "src", "-ts", copy});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) {
        return problems << "lupdate failed: " + lupdate.readAllStandardError();
    }
    const QSet<QString> before = keys(entries);
    const QSet<QString> after = keys(readTs(copy));
    for (const QString& key : after - before) {
        problems << "missing: " + key;
    }
    for (const QString& key : before - after) {
        problems << "not in the sources: " + key;
    }
    return problems;
}

// Buttons and fields of fixed width whose text (with icon and padding, or the field's hint) needs
// more room than they have.
QStringList tooNarrow(QWidget* root)
{
    QStringList found;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        const bool fixed = button->minimumWidth() == button->maximumWidth();
        if (fixed && !button->text().isEmpty() && button->sizeHint().width() > button->width()) {
            found << QStringLiteral("%1 (%2 > %3)")
                         .arg(button->text())
                         .arg(button->sizeHint().width())
                         .arg(button->width());
        }
    }
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        const bool fixed = field->minimumWidth() == field->maximumWidth();
        const int needed = field->fontMetrics().horizontalAdvance(field->placeholderText()) + 8;
        if (fixed && needed > field->width()) {
            found << QStringLiteral("%1 (%2 > %3)")
                         .arg(field->placeholderText())
                         .arg(needed)
                         .arg(field->width());
        }
    }
    return found;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(IConfigureService::instance()->langId()); }
    void languages_data()
    {
        QTest::addColumn<QString>("id");
        for (const QString& id : kLanguages) {
            QTest::newRow(qPrintable(id)) << id;
        }
    }
    void languages()
    {
        QFETCH(QString, id);
        const QString ts = sourceDir() + "/src/translations/" + id + ".ts";
        const QStringList problems = tsProblems(ts);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));

        QTranslator translator;
        QVERIFY(translator.load(binDir() + "/Lang/" + id + ".qm"));
        QCoreApplication::installTranslator(&translator);
        IConfigureService::instance()->setLangId(id);
        installFontSubstitutions(id);
        ISettingFrame settings(nullptr);
        IVideoRecordMsgBox recorded;
        IImgListWidget gallery;
        ITimerCaptureFrame timing(nullptr);
        const QStringList narrow =
            tooNarrow(&settings) + tooNarrow(&recorded) + tooNarrow(&gallery) + tooNarrow(&timing);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join('\n')));
    }
    void brokenFileIsCaught_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("problem");
        QTest::newRow("entry removed") << "<message>\n        <source>Pencil</source>\n        "
                                          "<translation>Stift</translation>\n"
                                          "    </message>"
                                       << QString() << "missing: IBoardToolBar|Pencil";
        QTest::newRow("entry unfinished") << "<translation>Stift</translation>"
                                          << "<translation type=\"unfinished\">Stift</translation>"
                                          << "unfinished: IBoardToolBar|Pencil";
        QTest::newRow("placeholder dropped")
            << "<translation>%1 konnte nicht gelöscht werden</translation>"
            << "<translation>Konnte nicht gelöscht werden</translation>"
            << "placeholders differ: IImgList|Could not delete %1";
    }
    void brokenFileIsCaught()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, problem);
        QFile original(sourceDir() + "/src/translations/1031.ts");
        QVERIFY(original.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(original.readAll());
        QVERIFY2(text.contains(from), qPrintable(from));
        text.replace(from, to);
        QTemporaryDir dir;
        QFile broken(dir.filePath("1031.ts"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(text.toUtf8());
        broken.close();
        QCOMPARE(tsProblems(broken.fileName()), QStringList{problem});
    }
};

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaTranslationsTest"), argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
