#include <QtTest>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTranslator>

#include "kittesthelpers.h"
#include "testpaths.h"

// Every resource the program looks up by name, spelled exactly as it does.
static const char* const kResources[] = {":/android/camera.svg",
                                         ":/android/home.svg",
                                         ":/android/timelapse1.svg",
                                         ":/android/timelapse2.svg",
                                         ":/android/video_pause.svg",
                                         ":/boardtoolbar/boardtoolbar/bclear.svg",
                                         ":/boardtoolbar/boardtoolbar/bcolor.svg",
                                         ":/boardtoolbar/boardtoolbar/bdesktop.svg",
                                         ":/boardtoolbar/boardtoolbar/berase.svg",
                                         ":/boardtoolbar/boardtoolbar/bfigure.svg",
                                         ":/boardtoolbar/boardtoolbar/bpen.svg",
                                         ":/boardtoolbar/boardtoolbar/bselect.svg",
                                         ":/boardtoolbar/boardtoolbar/btext.svg",
                                         ":/boardtoolbar/boardtoolbar/bthickness.svg",
                                         ":/boardtoolbar/boardtoolbar/btransparency.svg",
                                         ":/cameratoolbar/cameratoolbar/autoedgeclick.svg",
                                         ":/cameratoolbar/cameratoolbar/autoedgenormal.svg",
                                         ":/cameratoolbar/cameratoolbar/caddscaleclick.svg",
                                         ":/cameratoolbar/cameratoolbar/caddscalenormal.svg",
                                         ":/cameratoolbar/cameratoolbar/ccameraclick.svg",
                                         ":/cameratoolbar/cameratoolbar/ccameracontrolclick.svg",
                                         ":/cameratoolbar/cameratoolbar/ccameracontrolnormal.svg",
                                         ":/cameratoolbar/cameratoolbar/ccameranormal.svg",
                                         ":/cameratoolbar/cameratoolbar/ccomparclick.svg",
                                         ":/cameratoolbar/cameratoolbar/ccomparnormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cdropclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cdropnoranl.svg",
                                         ":/cameratoolbar/cameratoolbar/cfreezeclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cfreezenormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cmagnifierclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cmagnifiernormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cocrclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cocrnormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cparameterclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cparameternormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cpdfclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cpdfnormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cpixrateclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cpixratenormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cresetclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cresetnormal.svg",
                                         ":/cameratoolbar/cameratoolbar/crotateclick.svg",
                                         ":/cameratoolbar/cameratoolbar/crotatenormal.svg",
                                         ":/cameratoolbar/cameratoolbar/csmallcameraclick.svg",
                                         ":/cameratoolbar/cameratoolbar/csmallcameranormal.svg",
                                         ":/cameratoolbar/cameratoolbar/csubscaleclick.svg",
                                         ":/cameratoolbar/cameratoolbar/csubscalenormal.svg",
                                         ":/cameratoolbar/cameratoolbar/cvediorecordclick.svg",
                                         ":/cameratoolbar/cameratoolbar/cvediorecordnormal.svg",
                                         ":/cursors/cursors/eraser.png",
                                         ":/cursors/cursors/fe_2d_circl.png",
                                         ":/cursors/cursors/fe_2d_rectangle.png",
                                         ":/cursors/cursors/fe_2d_tri.png",
                                         ":/cursors/cursors/fe_line_line.png",
                                         ":/cursors/cursors/move.png",
                                         ":/cursors/cursors/pencil_red.png",
                                         ":/figure/figure/fcricle.svg",
                                         ":/figure/figure/fellipse.svg",
                                         ":/figure/figure/fline.svg",
                                         ":/figure/figure/frectangle.svg",
                                         ":/figure/figure/ftriangle.svg",
                                         ":/itemframe/lock.svg",
                                         ":/itemframe/more.svg",
                                         ":/itemframe/redclose.svg",
                                         ":/itemframe/resize.svg",
                                         ":/root/root/close.svg",
                                         ":/root/root/photoSound.wav",
                                         ":/root/root/radd.svg",
                                         ":/root/root/rdclick.svg",
                                         ":/root/root/rdnormal.svg",
                                         ":/root/root/rpauseclick.svg",
                                         ":/root/root/rpausenormal.svg",
                                         ":/root/root/rpausered.svg",
                                         ":/root/root/rselect.svg",
                                         ":/root/root/rselectall.svg",
                                         ":/root/root/rstartclick.svg",
                                         ":/root/root/rstartnormal.svg",
                                         ":/root/root/rstopclick.svg",
                                         ":/root/root/rstopnormal.svg",
                                         ":/root/root/runselectall.svg",
                                         ":/root/root/tsclose.svg",
                                         ":/title/title/tcameraclick.svg",
                                         ":/title/title/tcameranormal.svg",
                                         ":/title/title/tcloseclick.svg",
                                         ":/title/title/tclosenormal.svg",
                                         ":/title/title/tfullclick.svg",
                                         ":/title/title/tfullnormal.svg",
                                         ":/title/title/tmaxclick.svg",
                                         ":/title/title/tmaxnormal.svg",
                                         ":/title/title/tminclick.svg",
                                         ":/title/title/tminnormal.svg",
                                         ":/title/title/tsettingclick.svg",
                                         ":/title/title/tsettingnormal.svg",
                                         ":/ui/ui/downArrow.svg",
                                         ":/ui/ui/txtbold.svg",
                                         ":/ui/ui/txtcolor.svg",
                                         ":/ui/ui/txtcopy.svg",
                                         ":/ui/ui/txtdelete.svg",
                                         ":/ui/ui/txtitalic.svg",
                                         ":/ui/ui/txtunderline.svg"};

