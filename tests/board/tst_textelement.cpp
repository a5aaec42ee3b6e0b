#include <QtTest>

#include <QMenu>
#include <QTextDocument>
#include <cmath>

#include "board/iboardstate.h"
#include "board/item/itextelement.h"
#include "boardtesthelpers.h"
#include "customui/kit/iappfont.h"

// Text boxes placed by the text mode through the board's mouse routing, edited, restyled,
// resized and stored as properties.

using Mode = KM_IBOARD_ENUM::ModeType;

namespace {

ITextElement* placeText(DrawingBoard& f, const QPointF& at)
{
    QApplication::setActiveWindow(&f.board);
    static_cast<void>(QTest::qWaitForWindowActive(&f.board));
    f.board.setModeType(Mode::Text);
    f.drag({at, at});
    return dynamic_cast<ITextElement*>(f.page->elements().value(f.page->elements().size() - 1));
}

}  // namespace

class TestTextBoxes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(QStringLiteral("1033")); }
    void placeTypeAndEnd();
    void popupKeepsEditing();
    void marginPressPlacesNothing();
    void styling_data();
    void styling();
    void resizeAndRotation();
    void malformedPropertiesAreIgnored_data();
    void malformedPropertiesAreIgnored();
    void copyAndEraser();
};

void TestTextBoxes::placeTypeAndEnd()
{
    DrawingBoard f;
    f.board.boardState()->setInkColor(Qt::blue);
    f.board.boardState()->setInkOpacity(200);
    ITextElement* text = placeText(f, {300, 300});
    QVERIFY(text);
    QCOMPARE(text->pos(), QPointF(300, 300));
    QCOMPARE(text->textWidth(), 500.0);
    QCOMPARE(text->font().pointSize(), 24);
    QCOMPARE(QFontInfo(text->font()).family(), QFontInfo(QFont("Liberation Sans")).family());
    QCOMPARE(text->defaultTextColor(), QColor(0, 0, 255, 200));
    QVERIFY(text->hasFocus());
    QSignalSpy ended(text, &ITextElement::endEdit);
    QTest::keyClicks(f.board.viewport(), "abc");
    QCOMPARE(text->toPlainText(), QStringLiteral("abc"));
    // A second box takes the focus: the first one shrinks to its text.
    ITextElement* next = placeText(f, {300, 600});
    QVERIFY(next && next->hasFocus());
    QCOMPARE(ended.size(), 1);
    QCOMPARE(text->textWidth(),
             std::max(text->document()->idealWidth(), QFontMetricsF(text->font()).height()));
    QCOMPARE(text->textInteractionFlags(), Qt::NoTextInteraction);
    // Text pixels come out in the ink colour at the ink opacity.
    const QImage layer = f.overlay().copy(text->sceneBoundingRect().toRect());
    bool inked = false;
    for (int y = 0; y < layer.height() && !inked; ++y) {
        for (int x = 0; x < layer.width() && !inked; ++x) {
            const QColor p = layer.pixelColor(x, y);
            inked = p.alpha() == 200 && p.blue() >= 250 && p.red() + p.green() <= 4;
        }
    }

    QVERIFY(inked);
}

void TestTextBoxes::popupKeepsEditing()
{
    DrawingBoard f;
    ITextElement* text = placeText(f, {300, 300});
    QMenu menu;
    menu.addAction("entry");
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(f.page, &out);
    menu.close();
    QCOMPARE(text->textInteractionFlags(), ITextElement::EditingFlags);
}

void TestTextBoxes::marginPressPlacesNothing()
{
    DrawingBoard f;
    f.board.zoomBy(0.5);
    f.board.setModeType(Mode::Text);
    QWidget* view = f.board.viewport();
    sendMouse(view, QEvent::MouseButtonPress, QPoint(2, 2));
    sendMouse(view, QEvent::MouseButtonRelease, view->rect().center(), Qt::LeftButton,
              Qt::NoButton);
    QVERIFY(f.page->elements().isEmpty());
}

