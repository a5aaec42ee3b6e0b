#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

#include "customui/capture/icapturemodeframe.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/capture/itimelapsebutton.h"
#include "customui/capture/itimelapseframe.h"
#include "customui/capture/itimelapsetimes.h"
#include "customui/capture/itimercapturecontrolframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "modalanswerer.h"
#include "service/iconfigureservice.h"

// The capture panels as state machines, with the main window's part played by the test: a
// picture asked for is counted (or lost) once the event loop turns, as the saving thread does.
class TestCapturePanels : public QObject {
    Q_OBJECT
private slots:
    void captureModeSwitchAndModes();
    void timingCapture_data();
    void timingCapture();
    void timingFieldsAdmitOneToNinetyNine();
    void timelapseCycle();
};

void TestCapturePanels::captureModeSwitchAndModes()
{
    IConfigureService* config = IConfigureService::instance();
    config->photoSound = false;
    ICaptureModeFrame panel(nullptr);
    QList<int> modes;
    connect(&panel, &ICaptureModeFrame::sgButtonClick, &panel,
            [&modes](CaptureMode mode) { modes << mode; });
    panel.button(ICaptureModeFrame::kSoundFlag)->click();
    QVERIFY(config->photoSound);
    QCOMPARE(QSettings(IConfigureService::settingsFile(), QSettings::IniFormat)
                 .value("photo/sound")
                 .toBool(),
             true);
    QCOMPARE(panel.mode(), 0);
    QVERIFY(panel.button(0)->isChecked());
    QCOMPARE(modes.size(), 0);
    panel.button(6)->click();
    QCOMPARE(modes.size(), 1);
    QCOMPARE(modes.first(), int(BlackWhiteCapture));
    QVERIFY(panel.button(ICaptureModeFrame::kSoundFlag)->isChecked());
    panel.setMode(9);
    panel.setMode(ICaptureModeFrame::kSoundFlag);
    QCOMPARE(panel.mode(), 6);
    panel.setMode(0);
    QCOMPARE(panel.mode(), 0);
    QVERIFY(panel.button(0)->isChecked() && !panel.button(6)->isChecked());
    QCOMPARE(modes.size(), 1);
}

void TestCapturePanels::timingCapture_data()
{
    QTest::addColumn<int>("pages");
    // What happens to the picture of each request: c counted, l lost, h halted while saving.
    QTest::addColumn<QString>("script");
    QTest::newRow("one page") << 1 << "c";
    QTest::newRow("three pages") << 3 << "ccc";
    QTest::newRow("halt while saving") << 3 << "chc";
    QTest::newRow("lost picture mid-series") << 3 << "clcc";
}

void TestCapturePanels::timingCapture()
{
    QFETCH(int, pages);
    QFETCH(QString, script);
    QWidget window;
    window.show();
    ITimerCaptureFrame dialog(nullptr, &window);
    dialog.setSecondLength(5);
    ITimerCaptureControlFrame* bar = dialog.controlBar();
    int requests = 0;
    int counted = 0;
    connect(&dialog, &ITimerCaptureFrame::sgCaptureRequested, &dialog, [&]() {
        const QChar step = script.at(requests++);
        if (step == 'h') {
            bar->actionButton(ITimerCaptureControlFrame::Halt)->click();
        }
        QTimer::singleShot(1, &dialog, [&, step]() {
            if (step == 'l') {
                dialog.skipPicture();
                return;
            }
            dialog.countPicture(dialog.isCapturing());
            ++counted;
            if (step == 'h') {
                // Counted, yet nothing is taken until Start.
                QVERIFY(!dialog.isTimerActive());
                QCOMPARE(bar->countText(), QString("%1 / %2").arg(counted).arg(pages));
                QTimer::singleShot(50, &dialog, [bar]() {
                    bar->actionButton(ITimerCaptureControlFrame::Start)->click();
                });
            }
        });
    });
    answerNextModal([](QWidget* widget) {
        auto* frame = qobject_cast<ITimerCaptureFrame*>(widget);
        frame->intervalField()->setText("2");
        frame->pagesField()->setText(QString::number(frame->property("pages").toInt()));
        frame->confirmSettings();
    });
    dialog.setProperty("pages", pages);
    dialog.openSettings(true);
    QVERIFY(dialog.isCapturing());
    // Snap while it runs changes nothing.
    dialog.openSettings(true);
    QVERIFY(!dialog.isVisible());
    QTRY_VERIFY(!dialog.isCapturing());
    QCOMPARE(counted, pages);
    QCOMPARE(requests, script.size());
    QCOMPARE(dialog.pagesField()->text(), QString("0"));
    QVERIFY(!dialog.isTimerActive());
    // The next Snap asks again, with both fields cleared.
    QString fields = "unset";
    answerNextModal([&fields](QWidget* widget) {
        auto* frame = qobject_cast<ITimerCaptureFrame*>(widget);
        fields = frame->intervalField()->text() + frame->pagesField()->text();
        frame->openSettings(false);
    });
    dialog.openSettings(true);
    QCOMPARE(fields, QString());
}

