#include <QtTest>

#include <QColorDialog>
#include <QSettings>
#include <QToolButton>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/ui/icolorpalette.h"
#include "board/ui/icolorpanel.h"
#include "customui/icolorbutton.h"
#include "customui/icolorframe.h"
#include "customui/ifigureframe.h"
#include "customui/iicolorbutton.h"
#include "customui/iitoolbutton.h"
#include "customui/ithicknessframe.h"
#include "customui/itoolbutton.h"
#include "kittesthelpers.h"
#include "modalanswerer.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "uiscale.h"

using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

// The board panels and the text colour palette against a real board: what each choice stores in
// application.ini and gives the board, which buttons show it, and the spectrum picker.
class TestBoardPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void immediateChoices_data();
    void immediateChoices();
    void shapePanelReappliesTheLastFigure();
    void paletteButtonsAndPicker();
    void pickerReadsTheClickedPoint_data();
    void pickerReadsTheClickedPoint();

private:
    QVariant stored(const QString& key) const;

    IBoard* board_ = nullptr;
    IThicknessFrame* thickness_ = nullptr;
    IColorFrame* colour_ = nullptr;
    IFigureFrame* figure_ = nullptr;
};

void TestBoardPanels::initTestCase()
{
    uiScaleX = uiScaleY = uiScale = 1.0;
    qRegisterMetaType<QVariant>();
}

void TestBoardPanels::cleanupTestCase()
{
    IBoardService::instance()->attachBoard(nullptr);
}

void TestBoardPanels::init()
{
    board_ = new IBoard;
    board_->resize(800, 600);
    board_->insertSlide(new ISlide, true);
    IBoardService::instance()->attachBoard(board_);
    thickness_ = new IThicknessFrame(nullptr);
    colour_ = new IColorFrame(nullptr);
    figure_ = new IFigureFrame(nullptr);
}

void TestBoardPanels::cleanup()
{
    delete thickness_;
    delete colour_;
    delete figure_;
    IBoardService::instance()->attachBoard(nullptr);
    delete board_;
}

QVariant TestBoardPanels::stored(const QString& key) const
{
    return QSettings(IConfigureService::settingsFile(), QSettings::IniFormat).value(key);
}

// Each row acts on the thickness or colour panel; the value reaches the file and the board at
// once, and exactly the buttons listed (by tool tip) are checked.
void TestBoardPanels::immediateChoices_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QStringList>("checked");
    const auto clickThickness = [this](int value) {
        return Action(
            [this, value]() { QTest::mouseClick(thickness_->button(value), Qt::LeftButton); });
    };
    const auto clickColour = [this](int index) {
        return Action([this, index]() {
            QTest::mouseClick(colour_->colorButtons().at(index), Qt::LeftButton);
        });
    };
    QTest::newRow("thickness 7 clicked")
        << clickThickness(7) << 7 << QColor() << QStringList{"7 thickness"};
    // A click on the checked button leaves it checked.
    QTest::newRow("thickness 30 clicked twice") << Action([=]() {
        clickThickness(30)();
        clickThickness(30)();
    }) << 30 << QColor() << QStringList{"30 thickness"};
    QTest::newRow("thickness without button") << Action([this]() {
        thickness_->setThickness(20);
        thickness_->setThickness(4);
    }) << 4 << QColor() << QStringList{};
    QTest::newRow("blue clicked") << clickColour(2) << 0 << QColor(Qt::blue) << QStringList{"Blue"};
    QTest::newRow("set white") << Action([this]() { colour_->setColor(Qt::white); }) << 0
                               << QColor(Qt::white) << QStringList{"White"};
    QTest::newRow("colour without button") << Action([this]() {
        colour_->setColor(Qt::green);
        colour_->setColor(QColor(10, 20, 30));
    }) << 0 << QColor(10, 20, 30) << QStringList{};
    QTest::newRow("invalid colour changes nothing") << Action([this]() {
        colour_->setColor(Qt::cyan);
        colour_->setColor(QColor());
        colour_->slButtonClick(true, QStringLiteral("no colour"));
    }) << 0 << QColor(Qt::cyan) << QStringList{"Cyan"};
    QTest::newRow("colour dialog") << Action([this]() {
        answerNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            QVERIFY(dialog);
            dialog->setCurrentColor(QColor(0, 255, 0));
            dialog->accept();
        });
        QTest::mouseClick(colour_->moreButton(), Qt::LeftButton);
    }) << 0 << QColor(0, 255, 0) << QStringList{"Green"};
    QTest::newRow("colour dialog cancelled") << Action([this]() {
        colour_->setColor(Qt::red);
        answerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
        QTest::mouseClick(colour_->moreButton(), Qt::LeftButton);
    }) << 0 << QColor(Qt::red) << QStringList{"Red"};
}

