#include <QtTest>

#include <QColorDialog>
#include <QLabel>
#include <QSettings>
#include <QToolButton>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/ui/icolorpalette.h"
#include "board/ui/icolorpanel.h"
#include "customui/kit/icolorbutton.h"
#include "customui/boardpanels/icolorframe.h"
#include "customui/boardpanels/ifigureframe.h"
#include "customui/kit/iicolorbutton.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/boardpanels/ithicknessframe.h"
#include "customui/kit/itoolbutton.h"
#include "customui/boardpanels/itransparentframe.h"
#include "kittesthelpers.h"
#include "modalanswerer.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

// The board panels and the text colour palette against a real board: what each choice stores in
// application.ini and gives the board, which buttons show it, and the spectrum picker.
class TestBoardPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void immediateChoices();
    void transparencyPreviewsUntilClosed();
    void shapePanelReappliesTheLastFigure();
    void paletteButtonsAndPicker();
    void pickerReadsTheClickedPoint_data();
    void pickerReadsTheClickedPoint();

private:
    IBoard* board_ = nullptr;
};

namespace {

QVariant stored(const QString& key)
{
    return QSettings(IConfigureService::settingsFile(), QSettings::IniFormat).value(key);
}

// The checked ones of `buttons`, each as `name` gives it (its tool tip by default).
template <class Button, class Name = QString (*)(QWidget*)>
QStringList checkedNames(
    const QList<Button*>& buttons, Name name = [](QWidget* button) { return button->toolTip(); })
{
    QStringList names;
    for (Button* button : buttons) {
        if (button->isChecked()) {
            names << name(button);
        }
    }
    return names;
}

}  // namespace

void TestBoardPanels::initTestCase()
{
    uiScaleX = uiScaleY = uiScale = 1.0;
}

void TestBoardPanels::init()
{
    board_ = new IBoard;
    board_->insertSlide(new ISlide, true);
    IBoardService::instance()->attachBoard(board_);
}

void TestBoardPanels::cleanup()
{
    IBoardService::instance()->attachBoard(nullptr);
    delete board_;
}

// Thickness and colour reach the file and the board at once; exactly the matching button is
// checked, none for a value without a button; an invalid or cancelled colour changes nothing.
void TestBoardPanels::immediateChoices()
{
    IThicknessFrame thickness(nullptr);
    IColorFrame colour(nullptr);
    IBoardState* state = board_->boardState();
    const auto expectThickness = [&](int value, const QStringList& checked) {
        QCOMPARE(stored("pencil/thickness").toInt(), value);
        QCOMPARE(state->inkThickness(), double(thickness.thickness()));
        QCOMPARE(checkedNames(thickness.findChildren<IIColorButton*>()), checked);
    };
    QTest::mouseClick(thickness.button(7), Qt::LeftButton);
    expectThickness(7, {"7 thickness"});
    QTest::mouseClick(thickness.button(30), Qt::LeftButton);
    QTest::mouseClick(thickness.button(30), Qt::LeftButton);
    expectThickness(30, {"30 thickness"});
    thickness.setThickness(4);
    expectThickness(4, {});

    const auto expectColour = [&](const QColor& value, const QStringList& checked) {
        QCOMPARE(stored("pencil/color").value<QColor>(), value);
        QCOMPARE(state->inkColor(), colour.color());
        QCOMPARE(checkedNames(colour.colorButtons()), checked);
    };
    QTest::mouseClick(colour.colorButtons().at(2), Qt::LeftButton);
    expectColour(Qt::blue, {"Blue"});
    colour.setColor(QColor(10, 20, 30));
    expectColour(QColor(10, 20, 30), {});
    colour.setColor(QColor());
    colour.slButtonClick(true, QStringLiteral("no colour"));
    expectColour(QColor(10, 20, 30), {});
    for (const QColor& answer : {QColor(0, 255, 0), QColor()}) {
        answerNextModal([answer](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            dialog->setCurrentColor(Qt::cyan);
            answer.isValid() ? (dialog->setCurrentColor(answer), dialog->accept())
                             : dialog->reject();
        });
        QTest::mouseClick(colour.moreButton(), Qt::LeftButton);
        expectColour(QColor(0, 255, 0), {"Green"});
    }
}

