#include "ocr/ocrrecognizer.h"

#include <QDebug>
#include <QImage>
#include <QImageReader>
#include <chrono>
#include <cmath>
#include <thread>

#include "ocr/cocrexception.h"

namespace {

constexpr int kDefaultPpi = 300;
// Pictures that say 72 ppi or less carry no real resolution (cameras write 72).
constexpr int kUnknownPpiAtMost = 72;
constexpr double kA4ShortInch = 210.0 / 25.4;
constexpr double kA4LongInch = 297.0 / 25.4;
// How often waiting threads look at the stop request.
constexpr auto kStopPoll = std::chrono::milliseconds(20);

QString copyText(const TessCApi& api, char* text)
{
    const QString copy = QString::fromUtf8(text);
    api.deleteText(text);
    return copy;
}

}  // namespace

OcrRecognizer::OcrRecognizer(const TessCApi& api, const OcrStopFlag& stop) : api_(api), stop_(stop)
{
}

OcrRecognizer::~OcrRecognizer()
{
    release();
}

void OcrRecognizer::release()
{
    for (Lane& lane : lanes_) {
        api_.monitorDelete(lane.monitor);
        api_.end(lane.engine);
        api_.destroy(lane.engine);
    }
    lanes_.clear();
}

bool OcrRecognizer::stopRequested(void* flag, int)
{
    return static_cast<const OcrStopFlag*>(flag)->isSet();
}

void OcrRecognizer::prepare(const QString& dataPath, const QString& languages, int count)
{
    while (static_cast<int>(lanes_.size()) < count) {
        Lane lane;
        lane.engine = api_.create();
        lane.monitor = api_.monitorCreate();
        api_.monitorSetCancelFunc(lane.monitor, &OcrRecognizer::stopRequested);
        api_.monitorSetCancelThis(lane.monitor, const_cast<OcrStopFlag*>(&stop_));
        lanes_.push_back(lane);
    }
    active_ = count;
    for (int i = 0; i < count; ++i) {
        Lane& lane = lanes_[i];
        if (lane.languages == languages) {
            continue;
        }
        lane.languages.clear();
        if (api_.init(lane.engine, dataPath.toLocal8Bit().constData(),
                      languages.toLatin1().constData()) != 0) {
            throw COcrException(ocrText(
                QT_TRANSLATE_NOOP("IOcrEngine", "Cannot start the engine for %1"), languages));
        }
        // Whole pages with columns and paragraphs, as the command-line tool reads them.
        api_.setPageSegMode(lane.engine, tesseract::PSM_AUTO);
        lane.languages = languages;
    }
}

int OcrRecognizer::pageResolution(const QSize& size, int storedPpi)
{
    const int base = storedPpi > kUnknownPpiAtMost ? storedPpi : kDefaultPpi;
    const bool landscape = size.width() > size.height();
    const double widthInch = landscape ? kA4LongInch : kA4ShortInch;
    const double heightInch = landscape ? kA4ShortInch : kA4LongInch;
    const int fitWidth = static_cast<int>(std::ceil(size.width() / widthInch));
    const int fitHeight = static_cast<int>(std::ceil(size.height() / heightInch));
    return std::max({base, fitWidth, fitHeight});
}

