#ifndef OCRLANGUAGES_H
#define OCRLANGUAGES_H

#include <QString>
#include <QStringList>
#include <QVector>

// The recognition languages the OCR dialog offers and where the engine finds their data.
struct OcrLanguage {
    QString display;     // the check box text, shown as it stands
    QString engineName;  // the name jobs carry ("ChinesePRC")
    QString dataName;    // the engine's data file name without ".traineddata"; empty: none exists
    QString langId;      // the interface language code it belongs to, or empty
};

class OcrLanguages {
public:
    // Every language in the order the dialog lists them.
    static const QVector<OcrLanguage>& all();
    // The entry of an engine name; nullptr for an unknown one.
    static const OcrLanguage* find(const QString& engineName);
    // The folder of the language data: TESSDATA_PREFIX, else "NMOCR/tessdata" beside the
    // program when it exists, else the system's.
    static QString dataPath();
    // Whether the data of a language is installed.
    static bool installed(const OcrLanguage& language);
    // The engine's language text for a job's "English,ChinesePRC" ("eng+chi_sim"); throws
    // nothing but reports the first unknown or missing language in `error`, returning empty.
    static QString engineLanguages(const QString& names, QString* error);
};

#endif  // OCRLANGUAGES_H
