#include <QtTest>

#include <QTextDocument>

#include "board/iboardstate.h"
#include "board/item/icommontextelementframe.h"
#include "board/item/itextelement.h"
#include "board/item/itextframebutton.h"
#include "board/ui/icolorpalette.h"
#include "board/ui/icolorpanel.h"
#include "board/ui/itextelementtoolbar.h"
#include "boardtesthelpers.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/itoolbutton.h"
#include "customui/kit/uiscale.h"

#include <QComboBox>

// The select mode and the text frame driven through the board's mouse routing, at every view
// rotation and at two zooms.

using Frame = ICommonTextElementFrame;
using Mode = KM_IBOARD_ENUM::ModeType;

namespace {

struct TextBoard : DrawingBoard {
    TextBoard(int rotation = 0, double scale = 1)
    {
        QApplication::setActiveWindow(&board);
        static_cast<void>(QTest::qWaitForWindowActive(&board));
        board.rotateBy(rotation);
        board.zoomBy(scale);
        text = new ITextElement;
        text->setFontFamily("Arial");
        text->setPointSize(24);
        text->setPlainText("Hello board");
        text->setTextWidthAtLeast(300);
        text->setPos(860, 480);
        text->setRotation(-board.rotation());  // upright on screen, as the text mode places it
        page->addElement(text, false);
        frame = dynamic_cast<Frame*>(board.textFrame());
    }
    QPoint view(const QPointF& local) const { return board.mapFromScene(text->mapToScene(local)); }
    QPoint centre() const { return view(text->boundingRect().center()); }
    void drag(QPoint from, QPoint to, bool release = true)
    {
        QWidget* v = board.viewport();
        sendMouse(v, QEvent::MouseButtonPress, from);
        for (int step = 1; step <= 4; ++step) {
            sendMouse(v, QEvent::MouseMove, from + (to - from) * step / 4, Qt::NoButton);
        }
        if (release) {
            sendMouse(v, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        }
    }
    void tap(const QPoint& at) { drag(at, at); }
    QPoint handle(ITextElementFrame::Handle h) const
    {
        ITextFrameButton* b = frame->button(h);
        return b->deviceTransform(board.viewportTransform()).map(QPointF()).toPoint();
    }
    QPointer<ITextElement> text;
    Frame* frame = nullptr;
};

QList<IToolButton*> stripButtons(Frame* frame)
{
    return frame->customMenuWidget()->findChildren<IToolButton*>();  // Lock, Copy, Delete
}

bool near(const QPointF& a, const QPointF& b, double tolerance = 2)
{
    return QLineF(a, b).length() <= tolerance;
}

}  // namespace

class TestTextSelection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(QStringLiteral("1033")); }
    void views_data();
    void tapDragAndPan_data() { views_data(); }
    void tapDragAndPan();
    void handles_data() { views_data(); }
    void handles();
    void stripEditAndLock();
    void heldElementDeletedElsewhere();
    void staleReleaseAndEndOfEdit();
    void toolbarShowsWithoutApplying();
    void overlayHasNoFrame();
};

void TestTextSelection::views_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<double>("scale");
    for (int rotation : {0, 90, 180, 270}) {
        for (double scale : {0.5, 2.0}) {
            QTest::addRow("%d deg x%g", rotation, scale) << rotation << scale;
        }
    }
}