void TestBoardPanels::transparencyPreviewsUntilClosed()
{
    IConfigureService::instance()->setPencilColor(QColor(10, 20, 30));
    ITransparentFrame panel(nullptr);
    panel.setValue(90);
    panel.showPanel(true);
    QVERIFY(panel.preview()->styleSheet().contains("rgba(10,20,30,90)"));
    // The lowest step shows no ink, and is still what the panel stores when it closes.
    panel.setValue(1);
    QVERIFY(panel.preview()->styleSheet().contains("rgba(10,20,30,0)"));
    panel.showPanel(false);
    QCOMPARE(stored("pencil/transparent").toInt(), 1);
}

void TestBoardPanels::shapePanelReappliesTheLastFigure()
{
    IFigureFrame figure(nullptr);
    figure.showPanel(true);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::LinePath);
    QTest::mouseClick(figure.button(IFigureFrame::Oval), Qt::LeftButton);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::EllipsePath);
    // A second click keeps the button checked, and only that one.
    QTest::mouseClick(figure.button(IFigureFrame::Oval), Qt::LeftButton);
    const auto id = [](IIToolButton* button) { return button->data().toString(); };
    QList<IIToolButton*> figures = figure.findChildren<IIToolButton*>();
    figures.removeOne(figure.filledSwitch());
    QCOMPARE(checkedNames(figures, id), QStringList{"2"});
    figure.showPanel(false);
    IBoardService::instance()->selectMode(0);
    figure.showPanel(true);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::EllipsePath);
    // Ids that are no figure change nothing.
    figure.applyFigure(6);
    figure.applyFigure(QStringLiteral("line"));
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::EllipsePath);
}

void TestBoardPanels::paletteButtonsAndPicker()
{
    IColorPalette palette;
    QSignalSpy changed(&palette, &IColorPalette::sgChangeColor);
    const QList<IColorButton*> buttons = palette.colorButtons();
    const auto checkedColours = [&buttons]() {
        return checkedNames(buttons, [](IColorButton* button) { return button->color().name(); });
    };
    QTest::mouseClick(buttons.at(3), Qt::LeftButton);
    QCOMPARE(changed.last().at(0).value<QColor>(), QColor(0, 176, 78));
    QCOMPARE(checkedColours(), QStringList{"#00b04e"});
    palette.setPaletteColor(QColor(1, 2, 3));
    QCOMPARE(checkedColours(), QStringList{});
    // A spectrum colour comes back as a QColor and checks no button.
    IColorPanel* picker = palette.colorPanel();
    emit picker->sgChangeColor(true, QColor(12, 34, 56));
    QCOMPARE(changed.last().at(0).value<QColor>(), QColor(12, 34, 56));
    QCOMPARE(checkedColours(), QStringList{});
    // "More" opens the picker modally; its close icon ends it.
    answerNextModal([](QWidget* modal) { modal->close(); });
    QTest::mouseClick(palette.moreButton(), Qt::LeftButton);
    QVERIFY(!picker->isVisible());
}

void TestBoardPanels::pickerReadsTheClickedPoint_data()
{
    QTest::addColumn<QPointF>("at");  // fractions of the picture; outside 0..1 is off it
    QTest::addColumn<QColor>("expected");
    QTest::newRow("top left") << QPointF(0, 0) << QColor(Qt::white);
    QTest::newRow("bottom right") << QPointF(0.999, 0.999) << QColor(Qt::black);
    QTest::newRow("middle left") << QPointF(0, 0.5) << QColor(Qt::darkRed);
    QTest::newRow("middle right") << QPointF(0.999, 0.5) << QColor(Qt::red);
    QTest::newRow("green stop") << QPointF(0.4, 0.5) << QColor(Qt::green);
    QTest::newRow("outside") << QPointF(1.01, 0.5) << QColor();
}

void TestBoardPanels::pickerReadsTheClickedPoint()
{
    QFETCH(QPointF, at);
    QFETCH(QColor, expected);
    uiScaleX = 0.5;  // the picture follows the horizontal and vertical scales
    IColorPanel picker;
    uiScaleX = 1.0;
    QCOMPARE(picker.picture().size(), QSize(250, 300));
    QToolButton* button = picker.pictureButton();
    // Keep the button wider than its picture so that a point can lie off the picture.
    button->setFixedSize(260, 300);
    picker.show();
    QSignalSpy picked(&picker, &IColorPanel::sgChangeColor);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5 + int(at.x() * 250), int(at.y() * 300)));
    // The keyboard gives no point to read.
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(picked.size(), expected.isValid() ? 1 : 0);
    if (expected.isValid()) {
        const QColor colour = picked.first().at(1).value<QColor>();
        QVERIFY2(near(colour, expected, 12), qPrintable(colour.name()));
    }
}

QTEST_MAIN(TestBoardPanels)
#include "tst_boardpanels.moc"
