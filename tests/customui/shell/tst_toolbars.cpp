#include <QtTest>

#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/shell/irighttoolbar.h"
#include "kittesthelpers.h"
#include "customui/kit/uiscale.h"

// The three toolbars: which buttons exist under which id, what they show, how clicks,
// shortcuts and states are reported.
class TestToolBars : public QObject {
    Q_OBJECT
private slots:
    void cameraButtons_data();
    void cameraButtons();
    void cameraLayoutOrder();
    void cameraClicksReportStateAndId();
    void setStateByIdIgnoresUnknownIds();
    void buttonGlobalPosOfEveryButton();
    void snapShortcutOnlyWhileEnabled();
    void rightButtons_data();
    void rightButtons();
    void rightZoomShortcuts_data();
    void rightZoomShortcuts();
    void boardButtons_data();
    void boardButtons();
    void boardModeGroupIsExclusive();
    void boardSelectButton();
    void toolbarButtonsTakeNoFocus();
    void buildsWithoutWarnings();
};

namespace {

QString cam(const char* name)
{
    return QStringLiteral(":/cameratoolbar/cameratoolbar/%1.svg").arg(QLatin1String(name));
}

QString brd(const char* name)
{
    return QStringLiteral(":/boardtoolbar/boardtoolbar/%1.svg").arg(QLatin1String(name));
}

// Shows `bar` in a window and makes it the active one, so shortcuts work.
void showActive(QWidget* bar)
{
    bar->resize(1920, bar->sizeHint().height());
    bar->show();
    QApplication::setActiveWindow(bar);
    QVERIFY(QTest::qWaitForWindowActive(bar));
}

}  // namespace

void TestToolBars::cameraButtons_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QSize>("size");
    const QSize normal(85, 60);
    QTest::newRow("0") << 0 << "Focus and Exposure" << cam("ccameracontrolclick")
                       << cam("ccameracontrolnormal") << false << true << normal;
    QTest::newRow("1") << 1 << "Magnifier" << cam("cmagnifierclick") << cam("cmagnifiernormal")
                       << false << false << normal;
    QTest::newRow("2") << 2 << "Resolution" << cam("cpixrateclick") << cam("cpixratenormal")
                       << false << true << normal;
    QTest::newRow("3") << 3 << "Zoom-in" << cam("caddscaleclick") << cam("caddscalenormal") << false
                       << false << normal;
    QTest::newRow("4") << 4 << "Zoom-out" << cam("csubscaleclick") << cam("csubscalenormal")
                       << false << false << normal;
    QTest::newRow("5") << 5 << "Rotate" << cam("crotateclick") << cam("crotatenormal") << false
                       << false << normal;
    QTest::newRow("6") << 6 << "Freeze" << cam("cfreezeclick") << cam("cfreezenormal") << true
                       << true << normal;
    QTest::newRow("7") << 7 << "Color-adjusting" << cam("cparameterclick")
                       << cam("cparameternormal") << false << true << normal;
    QTest::newRow("8") << 8 << "Self-adapting" << cam("cresetclick") << cam("cresetnormal") << false
                       << false << normal;
    QTest::newRow("9") << 9 << "Automatic edging" << cam("autoedgeclick") << cam("autoedgenormal")
                       << true << true << normal;
    QTest::newRow("10") << 10 << "Snap" << cam("ccameraclick") << cam("ccameranormal") << false
                        << true << QSize(154, 72);
    QTest::newRow("11") << 11 << "Photo-mode" << cam("cdropclick") << cam("cdropnoranl") << false
                        << true << QSize(52, 72);
    QTest::newRow("12") << 12 << "Video-Recording" << cam("cvediorecordclick")
                        << cam("cvediorecordnormal") << true << true << normal;
    QTest::newRow("13") << 13 << "OCR" << cam("cocrclick") << cam("cocrnormal") << false << true
                        << normal;
    QTest::newRow("14") << 14 << "PDF" << cam("cpdfclick") << cam("cpdfnormal") << false << true
                        << normal;
    QTest::newRow("15") << 15 << "Camera" << cam("autoedgeclick") << cam("autoedgenormal") << false
                        << false << normal;
    QTest::newRow("16") << 16 << "Picture-in-picture" << cam("csmallcameraclick")
                        << cam("csmallcameranormal") << false << true << normal;
    QTest::newRow("17") << 17 << "Split-screen" << cam("ccomparclick") << cam("ccomparnormal")
                        << false << true << normal;
}

