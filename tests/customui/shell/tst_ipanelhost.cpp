#include <QtTest>

#include <QScreen>

#include "customui/shell/icameratoolbar.h"
#include "customui/shell/ipanelhost.h"
#include "kittesthelpers.h"
#include "customui/kit/uiscale.h"

using Panel = IPanelHost::Panel;
Q_DECLARE_METATYPE(IPanelHost::Placement)

// The panel host with stand-in panels: which panels close together, the typed hide that lets a
// panel store its value, toggling, and where a panel goes beside its button.
class TestIPanelHost : public QObject {
    Q_OBJECT
private slots:
    void hidesAllButTheKept_data();
    void hidesAllButTheKept();
    void registersOnlyWidgetsAndForgetsDeletedOnes();
    void placedRect_data();
    void placedRect();
    void placeBesideMapsIntoTheParent();
};

namespace {

// Not a widget, so nothing a host could show.
struct BarePanel : IPanel {
    void showPanel(bool) override {}
};

QString nameOf(Panel which)
{
    return QString::fromLatin1(QMetaEnum::fromType<Panel>().valueToKey(int(which)));
}

}  // namespace

void TestIPanelHost::hidesAllButTheKept_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("board thickness") << 2 << 2 << QStringList{"Thickness", "Magnifier"};
    QTest::newRow("camera resolution") << 3 << 2 << QStringList{"Resolution", "Magnifier"};
    QTest::newRow("camera zoom") << 3 << 3 << QStringList{"Magnifier"};
    QTest::newRow("right zoom, same id as thickness") << 1 << 2 << QStringList{"Magnifier"};
    QTest::newRow("right magnifier") << 1 << 1 << QStringList{"Magnifier"};
    QTest::newRow("board clicked") << 0 << 0 << QStringList{"Magnifier"};
}

void TestIPanelHost::hidesAllButTheKept()
{
    QFETCH(int, bar);
    QFETCH(int, id);
    QFETCH(QStringList, visible);
    IPanelHost host;
    QWidget window;
    QMap<Panel, StandInPanel*> panels;
    for (Panel which : {Panel::Thickness, Panel::Color, Panel::Resolution, Panel::Magnifier}) {
        panels[which] = new StandInPanel(&window);
        QVERIFY(host.registerPanel(which, panels[which]));
    }
    window.show();
    host.hideAllBut(IPanelHost::keptPanel(bar, id));
    for (auto it = panels.cbegin(); it != panels.cend(); ++it) {
        const bool shown = visible.contains(nameOf(it.key()));
        QCOMPARE(host.isVisible(it.key()), shown);
        // Every hide went through showPanel(false), so the panel stored its value once.
        QCOMPARE(it.value()->stored, shown ? 0 : 1);
    }
    // A hidden panel is not hidden again; a toggle shows it and the next one hides it.
    host.hideAllBut(Panel::None);
    QCOMPARE(panels[Panel::Color]->stored, 1);
    QVERIFY(host.toggle(Panel::Color));
    QVERIFY(host.isVisible(Panel::Color));
    QVERIFY(host.toggle(Panel::Color));
    QCOMPARE(panels[Panel::Color]->stored, 2);
}

void TestIPanelHost::registersOnlyWidgetsAndForgetsDeletedOnes()
{
    IPanelHost host;
    BarePanel bare;
    StandInPanel widget;
    QVERIFY(!host.registerPanel(Panel::Shape, &bare));
    QVERIFY(!host.registerPanel(Panel::None, &widget));
    QVERIFY(!host.toggle(Panel::Shape));
    auto* gone = new StandInPanel;
    QVERIFY(host.registerPanel(Panel::Eraser, gone));
    QCOMPARE(host.panel(Panel::Eraser), static_cast<IPanel*>(gone));
    delete gone;
    QVERIFY(!host.panel(Panel::Eraser));
    QVERIFY(!host.toggle(Panel::Eraser));
    host.hideAllBut(Panel::None);
}

void TestIPanelHost::placedRect_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<IPanelHost::Placement>("how");
    QTest::addColumn<QPoint>("button");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");
    const IPanelHost::Placement above = IPanelHost::kAboveCameraButton;
    const IPanelHost::Placement left = IPanelHost::kLeftOfBoardButton;
    const QSize panel(200, 100);
    const QPoint bottom(500, 1000);
    const QPoint right(1850, 300);
    QTest::newRow("above 1.0") << 1.0 << above << bottom << panel << QRect(442, 890, 200, 100);
    QTest::newRow("above 1.5") << 1.5 << above << bottom << panel << QRect(463, 885, 200, 100);
    QTest::newRow("left 1.0") << 1.0 << left << right << panel << QRect(1640, 275, 200, 100);
    QTest::newRow("left 1.5") << 1.5 << left << right << panel << QRect(1635, 287, 200, 100);
    QTest::newRow("kept off the left edge")
        << 1.0 << above << QPoint(10, 1000) << QSize(300, 100) << QRect(0, 890, 300, 100);
    QTest::newRow("kept off the right edge")
        << 1.0 << above << QPoint(1880, 1000) << QSize(300, 100) << QRect(1620, 890, 300, 100);
    QTest::newRow("kept off the top")
        << 1.0 << left << QPoint(1850, 20) << QSize(200, 400) << QRect(1640, 0, 200, 400);
    QTest::newRow("kept off the bottom")
        << 1.0 << left << QPoint(1850, 1050) << panel << QRect(1640, 980, 200, 100);
    QTest::newRow("larger than the screen")
        << 1.0 << above << bottom << QSize(2000, 1200) << QRect(0, 0, 2000, 1200);
}

void TestIPanelHost::placedRect()
{
    QFETCH(double, scale);
    QFETCH(IPanelHost::Placement, how);
    QFETCH(QPoint, button);
    QFETCH(QSize, size);
    QFETCH(QRect, expected);
    uiScale = scale;
    const QRect got = IPanelHost::placedRect(button, size, how, QRect(0, 0, 1920, 1080));
    uiScale = 1.0;
    QCOMPARE(got, expected);
}

void TestIPanelHost::placeBesideMapsIntoTheParent()
{
    QWidget window;
    auto* bar = new ICameraToolBar(&window);
    bar->setGeometry(0, 400, 800, bar->sizeHint().height());
    window.setGeometry(30, 20, 800, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    StandInPanel child(&window);
    StandInPanel topLevel;
    const QRect screen = window.screen()->availableGeometry();
    for (QWidget* panel : {static_cast<QWidget*>(&child), static_cast<QWidget*>(&topLevel)}) {
        panel->resize(120, 80);
        IPanelHost::placeBeside(panel, bar, ICameraToolBar::Resolution,
                                IPanelHost::kAboveCameraButton);
        const QRect expected =
            IPanelHost::placedRect(bar->buttonGlobalPos(ICameraToolBar::Resolution), panel->size(),
                                   IPanelHost::kAboveCameraButton, screen);
        QCOMPARE(panel->mapToGlobal(QPoint(0, 0)), expected.topLeft());
    }
}

QTEST_MAIN(TestIPanelHost)
#include "tst_ipanelhost.moc"
