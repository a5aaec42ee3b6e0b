#include <QtTest>

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "customui/kit/icolorbutton.h"
#include "customui/kit/iicolorbutton.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/itoolbutton.h"
#include "kittesthelpers.h"
#include "customui/kit/uiscale.h"

using ButtonFactory = std::function<QAbstractButton*(QWidget* parent)>;
Q_DECLARE_METATYPE(ButtonFactory)

namespace {

const QString kNormal = QStringLiteral(":/cameratoolbar/cameratoolbar/ccameranormal.svg");
const QString kClick = QStringLiteral(":/cameratoolbar/cameratoolbar/ccameraclick.svg");
const QString kMissing = QStringLiteral(":/nowhere/missing.svg");

// Every form of the dark button, checkable where it can be, with `icon` as its pictures.
void addDarkForms(const QString& icon)
{
    QTest::newRow("framed") << ButtonFactory([icon](QWidget* p) {
        return new IIToolButton(11, QStringLiteral("Snap"), icon, icon, 10, true, 85, 60, 8, p);
    });
    QTest::newRow("framed, not checkable") << ButtonFactory([icon](QWidget* p) {
        return new IIToolButton(12, QStringLiteral("Snap"), icon, icon, 10, false, 85, 60, 8, p);
    });
    for (int corners = -1; corners <= 10; ++corners) {
        QTest::addRow("framed, corner set %d", corners)
            << ButtonFactory([icon, corners](QWidget* p) {
                   return new IIToolButton(13, QStringLiteral("Rotate"), icon, icon, 85, 60,
                                           corners, 8, p);
               });
    }
    QTest::newRow("flat") << ButtonFactory([icon](QWidget* p) {
        return new IIToolButton(14, QStringLiteral("Min"), icon, icon, false, 40, 40, 6, p);
    });
    QTest::newRow("flat, checkable") << ButtonFactory([icon](QWidget* p) {
        return new IIToolButton(15, QStringLiteral("Cam"), icon, icon, true, 40, 40, 6, p);
    });
    QTest::newRow("transparent") << ButtonFactory([icon](QWidget* p) {
        return new IIToolButton(16, QStringLiteral("Pen"), icon, true, 50, 50, 8, p);
    });
    QTest::newRow("image") << ButtonFactory([icon](QWidget* p) {
        return new IIToolButton(17, QStringLiteral("Back"), 40, 40, icon, icon, p);
    });
    QTest::newRow("text") << ButtonFactory([](QWidget* p) {
        return new IIToolButton(18, QStringLiteral("Full screen"), 150, 35, 1, true, p);
    });
}

void addLightForms(const QString& icon)
{
    QTest::newRow("light, icon and text") << ButtonFactory([icon](QWidget* p) {
        return new IToolButton(21, QStringLiteral("Copy"), icon, 1, 40, 50, p);
    });
    QTest::newRow("light, text") << ButtonFactory([](QWidget* p) {
        return new IToolButton(22, QStringLiteral("Text"), QString(), 2, 80, 30, p);
    });
    QTest::newRow("light, icon") << ButtonFactory(
        [icon](QWidget* p) { return new IToolButton(23, icon, 0, 30, 30, p); });
}

QImage grabInState(QAbstractButton* button, bool hover, bool down, bool checked)
{
    button->setAttribute(Qt::WA_UnderMouse, hover);
    button->setDown(down);
    button->setChecked(checked);
    return grabImage(button);
}

// The colour at `radius` from the centre of a square picture at `degrees` (counter-clockwise
// from 3 o'clock).
QColor at(const QImage& image, double radius, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    const double c = image.width() / 2.0;
    return image.pixelColor(int(c + radius * std::cos(a)), int(c - radius * std::sin(a)));
}

// Mostly covered by `expected` (edge pixels are partly transparent).
bool solid(const QColor& c, const QColor& expected)
{
    return c.alpha() > 100 && near(c, expected, 40);
}

}  // namespace

class TestIIToolButton : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void styleSheetsParseInEveryState_data();
    void styleSheetsParseInEveryState();
    void missingIconNeverCrashes_data();
    void missingIconNeverCrashes();
    void clickReportsCheckedAndData_data();
    void clickReportsCheckedAndData();
    void cornerSetFormReportsSelected();
    void richToolTip();
    void textButtonWithZeroWidthStretches();
    void textButtonWithZeroHeightStretches();
    void textUnderIconNeedsText();
    void lightButtonSelection();
    void colourlessButtonPaintsSectors_data();
    void colourlessButtonPaintsSectors();
    void colourButtonRing();
    void uncheckableColourButtonHasBlackEdge();
    void ringUnitBelowScaleOne();
    void paletteButtonCannotBeDeselected();
    void panelColourButtonToggles();
};