void TestCapturePanels::timingFieldsAdmitOneToNinetyNine()
{
    ITimerCaptureFrame dialog(nullptr);
    QLineEdit* field = dialog.intervalField();
    for (const char* typed : {"1", "9", "10", "99", "0", "05", "100", "a"}) {
        field->clear();
        QTest::keyClicks(field, typed);
        const int value = QString(typed).toInt();
        const bool admitted = value >= 1 && value <= 99 && typed[0] != '0';
        QCOMPARE(field->text() == typed, admitted);
    }
}

void TestCapturePanels::timelapseCycle()
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    ITimelapseFrame panel(nullptr, &window);
    ITimelapseTimes* counter = panel.counter();
    counter->setSecondLength(5);
    QList<int> requests;
    connect(&panel, &ITimelapseFrame::sgCaptureImage, &panel,
            [&requests](OperateType type) { requests << type; });
    panel.showPanel(true);
    panel.intervalButton()->click();
    QVERIFY(panel.chooser()->isVisible());
    panel.chooser()->findChildren<ITimelapseButton*>().at(0)->click();  // "1"
    QVERIFY(!panel.chooser()->isVisible());
    panel.startButton()->click();
    QCOMPARE(requests, QList<int>{TimelapseStart});
    // The main window answers a start by starting the panel, each shot with nextShot().
    connect(&panel, &ITimelapseFrame::sgCaptureImage, &panel, [&](OperateType type) {
        if (type == TimelapseShot) {
            QTimer::singleShot(1, &panel, &ITimelapseFrame::nextShot);
        }
    });
    panel.start();
    QCOMPARE(panel.startButton()->state(), int(ITimelapseFrame::Running));
    QCOMPARE(counter->countdownText(), QString("00:01"));
    QVERIFY(!panel.intervalButton()->isVisible() && panel.pauseButton()->isVisible());
    panel.showPanel(false);
    QVERIFY(panel.isCapturing());
    // The first shot comes one interval after the start.
    QCOMPARE(requests.count(TimelapseShot), 0);
    QTRY_VERIFY(counter->count() >= 3);
    panel.pause();
    QCOMPARE(panel.pauseButton()->state(), int(ITimelapseFrame::Paused));
    QTest::qWait(20);  // a shot already asked for still counts
    const int paused = counter->count();
    QTest::qWait(60);
    QCOMPARE(counter->count(), paused);
    panel.resume();
    QTRY_VERIFY(counter->count() >= 100);
    QCOMPARE(counter->countText(), QString::number(counter->count()));
    QVERIFY(counter->countLabel()->width() >=
            counter->countLabel()->fontMetrics().horizontalAdvance(counter->countText()));
    panel.stop();
    QVERIFY(!panel.isCapturing());
    QCOMPARE(panel.startButton()->state(), int(ITimelapseFrame::Idle));
}

QTEST_MAIN(TestCapturePanels)
#include "tst_capturepanels.moc"