void TestToolBars::cameraButtons()
{
    QFETCH(int, id);
    QFETCH(QString, tip);
    QFETCH(QString, pressed);
    QFETCH(QString, normal);
    QFETCH(bool, checkable);
    QFETCH(bool, visible);
    QFETCH(QSize, size);
    ICameraToolBar bar;
    bar.show();
    IIToolButton* button = bar.button(id);
    QVERIFY(button);
    QCOMPARE(button->data().toInt(), id);
    QVERIFY2(button->toolTip().contains(">" + tip + "<"), qPrintable(button->toolTip()));
    QCOMPARE(button->normalIcon(), normal);
    QCOMPARE(button->pressedIcon(), pressed);
    QVERIFY2(QFile::exists(normal) && QFile::exists(pressed), "icon missing from the resources");
    QCOMPARE(button->isCheckable(), checkable);
    QCOMPARE(button->isVisible(), visible);
    QCOMPARE(button->size(), size);
}

void TestToolBars::cameraLayoutOrder()
{
    ICameraToolBar bar;
    bar.resize(1920, 72);
    bar.show();
    QCOMPARE(bar.buttonIds().size(), 18);
    int lastX = -1;
    for (int id : {0, 2, 6, 7, 9, 16, 17, 10, 11, 12, 13, 14}) {
        const int x = bar.button(id)->geometry().x();
        QVERIFY2(x > lastX, qPrintable(QStringLiteral("button %1 out of order").arg(id)));
        lastX = x;
    }
    // Snap and Photo-mode touch; the row starts 200 pixels in.
    QCOMPARE(bar.button(11)->geometry().left(), bar.button(10)->geometry().right() + 1);
    QVERIFY(bar.button(0)->geometry().left() >= 200);
    // Snap sits in the middle part of the bar.
    QVERIFY(bar.button(10)->geometry().center().x() > 600);
    QVERIFY(bar.button(10)->geometry().center().x() < 1500);
}

void TestToolBars::cameraClicksReportStateAndId()
{
    ICameraToolBar bar;
    bar.show();
    QSignalSpy clicks(&bar, &ICameraToolBar::sgButtonClick);
    QTest::mouseClick(bar.button(6), Qt::LeftButton);
    QTest::mouseClick(bar.button(6), Qt::LeftButton);
    QTest::mouseClick(bar.button(10), Qt::LeftButton);
    QTest::mouseClick(bar.button(0), Qt::LeftButton);
    QCOMPARE(clicks.size(), 4);
    const QList<QPair<bool, int>> expected{{true, 6}, {false, 6}, {false, 10}, {false, 0}};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(clicks.at(i).at(0).toBool(), expected.at(i).first);
        QCOMPARE(clicks.at(i).at(1).value<QVariant>().toInt(), expected.at(i).second);
    }
}

void TestToolBars::setStateByIdIgnoresUnknownIds()
{
    ICameraToolBar bar;
    bar.setEnabled(10, false);
    QVERIFY(!bar.button(10)->isEnabled());
    QVERIFY(!bar.isButtonEnabled(10));
    QVERIFY(bar.isButtonEnabled(9));
    bar.setEnabled(99, false);
    bar.setChecked(99, true);
    bar.setChecked(-1, true);
    QVERIFY(!bar.button(99));
    QVERIFY(!bar.isButtonEnabled(99));
    // Hidden buttons still take a state.
    bar.setChecked(15, true);  // not checkable: stays unchecked
    QVERIFY(!bar.isChecked(15));
    bar.setEnabled(3, false);
    QVERIFY(!bar.button(3)->isEnabled());
    bar.setChecked(6, true);
    QVERIFY(bar.isChecked(6));
    // Disabling the bar disables what it holds.
    bar.setEnabled(true);
    bar.setEnabled(10, true);
    bar.QWidget::setEnabled(false);
    QVERIFY(!bar.isButtonEnabled(10));
}