class TestKitResources : public QObject {
    Q_OBJECT
private slots:
    void everyResourceExistsAndRenders_data();
    void everyResourceExistsAndRenders();
    void variantsHaveTheirColours_data();
    void variantsHaveTheirColours();
    void pencilCursorTipIsTheHotSpot();
    void shutterSoundIsShortPcm();
    void programCarriesTheResources();
    void logoBesideTheProgram();
    void translationsBesideTheProgram_data();
    void translationsBesideTheProgram();
};

namespace {

QImage renderSvg(const QString& path, int side = 48)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int visiblePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 128;
        }
    }
    return count;
}

// The most frequent fully opaque colour of a picture.
QColor dominantColour(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255) {
                ++counts[p];
            }
        }
    }
    QRgb best = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return QColor::fromRgba(best);
}

}  // namespace

void TestKitResources::everyResourceExistsAndRenders_data()
{
    QTest::addColumn<QString>("path");
    for (const char* name : kResources) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestKitResources::everyResourceExistsAndRenders()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    WarningCatcher catcher;
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 48, 48));
        QVERIFY(visiblePixels(renderSvg(path)) > 30);
    } else if (path.endsWith(QLatin1String(".png"))) {
        const QImage image(path);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 16 && image.width() <= 64);
        QVERIFY(image.hasAlphaChannel());
        QVERIFY(visiblePixels(image) > 20);
    }
    // Only what Qt's SVG Tiny renderer understands: nothing it has to skip or complain about.
    QCOMPARE(catcher.warnings(), QStringList());
}

void TestKitResources::variantsHaveTheirColours_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("colour");
    for (const char* name : kResources) {
        const QString path = QString::fromLatin1(name);
        if (path.endsWith(QLatin1String("click.svg"))) {
            QTest::newRow(name) << path << QColor(235, 120, 7);
        } else if (path.endsWith(QLatin1String("normal.svg")) ||
                   path.endsWith(QLatin1String("noranl.svg"))) {
            QTest::newRow(name) << path << QColor(Qt::white);
        }
    }
}

