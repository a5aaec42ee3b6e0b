#include <QtTest>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "ocr/iocrlibraryloader.h"
#include "ocr/ocrlanguages.h"
#include "ocrtesthelpers.h"
#include "opencv/iopencvapi.h"

namespace {

// Printed manuals that Debian ships; the first one present is photographed.
const QStringList kManuals{"/usr/share/doc/shared-mime-info/shared-mime-info-spec.pdf",
                           "/usr/share/doc/libtasn1-doc/libtasn1.pdf"};
const int kDpi = 150;
const cv::Size kFrame(2400, 1800);

// The page lying slightly turned and tilted on a dark desk, lit from the top left (a gradient
// and a vignette multiplied in), a little out of focus and noisy; a four-channel live frame.
cv::Mat photograph(const cv::Mat& page)
{
    cv::theRNG().state = 38;
    cv::Mat desk(kFrame, CV_8UC3, cv::Scalar(60, 70, 80));
    cv::Mat grain(kFrame, CV_8UC3);
    cv::randn(grain, 0, 12);
    desk += grain;
    const float w = page.cols;
    const float h = page.rows;
    const std::vector<cv::Point2f> corners{{0, 0}, {w, 0}, {w, h}, {0, h}};
    const std::vector<cv::Point2f> onDesk{{520, 90}, {1860, 150}, {1900, 1730}, {470, 1700}};
    const cv::Mat warp = cv::getPerspectiveTransform(corners, onDesk);
    cv::Mat warped;
    cv::Mat mask;
    cv::warpPerspective(page, warped, warp, kFrame, cv::INTER_AREA);
    cv::warpPerspective(cv::Mat(page.size(), CV_8UC1, cv::Scalar(255)), mask, warp, kFrame);
    warped.copyTo(desk, mask);
    cv::Mat light(kFrame, CV_32FC3);
    for (int y = 0; y < kFrame.height; ++y) {
        for (int x = 0; x < kFrame.width; ++x) {
            const double gradient = 1.0 - 0.55 * (0.6 * x / kFrame.width + 0.4 * y / kFrame.height);
            const double dx = (x - 900.0) / 1400;
            const double dy = (y - 600.0) / 1400;
            const float level = gradient * (1.0 - 0.35 * (dx * dx + dy * dy));
            light.at<cv::Vec3f>(y, x) = cv::Vec3f(level, level, level);
        }
    }
    cv::Mat lit;
    desk.convertTo(lit, CV_32FC3);
    lit = lit.mul(light);
    cv::GaussianBlur(lit, lit, cv::Size(), 1.0);
    cv::Mat noise(kFrame, CV_32FC3);
    cv::randn(noise, 0, 5);
    lit += noise;
    cv::Mat frame;
    lit.convertTo(frame, CV_8UC3);
    cv::cvtColor(frame, frame, cv::COLOR_BGR2BGRA);
    return frame;
}

QStringList words(const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("[A-Za-z0-9]{2,}").globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured();
    }
    return found;
}

// Share of the page's words that the recognised text holds (each occurrence counted once).
double wordRecall(const QStringList& truth, QStringList seen)
{
    int found = 0;
    for (const QString& word : truth) {
        found += seen.removeOne(word);
    }
    return truth.isEmpty() ? 0 : double(found) / truth.size();
}

QString recognise(const QImage& picture)
{
    const TessCApi* api = IOcrLibraryLoader::load();
    if (!api) {
        return QString();
    }
    TessBaseAPI* engine = api->create();
    QString text;
    if (api->init(engine, OcrLanguages::dataPath().toLocal8Bit().constData(), "eng") == 0) {
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        api->setImage(engine, grey.constBits(), grey.width(), grey.height(), 1,
                      grey.bytesPerLine());
        api->setSourceResolution(engine, kDpi);
        char* utf8 = api->utf8Text(engine);
        text = QString::fromUtf8(utf8);
        api->deleteText(utf8);
    }
    api->end(engine);
    api->destroy(engine);
    return text;
}

}  // namespace

// Black and white against grey on a photo of a printed page under uneven light: the capture
// path's filter, straightened to the detected edge, read by the OCR engine.
class TestBlackWhiteOcr : public QObject {
    Q_OBJECT
private slots:
    void blackWhiteReadsAsWellAsGrey();
};

void TestBlackWhiteOcr::blackWhiteReadsAsWellAsGrey()
{
    const auto manual = std::find_if(kManuals.cbegin(), kManuals.cend(), &QFile::exists);
    if (manual == kManuals.cend()) {
        QSKIP("no printed manual to photograph");
    }
    QTemporaryDir dir;
    const QString base = dir.filePath("page");
    runTool("pdftoppm", {"-r", QString::number(kDpi), "-f", "3", "-l", "3", "-singlefile", "-gray",
                         "-png", *manual, base});
    const cv::Mat page = cv::imread((base + ".png").toStdString(), cv::IMREAD_COLOR);
    QVERIFY(!page.empty());
    const QStringList truth = words(runTool("pdftotext", {"-f", "3", "-l", "3", *manual, "-"}));
    QVERIFY(truth.size() > 100);

    const cv::Mat frame = photograph(page);
    const EdgeResult edge = IOpencvApi::detectDocumentEdge(frame.clone());
    double recall[2];
    for (ImageType type : {GrayImage, BlackWhiteImage}) {
        const QImage capture =
            IOpencvApi::straighten(IOpencvApi::applyImageType(frame, type), edge);
        QVERIFY(capture.width() < kFrame.width);  // cut to the page
        recall[type - GrayImage] = wordRecall(truth, words(recognise(capture)));
    }
    qInfo("word recall: grey %.3f, black and white %.3f", recall[0], recall[1]);
    QVERIFY(recall[0] > 0.3);  // the engine read the page at all
    QVERIFY(recall[1] >= recall[0] - 0.02);
}

QTEST_MAIN(TestBlackWhiteOcr)
#include "tst_blackwhiteocr.moc"
