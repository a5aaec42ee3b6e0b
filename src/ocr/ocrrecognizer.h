#ifndef OCRRECOGNIZER_H
#define OCRRECOGNIZER_H

#include <QSize>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "ocr/iocrexporter.h"
#include "ocr/ocrstopflag.h"
#include "ocr/tesscapi.h"

// Recognises a job's pictures on up to two engine instances at once, one picture per instance,
// and hands the pages to the caller in page order on the caller's thread. A page's instance
// waits until its page was taken, since the PDF writer reads the recognition from it.
class OcrRecognizer {
public:
    using PageSink = std::function<void(const OcrPage& page, TessBaseAPI* engine)>;

    OcrRecognizer(const TessCApi& api, const OcrStopFlag& stop);
    ~OcrRecognizer();
    OcrRecognizer(const OcrRecognizer&) = delete;
    OcrRecognizer& operator=(const OcrRecognizer&) = delete;

    // Makes `count` instances ready for `languages` ("eng+chi_sim"); throws COcrException.
    void prepare(const QString& dataPath, const QString& languages, int count);
    // Recognises `pictures`, calling `sink` once per readable page in order; returns the
    // pictures that could not be read (skipped). Throws COcrException on the first engine
    // failure or when stopped.
    QStringList run(const QStringList& pictures, const PageSink& sink);

    // The resolution a picture is recognised and laid out at: its own, or 300 ppi, raised so
    // that the page fits A4 (in the picture's orientation).
    static int pageResolution(const QSize& size, int storedPpi);

private:
    struct Lane {
        TessBaseAPI* engine = nullptr;
        ETEXT_DESC* monitor = nullptr;
        QString languages;
    };
    struct Shared {
        std::mutex lock;
        std::condition_variable changed;
        std::vector<OcrPage> pages;
        std::vector<bool> ready;
        std::vector<bool> skipped;
        int taken = 0;
        QString error;
    };

    static bool stopRequested(void* flag, int words);
    void runLane(int lane, const QStringList& pictures, Shared& shared);
    // False, with nothing recognised, when the picture cannot be read.
    bool recognise(Lane& lane, const QString& picture, OcrPage* page);
    QStringList collect(TessBaseAPI* engine, TessPageIteratorLevel level);
    bool aborted(Shared& shared) const;
    void fail(Shared& shared, const QString& error);
    void release();

    const TessCApi& api_;
    const OcrStopFlag& stop_;
    std::vector<Lane> lanes_;
    int active_ = 0;
};

#endif  // OCRRECOGNIZER_H