bool OcrRecognizer::recognise(Lane& lane, const QString& picture, OcrPage* page)
{
    QImageReader reader(picture);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        qDebug() << "ocr picture unreadable:" << picture << reader.errorString();
        return false;
    }
    const int storedPpi = qRound(image.dotsPerMeterY() * 0.0254);
    const bool grey = image.isGrayscale();
    image = image.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    api_.setImage(lane.engine, image.constBits(), image.width(), image.height(), grey ? 1 : 3,
                  image.bytesPerLine());
    api_.setSourceResolution(lane.engine, pageResolution(image.size(), storedPpi));
    // The PDF page takes a JPEG file as it is; a turned picture is taken from the pixels.
    const bool asStored = reader.transformation() == QImageIOHandler::TransformationNone;
    api_.setInputName(lane.engine, asStored ? picture.toLocal8Bit().constData() : nullptr);
    image = QImage();
    const int result = api_.recognize(lane.engine, lane.monitor);
    if (stop_.isSet()) {
        throw COcrException(ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Recognition stopped")));
    }
    if (result != 0) {
        throw COcrException(
            ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Cannot recognise the picture %1"), picture));
    }
    page->text = copyText(api_, api_.utf8Text(lane.engine));
    page->paragraphs = collect(lane.engine, tesseract::RIL_PARA);
    page->lines = collect(lane.engine, tesseract::RIL_TEXTLINE);
    return true;
}

QStringList OcrRecognizer::collect(TessBaseAPI* engine, TessPageIteratorLevel level)
{
    QStringList items;
    TessResultIterator* it = api_.iterator(engine);
    if (!it) {
        return items;
    }
    do {
        if (char* text = api_.iteratorText(it, level)) {
            items << copyText(api_, text);
        }
    } while (api_.iteratorNext(it, level));
    api_.iteratorDelete(it);
    return items;
}

bool OcrRecognizer::aborted(Shared& shared) const
{
    return !shared.error.isEmpty() || stop_.isSet();
}

void OcrRecognizer::fail(Shared& shared, const QString& error)
{
    std::lock_guard<std::mutex> guard(shared.lock);
    if (shared.error.isEmpty()) {
        shared.error = error;
    }
    shared.changed.notify_all();
}

void OcrRecognizer::runLane(int lane, const QStringList& pictures, Shared& shared)
{
    for (int i = lane; i < pictures.size(); i += active_) {
        {
            std::lock_guard<std::mutex> guard(shared.lock);
            if (aborted(shared)) {
                return;
            }
        }
        try {
            OcrPage page;
            const bool readable = recognise(lanes_[lane], pictures[i], &page);
            std::unique_lock<std::mutex> guard(shared.lock);
            shared.pages[i] = std::move(page);
            shared.skipped[i] = !readable;
            shared.ready[i] = true;
            shared.changed.notify_all();
            // The instance keeps page i until it was taken.
            while (readable && shared.taken <= i && !aborted(shared)) {
                shared.changed.wait_for(guard, kStopPoll);
            }
        } catch (const COcrException& error) {
            fail(shared, error.text());
            return;
        } catch (...) {
            fail(shared, ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Unknown error")));
            return;
        }
    }
}

QStringList OcrRecognizer::run(const QStringList& pictures, const PageSink& sink)
{
    Shared shared;
    shared.pages.resize(pictures.size());
    shared.ready.assign(pictures.size(), false);
    shared.skipped.assign(pictures.size(), false);
    QStringList skipped;
    std::vector<std::thread> threads;
    for (int lane = 0; lane < active_ && lane < pictures.size(); ++lane) {
        threads.emplace_back(
            [this, lane, &pictures, &shared]() { runLane(lane, pictures, shared); });
    }
    for (int i = 0; i < pictures.size(); ++i) {
        OcrPage page;
        {
            std::unique_lock<std::mutex> guard(shared.lock);
            while (!shared.ready[i] && !aborted(shared)) {
                shared.changed.wait_for(guard, kStopPoll);
            }
            if (aborted(shared)) {
                break;
            }
            page = std::move(shared.pages[i]);
        }
        try {
            if (shared.skipped[i]) {
                skipped << pictures[i];
            } else {
                sink(page, lanes_[i % active_].engine);
            }
        } catch (const COcrException& error) {
            fail(shared, error.text());
            break;
        } catch (...) {
            fail(shared, ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Unknown error")));
            break;
        }
        std::lock_guard<std::mutex> guard(shared.lock);
        shared.taken = i + 1;
        shared.changed.notify_all();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (!shared.error.isEmpty()) {
        throw COcrException(shared.error);
    }
    if (stop_.isSet()) {
        throw COcrException(ocrText(QT_TRANSLATE_NOOP("IOcrEngine", "Recognition stopped")));
    }
    return skipped;
}
