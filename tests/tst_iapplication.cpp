#include <QtTest>

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>

#include "appdata.h"
#include "iapplication.h"
#include "mainframe.h"
#include "modalanswerer.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"

// Runs against the real IApplication: one per process, so the cases share it.
class TestIApplication : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void languageLoading_data();
    void languageLoading();
    void mouseRelay();
    void raiseMessageBeforeWindow();
    void noCameraExitsWithZero();
    void raiseMessageRestoresMinimizedWindow();
    void waitProcessingEventsRunsTimers();

private:
    QString langFile(const QString& id) const;
};

QString TestIApplication::langFile(const QString& id) const
{
    return QCoreApplication::applicationDirPath() + "/Lang/" + id + ".qm";
}

void TestIApplication::initTestCase()
{
    // After QTest has installed its own handler: this program's lines go to the daily log.
    qInstallMessageHandler(logMessageHandler);
}

void TestIApplication::init()
{
    QFile::remove(IConfigureService::settingsFile());
}

void TestIApplication::cleanup()
{
    // Each case starts untranslated.
    QSettings(IConfigureService::settingsFile(), QSettings::IniFormat).clear();
}

void TestIApplication::languageLoading_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expectedId");
    QTest::addColumn<QString>("snapText");
    QTest::newRow("prefixed 2052") << "LG_2052"
                                   << "2052" << QString::fromUtf8("拍照");
    QTest::newRow("plain 2052") << "2052"
                                << "2052" << QString::fromUtf8("拍照");
    QTest::newRow("default 1033, no file") << ""
                                           << "1033"
                                           << "Snap";
    QTest::newRow("not a number tries 0.qm") << "french"
                                             << "french"
                                             << "Snap";
}

void TestIApplication::languageLoading()
{
    QFETCH(QString, stored);
    QFETCH(QString, expectedId);
    QFETCH(QString, snapText);
    QVERIFY2(QFile::exists(langFile("2052")), "the test translation was not built");
    QVERIFY(!QFile::exists(langFile("0")));
    if (!stored.isEmpty()) {
        QSettings(IConfigureService::settingsFile(), QSettings::IniFormat)
            .setValue("lang/langid", stored);
    }
    QVERIFY(loadLanguage(static_cast<IApplication*>(qApp)));
    QCOMPARE(IConfigureService::instance()->langId(), expectedId);
    QCOMPARE(QCoreApplication::translate("TestLanguage", "Snap"), snapText);
    // The id is written back without the prefix.
    QCOMPARE(IConfigureService::instance()->value("lang/langid").toString(), expectedId);
}

void TestIApplication::mouseRelay()
{
    auto* app = static_cast<IApplication*>(qApp);
    QWidget widget;
    widget.resize(200, 200);
    widget.show();
    QSignalSpy press(app, &IApplication::sgGMousePressEvent);
    QSignalSpy release(app, &IApplication::sgGMouseReleaseEvent);
    QSignalSpy move(app, &IApplication::sgGMouseMoveEvent);
    const QPoint local(10, 20);
    const QPoint global = widget.mapToGlobal(local);
    QMouseEvent p(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent m(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton, {});
    QMouseEvent r(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&widget, &p);
    QApplication::sendEvent(&widget, &m);
    QApplication::sendEvent(&widget, &r);
    QVERIFY(press.size() >= 1 && move.size() >= 1 && release.size() >= 1);
    QCOMPARE(press.first().first().toPoint(), global);
    QCOMPARE(release.first().first().toPoint(), global);
    QCOMPARE(move.first().first().toPoint(), global);
}

void TestIApplication::raiseMessageBeforeWindow()
{
    auto* app = static_cast<IApplication*>(qApp);
    QVERIFY(!app->mainFrame());
    app->handleInstanceMessage("raise_window_noop");  // must not crash without a window
}

void TestIApplication::noCameraExitsWithZero()
{
    auto* app = static_cast<IApplication*>(qApp);
    // The window tells that no camera was found; the box is answered.
    QString told;
    answerNextModal([&told](QWidget* box) {
        if (QLabel* text = box->findChild<QLabel*>()) {
            told = text->text();
        }
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(app->exec(), 0);
    QVERIFY(clock.elapsed() >= 1000);
    QVERIFY(told.startsWith("No orvella device is found!"));
    QVERIFY(app->mainFrame());
    QVERIFY(!app->mainFrame()->isVisible());
    // Both services know the application and the window's board.
    QCOMPARE(IBoardService::instance()->application(), app);
    QCOMPARE(IConfigureService::instance()->application(), app);
    QCOMPARE(IBoardService::instance()->board(), app->mainFrame()->board());
    QFile log(logFilePath(QDate::currentDate()));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().contains("not find device quit app."));
}

void TestIApplication::raiseMessageRestoresMinimizedWindow()
{
    auto* app = static_cast<IApplication*>(qApp);
    MainFrame* frame = app->mainFrame();
    QVERIFY(frame);
    frame->showMinimized();
    QVERIFY(frame->isMinimized());
    app->handleInstanceMessage("something else");
    QVERIFY(frame->isMinimized());
    app->handleInstanceMessage("raise_window_noop");
    QVERIFY(!frame->isMinimized());
    QVERIFY(frame->isVisible());
    frame->hide();
}

void TestIApplication::waitProcessingEventsRunsTimers()
{
    bool fired = false;
    QTimer::singleShot(50, [&fired]() { fired = true; });
    QElapsedTimer clock;
    clock.start();
    waitProcessingEvents(200);
    QVERIFY(fired);
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(clock.elapsed() < 1000);
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaTest"), argc, argv);
    TestIApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_iapplication.moc"