void TestToolBars::snapShortcutOnlyWhileEnabled()
{
    ICameraToolBar bar;
    showActive(&bar);
    QSignalSpy clicks(&bar, &ICameraToolBar::sgButtonClick);
    QTest::keyClick(&bar, Qt::Key_Space);
    QTRY_COMPARE(clicks.size(), 1);
    QCOMPARE(clicks.first().at(1).value<QVariant>().toInt(), 10);
    bar.setEnabled(10, false);
    QTest::keyClick(&bar, Qt::Key_Space);
    QTest::qWait(300);
    QCOMPARE(clicks.size(), 1);
}

void TestToolBars::buttonGlobalPosOfEveryButton()
{
    QWidget window;
    window.setGeometry(40, 30, 1000, 700);
    auto* camera = new ICameraToolBar(&window);
    auto* right = new IRightToolBar(&window);
    auto* board = new IBoardToolBar(&window);
    camera->move(10, 600);
    right->move(900, 20);
    board->move(800, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (IToolBarBase* bar : {static_cast<IToolBarBase*>(camera), static_cast<IToolBarBase*>(right),
                              static_cast<IToolBarBase*>(board)}) {
        for (int id : bar->buttonIds()) {
            const QPoint inWindow = bar->button(id)->mapTo(&window, QPoint(0, 0));
            QCOMPARE(bar->buttonGlobalPos(id), window.mapToGlobal(inWindow));
        }
        QCOMPARE(bar->buttonGlobalPos(99), QPoint(0, 0));
    }
}

void TestToolBars::rightButtons_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("icon");
    QTest::newRow("0") << 0 << "Board" << brd("bpen");
    QTest::newRow("1") << 1 << "Magnifier" << cam("cmagnifiernormal");
    QTest::newRow("2") << 2 << "Zoom-in" << cam("caddscalenormal");
    QTest::newRow("3") << 3 << "Zoom-out" << cam("csubscalenormal");
    QTest::newRow("4") << 4 << "Rotate" << cam("crotatenormal");
    QTest::newRow("5") << 5 << "Self-adapting" << cam("cresetnormal");
}

void TestToolBars::rightButtons()
{
    QFETCH(int, id);
    QFETCH(QString, tip);
    QFETCH(QString, icon);
    IRightToolBar bar;
    bar.resize(70, 900);
    bar.show();
    QCOMPARE(bar.buttonIds().size(), 6);
    IIToolButton* button = bar.button(id);
    QVERIFY(button);
    QVERIFY(button->toolTip().contains(">" + tip + "<"));
    QCOMPARE(button->normalIcon(), icon);
    QVERIFY(QFile::exists(icon));
    QVERIFY(!button->isCheckable());
    QVERIFY(button->isVisible());
    // Top to bottom in id order.
    if (id > 0) {
        QVERIFY(button->y() > bar.button(id - 1)->y());
    }
    QSignalSpy clicks(&bar, &IRightToolBar::sgButtonClick);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.first().at(1).value<QVariant>().toInt(), id);
}

void TestToolBars::rightZoomShortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("id");
    QTest::newRow("+") << int(Qt::Key_Plus) << int(Qt::NoModifier) << 2;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << 2;
    QTest::newRow("-") << int(Qt::Key_Minus) << int(Qt::NoModifier) << 3;
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 3;
}

void TestToolBars::rightZoomShortcuts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, id);
    IRightToolBar bar;
    showActive(&bar);
    QSignalSpy clicks(&bar, &IRightToolBar::sgButtonClick);
    QTest::keyClick(&bar, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(clicks.size(), 1);
    QCOMPARE(clicks.first().at(1).value<QVariant>().toInt(), id);
}

void TestToolBars::boardButtons_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("0") << 0 << "Move" << brd("bselect") << true;
    QTest::newRow("1") << 1 << "Pencil" << brd("bpen") << true;
    QTest::newRow("2") << 2 << "Thickness" << brd("bthickness") << false;
    QTest::newRow("3") << 3 << "Color" << brd("bcolor") << false;
    QTest::newRow("4") << 4 << "Transparency" << brd("btransparency") << false;
    QTest::newRow("5") << 5 << "Text" << brd("btext") << true;
    QTest::newRow("6") << 6 << "Shape" << brd("bfigure") << true;
    QTest::newRow("7") << 7 << "Eraser" << brd("berase") << true;
    QTest::newRow("8") << 8 << "Clear" << brd("bclear") << false;
    QTest::newRow("9") << 9 << "Home" << QStringLiteral(":/android/home.svg") << false;
    QTest::newRow("10") << 10 << "Desktop" << brd("bdesktop") << false;
}

