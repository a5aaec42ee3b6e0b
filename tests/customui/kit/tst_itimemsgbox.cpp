#include <QtTest>

#include <QLabel>
#include <QPushButton>

#include "customui/kit/iappfont.h"
#include "customui/kit/itimemsgbox.h"
#include "customui/kit/uiscale.h"
#include "kittesthelpers.h"

// The process-wide tip lives over its anchor window, here a plain window of known size.
QWidget* anchor = nullptr;

class TestITimeMsgBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void oneTipOverTheMainWindow();
    void centredOverTheMainWindow();
    void placedAtGivenPoint();
    void wrapsPastFiveHundredPixels();
    void closesAfterTimerAndFade();
    void newMessageDuringFadeStaysUp();
    void windowTipFadesOut();
    void clicksReachWhatLiesUnder();
};

void TestITimeMsgBox::initTestCase()
{
    uiScale = uiScaleX = uiScaleY = 1.0;
    installFontSubstitutions(QStringLiteral("1033"));
}

void TestITimeMsgBox::oneTipOverTheMainWindow()
{
    ITimeMsgBox* tip = ITimeMsgBox::instance();
    QCOMPARE(ITimeMsgBox::instance(), tip);
    QCOMPARE(tip->parentWidget(), anchor);
}

void TestITimeMsgBox::centredOverTheMainWindow()
{
    ITimeMsgBox* tip = ITimeMsgBox::instance();
    tip->showMessage(QStringLiteral("Saved"), 1000, -1000, -1000);
    QVERIFY(tip->isVisible());
    const QPoint centre = anchor->rect().center();
    QVERIFY(qAbs(tip->geometry().center().x() - centre.x()) <= 1);
    QVERIFY(qAbs(tip->geometry().center().y() - centre.y()) <= 1);
    // Sized to the text plus its margins.
    const QLabel* label = tip->findChild<QLabel*>();
    QCOMPARE(tip->width(), label->width() + 40);
    QCOMPARE(tip->height(), label->height() + 20);
    tip->hide();
}

void TestITimeMsgBox::placedAtGivenPoint()
{
    ITimeMsgBox* tip = ITimeMsgBox::instance();
    tip->showMessage(QStringLiteral("Saved"), 1000, 120, 80);
    QCOMPARE(tip->pos(), QPoint(120, 80));
    // Asked for past the window's right and bottom edges, it comes in until it fits.
    const QRect window = anchor->rect();
    tip->showMessage(QStringLiteral("Current resolution: 1920*1080"), 1000, window.width() - 100,
                     window.height() - 10);
    QVERIFY(window.contains(tip->geometry()));
    tip->hide();
}

void TestITimeMsgBox::wrapsPastFiveHundredPixels()
{
    ITimeMsgBox* tip = ITimeMsgBox::instance();
    const QLabel* label = tip->findChild<QLabel*>();
    tip->showMessage(QStringLiteral("Short"), 1000, -1000, -1000);
    QVERIFY(!label->wordWrap());
    const int oneLine = tip->height();

    const QString text = QStringLiteral(
        "The picture could not be saved because the photo folder is not writable any more");
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(text) > 500);
    tip->showMessage(text, 1000, -1000, -1000);
    QVERIFY(label->wordWrap());
    QVERIFY(tip->width() <= 540);
    QVERIFY(tip->width() > 400);
    QVERIFY(tip->height() > oneLine);
    // Shorter again: back to one line.
    tip->showMessage(QStringLiteral("Short"), 1000, -1000, -1000);
    QVERIFY(!label->wordWrap());
    QCOMPARE(tip->height(), oneLine);
    tip->hide();
}

void TestITimeMsgBox::closesAfterTimerAndFade()
{
    ITimeMsgBox* tip = ITimeMsgBox::instance();
    tip->setFadeDuration(40);
    tip->showMessage(QStringLiteral("Saved"), 30, -1000, -1000);
    QVERIFY(tip->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 2000);
    tip->setFadeDuration(1000);
}

void TestITimeMsgBox::newMessageDuringFadeStaysUp()
{
    ITimeMsgBox* tip = ITimeMsgBox::instance();
    tip->setFadeDuration(300);
    tip->showMessage(QStringLiteral("First"), 10, -1000, -1000);
    QTest::qWait(100);  // the timer has run out; the fade is under way
    tip->showMessage(QStringLiteral("Second"), 5000, -1000, -1000);
    QTest::qWait(450);  // longer than the old fade
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->findChild<QLabel*>()->text(), QStringLiteral("Second"));
    tip->hide();
    tip->setFadeDuration(1000);
}

void TestITimeMsgBox::windowTipFadesOut()
{
    // Without a parent the tip is a frameless tool window whose opacity falls during the fade.
    ITimeMsgBox tip;
    QVERIFY(tip.isWindow());
    QVERIFY(tip.windowFlags() & Qt::WindowStaysOnTopHint);
    tip.setFadeDuration(300);
    tip.showMessage(QStringLiteral("Saved"), 10, -1000, -1000);
    QCOMPARE(tip.windowOpacity(), 1.0);
    QTRY_VERIFY_WITH_TIMEOUT(tip.windowOpacity() < 0.9, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!tip.isVisible(), 2000);
    tip.showMessage(QStringLiteral("Again"), 5000, 10, 10);
    QCOMPARE(tip.windowOpacity(), 1.0);
}

// A tip over a button does not take the button's click.
void TestITimeMsgBox::clicksReachWhatLiesUnder()
{
    QPushButton button(anchor);
    button.setGeometry(anchor->rect());
    button.show();
    QSignalSpy clicked(&button, &QPushButton::clicked);
    ITimeMsgBox* tip = ITimeMsgBox::instance();
    tip->showMessage(QStringLiteral("Saved"), 1000, -1000, -1000);
    tip->raise();
    QTest::mouseClick(anchor->childAt(anchor->rect().center()), Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
}

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    QWidget window;
    window.setGeometry(50, 40, 700, 500);
    window.show();
    anchor = &window;
    ITimeMsgBox::setAnchorWindow(&window);
    TestITimeMsgBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_itimemsgbox.moc"
