#include <QtTest>

#include <QProcess>

#include "board/iboard.h"
#include "board/iscenelementframe.h"
#include "board/islide.h"
#include "board/path/iarrowpathelement.h"
#include "customui/boardpanels/ifigureframe.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/shell/iboardtoolbar.h"
#include "customui/shell/irighttoolbar.h"
#include "iapplication.h"
#include "mainframe.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"

// The board in the main window under Xvfb and openbox, used through real pointer and key input
// (xdotool); pixels are read from the annotation layer the board renders.

using Mode = KM_IBOARD_ENUM::ModeType;

class TestBoardWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { delete frame_; }
    void undoClearSelectAndShapes();

private:
    static void xdotool(QStringList args) { QCOMPARE(QProcess::execute("xdotool", args), 0); }
    // The screen point of a board scene point or of a widget's centre: a pointer move there.
    QStringList to(const QPointF& p) const
    {
        return to(board_->viewport(), board_->mapFromScene(p));
    }
    static QStringList to(QWidget* w, const QPoint& p)
    {
        const QPoint g = w->mapToGlobal(p);
        return {"mousemove", "--sync", QString::number(g.x()), QString::number(g.y())};
    }
    void click(const QPointF& p) { xdotool(to(p) + QStringList{"click", "1"}); }
    void clickWidget(QWidget* w) { xdotool(to(w, w->rect().center()) + QStringList{"click", "1"}); }
    void drag(const QVector<QPointF>& points)
    {
        xdotool(to(points.first()) + QStringList{"mousedown", "1"});
        for (const QPointF& p : points.mid(1)) {
            xdotool(to(p));
        }
        xdotool({"mouseup", "1"});
        QTest::qWait(100);
    }
    void key(const QString& keys) { xdotool({"key", "--delay", "50", keys}); }
    void tool(const QString& keys, Mode mode)
    {
        key(keys);
        QTRY_COMPARE(board_->modeType(), mode);
    }
    QImage layer() const { return board_->renderOverlay(board_->backgroundRect().size().toSize()); }
    bool inked(const QPointF& p) const
    {
        return qAlpha(layer().pixel((p - board_->backgroundRect().topLeft()).toPoint())) > 0;
    }
    // A point of the picture, in fractions of its size.
    QPointF pic(double fx, double fy) const
    {
        const QRectF r = board_->backgroundRect();
        return QPointF(r.left() + r.width() * fx, r.top() + r.height() * fy);
    }

    MainFrame* frame_ = nullptr;
    IBoard* board_ = nullptr;
    IBoardToolBar* bar_ = nullptr;
};

void TestBoardWindow::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    QVERIFY2(QGuiApplication::platformName() == "xcb", "needs the test runner's Xvfb");
    auto* app = static_cast<IApplication*>(qApp);
    frame_ = new MainFrame(app);
    board_ = frame_->findChild<IBoard*>();
    bar_ = frame_->findChild<IBoardToolBar*>();
    QVERIFY(board_ && bar_);
    IBoardService::instance()->attach(app);
    IBoardService::instance()->attachBoard(board_);
    IBoardService::instance()->init();
    IConfigureService::instance()->attach(app);
    frame_->initScene();
    QTRY_VERIFY(frame_->isVisible() && QTest::qWaitForWindowExposed(frame_));
    QTRY_VERIFY(!board_->backgroundRect().isEmpty());
    clickWidget(frame_->findChild<IRightToolBar*>()->button(IRightToolBar::Board));
    QTRY_VERIFY(bar_->isVisible());
}

