#include <QtTest>

#include <QImage>
#include <QProcess>

#include "testpaths.h"

class TestContactSheet : public QObject {
    Q_OBJECT
private slots:
    void rendersTheWholeKit();
};

void TestContactSheet::rendersTheWholeKit()
{
    const QString program = qEnvironmentVariable("ORVELLA_CONTACTSHEET");
    QVERIFY(QFile::exists(program));
    const QString out = artifactsDir() + QStringLiteral("/contactsheet.png");
    QFile::remove(out);
    QProcess sheet;
    sheet.setProcessEnvironment(childEnvironment());
    sheet.start(program, {out});
    QVERIFY(sheet.waitForFinished(60000));
    QCOMPARE(sheet.exitCode(), 0);
    const QImage image(out);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= 1800 && image.height() > 2000);
    // The orange "click" icons are on it.
    int orange = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            orange += image.pixel(x, y) == qRgb(235, 120, 7);
        }
    }
    QVERIFY2(orange > 2000, qPrintable(QString::number(orange)));
}

QTEST_MAIN(TestContactSheet)
#include "tst_contactsheet.moc"
