#include <QtTest>

#include <QUndoStack>

#include "board/iboardstate.h"
#include "board/item/icommontextelementframe.h"
#include "board/item/itextelement.h"
#include "board/item/itextframebutton.h"
#include "board/path/ipathelement.h"
#include "board/undo/ielementscommand.h"
#include "boardtesthelpers.h"

// The page history through the real modes and frame: each change is one step, undo brings
// back the very elements it took away, and the history owns what is off the page.

using Mode = KM_IBOARD_ENUM::ModeType;
using Elements = QList<IElement*>;

class TestBoardHistory : public QObject {
    Q_OBJECT
private slots:
    void eraseRubsAreSteps();
    void frameChangesOnStrokes();
    void textEditUndoneWhileAnotherEdits();
    void boundedHistoryOwnsWhatItRemoved();
};

void TestBoardHistory::eraseRubsAreSteps()
{
    DrawingBoard f;
    f.board.setModeType(Mode::Pen);
    f.drag({{100, 500}, {300, 500}, {600, 500}});
    auto* stroke = dynamic_cast<IPathElement*>(f.page->elements().value(0));
    QVERIFY(stroke);
    const QRegion whole = stroke->visibleRegion();
    f.board.setModeType(Mode::PathErase);
    f.drag({{350, 400}, {350, 500}, {350, 600}, {350, 600}});  // across the middle: two ends stay
    const QRegion rubbed = stroke->visibleRegion();
    QVERIFY(rubbed != whole && !rubbed.isEmpty());
    QVERIFY(qAlpha(f.overlay().pixel(350, 500)) == 0);
    f.drag({{50, 500}, {300, 500}, {700, 500}, {700, 500}});  // along it: nothing left
    QVERIFY(f.page->elements().isEmpty());
    QCOMPARE(f.page->undoStack()->count(), 3);

    f.board.undo();  // the same stroke returns, rubbed as after the first rub
    QCOMPARE(f.page->elements(), Elements{stroke});
    QCOMPARE(stroke->visibleRegion(), rubbed);
    f.board.undo();
    QCOMPARE(stroke->visibleRegion(), whole);
    f.board.redo();
    f.board.redo();
    QVERIFY(f.page->elements().isEmpty());
}

void TestBoardHistory::frameChangesOnStrokes()
{
    DrawingBoard f;
    f.board.setModeType(Mode::Pen);
    f.drag({{400, 300}, {500, 300}, {600, 300}});
    f.drag({{400, 700}, {800, 700}});
    IElement* first = f.page->elements().at(0);
    auto* item = dynamic_cast<QGraphicsItem*>(first);
    auto* frame = dynamic_cast<ICommonTextElementFrame*>(f.board.textFrame());
    f.board.setModeType(Mode::Select);
    f.drag({{500, 300}, {500, 300}});  // a tap selects the stroke: move grip and strip only
    QCOMPARE(frame->attachedItem(), item);
    QVERIFY(frame->isVisible() && frame->customMenuWidget()->isVisible());
    QVERIFY(!frame->button(ITextElementFrame::BottomRight)->isVisible());
    f.drag({{500, 300}, {520, 330}, {560, 400}, {560, 400}});
    QCOMPARE(item->pos(), QPointF(60, 100));
    const QImage moved = f.overlay();
    QVERIFY(qAlpha(moved.pixel(560, 400)) > 0 && qAlpha(moved.pixel(500, 300)) == 0);
    frame->onLock();
    f.board.deleteSelection();  // a locked element stays
    QCOMPARE(f.page->elements().size(), 2);
    f.board.undo();
    QVERIFY(!first->isLocked() && !frame->lockButton()->isVisible());
    f.board.deleteSelection();
    QVERIFY(f.page->elements().size() == 1 && !frame->attachedItem());
    f.board.undo();  // the same stroke, where it was moved to
    QCOMPARE(f.page->elements().value(0), first);
    f.board.undo();
    QCOMPARE(item->pos(), QPointF(0, 0));
    f.board.insertSlide(new ISlide, true);  // another page, another history
    f.board.undo();
    QCOMPARE(f.page->elements().size(), 2);
}

void TestBoardHistory::textEditUndoneWhileAnotherEdits()
{
    DrawingBoard f;
    QApplication::setActiveWindow(&f.board);
    static_cast<void>(QTest::qWaitForWindowActive(&f.board));
    const auto place = [&f](int y, const char* text) {
        f.board.setModeType(Mode::Text);
        f.drag({{300.0, double(y)}, {300.0, double(y)}});
        QTest::keyClicks(f.board.viewport(), text);
        f.board.escape();
        return dynamic_cast<ITextElement*>(f.page->elements().last());
    };
    ITextElement* a = place(300, "first");
    QCOMPARE(f.page->undoStack()->count(), 1);  // placing and its first typing: one step
    ITextElement* b = place(700, "other");
    QVERIFY(a && b && b != a);
    ISceneElementFrame* frame = f.board.textFrame();
    const auto edit = [&](ITextElement* box, const char* text) {
        frame->showItems({box}, true);
        frame->enterTextEdit();
        QTest::keyClicks(f.board.viewport(), text);
    };
    edit(a, " again");
    frame->endTextEdit();

    edit(b, "!");
    f.page->undoStack()->undo();  // a's session, while b is being edited
    QCOMPARE(a->toPlainText(), QStringLiteral("first"));
    QCOMPARE(b->toPlainText(), QStringLiteral("other!"));
    QVERIFY(frame->isItemEditing() && frame->attachedItem() == b);
    f.board.undo();  // ends b's session, one step, and undoes it
    QCOMPARE(b->toPlainText(), QStringLiteral("other"));
    f.board.undo();
    QCOMPARE(f.page->elements(), Elements{a});
}

void TestBoardHistory::boundedHistoryOwnsWhatItRemoved()
{
    DrawingBoard f;
    int deletions = 0;
    const auto addOne = [&] {
        auto* e = new TestPathElement(QRectF(0, 0, 10, 10), Qt::blue, &deletions);
        f.page->addElement(e, false);
        IElementsCommand::recordAdded(f.page, {e});
        return e;
    };
    IElementsCommand::remove(f.page, {addOne(), addOne()});
    addOne();
    f.page->undoStack()->undo();  // an undone add is dropped by the next step
    addOne();
    QCOMPARE(deletions, 1);
    for (int i = 0; i < ISlide::HistoryLimit; ++i) {
        addOne();
    }
    QCOMPARE(f.page->undoStack()->count(), ISlide::HistoryLimit);
    QCOMPARE(deletions, 3);  // the removal left the history: a and b went with it
}

QTEST_MAIN(TestBoardHistory)
#include "tst_boardhistory.moc"
