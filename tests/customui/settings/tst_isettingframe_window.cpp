#include <QtTest>

#include <QComboBox>
#include <QToolButton>

#include "customui/kit/iappfont.h"
#include "customui/settings/isettingaboutpage.h"
#include "customui/settings/isettingframe.h"
#include "service/iconfigureservice.h"
#include "testpaths.h"

// Each page of the settings dialog on a real X display, kept as screenshots to look at.
class TestISettingFrameWindow : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::newRow("English") << "1033";
        QTest::newRow("Simplified Chinese") << "2052";
    }
    void pages()
    {
        QFETCH(QString, lang);
        installFontSubstitutions(IConfigureService::instance()->langId());
        IConfigureService::instance()->readConfigure();
        IConfigureService::instance()->setLangId(lang);
        installFontSubstitutions(lang);
        ISettingFrame frame(nullptr);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        // The Chinese interface font has the Han and Hangul glyphs of the language names.
        const QFontMetrics metrics(frame.aboutPage()->languageBox()->font());
        QVERIFY(lang != "2052" || (metrics.inFontUcs4(0x7B80) && metrics.inFontUcs4(0xD55C)));
        for (int page = 0; page < 3; ++page) {
            frame.tabButton(page)->click();
            const QString file =
                QString("%1/settings_%2_%3.png").arg(artifactsDir(), lang).arg(page);
            QVERIFY(frame.grab().save(file));
        }
    }
};

QTEST_MAIN(TestISettingFrameWindow)
#include "tst_isettingframe_window.moc"