void TestBoardPanels::immediateChoices()
{
    QFETCH(Action, action);
    QFETCH(int, thickness);
    QFETCH(QColor, colour);
    QFETCH(QStringList, checked);
    thickness_->show();
    colour_->show();
    action();
    QStringList seen;
    const auto collect = [&seen](QAbstractButton* button) {
        if (button->isChecked()) {
            seen << button->toolTip();
        }
    };
    IBoardState* state = board_->boardState();
    if (thickness) {
        QCOMPARE(thickness_->thickness(), thickness);
        QCOMPARE(stored("pencil/thickness").toInt(), thickness);
        QCOMPARE(state->inkThickness(), double(thickness));
        for (int value : {1, 3, 5, 7, 10, 20, 30}) {
            collect(thickness_->button(value));
        }
    } else {
        QCOMPARE(colour_->color(), colour);
        QCOMPARE(stored("pencil/color").value<QColor>(), colour);
        QCOMPARE(IConfigureService::instance()->pencilColor(), colour);
        QCOMPARE(state->inkColor(), colour);
        for (IIColorButton* button : colour_->colorButtons()) {
            collect(button);
        }
    }
    QCOMPARE(seen, checked);
}

void TestBoardPanels::shapePanelReappliesTheLastFigure()
{
    figure_->showPanel(true);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::LinePath);
    QVERIFY(figure_->button(IFigureFrame::Line)->isChecked());
    QTest::mouseClick(figure_->button(IFigureFrame::Oval), Qt::LeftButton);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::EllipsePath);
    // A second click on the checked button keeps it checked.
    QTest::mouseClick(figure_->button(IFigureFrame::Oval), Qt::LeftButton);
    QVERIFY(figure_->button(IFigureFrame::Oval)->isChecked());
    QVERIFY(!figure_->button(IFigureFrame::Line)->isChecked());
    figure_->showPanel(false);
    IBoardService::instance()->selectMode(0);
    figure_->showPanel(true);
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::EllipsePath);
    // Ids that are no figure change nothing.
    figure_->applyFigure(5);
    figure_->applyFigure(QStringLiteral("line"));
    QCOMPARE(board_->modeType(), KM_IBOARD_ENUM::EllipsePath);
}

void TestBoardPanels::paletteButtonsAndPicker()
{
    IColorPalette palette;
    QSignalSpy changed(&palette, &IColorPalette::sgChangeColor);
    const QList<IColorButton*> buttons = palette.colorButtons();
    QCOMPARE(buttons.size(), 7);
    const auto checkedColours = [&buttons]() {
        QStringList names;
        for (IColorButton* button : buttons) {
            if (button->isChecked()) {
                names << button->color().name();
            }
        }
        return names;
    };
    QTest::mouseClick(buttons.at(3), Qt::LeftButton);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.last().at(0).value<QColor>(), QColor(0, 176, 78));
    QCOMPARE(checkedColours(), QStringList{"#00b04e"});
    QTest::mouseClick(buttons.at(0), Qt::LeftButton);
    QCOMPARE(checkedColours(), QStringList{"#000000"});
    palette.setPaletteColor(QColor(1, 2, 3));
    QCOMPARE(checkedColours(), QStringList{});

    // A spectrum colour comes back as a QColor and checks no button.
    IColorPanel* picker = palette.colorPanel();
    QVERIFY(picker && !picker->isVisible());
    emit picker->sgChangeColor(true, QColor(12, 34, 56));
    QCOMPARE(changed.last().at(0).value<QColor>(), QColor(12, 34, 56));
    QCOMPARE(checkedColours(), QStringList{});
    // "More" opens the picker modally; its close icon ends it.
    answerNextModal([picker](QWidget* modal) {
        QCOMPARE(modal, picker);
        picker->close();
    });
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
    const QPoint point(5 + int(at.x() * 250), int(at.y() * 300));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, point);
    // The keyboard gives no point to read.
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    if (!expected.isValid()) {
        QCOMPARE(picked.size(), 0);
        return;
    }
    QCOMPARE(picked.size(), 1);
    QVERIFY2(near(picked.first().at(1).value<QColor>(), expected, 12),
             qPrintable(picked.first().at(1).value<QColor>().name()));
}

QTEST_MAIN(TestBoardPanels)
#include "tst_boardpanels.moc"
