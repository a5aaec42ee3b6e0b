#include "ocr/ocrlanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ocr/cocrexception.h"

const QVector<OcrLanguage>& OcrLanguages::all()
{
    static const QVector<OcrLanguage> table = {
        {"English", "English", "eng", "1033"},
        {"Chinese", "ChinesePRC", "chi_sim", "2052"},
        {"Chinese Traditional", "ChineseTaiwan", "chi_tra", "1028"},
        {"Bashkir", "Bashkir", "", ""},
        {"Catalan", "Catalan", "cat", ""},
        {"Croatian", "Croatian", "hrv", ""},
        {"Czech", "Czech", "ces", ""},
        {"Danish", "Danish", "dan", ""},
        {"Dutch", "Dutch", "nld", ""},
        {"Finnish", "Finnish", "fin", ""},
        {"French", "French", "fra", "1036"},
        {"German", "German", "deu", "1031"},
        {"Greek", "Greek", "ell", ""},
        {"Italian", "Italian", "ita", "1040"},
        {"Indonesian", "Indonesian", "ind", ""},
        {"Latvian", "Latvian", "lav", ""},
        {"Polish", "Polish", "pol", ""},
        {"Russian", "Russian", "rus", "1049"},
        {"Slovak", "Slovak", "slk", ""},
        {"Spanish", "Spanish", "spa", "1034"},
        {"Swedish", "Swedish", "swe", ""},
        {"Tatar", "Tatar", "tat", ""},
        {"Turkish", "Turkish", "tur", "1055"},
        {"Ukrainian", "Ukrainian", "ukr", ""},
        {"Japanese", "Japanese", "jpn", ""},
        {"Korean", "Korean", "kor", "1042"},
        {"Bangla", "Bangla", "ben", ""},
        {"Vietnamese", "Vietnamese", "vie", ""},
        {"Bulgarian", "Bulgarian", "bul", ""},
        {"Estonian", "Estonian", "est", ""},
        {"Hungarian", "Hungarian", "hun", ""},
        {"Lithuanian", "Lithuanian", "lit", ""},
        {"Norwegian", "Norwegian", "nor", ""},
        {"Romanian", "Romanian", "ron", ""},
        {"Slovenian", "Slovenian", "slv", ""},
    };
    return table;
}

const OcrLanguage* OcrLanguages::find(const QString& engineName)
{
    for (const OcrLanguage& language : all()) {
        if (language.engineName == engineName) {
            return &language;
        }
    }
    return nullptr;
}

QString OcrLanguages::dataPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!fromEnvironment.isEmpty()) {
        return QDir::cleanPath(fromEnvironment);
    }
    const QString bundled = QCoreApplication::applicationDirPath() + "/NMOCR/tessdata";
    if (QFileInfo(bundled).isDir()) {
        return bundled;
    }
    return QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
}

bool OcrLanguages::installed(const OcrLanguage& language)
{
    return !language.dataName.isEmpty() &&
           QFileInfo(dataPath() + "/" + language.dataName + ".traineddata").isFile();
}

QString OcrLanguages::engineLanguages(const QString& names, QString* error)
{
    QStringList data;
    for (const QString& name : names.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const OcrLanguage* language = find(name.trimmed());
        if (!language) {
            *error = ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Unknown recognition language: %1"),
                             name.trimmed());
            return QString();
        }
        if (!installed(*language)) {
            *error = ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Language pack not installed: %1"),
                             language->engineName);
            return QString();
        }
        data << language->dataName;
    }
    if (data.isEmpty()) {
        *error = ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "No recognition language chosen"));
    }
    return data.join(QLatin1Char('+'));
}
