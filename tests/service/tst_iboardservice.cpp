#include <QtTest>

#include <QCursor>
#include <QScreen>
#include <QUndoStack>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/imodemanager.h"
#include "board/path/ifigurepathmode.h"
#include "boardtesthelpers.h"
#include "iapplication.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

using Operation = std::function<void(IBoardService*)>;
Q_DECLARE_METATYPE(Operation)

// Runs against the real IApplication, whose global mouse signal the service follows.
class TestIBoardService : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void withoutABoardNothingHappens();
    void inkSettersForward();
    void eraserSizes();
    void penModeTruncates();
    void modeOperations_data();
    void modeOperations();
    void clearStrokesAndTextIsOneStep();
    void outsideClick_data();
    void outsideClick();
    void outsideClickWithCursorOffEveryScreen();
    void configurationStoreForwards();

private:
    IBoardService* service() { return IBoardService::instance(); }
    IApplication* app() { return static_cast<IApplication*>(qApp); }

    IBoard* board_ = nullptr;
    TestTextFrame* frame_ = nullptr;
};

void TestIBoardService::initTestCase()
{
    uiScale = 1.0;
    service()->attach(app());
    service()->init();
    service()->init();  // connected once however often it is called
}

void TestIBoardService::init()
{
    board_ = new IBoard;
    board_->resize(800, 600);
    board_->insertSlide(new ISlide, true);
    frame_ = new TestTextFrame;
    board_->setTextFrameFactory([this](IBoard*) { return frame_; });
    service()->attachBoard(board_);
}

void TestIBoardService::cleanup()
{
    service()->attachBoard(nullptr);
    IConfigureService::instance()->attachBoard(nullptr);
    if (!frame_->scene()) {
        delete frame_;  // never asked for
    }
    delete board_;
    board_ = nullptr;
    uiScale = 1.0;
}

void TestIBoardService::withoutABoardNothingHappens()
{
    service()->attachBoard(nullptr);
    service()->clearStrokesAndText();
    service()->setInkColor(Qt::blue);
    service()->setInkThickness(9);
    service()->setInkOpacity(9);
    service()->setEraserSize(9);
    service()->penMode(Qt::green, 3, 3, 0);
    service()->eraserMode(50, 0);
    service()->textMode(0);
    service()->linePathMode(0);
    emit app()->sgGMousePressEvent(QPoint(0, 0));
    QCOMPARE(board_->boardState()->inkColor(), QColor(Qt::red));
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::Select);
}

void TestIBoardService::inkSettersForward()
{
    IBoardState* state = board_->boardState();
    QSignalSpy spy(state, &IBoardState::notifyStateChanged);
    service()->setInkColor(Qt::red);  // already red
    QCOMPARE(spy.size(), 0);
    service()->setInkColor(Qt::blue);
    service()->setInkThickness(9);
    service()->setInkOpacity(100);
    QCOMPARE(state->inkColor(), QColor(Qt::blue));
    QCOMPARE(state->inkThickness(), 9.0);
    QCOMPARE(state->inkOpacity(), 100);
    QCOMPARE(spy.size(), 3);
}

void TestIBoardService::eraserSizes()
{
    uiScale = 1.5;
    service()->setEraserSize(100);
    QCOMPARE(board_->boardState()->pointEraserSize(), QSizeF(150, 150));
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::Select);
    service()->setEraserSize(80);
    // The toolbar's eraser gives the same on-screen size as the eraser panel.
    service()->eraserMode(100, 0);
    QCOMPARE(board_->boardState()->pointEraserSize(), QSizeF(150, 150));
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::PathErase);
}

void TestIBoardService::penModeTruncates()
{
    service()->penMode(QColor(Qt::green), 7.9, 200.6, 0);
    IBoardState* state = board_->boardState();
    QCOMPARE(state->inkColor(), QColor(Qt::green));
    QCOMPARE(state->inkThickness(), 7.0);
    QCOMPARE(state->inkOpacity(), 200);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::Pen);
}

void TestIBoardService::modeOperations_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("figureKind");
    QTest::newRow("text") << Operation([](IBoardService* s) { s->textMode(7); }) << 2 << 0;
    QTest::newRow("line") << Operation([](IBoardService* s) { s->linePathMode(7); }) << 9 << 1;
    QTest::newRow("circle") << Operation([](IBoardService* s) { s->circlePathMode(7); }) << 19
                            << 13;
    QTest::newRow("ellipse") << Operation([](IBoardService* s) { s->ellipsePathMode(7); }) << 20
                             << 14;
    QTest::newRow("rectangle") << Operation([](IBoardService* s) { s->rectanglePathMode(7); }) << 21
                               << 15;
    QTest::newRow("triangle") << Operation([](IBoardService* s) { s->trianglePathMode(7); }) << 24
                              << 18;
}