void TestIIToolButton::initTestCase()
{
    uiScale = uiScaleX = uiScaleY = 1.0;
}

void TestIIToolButton::cleanup()
{
    uiScale = 1.0;
}

void TestIIToolButton::styleSheetsParseInEveryState_data()
{
    QTest::addColumn<ButtonFactory>("make");
    addDarkForms(kNormal);
    addLightForms(kNormal);
}

void TestIIToolButton::styleSheetsParseInEveryState()
{
    QFETCH(ButtonFactory, make);
    WarningCatcher catcher;
    QWidget host;
    QAbstractButton* button = make(&host);
    grabInState(button, false, false, false);
    grabInState(button, true, false, false);
    grabInState(button, true, true, false);
    grabInState(button, false, false, true);
    QCOMPARE(catcher.warnings(), QStringList());
}

void TestIIToolButton::missingIconNeverCrashes_data()
{
    QTest::addColumn<ButtonFactory>("make");
    addDarkForms(kMissing);
    addLightForms(kMissing);
}

void TestIIToolButton::missingIconNeverCrashes()
{
    QFETCH(ButtonFactory, make);
    QWidget host;
    QAbstractButton* button = make(&host);
    const QImage image = grabInState(button, true, true, true);
    QVERIFY(!image.isNull());
    if (auto* dark = qobject_cast<IIToolButton*>(button)) {
        dark->setNormalIcon(kMissing);
        dark->setPressedIcon(kMissing);
    } else if (auto* light = qobject_cast<IToolButton*>(button)) {
        light->setCheckedIcon(kMissing);
        light->setSelected(true);
    }
    QVERIFY(!grabImage(button).isNull());
}

void TestIIToolButton::clickReportsCheckedAndData_data()
{
    QTest::addColumn<ButtonFactory>("make");
    QTest::addColumn<int>("data");
    QTest::addColumn<bool>("checkedAfterFirst");
    QTest::newRow("framed, checkable") << ButtonFactory([](QWidget* p) {
        return new IIToolButton(6, QStringLiteral("Freeze"), kNormal, kClick, 10, true, 85, 60, 8,
                                p);
    }) << 6 << true;
    QTest::newRow("framed") << ButtonFactory([](QWidget* p) {
        return new IIToolButton(5, QStringLiteral("Rotate"), kNormal, kClick, 10, false, 85, 60, 8,
                                p);
    }) << 5 << false;
    QTest::newRow("flat, checkable") << ButtonFactory([](QWidget* p) {
        return new IIToolButton(0, QStringLiteral("Cameras"), kNormal, kClick, true, 40, 40, 6, p);
    }) << 0 << true;
    QTest::newRow("transparent, checkable") << ButtonFactory([](QWidget* p) {
        return new IIToolButton(1, QStringLiteral("Pencil"), kNormal, true, 50, 50, 8, p);
    }) << 1 << true;
    QTest::newRow("image") << ButtonFactory([](QWidget* p) {
        return new IIToolButton(3, QStringLiteral("Back"), 40, 40, kNormal, kClick, p);
    }) << 3 << false;
    QTest::newRow("text, checkable") << ButtonFactory([](QWidget* p) {
        return new IIToolButton(7, QStringLiteral("Automatic"), 150, 35, 1, true, p);
    }) << 7 << true;
}

void TestIIToolButton::clickReportsCheckedAndData()
{
    QFETCH(ButtonFactory, make);
    QFETCH(int, data);
    QFETCH(bool, checkedAfterFirst);
    QWidget host;
    auto* button = static_cast<IIToolButton*>(make(&host));
    host.show();
    QSignalSpy clicks(button, &IIToolButton::sgButtonClick);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(0).at(0).toBool(), checkedAfterFirst);
    QCOMPARE(clicks.at(0).at(1).value<QVariant>().toInt(), data);
    QCOMPARE(clicks.at(1).at(0).toBool(), false);
}

void TestIIToolButton::cornerSetFormReportsSelected()
{
    QWidget host;
    IIToolButton button(9, QStringLiteral("Edge"), kNormal, kClick, 85, 60, 2, 8, &host);
    host.show();
    QSignalSpy clicks(&button, &IIToolButton::sgButtonClick);
    QTest::mouseClick(&button, Qt::LeftButton);
    button.setSelected(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(0).at(0).toBool(), false);
    QCOMPARE(clicks.at(1).at(0).toBool(), true);  // the stored flag, not the click's state
    QCOMPARE(clicks.at(1).at(1).value<QVariant>().toInt(), 9);
}

