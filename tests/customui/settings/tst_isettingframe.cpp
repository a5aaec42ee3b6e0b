#include <QtTest>

#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImageReader>
#include <QImageWriter>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

#include "customui/settings/isettingaboutpage.h"
#include "customui/settings/isettingformatpage.h"
#include "customui/settings/isettingframe.h"
#include "customui/settings/isettingstoragepage.h"
#include "iapplication.h"
#include "modalanswerer.h"
#include "service/iconfigureservice.h"

// Records the URLs the View buttons hand to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

class TestISettingFrame : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        IConfigureService::instance()->setLangId("1033");
        IConfigureService::instance()->setPhotoFormat("png");
    }
    void chosenFolder_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        const QString tmp = QDir::tempPath();
        QTest::newRow("confirmed") << tmp << "Ok" << tmp + "/";
        QTest::newRow("root keeps its one separator")
            << QString("/") << QString("Ok") << QString("/");
        QTest::newRow("declined") << tmp << QString("Cancel") << QString();
    }
    void chosenFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        IConfigureService* config = IConfigureService::instance();
        const QString before = config->videoPath();
        ISettingFrame frame(nullptr);
        answerNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Open"));
            dialog->setDirectory(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
            answerNextModal([&](QWidget* box) { press(box, answer); });
        });
        frame.storagePage()->setupFolder(ISettingStoragePage::VideoFolder);
        const QString want = expected.isEmpty() ? before : expected;
        QCOMPARE(config->videoPath(), want);
        QCOMPARE(frame.storagePage()->folderField(ISettingStoragePage::VideoFolder)->text(), want);
        QCOMPARE(stored("path/video"), want);
    }
    void viewResetsMissingFolder()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        IConfigureService* config = IConfigureService::instance();
        config->setPhotoPath(QDir::tempPath() + "/no-such-folder-orvella/");
        ISettingFrame frame(nullptr);
        frame.storagePage()->viewFolder(ISettingStoragePage::PictureFolder);
        QDesktopServices::unsetUrlHandler("file");
        QVERIFY(config->photoPath().endsWith("/photo/"));
        QVERIFY(QDir(config->photoPath()).exists());
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(config->photoPath())});
    }
    void unknownFormatShowsFirst_data()
    {
        QTest::addColumn<QString>("storedFormat");
        QTest::addColumn<QString>("checked");
        QTest::newRow("known") << QString("bmp") << QString("bmp");
        QTest::newRow("unknown") << QString("gif") << QString("png");
        QTest::newRow("case differs") << QString("PNG") << QString("png");
    }
    void unknownFormatShowsFirst()
    {
        QFETCH(QString, storedFormat);
        QFETCH(QString, checked);
        IConfigureService* config = IConfigureService::instance();
        config->setPhotoFormat(storedFormat);
        config->setVideoFormat("webm");
        ISettingFrame frame(nullptr);
        ISettingFormatPage* page = frame.formatPage();
        QVERIFY(page->formatButton(checked)->isChecked());
        QVERIFY(page->formatButton("mp4")->isChecked());
        QCOMPARE(config->photoFormat(), storedFormat);
        QCOMPARE(config->videoFormat(), QString("webm"));
        page->formatButton("jpeg")->click();
        page->formatButton("avi")->click();
        QCOMPARE(stored("format/photo"), QString("jpeg"));
        QCOMPARE(stored("format/video"), QString("avi"));
        QVERIFY(!page->formatButton("png")->isChecked());
    }
    void offeredPictureFormatsWrite()
    {
        ISettingFrame frame(nullptr);
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor(200, 40, 10));
        QTemporaryDir dir;
        for (const char* format : {"png", "jpeg", "tiff", "bmp"}) {
            QVERIFY2(frame.formatPage()->formatButton(format)->isEnabled(), format);
            const QString file = dir.filePath(QString("photo.") + format);
            QVERIFY2(QImageWriter(file, format).write(picture), format);
            const QImage back = QImageReader(file).read();
            QCOMPARE(back.size(), picture.size());
            QVERIFY(qAbs(back.pixelColor(10, 10).red() - 200) < 8);
        }
    }
    // Last: a confirmed restart ends every event loop started afterwards.
    void languageChoice_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("answer");  // button of the restart question, empty for none
        QTest::addColumn<QString>("expected");
        QTest::newRow("current again") << QString("1033") << QString("") << QString("1033");
        QTest::newRow("cancelled") << QString("2052") << QString("Cancel") << QString("1033");
        QTest::newRow("confirmed, no translation yet")
            << QString("1055") << QString("Ok") << QString("1055");
    }
    void languageChoice()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        auto* app = qobject_cast<IApplication*>(qApp);
        QStringList launched;
        app->setLauncher([&](const QString& program, const QStringList& args, const QString& dir) {
            launched << program << args.join(' ') << dir;
            return true;
        });
        ISettingFrame frame(app);
        frame.show();
        QComboBox* box = frame.aboutPage()->languageBox();
        if (!answer.isEmpty()) {
            answerNextModal([&](QWidget* modal) { press(modal, answer); });
        }
        box->setCurrentIndex(box->findData(chosen));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(IConfigureService::instance()->langId(), expected);
        QCOMPARE(stored("lang/langid"), expected);
        QCOMPARE(box->currentData().toString(), answer == "Cancel" ? QString("1033") : chosen);
        const bool restarts = answer == "Ok";
        QCOMPARE(frame.isVisible(), !restarts);
        QCOMPARE(launched.size(), restarts ? 3 : 0);
        if (restarts) {
            QCOMPARE(launched[0], QCoreApplication::applicationFilePath());
            QCOMPARE(launched[1], QCoreApplication::arguments().mid(1).join(' '));
            QCOMPARE(launched[2], QDir::currentPath());
        }
    }

private:
    QString stored(const QString& key) const
    {
        return QSettings(IConfigureService::settingsFile(), QSettings::IniFormat)
            .value(key)
            .toString();
    }
    static void press(QWidget* modal, const QString& caption)
    {
        for (auto* button : modal->findChildren<QAbstractButton*>()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable("no button " + caption));
    }
};

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaSettingsTest"), argc, argv);
    TestISettingFrame test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_isettingframe.moc"