void TestIBoardService::modeOperations()
{
    QFETCH(Operation, operation);
    QFETCH(int, type);
    QFETCH(int, figureKind);
    QSignalSpy before(board_, &IBoard::sgBeforeModeChanged);
    QSignalSpy after(board_, &IBoard::sgAfterModeChanged);
    operation(service());
    QCOMPARE(int(board_->modeType()), type);
    if (figureKind) {
        QCOMPARE(board_->modeManager()->figurePathMode()->figureKind(), figureKind);
    }
    service()->selectMode(7);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::Select);
    QCOMPARE(before.size(), 2);
    QCOMPARE(after.size(), 2);
}

void TestIBoardService::clearStrokesAndTextIsOneStep()
{
    ISlide* page = board_->currentSlide();
    int deletions = 0;
    auto* stroke = new TestPathElement(QRectF(0, 0, 10, 10), Qt::blue, &deletions);
    auto* text = new TestTextElement("gone", &deletions);
    auto* locked = new TestTextElement("stays", &deletions);
    locked->setLocked(true);
    for (IElement* e : QList<IElement*>{stroke, text, locked}) {
        page->addElement(e, false);
    }
    board_->selectItem(text, true);
    service()->clearStrokesAndText();
    QCOMPARE(page->elements(), QList<IElement*>{locked});
    QVERIFY(!frame_->isVisible());
    QVERIFY(!frame_->groupActive);
    QCOMPARE(frame_->editEnds, 1);
    // The history holds what it removed: undone, the same elements return in their order.
    page->undoStack()->undo();
    QCOMPARE(page->elements(), (QList<IElement*>{stroke, text, locked}));
    page->undoStack()->redo();
    page->undoStack()->clear();
    QCOMPARE(deletions, 2);
}

void TestIBoardService::outsideClick_data()
{
    // The offscreen screen is 800 x 600: the working area is x 200-739, y 40-499 at scale 1.
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<int>("modeAfter");
    QTest::addColumn<bool>("frameCleared");
    QTest::newRow("text, bottom strip") << 2 << QPoint(400, 550) << 1 << false;
    QTest::newRow("text, left strip") << 2 << QPoint(100, 300) << 1 << false;
    QTest::newRow("text, inside") << 2 << QPoint(400, 300) << 2 << false;
    QTest::newRow("pen, bottom strip") << 5 << QPoint(400, 550) << 5 << false;
    QTest::newRow("select, top strip") << 1 << QPoint(400, 10) << 1 << true;
    QTest::newRow("select, inside") << 1 << QPoint(400, 300) << 1 << false;
}

void TestIBoardService::outsideClick()
{
    QFETCH(int, mode);
    QFETCH(QPoint, click);
    QFETCH(int, modeAfter);
    QFETCH(bool, frameCleared);
    QCursor::setPos(QPoint(10, 10));
    board_->setModeType(KM_IBOARD_ENUM::ModeType(mode));
    board_->selectItem(board_->currentSlide()->addRect(0, 0, 5, 5), true);  // the frame shows
    frame_->editEnds = 0;
    if (mode == 2 && modeAfter == 1) {
        QTest::ignoreMessage(QtDebugMsg, "text edit end!");
    }
    emit app()->sgGMousePressEvent(click);
    QCOMPARE(int(board_->modeType()), modeAfter);
    QCOMPARE(frame_->editEnds == 1 && !frame_->isVisible(), frameCleared);
}

void TestIBoardService::outsideClickWithCursorOffEveryScreen()
{
    QCursor::setPos(QPoint(-20000, -20000));
    if (QGuiApplication::screenAt(QCursor::pos())) {
        QSKIP("this platform keeps the cursor on a screen");
    }
    board_->setModeType(KM_IBOARD_ENUM::Text);
    QTest::ignoreMessage(QtDebugMsg, "text edit end!");
    emit app()->sgGMousePressEvent(QPoint(400, 590));  // judged against the primary screen
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::Select);
    QCursor::setPos(QPoint(10, 10));
}

void TestIBoardService::configurationStoreForwards()
{
    IConfigureService* config = IConfigureService::instance();
    config->setCameraResolution(QSize(1280, 720));  // no board yet: only stored
    config->attachBoard(board_);
    config->setPencilColor(QColor(Qt::cyan));
    config->setPencilThickness(12);
    config->setPencilTransparent(90);
    uiScale = 2.0;
    config->setEraseSize(40);
    IBoardState* state = board_->boardState();
    QCOMPARE(state->inkColor(), QColor(Qt::cyan));
    QCOMPARE(state->inkThickness(), 12.0);
    QCOMPARE(state->inkOpacity(), 90);
    QCOMPARE(state->pointEraserSize(), QSizeF(80, 80));
    QCOMPARE(config->value("pencil/thickness").toInt(), 12);
    config->setCameraResolution(QSize(3840, 2160));
    QCOMPARE(board_->pictureSize(), QSizeF(3840, 2160));
    config->setCameraResolution(QSize(0, 0));
    QCOMPARE(board_->pictureSize(), QSizeF(1920, 1080));
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaBoardServiceTest"), argc, argv);
    TestIBoardService test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_iboardservice.moc"
