#include <QtTest>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTranslator>

#include "kittesthelpers.h"
#include "testpaths.h"

class TestKitResources : public QObject {
    Q_OBJECT
private slots:
    void everyResourceRenders_data();
    void everyResourceRenders();
    void sourcesNameOnlyCompiledResources();
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

// Every file compiled into the program's resources (Qt's own left out).
QStringList compiledResources()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(QLatin1String(":/qt-project.org/"))) {
            paths << path;
        }
    }
    paths.sort();
    return paths;
}

}  // namespace

void TestKitResources::everyResourceRenders_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = compiledResources();
    QVERIFY(paths.size() > 50);
    for (const QString& path : paths) {
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestKitResources::everyResourceRenders()
{
    QFETCH(QString, path);
    WarningCatcher catcher;
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        const QRectF box = renderer.viewBoxF();
        QVERIFY(box.topLeft().isNull() && box.width() == box.height());
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

// Every resource path spelled out in the program's sources is compiled in (a folder for the
// ones that are completed at run time).
void TestKitResources::sourcesNameOnlyCompiledResources()
{
    const QRegularExpression literal(QStringLiteral("\"(:/[^\"%]*)\""));
    QStringList missing;
    int named = 0;
    QDirIterator it(QStringLiteral(ORVELLA_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile source(it.next());
        QVERIFY(source.open(QIODevice::ReadOnly));
        auto matches = literal.globalMatch(QString::fromUtf8(source.readAll()));
        while (matches.hasNext()) {
            const QString path = matches.next().captured(1);
            ++named;
            if (!QFileInfo::exists(path)) {
                missing << QFileInfo(source).fileName() + ": " + path;
            }
        }
    }
    QVERIFY(named > 30);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
}

void TestKitResources::variantsHaveTheirColours_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("colour");
    for (const QString& path : compiledResources()) {
        if (path.endsWith(QLatin1String("click.svg"))) {
            QTest::newRow(qPrintable(path)) << path << QColor(235, 120, 7);
        } else if (path.endsWith(QLatin1String("normal.svg")) ||
                   path.endsWith(QLatin1String("noranl.svg"))) {
            QTest::newRow(qPrintable(path)) << path << QColor(Qt::white);
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