void TestIIToolButton::richToolTip()
{
    IIToolButton button(1, QStringLiteral("Zoom-in"), kNormal, kClick, 10, false, 85, 60, 8,
                        nullptr);
    QVERIFY(button.toolTip().startsWith(QLatin1String("<font style = 'font-family:Arial;")));
    QVERIFY(button.toolTip().contains(QLatin1String("color:#577676;'>Zoom-in</font>")));
    // The image form keeps its tool tip text as its (unshown) text.
    IIToolButton image(2, QStringLiteral("Back"), 40, 40, kNormal, kClick, nullptr);
    QCOMPARE(image.text(), QStringLiteral("Back"));
    QCOMPARE(image.QToolButton::text(), QString());
}

void TestIIToolButton::textButtonWithZeroWidthStretches()
{
    QWidget row;
    auto* layout = new QHBoxLayout(&row);
    auto* wide = new IIToolButton(0, QStringLiteral("Wide"), 0, 30, 1, false, &row);
    auto* fixed = new IIToolButton(1, QStringLiteral("Fixed"), 80, 30, 1, false, &row);
    layout->addWidget(wide);
    layout->addWidget(fixed);
    row.resize(500, 100);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QCOMPARE(wide->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QVERIFY2(wide->width() > 300, qPrintable(QString::number(wide->width())));
    QCOMPARE(wide->height(), 30);
    QCOMPARE(fixed->size(), QSize(80, 30));
}

void TestIIToolButton::textButtonWithZeroHeightStretches()
{
    QWidget column;
    auto* layout = new QVBoxLayout(&column);
    auto* tall = new IIToolButton(0, QStringLiteral("Tall"), 80, 0, 1, false, &column);
    layout->addWidget(tall);
    column.resize(200, 400);
    column.show();
    QVERIFY(QTest::qWaitForWindowExposed(&column));
    QCOMPARE(tall->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(tall->width(), 80);
    QVERIFY(tall->height() > 300);
}

void TestIIToolButton::textUnderIconNeedsText()
{
    IIToolButton framed(1, QStringLiteral("Tip"), kNormal, kClick, 10, false, 85, 60, 8, nullptr);
    framed.setTextUnderIcon(true);
    QVERIFY(!framed.isTextUnderIcon());
    QCOMPARE(framed.toolButtonStyle(), Qt::ToolButtonIconOnly);
    framed.setText(QStringLiteral("Snap"));
    framed.setTextUnderIcon(true);
    QVERIFY(framed.isTextUnderIcon());
    QCOMPARE(framed.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

void TestIIToolButton::lightButtonSelection()
{
    const QString lock = QStringLiteral(":/itemframe/lock.svg");
    const QString bold = QStringLiteral(":/ui/ui/txtbold.svg");
    auto picture = [](const QIcon& icon) { return icon.pixmap(24, 24).toImage(); };
    IToolButton button(QStringLiteral("bold"), bold, 0, 30, 30);
    button.setCheckable(true);
    button.show();
    QSignalSpy clicks(&button, &IToolButton::sgButtonClick);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isSelected());
    QCOMPARE(clicks.at(0).at(0).toBool(), true);
    QCOMPARE(clicks.at(0).at(1).value<QVariant>().toString(), QStringLiteral("bold"));

    // Without a checked picture a selected button keeps its normal one.
    button.setSelected(true);
    QCOMPARE(picture(button.icon()), picture(QIcon(bold)));
    button.setCheckedIcon(lock);
    button.setSelected(true);
    QCOMPARE(picture(button.icon()), picture(QIcon(lock)));
    button.setSelected(false);
    QCOMPARE(picture(button.icon()), picture(QIcon(bold)));
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isSelected());
    QCOMPARE(picture(button.icon()), picture(QIcon(bold)));  // a click shows the normal one
}

void TestIIToolButton::colourlessButtonPaintsSectors_data()
{
    QTest::addColumn<bool>("light");
    QTest::newRow("IIColorButton") << false;
    QTest::newRow("IColorButton") << true;
}

void TestIIToolButton::colourlessButtonPaintsSectors()
{
    QFETCH(bool, light);
    std::unique_ptr<QToolButton> button;
    std::function<void(bool)> select;
    if (light) {
        auto* b = new IColorButton(QStringLiteral("more"), Qt::transparent, true, QSize(100, 100));
        select = [b](bool s) { b->setSelected(s); };
        button.reset(b);
    } else {
        auto* b = new IIColorButton(QStringLiteral("more"), Qt::transparent, true, QSize(100, 100));
        select = [b](bool s) { b->setSelected(s); };
        button.reset(b);
    }
    const QList<QColor> hues{Qt::red, Qt::blue, Qt::yellow, Qt::magenta, Qt::green};
    QImage image = grabImage(button.get());
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(at(image, 25, 36 + 72 * i), hues[i]);
        QCOMPARE(at(image, 49, 36 + 72 * i).alpha(), 0);  // no ring while not selected
    }
    // Sector edges: a hue ends where the next begins.
    QCOMPARE(at(image, 30, 66), hues[0]);
    QCOMPARE(at(image, 30, 78), hues[1]);

    select(true);
    image = grabImage(button.get());
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(at(image, 25, 36 + 72 * i), hues[i]);
        QVERIFY(solid(at(image, 49, 36 + 72 * i), hues[i]));  // ring segment, 2 wide
        QVERIFY(at(image, 47, 36 + 72 * i).alpha() < 100);    // gap between sectors and ring
    }
}