void TestTextSelection::tapDragAndPan()
{
    QFETCH(int, rotation);
    QFETCH(double, scale);
    TextBoard f(rotation, scale);
    QVERIFY(f.frame);
    const QPoint c = f.centre();
    sendMouse(f.board.viewport(), QEvent::MouseButtonPress, c);
    QVERIFY(!f.frame->isVisible());  // shown on release
    sendMouse(f.board.viewport(), QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
    QVERIFY(f.frame->isVisible() && f.frame->isFrameSelected());
    QCOMPARE(f.frame->attachedItem(), f.text.data());
    QVERIFY(f.frame->customMenuWidget()->isVisible());
    // Handles keep their on-screen size and sit on the box's edges as the screen shows them.
    const QSize icon(int(24 * uiScale), int(24 * uiScale));
    for (int h = 0; h < ITextElementFrame::HandleCount; ++h) {
        ITextFrameButton* b = f.frame->button(ITextElementFrame::Handle(h));
        QCOMPARE(b->deviceTransform(f.board.viewportTransform()).mapRect(b->boundingRect()).size(),
                 QSizeF(icon));
    }
    const QRectF box = f.text->boundingRect();
    QVERIFY(near(f.handle(ITextElementFrame::RightEdge), f.view({box.right(), box.center().y()})));

    f.drag(c, c + QPoint(60, 40));
    QVERIFY(near(f.centre(), c + QPoint(60, 40)));
    QVERIFY(!f.text->hasFocus());  // a drag moves, it does not edit

    // A tap on a stroke frames it; one on the bare picture dismisses it, a drag there pans.
    auto* stroke = new TestPathElement(QRectF(1000, 560, 100, 100));
    f.page->addElement(stroke, false);
    f.tap(f.board.mapFromScene(QPointF(1050, 610)));
    QVERIFY(f.frame->isVisible());
    QCOMPARE(f.frame->attachedItem(), static_cast<QGraphicsItem*>(stroke));
    const QPoint s = f.board.mapFromScene(QPointF(1300, 610));
    f.tap(s);
    QVERIFY(!f.frame->isVisible());
    QVERIFY(!f.frame->attachedItem());
    f.drag(s, s + QPoint(50, 30));
    QVERIFY(near(f.board.mapFromScene(QPointF(1300, 610)), s + QPoint(50, 30)));
}

void TestTextSelection::handles()
{
    QFETCH(int, rotation);
    QFETCH(double, scale);
    TextBoard f(rotation, scale);
    f.tap(f.centre());
    const QFont font = f.text->font();
    QRectF box = f.text->boundingRect();
    const double width = f.text->textWidth();

    // Sides change the wrapping width only; the left one keeps the right edge in place.
    f.drag(f.handle(ITextElementFrame::RightEdge), f.view({box.right() + 100, box.center().y()}));
    QVERIFY(qAbs(f.text->textWidth() - (width + 100)) < 2 / scale + 1);
    box = f.text->boundingRect();
    const QPointF right = f.text->mapToScene(box.topRight());
    f.drag(f.handle(ITextElementFrame::LeftEdge), f.view({box.left() - 50, box.center().y()}));
    QVERIFY(qAbs(f.text->textWidth() - (width + 150)) < 4 / scale + 1);
    QVERIFY(near(f.text->mapToScene(f.text->boundingRect().topRight()), right, 2 / scale + 1));
    QCOMPARE(f.text->font(), font);
    QVERIFY(f.text->transform().isIdentity());

    // A corner scales the glyphs uniformly about the opposite corner.
    box = f.text->boundingRect();
    const QPointF topLeft = f.text->mapToScene(box.topLeft());
    // Grabbed at its outer part: on a thin box the side handle covers its inner part.
    const QPointF out = QPointF(f.handle(ITextElementFrame::BottomRight) - f.centre());
    const QPoint outward = (out * 9 / QLineF(QPointF(), out).length()).toPoint();
    f.drag(f.handle(ITextElementFrame::BottomRight) + outward,
           f.view(box.bottomRight() * 1.5) + outward);
    QVERIFY(qAbs(f.text->transform().m11() - 1.5) < 0.05);
    QCOMPARE(f.text->transform().m11(), f.text->transform().m22());
    QVERIFY(near(f.text->mapToScene(box.topLeft()), topLeft, 2 / scale + 1));
    QCOMPARE(f.text->font(), font);
    // The frame follows the box; its handles stay where the screen shows the corners.
    QVERIFY(near(f.handle(ITextElementFrame::BottomRight), f.view(box.bottomRight())));
}

void TestTextSelection::stripEditAndLock()
{
    TextBoard f;
    f.tap(f.centre());
    QList<IToolButton*> strip = stripButtons(f.frame);
    QCOMPARE(strip.size(), 3);

    QTest::mouseClick(strip.at(1), Qt::LeftButton);  // Copy
    QCOMPARE(f.page->elements().size(), 2);
    QPointer<ITextElement> copy =
        qobject_cast<ITextElement*>(f.frame->attachedItem()->toGraphicsObject());
    QVERIFY(copy && copy != f.text);
    QCOMPARE(copy->pos(), f.text->pos() + QPointF(15, 15));
    QCOMPARE(copy->toPlainText(), f.text->toPlainText());
    QVERIFY(f.frame->isVisible() && f.frame->isFrameSelected());

    QTest::mouseClick(strip.at(2), Qt::LeftButton);  // Delete: gone from the page, kept to undo
    QVERIFY(copy && !copy->scene());
    QCOMPARE(f.page->elements().size(), 1);
    QVERIFY(!f.frame->isVisible() && !f.frame->attachedItem());

    // A double click (a second tap on the selected box) edits it, with the toolbar beside it.
    f.tap(f.centre());
    sendMouse(f.board.viewport(), QEvent::MouseButtonDblClick, f.centre());
    sendMouse(f.board.viewport(), QEvent::MouseButtonRelease, f.centre(), Qt::LeftButton,
              Qt::NoButton);
    QVERIFY(f.frame->isItemEditing() && f.frame->isEditing());
    QVERIFY(f.text->hasFocus());
    QVERIFY(f.frame->toolBar()->isVisible());
    QCOMPARE(f.frame->toolBar()->sizeBox()->currentText(), QStringLiteral("24"));
    QVERIFY(!f.frame->customMenuWidget()->isVisible());
    f.board.setModeType(Mode::Pen);  // switching modes ends editing and hides the frame
    QVERIFY(!f.frame->isVisible() && !f.frame->isItemEditing());
    QVERIFY(!f.frame->toolBar()->isVisible());

    f.board.setModeType(Mode::Select);
    f.tap(f.centre());
    QTest::mouseClick(strip.at(0), Qt::LeftButton);  // Lock, for good
    QVERIFY(f.text->isLocked() && f.frame->lockButton()->isVisible());
    QVERIFY(!f.frame->button(ITextElementFrame::RightEdge)->isVisible());
    QVERIFY(!f.frame->customMenuWidget()->isVisible());
    const QPointF at = f.text->pos();
    f.drag(f.centre(), f.centre() + QPoint(80, 80));
    f.tap(f.centre());
    QCOMPARE(f.text->pos(), at);
    QVERIFY(f.frame->isVisible() && !f.frame->isItemEditing());
    QVERIFY(!f.frame->customMenuWidget()->isVisible());
    f.frame->onDelete();
    QVERIFY(f.page->clearStrokesAndText().isEmpty());
    QCOMPARE(f.page->elements().size(), 1);
}

void TestTextSelection::heldElementDeletedElsewhere()
{
    TextBoard f;
    f.tap(f.centre());
    f.tap(f.centre());
    QVERIFY(f.frame->toolBar()->element());
    // Cleared by the toolbar's clear button: the frame and the toolbar let go before deletion.
    qDeleteAll(f.page->clearStrokesAndText());
    QVERIFY(!f.text);
    QVERIFY(!f.frame->attachedItem() && !f.frame->toolBar()->element());
    QVERIFY(!f.frame->isVisible());
    f.frame->refresh();
    f.frame->onDelete();
    f.frame->onClone();
    f.frame->toolBar()->onTextBold();
    f.frame->toolBar()->onChangeFontSize("12");
    f.tap(QPoint(900, 500));
}

void TestTextSelection::staleReleaseAndEndOfEdit()
{
    TextBoard f;
    const QPoint c = f.centre();
    sendMouse(f.board.viewport(), QEvent::MouseButtonPress, c);
    f.board.clearSelection();
    sendMouse(f.board.viewport(), QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!f.frame->isVisible() && !f.frame->attachedItem());
    sendMouse(f.board.viewport(), QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!f.frame->isVisible());

    // Ending an edit does not leave the text mode; only the outside-click handler does.
    f.board.setModeType(Mode::Text);
    f.tap(QPoint(400, 300));
    auto* placed = dynamic_cast<ITextElement*>(f.page->elements().last());
    QVERIFY(placed && placed->hasFocus() && f.frame->isEditing());
    QCOMPARE(f.frame->attachedItem(), placed);
    placed->clearFocus();
    QCOMPARE(f.board.modeType(), Mode::Text);
    QVERIFY(!f.frame->isEditing() && !f.frame->toolBar()->isVisible());
}

void TestTextSelection::toolbarShowsWithoutApplying()
{
    TextBoard f;
    ITextElementToolBar bar(&f.board);
    bar.setElement(f.text);
    // "Arial" is drawn by another family here: the box shows that one and changes nothing.
    QCOMPARE(bar.familyBox()->currentText(), QFontInfo(f.text->font()).family());
    QCOMPARE(f.text->font().family(), QStringLiteral("Arial"));
    QCOMPARE(bar.sizeBox()->currentText(), QStringLiteral("24"));
    bar.sizeBox()->setCurrentText("8.8");
    QCOMPARE(f.text->font().pointSize(), 8);
    bar.onChangeFontSize("eight");
    QCOMPARE(f.text->font().pointSize(), 8);
    // The palette under the colour button: the box keeps editing while it is open.
    bar.onTextColor();
    QVERIFY(bar.palette()->isVisible() && !f.text->endEditOnFocusOut());
    f.text->setDefaultTextColor(QColor(0, 0, 0, 120));
    emit bar.palette()->sgChangeColor(Qt::blue);
    QCOMPARE(f.text->defaultTextColor(), QColor(0, 0, 255, 120));
    QVERIFY(!bar.palette()->isVisible() && f.text->endEditOnFocusOut());
    bar.familyBox()->setCurrentText(QFontInfo(QFont("DejaVu Serif")).family());
    QCOMPARE(QFontInfo(f.text->font()).family(), QFontInfo(QFont("DejaVu Serif")).family());
}

void TestTextSelection::overlayHasNoFrame()
{
    TextBoard f;
    f.text->setDefaultTextColor(Qt::black);
    f.tap(f.centre());
    f.tap(f.centre());
    QVERIFY(f.frame->isVisible() && f.frame->isItemEditing());
    const QImage layer = f.overlay();
    int textPixels = 0;
    int framePixels = 0;
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            const QColor c = layer.pixelColor(x, y);
            textPixels += c.alpha() > 128 && c.blue() < 80;
            framePixels += c.alpha() > 0 && near(QPointF(c.red(), c.green()), {95, 177}, 40) &&
                           qAbs(c.blue() - 222) < 40;
        }
    }
    QVERIFY(textPixels > 100);
    QCOMPARE(framePixels, 0);
}

QTEST_MAIN(TestTextSelection)
#include "tst_textframe.moc"
