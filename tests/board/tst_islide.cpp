#include <QtTest>

#include <QScreen>

#include "board/iboard.h"
#include "board/imodebase.h"
#include "board/imodemanager.h"
#include "board/path/ipencilpathmode.h"
#include "boardtesthelpers.h"

// A plain scene item that counts its deletions, standing for a mode's preview or marker.
class CountedItem : public QGraphicsRectItem {
public:
    explicit CountedItem(int* deletions) : QGraphicsRectItem(0, 0, 5, 5), deletions_(deletions) {}
    ~CountedItem() override { ++*deletions_; }

private:
    int* deletions_;
};

class TestISlide : public QObject {
    Q_OBJECT
private slots:
    void constructionSizeAndId();
    void addElementStacksAboveTheBottomLayer();
    void addElementSignals();
    void addElementRefusesNullAndDuplicates();
    void removeElement();
    void removeLockedElementRemovesNothing();
    void removeElementNotOnPage();
    void topZAfterRemoval();
    void clearStrokesAndText();
    void textFrameNeedsABoardWithAFrameMaker();
    void modeOwnedItemDeletedOnce_data();
    void modeOwnedItemDeletedOnce();
};

void TestISlide::constructionSizeAndId()
{
    ISlide page;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(page.size(), QSizeF(screen));
    QCOMPARE(page.sceneRect(), QRectF(0, 0, screen.width(), screen.height()));
    QVERIFY(!QUuid::fromString(page.id()).isNull());
    QVERIFY(!page.id().startsWith('{'));
    QVERIFY(ISlide().id() != page.id());
    QCOMPARE(page.topZ(), ISlide::BottomZ);
}

void TestISlide::addElementStacksAboveTheBottomLayer()
{
    ISlide page;
    auto* first = new TestPathElement;
    auto* second = new TestPathElement;
    auto* text = new TestTextElement;
    page.addElement(first, false);
    page.addElement(second, false);
    page.addElement(text, false);
    QCOMPARE(first->zOrder(), ISlide::BottomZ + 0.01);
    QCOMPARE(first->zValue(), ISlide::BottomZ + 0.01);
    QCOMPARE(second->zValue(), first->zValue());
    QCOMPARE(text->zValue(), 0.01);
    QCOMPARE(page.topZ(), 0.01);
    QCOMPARE(page.elements(), (QList<IElement*>{first, second, text}));
    // Equal z: insertion order decides, and text sits above every stroke.
    const QList<QGraphicsItem*> stack = page.items(Qt::AscendingOrder);
    QCOMPARE(stack, (QList<QGraphicsItem*>{first, second, text}));
}

void TestISlide::addElementSignals()
{
    ISlide page;
    QSignalSpy added(&page, &ISlide::sgElementsAddedEvent);
    QSignalSpy changed(&page, &ISlide::sgSlideChangedEvent);
    auto* loud = new TestPathElement;
    page.addElement(loud, false);
    page.addElement(new TestPathElement, true);
    QCOMPARE(added.size(), 1);
    QCOMPARE(added.first().at(0).toString(), page.id());
    QCOMPARE(added.first().at(1).value<QList<IElement*>>(), QList<IElement*>{loud});
    QCOMPARE(changed.size(), 2);
}

void TestISlide::addElementRefusesNullAndDuplicates()
{
    ISlide page;
    auto* e = new TestPathElement;
    QVERIFY(page.addElement(e, false));
    const double z = e->zOrder();
    QVERIFY(!page.addElement(e, false));
    QVERIFY(!page.addElement(nullptr, false));
    QCOMPARE(page.elements().size(), 1);
    QCOMPARE(e->zOrder(), z);
}

void TestISlide::removeElement()
{
    ISlide page;
    auto* e = new TestPathElement;
    page.addElement(e, false);
    QSignalSpy removed(&page, &ISlide::sgElementsRemovedEvent);
    QSignalSpy changed(&page, &ISlide::sgSlideChangedEvent);
    QVERIFY(page.removeElement(e, false));
    QVERIFY(!e->scene());
    QVERIFY(page.elements().isEmpty());
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first().at(1).value<QList<IElement*>>(), QList<IElement*>{e});
    QCOMPARE(changed.size(), 1);
    delete e;  // the caller owns what was removed
}

void TestISlide::removeLockedElementRemovesNothing()
{
    ISlide page;
    auto* locked = new TestTextElement;
    page.addElement(locked, false);
    locked->setLocked(true);
    QSignalSpy removed(&page, &ISlide::sgElementsRemovedEvent);
    QSignalSpy changed(&page, &ISlide::sgSlideChangedEvent);
    QVERIFY(!page.removeElement(locked, false));
    QCOMPARE(locked->scene(), &page);
    QCOMPARE(page.elements(), QList<IElement*>{locked});
    QCOMPARE(removed.size(), 0);
    QCOMPARE(changed.size(), 1);
}