void TestToolBars::boardButtons()
{
    QFETCH(int, id);
    QFETCH(QString, tip);
    QFETCH(QString, icon);
    QFETCH(bool, checkable);
    IBoardToolBar bar;
    bar.resize(70, 1000);
    bar.show();
    QCOMPARE(bar.buttonIds().size(), 13);
    IIToolButton* button = bar.button(id);
    QVERIFY(button);
    QVERIFY(button->toolTip().contains(">" + tip));  // and, for a tool, its key
    QCOMPARE(button->normalIcon(), icon);
    QVERIFY(QFile::exists(icon));
    QCOMPARE(button->isCheckable(), checkable);
    if (id > 0) {
        QVERIFY(button->y() > bar.button(id - 1)->y());
    }
}

void TestToolBars::boardModeGroupIsExclusive()
{
    IBoardToolBar bar;
    bar.show();
    QVERIFY(bar.isChecked(0));  // select mode at start
    QSignalSpy clicks(&bar, &IBoardToolBar::sgButtonClick);
    QTest::mouseClick(bar.button(1), Qt::LeftButton);
    QVERIFY(bar.isChecked(1));
    QVERIFY(!bar.isChecked(0));
    // A second click on the checked mode keeps it checked and reports it checked.
    QTest::mouseClick(bar.button(1), Qt::LeftButton);
    QVERIFY(bar.isChecked(1));
    QTest::mouseClick(bar.button(3), Qt::LeftButton);  // a panel button leaves the mode alone
    QVERIFY(bar.isChecked(1));
    QTest::mouseClick(bar.button(7), Qt::LeftButton);
    QVERIFY(bar.isChecked(7));
    QVERIFY(!bar.isChecked(1));
    QCOMPARE(clicks.size(), 4);
    QCOMPARE(clicks.at(1).at(0).toBool(), true);
    QCOMPARE(clicks.at(2).at(0).toBool(), false);
    QCOMPARE(clicks.at(3).at(1).value<QVariant>().toInt(), 7);
}

void TestToolBars::boardSelectButton()
{
    IBoardToolBar bar;
    QSignalSpy clicks(&bar, &IBoardToolBar::sgButtonClick);
    bar.selectButton(5, true);
    QVERIFY(bar.isChecked(5));
    QVERIFY(!bar.isChecked(0));
    QCOMPARE(clicks.size(), 0);
    bar.selectButton(6);
    QVERIFY(bar.isChecked(6));
    QVERIFY(!bar.isChecked(5));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.first().at(0).toBool(), true);
    QCOMPARE(clicks.first().at(1).value<QVariant>().toInt(), 6);
    bar.selectButton(8);  // not a mode
    bar.selectButton(42);
    QVERIFY(bar.isChecked(6));
    QCOMPARE(clicks.size(), 1);
}

void TestToolBars::toolbarButtonsTakeNoFocus()
{
    ICameraToolBar camera;
    IRightToolBar right;
    IBoardToolBar board;
    for (IToolBarBase* bar : QList<IToolBarBase*>{&camera, &right, &board}) {
        for (int id : bar->buttonIds()) {
            QCOMPARE(bar->button(id)->focusPolicy(), Qt::NoFocus);
        }
    }
}

void TestToolBars::buildsWithoutWarnings()
{
    WarningCatcher catcher;
    {
        ICameraToolBar camera;
        IRightToolBar right;
        IBoardToolBar board;
        camera.show();
        right.show();
        board.show();
        QCoreApplication::processEvents();
        grabImage(&camera);
        grabImage(&right);
        grabImage(&board);
    }
    // The offscreen platform's own complaint about size hints is not ours.
    const QStringList ours =
        catcher.warnings().filter(QRegularExpression(QStringLiteral("^(?!.*propagateSizeHints)")));
    QVERIFY2(ours.isEmpty(), qPrintable(ours.join('\n')));
}

QTEST_MAIN(TestToolBars)
#include "tst_toolbars.moc"
