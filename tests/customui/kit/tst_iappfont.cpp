#include <QtTest>

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTextLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "kittesthelpers.h"

class TestIAppFont : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void families_data();
    void families();
    void sizeRule_data();
    void sizeRule();
    void substitutesResolveToInstalledFonts_data();
    void substitutesResolveToInstalledFonts();
    void everyLanguageRendersWithRealGlyphs_data();
    void everyLanguageRendersWithRealGlyphs();
    void toolTipFormat();
    void cornerFragments_data();
    void cornerFragments();
    void gradientsParseAndKeepTheirLook_data();
    void gradientsParseAndKeepTheirLook();
    void factoriesParse();
};

void TestIAppFont::initTestCase()
{
    installFontSubstitutions(QStringLiteral("1033"));
    uiScale = uiScaleX = uiScaleY = 1.0;
}

void TestIAppFont::cleanup()
{
    installFontSubstitutions(QStringLiteral("1033"));
    uiScale = 1.0;
}

void TestIAppFont::families_data()
{
    QTest::addColumn<QString>("langId");
    QTest::addColumn<QString>("appFamily");
    const QString chinese = QString::fromUtf8("微软雅黑");
    QTest::newRow("2052") << "2052" << chinese;
    QTest::newRow("1033") << "1033"
                          << "Arial";
    QTest::newRow("1028") << "1028"
                          << "Arial";
    QTest::newRow("20520") << "20520"
                           << "Arial";
}

void TestIAppFont::families()
{
    QFETCH(QString, langId);
    QFETCH(QString, appFamily);
    installFontSubstitutions(langId);
    QCOMPARE(appFont(12, 50).family(), appFamily);
    // The board side always uses the Chinese family, whatever the language.
    QCOMPARE(boardFont(12, 50).family(), QString::fromUtf8("微软雅黑"));
}

void TestIAppFont::sizeRule_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("weight");
    QTest::newRow("12 normal at 1.0") << 1.0 << 12 << 50;
    QTest::newRow("24 bold at 1.0") << 1.0 << 24 << 75;
    QTest::newRow("12 black at 1.5") << 1.5 << 12 << 87;
    QTest::newRow("10 bold at 0.74") << 0.74 << 10 << 75;
}

void TestIAppFont::sizeRule()
{
    QFETCH(double, scale);
    QFETCH(int, size);
    QFETCH(int, weight);
    uiScale = scale;
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    const int expected = int(float(96.0 / dpi) * float(size) * scale);
    for (const QFont& font : {appFont(size, weight), boardFont(size, weight)}) {
        QCOMPARE(font.pointSize(), expected);
        QCOMPARE(font.weight(), weight);
        QVERIFY(!font.italic());
    }
}

void TestIAppFont::substitutesResolveToInstalledFonts_data()
{
    QTest::addColumn<QString>("langId");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("Chinese") << "2052"
                             << "WenQuanYi Micro Hei";
    QTest::newRow("English") << "1033"
                             << "Liberation Sans";
}

void TestIAppFont::substitutesResolveToInstalledFonts()
{
    QFETCH(QString, langId);
    QFETCH(QString, resolved);
    installFontSubstitutions(langId);
    QCOMPARE(QFontInfo(appFont(12, 50)).family(), resolved);
    QCOMPARE(QFontInfo(boardFont(12, 50)).family(), QStringLiteral("WenQuanYi Micro Hei"));
}

void TestIAppFont::everyLanguageRendersWithRealGlyphs_data()
{
    QTest::addColumn<QString>("langId");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("faces");  // every face the text is drawn with
    const char* rows[][3] = {
        {"2052", "简体中文 设置", "wenquanyi micro hei"},
        {"1028", "繁體中文 設定 OK", "noto sans cjk tc"},
        {"1041", "日本語 ひらがな カタカナ OK", "noto sans cjk jp"},
        {"1042", "한국어 설정 漢字 OK", "noto sans cjk kr"},
        {"1049", "Русский Ёё", "liberation sans"},
        {"1055", "Türkçe ğĞışİŞ", "liberation sans"},
        {"1031", "Deutsch äöüß", "liberation sans"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << row[0] << QString::fromUtf8(row[1]) << row[2];
    }
}

// No glyph of the language's own script falls back to the empty box (glyph 0), and Han
// characters take the shapes of the interface language.
void TestIAppFont::everyLanguageRendersWithRealGlyphs()
{
    QFETCH(QString, langId);
    QFETCH(QString, text);
    QFETCH(QString, faces);
    installFontSubstitutions(langId);
    QTextLayout layout(text, appFont(12, 50));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList used;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(run.rawFont().familyName()));
        used << run.rawFont().familyName().toLower();
    }
    used.removeDuplicates();
    QCOMPARE(used.join(','), faces);
}