void TestTextBoxes::styling_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<int>("bolds");
    QTest::addColumn<int>("expectedWeight");
    QTest::addColumn<int>("expectedSize");
    QTest::newRow("bold") << 50 << 8.8 << 1 << 75 << 8;
    QTest::newRow("bold twice") << 50 << 12.0 << 2 << 50 << 12;
    QTest::newRow("demi-bold") << 63 << 0.0 << 1 << 50 << 24;
    QTest::newRow("no number") << 50 << std::nan("") << 0 << 50 << 24;
}

void TestTextBoxes::styling()
{
    QFETCH(int, weight);
    QFETCH(double, pointSize);
    QFETCH(int, bolds);
    QFETCH(int, expectedWeight);
    QFETCH(int, expectedSize);
    ITextElement text;
    text.setPointSize(24);
    text.setProperty(IElement::FontProperty, QStringLiteral("Arial,24,%1,0").arg(weight));
    if (!(pointSize >= 1)) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("text point size ignored"));
    }
    text.setPointSize(pointSize);
    for (int i = 0; i < bolds; ++i) {
        text.toggleBold();
    }
    QCOMPARE(text.font().weight(), expectedWeight);
    QCOMPARE(text.font().pointSize(), expectedSize);
    // Without selected text no highlight is applied or recorded.
    text.setPlainText("plain");
    text.setSelectionBackground(Qt::yellow);
    QCOMPARE(text.highlightColor().alpha(), 0);
}

void TestTextBoxes::resizeAndRotation()
{
    DrawingBoard f;
    f.board.rotateBy(90);
    ITextElement* text = placeText(f, {300, 300});
    QCOMPARE(text->rotation(), -90.0);
    // The view's turn and the box's cancel out: the box stands upright on the screen.
    const QTransform onScreen = text->sceneTransform() * f.board.viewportTransform();
    QVERIFY(qAbs(onScreen.m12()) < 1e-9 && onScreen.m11() > 0);
    ITextElement plain;
    plain.setTextWidthAtLeast(200);
    const double before = plain.textWidth();
    plain.resize(plain.size().width() * 1.5, 10);
    QVERIFY(qAbs(plain.textWidth() - before * 1.5) < 1e-9);
}

void TestTextBoxes::malformedPropertiesAreIgnored_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("font with three parts") << int(IElement::FontProperty) << "Arial,12,50";
    QTest::newRow("font size no number") << int(IElement::FontProperty) << "Arial,x,50,0";
    QTest::newRow("font size zero") << int(IElement::FontProperty) << "Arial,0,50,0";
    QTest::newRow("box with one part") << int(IElement::BoxProperty) << "300";
    QTest::newRow("box not numbers") << int(IElement::BoxProperty) << "a,b,c,d";
}

void TestTextBoxes::malformedPropertiesAreIgnored()
{
    QFETCH(int, key);
    QFETCH(QString, value);
    ITextElement text;
    text.setTextWidthAtLeast(400);
    const QString font = text.property(IElement::FontProperty).toString();
    const QString box = text.property(IElement::BoxProperty).toString();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("property ignored"));
    text.setProperty(key, value);
    QCOMPARE(text.property(IElement::BoxProperty).toString() + text.property(31).toString(),
             box + font);
    // What the box writes, it reads back.
    ITextElement copy;
    copy.setProperty(IElement::FontProperty, font);
    copy.setProperty(IElement::BoxProperty, box);
    QCOMPARE(copy.property(IElement::BoxProperty).toString() + copy.property(31).toString(),
             box + font);
}

void TestTextBoxes::copyAndEraser()
{
    DrawingBoard f;
    ITextElement* text = placeText(f, {300, 300});
    text->setHtml("<b>bold</b> words");
    auto* copy = dynamic_cast<ITextElement*>(text->clone());
    QCOMPARE(copy->toPlainText(), QStringLiteral("bold words"));
    QVERIFY(!copy->toHtml().contains("font-weight:600"));
    delete copy;
    f.board.setModeType(Mode::PathErase);
    QTest::ignoreMessage(QtDebugMsg, "erase KM_RichText...");
    f.drag({{250, 320}, {400, 320}, {500, 320}});
    QCOMPARE(f.page->elements().size(), 1);
}

QTEST_MAIN(TestTextBoxes)
#include "tst_textelement.moc"
