#include <QtTest>

#include <QAbstractItemView>
#include <QComboBox>
#include <QScreen>

#include "board/item/icommontextelementframe.h"
#include "board/item/itextelement.h"
#include "board/ui/itextelementtoolbar.h"
#include "boardtesthelpers.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/itoolbutton.h"
#include "testpaths.h"

// The text toolbar on a real X display with a window manager, used with real pointer clicks and
// key strokes (xdotool): it must never take the keyboard from the box being edited.
class TestTextFrameWindow : public QObject {
    Q_OBJECT
private slots:
    void toolbarKeepsEditing();

private:
    static void xdo(const QStringList& args) { QCOMPARE(QProcess::execute("xdotool", args), 0); }
    static void clickAt(const QPoint& global)
    {
        xdo({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()),
             "click", "1"});
    }
    static void shoot(const QString& name)
    {
        QTest::qWait(300);
        QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(artifactsDir() + "/" + name));
    }
};

void TestTextFrameWindow::toolbarKeepsEditing()
{
    installFontSubstitutions(QStringLiteral("1033"));
    DrawingBoard f;
    QVERIFY(QTest::qWaitForWindowActive(&f.board));
    f.board.setModeType(KM_IBOARD_ENUM::Text);
    clickAt(f.board.viewport()->mapToGlobal(QPoint(700, 500)));
    QTRY_COMPARE(f.page->elements().size(), 1);
    auto* text = dynamic_cast<ITextElement*>(f.page->elements().first());
    auto* frame = dynamic_cast<ICommonTextElementFrame*>(f.board.textFrame());
    QVERIFY(text && frame);
    ITextElementToolBar* bar = frame->toolBar();
    QTRY_VERIFY(bar && bar->isVisible());
    QCOMPARE(bar->sizeBox()->currentText(), QStringLiteral("24"));
    QCOMPARE(bar->familyBox()->currentText(), QFontInfo(QFont("Arial")).family());
    // Beside the box: just above its top-left corner.
    const QPoint box = f.board.viewport()->mapToGlobal(f.board.mapFromScene(text->pos()));
    QVERIFY(bar->geometry().bottom() < box.y() && box.y() - bar->geometry().bottom() < 40);
    QCOMPARE(bar->geometry().left(), box.x());
    xdo({"type", "--delay", "50", "ab"});
    QTRY_COMPARE(text->toPlainText(), QStringLiteral("ab"));
    QCOMPARE(QApplication::activeWindow(), &f.board);
    shoot("textframe_toolbar.png");

    // A size chosen in the combo box's list; the box goes on editing.
    clickAt(bar->sizeBox()->mapToGlobal(bar->sizeBox()->rect().center()));
    QAbstractItemView* list = bar->sizeBox()->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex size36 = list->model()->index(bar->sizeBox()->findText("36"), 0);
    list->scrollTo(size36);
    QTest::qWait(200);
    shoot("textframe_sizelist.png");
    clickAt(list->viewport()->mapToGlobal(list->visualRect(size36).center()));
    QTRY_COMPARE(text->font().pointSize(), 36);
    QVERIFY(text->textInteractionFlags() == ITextElement::EditingFlags);
    QVERIFY(bar->isVisible());

    // Bold, then typing goes on in the box.
    clickAt(bar->boldButton()->mapToGlobal(bar->boldButton()->rect().center()));
    QTRY_COMPARE(text->font().weight(), int(QFont::Bold));
    xdo({"type", "--delay", "50", "cd"});
    QTRY_COMPARE(text->toPlainText(), QStringLiteral("abcd"));
    QCOMPARE(QApplication::activeWindow(), &f.board);
    QVERIFY(frame->isEditing());
    shoot("textframe_bold.png");
}

QTEST_MAIN(TestTextFrameWindow)
#include "tst_textframe_window.moc"