void TestBoardWindow::undoClearSelectAndShapes()
{
    ISlide* page = board_->currentSlide();
    tool("p", Mode::Pen);
    drag({pic(0.2, 0.2), pic(0.3, 0.2), pic(0.4, 0.2)});
    QTRY_COMPARE(page->elements().size(), 1);
    QVERIFY(inked(pic(0.3, 0.2)));
    QVERIFY(bar_->button(IBoardToolBar::Undo)->isEnabled());
    key("ctrl+z");
    QTRY_VERIFY(!inked(pic(0.3, 0.2)));
    key("ctrl+y");
    QTRY_VERIFY(inked(pic(0.3, 0.2)));

    // Three elements, cleared with one click, back with one undo.
    tool("r", Mode::LinePath);  // the last chosen shape: the straight line
    drag({pic(0.2, 0.4), pic(0.3, 0.4), pic(0.4, 0.4)});
    key("p");
    drag({pic(0.2, 0.6), pic(0.3, 0.65), pic(0.4, 0.6)});
    QTRY_COMPARE(page->elements().size(), 3);
    const QList<IElement*> three = page->elements();
    clickWidget(bar_->button(IBoardToolBar::Clear));
    QTRY_VERIFY(page->elements().isEmpty());
    key("ctrl+z");
    QTRY_COMPARE(page->elements(), three);
    QVERIFY(inked(pic(0.3, 0.2)) && inked(pic(0.3, 0.4)));

    // A tap selects the first stroke; dragging it moves its pixels.
    tool("s", Mode::Select);
    click(pic(0.3, 0.2));
    QTRY_VERIFY(board_->textFrame()->frameItem()->isVisible());
    drag({pic(0.3, 0.2), pic(0.32, 0.25), pic(0.35, 0.3), pic(0.35, 0.3)});
    QTRY_VERIFY(inked(pic(0.35, 0.3)));
    QVERIFY(!inked(pic(0.3, 0.2)));

    // The line, selected by a tap, goes with the Delete key.
    click(pic(0.3, 0.4));
    QTRY_COMPARE(board_->textFrame()->attachedItem(), dynamic_cast<QGraphicsItem*>(three.at(1)));
    key("Delete");
    QTRY_COMPARE(page->elements().size(), 2);

    // A text box, then an outlined rectangle around it: the text's pixels stay as they were.
    tool("t", Mode::Text);
    click(pic(0.65, 0.25));  // away from the centre, where tips show
    QTRY_COMPARE(page->elements().size(), 3);
    xdotool({"type", "--delay", "50", "Hi there"});
    key("Escape");
    auto* text = dynamic_cast<QGraphicsItem*>(page->elements().last());
    QTRY_VERIFY(text->boundingRect().width() < 400);
    const QRect box =
        text->sceneBoundingRect().translated(-board_->backgroundRect().topLeft()).toAlignedRect();
    const QImage before = layer().copy(box);
    IIToolButton* shapes = bar_->button(IBoardToolBar::Shape);
    clickWidget(shapes);
    auto* panel = frame_->findChild<IFigureFrame*>();
    QTRY_VERIFY(panel->isVisible());
    clickWidget(panel->filledSwitch());
    clickWidget(panel->button(IFigureFrame::Rectangle));
    const QPointF corner = box.topLeft() + board_->backgroundRect().topLeft() - QPointF(30, 30);
    drag({corner, corner + QPointF(box.width(), box.height()) / 2,
          corner + QPointF(box.width() + 60, box.height() + 60)});
    QTRY_COMPARE(page->elements().size(), 4);
    QCOMPARE(layer().copy(box), before);
    QVERIFY(inked(corner));

    // The arrow's head ends where the pointer was released.
    clickWidget(shapes);
    QTRY_VERIFY(panel->isVisible());
    clickWidget(panel->button(IFigureFrame::Arrow));
    drag({pic(0.2, 0.8), pic(0.3, 0.8), pic(0.45, 0.8)});
    QTRY_COMPARE(page->elements().size(), 5);
    auto* arrow = dynamic_cast<IArrowPathElement*>(page->elements().last());
    const QPointF release = board_->mapToScene(board_->mapFromScene(pic(0.45, 0.8)));
    QVERIFY(arrow && QLineF(arrow->endPoint(), release).length() <= 1.5);
    QVERIFY(inked(arrow->endPoint() - QPointF(2, 0)) && !inked(arrow->endPoint() + QPointF(4, 0)));
    QVERIFY(inked(arrow->endPoint() -
                  QPointF(IArrowPathElement::headLength(arrow->width()) - 3, arrow->width() + 3)));

    for (const auto& [keys, mode] : {std::pair{"p", Mode::Pen},
                                     {"e", Mode::PathErase},
                                     {"t", Mode::Text},
                                     {"s", Mode::Select},
                                     {"r", Mode::ArrowPath}}) {
        tool(keys, mode);
    }
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaBoardWindowTest"), argc, argv);
    TestBoardWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_board_window.moc"
