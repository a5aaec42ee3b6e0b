#include <QtTest>

#include "ocr/iocrlibraryloader.h"
#include "ocr/ocrlanguages.h"
#include "opencv/iopencvapi.h"

// data/deskpage.jpg: page 3 of Debian's shared-mime-info manual (data/deskpage.txt, pdftotext),
// rendered at 150 dpi, laid in perspective on a dark desk, lit from one corner, blurred, noisy.
class TestBlackWhiteOcr : public QObject {
    Q_OBJECT
private slots:
    void blackWhiteReadsAsWellAsGrey();
};

static QSet<QString> words(const QString& text)
{
    return text.split(QRegularExpression("[^A-Za-z0-9]+")).filter(QRegularExpression("..")).toSet();
}

void TestBlackWhiteOcr::blackWhiteReadsAsWellAsGrey()
{
    QFile truthFile(ORVELLA_SOURCE_DIR "/tests/data/deskpage.txt");
    QVERIFY(truthFile.open(QIODevice::ReadOnly));
    const QSet<QString> truth = words(QString::fromUtf8(truthFile.readAll()));
    const TessCApi* api = IOcrLibraryLoader::load();
    QVERIFY(api);
    const QImage photo =
        QImage(ORVELLA_SOURCE_DIR "/tests/data/deskpage.jpg").convertToFormat(QImage::Format_RGB32);
    const cv::Mat frame = IOpencvApi::image2Mat(photo);
    const EdgeResult edge = IOpencvApi::detectDocumentEdge(frame.clone());
    double recall[2];
    for (ImageType type : {GrayImage, BlackWhiteImage}) {
        const QImage page = IOpencvApi::straighten(IOpencvApi::applyImageType(frame, type), edge)
                                .convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(page.width() < photo.width());  // cut to the page
        TessBaseAPI* engine = api->create();
        QCOMPARE(api->init(engine, OcrLanguages::dataPath().toLocal8Bit().constData(), "eng"), 0);
        api->setImage(engine, page.constBits(), page.width(), page.height(), 1,
                      page.bytesPerLine());
        char* text = api->utf8Text(engine);
        recall[type - GrayImage] =
            double(words(QString::fromUtf8(text)).intersect(truth).size()) / truth.size();
        api->deleteText(text);
        api->destroy(engine);
    }
    qInfo("distinct-word recall: grey %.3f, black and white %.3f", recall[0], recall[1]);
    QVERIFY(recall[0] > 0.3);  // the engine read the page at all
    QVERIFY(recall[1] >= recall[0] - 0.02);
}

QTEST_MAIN(TestBlackWhiteOcr)
#include "tst_blackwhiteocr.moc"