void TestKitResources::variantsHaveTheirColours()
{
    QFETCH(QString, path);
    QFETCH(QColor, colour);
    QCOMPARE(dominantColour(renderSvg(path, 96)).rgb(), colour.rgb());
}

void TestKitResources::pencilCursorTipIsTheHotSpot()
{
    // The pen cursor is made with its hot spot at (4, 16) and recoloured from red.
    const QImage pencil(QStringLiteral(":/cursors/cursors/pencil_red.png"));
    QVERIFY(qAlpha(pencil.pixel(4, 15)) > 100 || qAlpha(pencil.pixel(5, 15)) > 100);
    QCOMPARE(qAlpha(pencil.pixel(1, 18)), 0);
    int red = 0;
    for (int y = 0; y < pencil.height(); ++y) {
        for (int x = 0; x < pencil.width(); ++x) {
            const QColor c = pencil.pixelColor(x, y);
            red += c.alpha() == 255 && c.red() > 150 && c.green() < 60 && c.blue() < 60;
        }
    }
    QVERIFY2(red > 20, qPrintable(QString::number(red)));
}

void TestKitResources::shutterSoundIsShortPcm()
{
    QFile file(QStringLiteral(":/root/root/photoSound.wav"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QVERIFY(data.size() > 44);
    QCOMPARE(data.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(data.mid(8, 8), QByteArray("WAVEfmt "));
    auto u16 = [&data](int at) { return quint16(uchar(data[at]) | uchar(data[at + 1]) << 8); };
    auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    QCOMPARE(u16(20), quint16(1));  // PCM
    QCOMPARE(u16(22), quint16(1));  // mono
    const quint32 rate = u32(24);
    QCOMPARE(u16(34), quint16(16));
    QCOMPARE(data.mid(36, 4), QByteArray("data"));
    const double seconds = u32(40) / 2.0 / rate;
    QVERIFY2(seconds > 0.05 && seconds < 1.0, qPrintable(QString::number(seconds)));
}

void TestKitResources::programCarriesTheResources()
{
    // rcc stores each file name in UTF-16: find one in the program's own binary.
    QFile program(binDir() + QStringLiteral("/orvella"));
    QVERIFY(program.open(QIODevice::ReadOnly));
    const QString name = QStringLiteral("photoSound.wav");
    QByteArray utf16;
    for (const QChar c : name) {
        utf16.append(char(0)).append(char(c.unicode()));
    }
    QVERIFY(program.readAll().contains(utf16));
}

void TestKitResources::logoBesideTheProgram()
{
    const QImage logo(binDir() + QStringLiteral("/logo/cur_use_logo.png"));
    QVERIFY(!logo.isNull());
    // Shown at 200 x 40 (times the interface scale), aspect ratio ignored.
    QCOMPARE(logo.width(), 5 * logo.height());
}

void TestKitResources::translationsBesideTheProgram_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("Yes") << "Yes" << QString::fromUtf8("是");
    QTest::newRow("No") << "No" << QString::fromUtf8("否");
    QTest::newRow("Cancel") << "Cancel" << QString::fromUtf8("取消");
    QTest::newRow("Ok") << "Ok" << QString::fromUtf8("确定");
    QTest::newRow("Save") << "Save" << QString::fromUtf8("保存");
}

void TestKitResources::translationsBesideTheProgram()
{
    QFETCH(QString, source);
    QFETCH(QString, chinese);
    QTranslator english;
    QVERIFY(english.load(binDir() + QStringLiteral("/Lang/1033.qm")));
    QTranslator simplified;
    QVERIFY(simplified.load(binDir() + QStringLiteral("/Lang/2052.qm")));
    const QByteArray text = source.toLatin1();
    QCOMPARE(simplified.translate("IMsgBox", text.constData()), chinese);
    // English needs no translation of English texts: the source text shows.
    QVERIFY(english.translate("IMsgBox", text.constData()).isEmpty());
}

QTEST_MAIN(TestKitResources)
#include "tst_kitresources.moc"