void TestISlide::removeElementNotOnPage()
{
    ISlide page;
    ISlide other;
    auto* e = new TestPathElement;
    other.addElement(e, false);
    QSignalSpy removed(&page, &ISlide::sgElementsRemovedEvent);
    QVERIFY(!page.removeElement(e, false));
    QVERIFY(!page.removeElement(nullptr, false));
    QCOMPARE(e->scene(), &other);
    QCOMPARE(removed.size(), 0);
}

void TestISlide::topZAfterRemoval()
{
    ISlide page;
    auto* stroke = new TestPathElement;
    auto* text = new TestTextElement;
    text->setZOrder(41.7);
    page.addElement(stroke, true);
    page.addElement(text, true);
    QCOMPARE(page.topZ(), 41.71);
    QVERIFY(page.removeElement(stroke, true));
    QCOMPARE(page.topZ(), 41.0);  // truncated
    QVERIFY(page.removeElement(text, true));
    QCOMPARE(page.topZ(), ISlide::BottomZ);
    delete stroke;
    delete text;
}

void TestISlide::clearStrokesAndText()
{
    ISlide page;
    auto* stroke = new TestPathElement;
    auto* text = new TestTextElement;
    auto* locked = new TestTextElement;
    // An element that is neither stroke nor text stays.
    class Plain : public IAbstractPathElement {
    public:
        IElement* clone() override { return nullptr; }
    };
    auto* plain = new Plain;
    locked->setLocked(true);
    for (IElement* e : QList<IElement*>{stroke, text, locked, plain}) {
        page.addElement(e, true);
    }
    QSignalSpy removed(&page, &ISlide::sgElementsRemovedEvent);
    const QSet<IElement*> out = page.clearStrokesAndText();
    QCOMPARE(out, (QSet<IElement*>{stroke, text}));
    QCOMPARE(page.elements(), (QList<IElement*>{locked, plain}));
    QVERIFY(!stroke->scene() && !text->scene());
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first().at(1).value<QList<IElement*>>(), (QList<IElement*>{stroke, text}));
    qDeleteAll(out);
    QVERIFY(page.clearStrokesAndText().isEmpty());
    QCOMPARE(removed.size(), 1);  // nothing removed, nothing announced
}

void TestISlide::textFrameNeedsABoardWithAFrameMaker()
{
    ISlide alone;
    QVERIFY(!alone.textFrame());

    IBoard board;
    auto* page = new ISlide;
    board.insertSlide(page, true);
    board.setTextFrameFactory({});
    QVERIFY(!page->textFrame());  // no frame maker
    int made = 0;
    board.setTextFrameFactory([&made](IBoard*) {
        ++made;
        return new TestTextFrame;
    });
    ISceneElementFrame* frame = page->textFrame();
    QVERIFY(frame);
    QCOMPARE(page->textFrame(), frame);
    QCOMPARE(made, 1);
    QCOMPARE(frame->frameItem()->scene(), page);
    QVERIFY(!frame->frameItem()->isVisible());
    QCOMPARE(page->createdTextFrame(), frame);
    QCOMPARE(board.textFrame(), frame);
}

void TestISlide::modeOwnedItemDeletedOnce_data()
{
    QTest::addColumn<bool>("pageFirst");
    QTest::newRow("board deleted with its page") << false;
    QTest::newRow("page deleted before the board") << true;
}

void TestISlide::modeOwnedItemDeletedOnce()
{
    QFETCH(bool, pageFirst);
    int deletions = 0;
    int elementDeletions = 0;
    auto* board = new IBoard;
    auto* page = new ISlide;
    board->insertSlide(page, true);
    auto* preview = new CountedItem(&deletions);
    page->addItem(preview);
    board->modeManager()->pencilPathMode()->adoptSceneItem(preview);
    page->addElement(new TestPathElement(QRectF(0, 0, 4, 4), Qt::blue, &elementDeletions), false);
    if (pageFirst) {
        delete page;
        QCOMPARE(deletions, 0);  // released to its mode
        QCOMPARE(elementDeletions, 1);
        QVERIFY(!board->currentSlide());
    }
    delete board;
    QCOMPARE(deletions, 1);
    QCOMPARE(elementDeletions, 1);
}

QTEST_MAIN(TestISlide)
#include "tst_islide.moc"
