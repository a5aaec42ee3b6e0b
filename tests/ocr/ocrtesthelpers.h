#ifndef OCRTESTHELPERS_H
#define OCRTESTHELPERS_H

#include <QObject>
#include <QStringList>
#include <QTest>

#include "ocr/ocrparameter.h"

// A white page with `lines` in black, written as a PNG (or JPEG by suffix), no resolution.
QString writeTextPicture(const QString& path, const QStringList& lines, const QString& family,
                         int pixelSize = 36);

// Character error rate of `seen` against `expected`, whitespace ignored.
double characterErrorRate(const QString& expected, const QString& seen);

// Records what the engine answers, on the test thread: "10", "40", ..., "error:<text>",
// "skipped:<text>".
class EngineRecorder : public QObject {
    Q_OBJECT
public:
    EngineRecorder();
    QStringList events;
    QStringList errors() const { return events.filter(QRegExp("^error:")); }
    // Waits until `jobs` jobs have ended (100 or an error).
    bool waitForJobs(int jobs)
    {
        return QTest::qWaitFor([&]() { return events.count("100") + errors().size() >= jobs; },
                               120000);
    }
};

// Runs `job` on the engine and waits for it to end; the recorder's events.
QStringList runJob(const OcrParameter& job);
// Output of a program, empty on failure.
QString runTool(const QString& program, const QStringList& arguments);

#endif  // OCRTESTHELPERS_H