void TestIIToolButton::colourButtonRing()
{
    const QColor blue(0, 108, 185);
    IIColorButton button(1, blue, true, QSize(100, 100));
    QImage image = grabImage(&button);
    QCOMPARE(at(image, 30, 45), blue);
    QCOMPARE(at(image, 44, 45), blue);  // the disc ends 2u = 4 inside the edge
    QCOMPARE(at(image, 49, 45).alpha(), 0);
    button.setSelected(true);
    image = grabImage(&button);
    QVERIFY(solid(at(image, 49, 45), blue));
    QVERIFY(at(image, 47, 135).alpha() < 100);  // the gap of one unit
}

void TestIIToolButton::uncheckableColourButtonHasBlackEdge()
{
    IIColorButton button(1, Qt::yellow, false, QSize(100, 100));
    const QImage image = grabImage(&button);
    QCOMPARE(at(image, 30, 200), QColor(Qt::yellow));
    QVERIFY(solid(at(image, 49, 200), Qt::black));
}

void TestIIToolButton::ringUnitBelowScaleOne()
{
    // At scale 0.5 both become 50 x 50; the shell button keeps a 2-pixel unit, the palette
    // button's unit shrinks to 1, so its disc reaches where the other leaves a gap.
    uiScale = 0.5;
    const QColor blue(Qt::blue);
    IIColorButton shell(1, blue, true, QSize(100, 100));
    IColorButton palette(1, blue, true, QSize(100, 100));
    QCOMPARE(shell.size(), QSize(50, 50));
    QCOMPARE(palette.size(), QSize(50, 50));
    shell.setSelected(true);
    palette.setSelected(true);
    const QImage shellImage = grabImage(&shell);
    const QImage paletteImage = grabImage(&palette);
    QVERIFY(qAlpha(shellImage.pixel(25, 3)) < 60);       // gap: ring ends at 2, disc starts at 4
    QVERIFY(qAlpha(paletteImage.pixel(25, 3)) > 200);    // disc from 2
    QVERIFY(solid(shellImage.pixelColor(25, 1), blue));  // both rings at the edge
    QVERIFY(qAlpha(paletteImage.pixel(25, 0)) > 100);
}

void TestIIToolButton::paletteButtonCannotBeDeselected()
{
    IColorButton button(QColor(Qt::red), Qt::red, true, QSize(36, 36));
    button.show();
    QSignalSpy clicks(&button, &IColorButton::sgButtonClick);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isSelected());
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isSelected());
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(1).at(0).toBool(), true);
    QCOMPARE(clicks.at(1).at(1).value<QVariant>().value<QColor>(), QColor(Qt::red));
}

void TestIIToolButton::panelColourButtonToggles()
{
    IIColorButton button(4, Qt::red, true, QSize(36, 36));
    button.show();
    QSignalSpy clicks(&button, &IIColorButton::sgButtonClick);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isSelected());
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.isSelected());
    QCOMPARE(clicks.at(1).at(0).toBool(), false);
    QCOMPARE(clicks.at(1).at(1).value<QVariant>().toInt(), 4);
}

QTEST_MAIN(TestIIToolButton)
#include "tst_iitoolbutton.moc"