void TestIAppFont::toolTipFormat()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(19);
    QCOMPARE(toolTipHtml(QStringLiteral("Snap"), font, QColor(87, 118, 118)),
             QStringLiteral("<font style = 'font-family:Arial; font-size:19px; color:#577676;'>"
                            "Snap</font>"));
}

void TestIAppFont::cornerFragments_data()
{
    QTest::addColumn<int>("cornerSet");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("negative") << -1 << "";
    QTest::newRow("none") << 0 << "";
    QTest::newRow("all") << 1
                         << "border-top-left-radius:%1px;border-bottom-left-radius:%1;"
                            "border-top-right-radius:%1px;border-bottom-right-radius:%1";
    QTest::newRow("left") << 2 << "border-top-left-radius:%1px;border-bottom-left-radius:%1";
    QTest::newRow("right") << 3 << "border-top-right-radius:%1px;border-bottom-right-radius:%1";
    QTest::newRow("top") << 4 << "border-top-left-radius:%1px;border-top-right-radius:%1";
    QTest::newRow("bottom") << 5 << "border-bottom-left-radius:%1px;border-bottom-right-radius:%1";
    QTest::newRow("top left") << 6 << "border-top-left-radius:%1px;";
    QTest::newRow("top right") << 7 << "border-top-right-radius:%1px;";
    QTest::newRow("bottom left") << 8 << "border-bottom-left-radius:%1px;";
    QTest::newRow("bottom right") << 9 << "border-bottom-right-radius:%1px;";
    QTest::newRow("above nine") << 10 << "";
}

void TestIAppFont::cornerFragments()
{
    QFETCH(int, cornerSet);
    QFETCH(QString, fragment);
    QCOMPARE(roundCornersStyle(cornerSet), fragment);
}

void TestIAppFont::gradientsParseAndKeepTheirLook_data()
{
    QTest::addColumn<QString>("gradient");
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");
    QTest::newRow("normal") << panelButtonNormal << QColor(80, 80, 80) << QColor(40, 40, 40);
    QTest::newRow("hover") << panelButtonHover << QColor(40, 40, 40) << QColor(40, 40, 40);
}

void TestIAppFont::gradientsParseAndKeepTheirLook()
{
    QFETCH(QString, gradient);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    QVERIFY(gradient.endsWith(QLatin1Char(';')));
    WarningCatcher catcher;
    QWidget widget;
    widget.setAttribute(Qt::WA_StyledBackground);
    widget.setStyleSheet(QStringLiteral("QWidget{background-color:%1;border:none;}").arg(gradient));
    widget.resize(20, 100);
    const QImage image = grabImage(&widget);
    QCOMPARE(catcher.warnings(), QStringList());
    // Opaque from top to bottom, as the buttons have always looked.
    QCOMPARE(qAlpha(image.pixel(10, 1)), 255);
    QCOMPARE(qAlpha(image.pixel(10, 98)), 255);
    QVERIFY(near(image.pixelColor(10, 0), top, 4));
    QVERIFY(near(image.pixelColor(10, 99), bottom, 4));
}

void TestIAppFont::factoriesParse()
{
    WarningCatcher catcher;
    QWidget host;
    QLabel* label = newLabel(QStringLiteral("Label"), &host);
    QLabel* plain = newPlainLabel(QStringLiteral("Plain"), &host);
    QRadioButton* radio = newRadioButton(QStringLiteral("Radio"), &host);
    QLineEdit* edit = newLineEdit(QStringLiteral("Edit"), &host);
    for (QWidget* w : QList<QWidget*>{label, plain, radio, edit}) {
        grabImage(w);
    }
    QCOMPARE(catcher.warnings(), QStringList());
    auto same = [](const QFont& a, const QFont& b) {
        return a.family() == b.family() && a.pointSize() == b.pointSize() &&
               a.weight() == b.weight();
    };
    QVERIFY(same(label->font(), appFont(12, 75)));
    QVERIFY(same(plain->font(), boardFont(10, 50)));
    QVERIFY(same(radio->font(), appFont(12, 50)));
    QVERIFY(same(edit->font(), appFont(12, 50)));
}

QTEST_MAIN(TestIAppFont)
#include "tst_iappfont.moc"
