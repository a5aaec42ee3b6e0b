#include <QtTest>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/irighttoolbar.h"
#include "kittesthelpers.h"

// The three toolbars: which buttons exist under which id, what they show, how clicks,
// shortcuts and states are reported.
class TestToolBars : public QObject {
    Q_OBJECT
private slots:
    void everyButton_data();
    void everyButton();
    void cameraLayoutOrder();
    void cameraClicksReportStateAndId();
    void setStateByIdIgnoresUnknownIds();
    void buttonGlobalPosOfEveryButton();
    void snapShortcutOnlyWhileEnabled();
    void rightZoomShortcuts_data();
    void rightZoomShortcuts();
    void boardModeGroupIsExclusive();
    void boardSelectButton();
    void buildsWithoutWarnings();
};

namespace {

// Shows `bar` in a window and makes it the active one, so shortcuts work.
void showActive(QWidget* bar)
{
    bar->resize(1920, bar->sizeHint().height());
    bar->show();
    QApplication::setActiveWindow(bar);
    QVERIFY(QTest::qWaitForWindowActive(bar));
}

}  // namespace

void TestToolBars::everyButton_data()
{
    QTest::addColumn<QString>("bar");
    for (const char* bar : {"camera", "right", "board"}) {
        QTest::newRow(bar) << QString::fromLatin1(bar);
    }
}

// Each id has a button named "<bar>.<id key>" with a tool tip and icons the resources hold; it
// takes no keyboard focus and its click reports its id. The side bars stack in id order.
void TestToolBars::everyButton()
{
    QFETCH(QString, bar);
    ICameraToolBar camera;
    IRightToolBar right;
    IBoardToolBar board;
    IToolBarBase* toolbar = bar == "camera"  ? static_cast<IToolBarBase*>(&camera)
                            : bar == "right" ? static_cast<IToolBarBase*>(&right)
                                             : &board;
    toolbar->resize(bar == "camera" ? QSize(1920, 72) : QSize(70, 1000));
    toolbar->show();
    const QMetaObject* meta = toolbar->metaObject();
    const QMetaEnum ids = meta->enumerator(meta->indexOfEnumerator("ButtonId"));
    // Every button has an id key; the board's keys after Redo are reported by the keyboard only.
    QCOMPARE(toolbar->buttonIds().size(),
             bar == "board" ? ids.keyToValue("Redo") + 1 : ids.keyCount());
    QSignalSpy clicks(toolbar, &IToolBarBase::sgButtonClick);
    for (int id : toolbar->buttonIds()) {
        IIToolButton* button = toolbar->button(id);
        const QString name = bar + '.' + QString::fromLatin1(ids.valueToKey(id)).toLower();
        QCOMPARE(toolbar->findChild<IIToolButton*>(name), button);
        QVERIFY2(!button->toolTip().isEmpty(), qPrintable(name));
        QVERIFY2(QFile::exists(button->normalIcon()), qPrintable(name));
        QVERIFY2(button->pressedIcon().isEmpty() || QFile::exists(button->pressedIcon()),
                 qPrintable(name));
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        if (button->isEnabled()) {  // undo and redo wait for something to undo
            button->click();
            QCOMPARE(clicks.takeLast().at(1).value<QVariant>().toInt(), id);
        }
        if (bar != "camera" && id > 0) {
            QVERIFY2(button->y() > toolbar->button(id - 1)->y(), qPrintable(name));
        }
    }
}

void TestToolBars::cameraLayoutOrder()
{
    ICameraToolBar bar;
    bar.resize(1920, 72);
    bar.show();
    QCOMPARE(bar.buttonIds().size(), 20);
    int lastX = -1;
    for (int id : {0, 2, 6, 7, 9, 16, 17, 10, 11, 12, 13, 14, 18, 19}) {
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
