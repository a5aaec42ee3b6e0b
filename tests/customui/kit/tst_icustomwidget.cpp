#include <QtTest>

#include <memory>

#include "customui/kit/ibasewidget.h"
#include "customui/kit/icustomdialog.h"
#include "customui/kit/icustomwidget.h"
#include "kittesthelpers.h"
#include "customui/kit/uiscale.h"

// The three frameless bases share the title-strip rules; each case runs on all of them through
// this small adapter.
struct Panel {
    std::unique_ptr<QWidget> widget;
    std::function<void(bool)> setMovable;
    std::function<void(bool)> setCloseLocked;
    std::function<bool()> isCloseLocked;
    std::function<void(int)> setTitleAlignment;
    std::function<void(const QString&)> setTitle;
    std::function<void(int)> setTitleFontSize;
    std::function<void(bool)> setCloseButtonVisible;
    std::function<void(QObject*, std::function<void()>)> onClose;
    QPoint closeCentre;  // centre of the close icon at width 300
    bool lightTheme = false;
};

template <class T>
Panel makePanel(const QString& title, QPoint closeCentre, bool light)
{
    auto* w = new T(title, true);
    Panel p;
    p.widget.reset(w);
    p.setMovable = [w](bool b) { w->setMovable(b); };
    p.setCloseLocked = [w](bool b) { w->setCloseLocked(b); };
    p.isCloseLocked = [w]() { return w->isCloseLocked(); };
    p.setTitleAlignment = [w](int a) { w->setTitleAlignment(a); };
    p.setTitle = [w](const QString& t) { w->setTitle(t); };
    p.setTitleFontSize = [w](int s) { w->setTitleFontSize(s); };
    p.setCloseButtonVisible = [w](bool b) { w->setCloseButtonVisible(b); };
    p.onClose = [w](QObject* context, std::function<void()> f) {
        QObject::connect(w, &T::sgClose, context, std::move(f));
    };
    p.closeCentre = closeCentre;
    p.lightTheme = light;
    w->resize(300, 200);
    return p;
}

Panel makePanel(const QString& kind, const QString& title = QStringLiteral("Panel"))
{
    // At uiScale 1: the dark close icon is 20 px at (270, 5), the light one 16 px at (274, 7).
    if (kind == QLatin1String("ICustomDialog")) {
        return makePanel<ICustomDialog>(title, QPoint(280, 15), false);
    }
    if (kind == QLatin1String("IBaseWidget")) {
        return makePanel<IBaseWidget>(title, QPoint(282, 15), true);
    }
    return makePanel<ICustomWidget>(title, QPoint(280, 15), false);
}

class TestICustomWidget : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void closeIconPressAndRelease_data();
    void closeIconPressAndRelease();
    void closeLockAndDragging_data();
    void closeLockAndDragging();
    void dragZone_data();
    void dragZone();
    void dragNeedsMovable_data();
    void dragNeedsMovable();
    void titlelessIgnoresMouse_data();
    void titlelessIgnoresMouse();
    void titleAlignment_data();
    void titleAlignment();
    void painting_data();
    void painting();
    void roundedBackground();
    void escapeSwallowedByDarkBases();
    void escapeRejectsLightDialog();
    void closeEmitsBeforeClosing_data();
    void closeEmitsBeforeClosing();
    void windowFlags();

private:
    static void addKinds();
    static void press(QWidget* w, QPoint p) { sendMouse(w, QEvent::MouseButtonPress, p); }
    static void moveTo(QWidget* w, QPoint p) { sendMouse(w, QEvent::MouseMove, p); }
    static void release(QWidget* w, QPoint p) { sendMouse(w, QEvent::MouseButtonRelease, p); }
};

void TestICustomWidget::initTestCase()
{
    uiScale = uiScaleX = uiScaleY = 1.0;
}

void TestICustomWidget::addKinds()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"ICustomWidget", "ICustomDialog", "IBaseWidget"}) {
        QTest::newRow(kind) << QString::fromLatin1(kind);
    }
}

void TestICustomWidget::closeIconPressAndRelease_data()
{
    addKinds();
}

void TestICustomWidget::closeIconPressAndRelease()
{
    QFETCH(QString, kind);
    Panel panel = makePanel(kind);
    QWidget* w = panel.widget.get();
    w->show();
    QSignalSpy closed(w, SIGNAL(sgClose()));

    press(w, panel.closeCentre);
    release(w, QPoint(150, 100));  // released away from the icon: stays open
    QVERIFY(w->isVisible());
    QCOMPARE(closed.count(), 0);

    press(w, QPoint(150, 100));  // pressed away, released on it: stays open
    release(w, panel.closeCentre);
    QVERIFY(w->isVisible());

    press(w, panel.closeCentre);
    release(w, panel.closeCentre + QPoint(-5, 5));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!w->isVisible());
}

void TestICustomWidget::closeLockAndDragging_data()
{
    addKinds();
}

void TestICustomWidget::closeLockAndDragging()
{
    QFETCH(QString, kind);
    Panel panel = makePanel(kind);
    QWidget* w = panel.widget.get();
    w->show();
    panel.setMovable(true);
    panel.setCloseLocked(true);
    QSignalSpy closed(w, SIGNAL(sgClose()));

    press(w, panel.closeCentre);
    release(w, panel.closeCentre);
    QCOMPARE(closed.count(), 0);
    QVERIFY(w->isVisible());
    QVERIFY(panel.isCloseLocked());

    const QPoint before = w->pos();
    press(w, QPoint(100, 10));
    moveTo(w, QPoint(130, 25));
    release(w, QPoint(130, 25));
    QCOMPARE(w->pos(), before + QPoint(30, 15));
    QVERIFY(!panel.isCloseLocked());

    press(w, panel.closeCentre);
    release(w, panel.closeCentre);
    QCOMPARE(closed.count(), 1);
}

void TestICustomWidget::dragZone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("drags");
    for (const char* kind : {"ICustomWidget", "ICustomDialog", "IBaseWidget"}) {
        QTest::addRow("%s at 0", kind) << QString::fromLatin1(kind) << 0 << true;
        QTest::addRow("%s at 30", kind) << QString::fromLatin1(kind) << 30 << true;
        QTest::addRow("%s at 31", kind) << QString::fromLatin1(kind) << 31 << false;
        QTest::addRow("%s at 100", kind) << QString::fromLatin1(kind) << 100 << false;
    }
}

void TestICustomWidget::dragZone()
{
    QFETCH(QString, kind);
    QFETCH(int, y);
    QFETCH(bool, drags);
    Panel panel = makePanel(kind);
    QWidget* w = panel.widget.get();
    panel.setMovable(true);
    w->move(400, 300);
    press(w, QPoint(60, y));
    moveTo(w, QPoint(80, y + 40));
    release(w, QPoint(80, y + 40));
    QCOMPARE(w->pos(), drags ? QPoint(420, 340) : QPoint(400, 300));
}

void TestICustomWidget::dragNeedsMovable_data()
{
    addKinds();
}

void TestICustomWidget::dragNeedsMovable()
{
    QFETCH(QString, kind);
    Panel panel = makePanel(kind);
    QWidget* w = panel.widget.get();
    w->move(400, 300);
    press(w, QPoint(60, 10));
    moveTo(w, QPoint(90, 20));
    release(w, QPoint(90, 20));
    QCOMPARE(w->pos(), QPoint(400, 300));
    // A press on the close icon never drags, even inside the strip of a movable panel.
    panel.setMovable(true);
    press(w, panel.closeCentre);
    moveTo(w, panel.closeCentre + QPoint(-40, 30));
    QCOMPARE(w->pos(), QPoint(400, 300));
    release(w, panel.closeCentre + QPoint(-40, 30));
}

void TestICustomWidget::titlelessIgnoresMouse_data()
{
    addKinds();
}

void TestICustomWidget::titlelessIgnoresMouse()
{
    QFETCH(QString, kind);
    Panel panel = makePanel(kind, QString());
    QWidget* w = panel.widget.get();
    w->show();
    panel.setMovable(true);
    QSignalSpy closed(w, SIGNAL(sgClose()));
    const QPoint before = w->pos();
    press(w, panel.closeCentre);
    moveTo(w, panel.closeCentre + QPoint(-50, 20));
    release(w, panel.closeCentre);
    QCOMPARE(w->pos(), before);
    QCOMPARE(closed.count(), 0);
    QVERIFY(w->isVisible());
}

namespace {

// Horizontal extent of the title text in the strip: columns holding text-coloured pixels.
QPair<int, int> titleExtent(QWidget* w, bool light)
{
    const QImage image = grabImage(w);
    int first = image.width();
    int last = -1;
    for (int y = 3; y < 28; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool text = light ? c.red() < 100 : c.red() > 160;
            if (text && c.alpha() == 255) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return {first, last};
}

}  // namespace

void TestICustomWidget::titleAlignment_data()
{
    addKinds();
}

void TestICustomWidget::titleAlignment()
{
    QFETCH(QString, kind);
    Panel panel = makePanel(kind, QStringLiteral("Title"));
    QWidget* w = panel.widget.get();
    panel.setCloseButtonVisible(false);

    QPair<int, int> extent = titleExtent(w, panel.lightTheme);
    QVERIFY2(extent.first >= 10 && extent.first < 20, qPrintable(QString::number(extent.first)));

    panel.setTitleAlignment(1);
    extent = titleExtent(w, panel.lightTheme);
    QVERIFY(qAbs((extent.first + extent.second) / 2 - 150) <= 3);

    panel.setTitleAlignment(2);
    extent = titleExtent(w, panel.lightTheme);
    QVERIFY(extent.second <= 290 && extent.second > 280);

    // A new title, or a new title size, returns to the left.
    panel.setTitleAlignment(1);
    panel.setTitle(QStringLiteral("Other"));
    extent = titleExtent(w, panel.lightTheme);
    QVERIFY(extent.first >= 10 && extent.first < 20);

    panel.setTitleAlignment(1);
    panel.setTitleFontSize(14);
    extent = titleExtent(w, panel.lightTheme);
    QVERIFY(extent.first >= 10 && extent.first < 20);
}

void TestICustomWidget::painting_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QColor>("strip");
    QTest::addColumn<QColor>("body");
    QTest::newRow("ICustomWidget") << "ICustomWidget" << QColor(Qt::black) << QColor(52, 52, 52);
    QTest::newRow("ICustomDialog") << "ICustomDialog" << QColor(Qt::black) << QColor(52, 52, 52);
    QTest::newRow("IBaseWidget") << "IBaseWidget" << QColor(197, 228, 249) << QColor(250, 250, 250);
}

void TestICustomWidget::painting()
{
    QFETCH(QString, kind);
    QFETCH(QColor, strip);
    QFETCH(QColor, body);
    Panel panel = makePanel(kind, QStringLiteral("T"));
    const QImage image = grabImage(panel.widget.get());
    QCOMPARE(image.pixelColor(150, 20), strip);
    QCOMPARE(image.pixelColor(150, 100), body);
    // The strip's top corners are round over the body: the light body is rounded too, the
    // dark one only with its rounded background.
    QCOMPARE(image.pixelColor(0, 0) == strip, false);
    QCOMPARE(qAlpha(image.pixel(0, 199)), panel.lightTheme ? 0 : 255);
    // The close icon is drawn in the strip (white on the dark strip, red on the light one).
    const QColor icon = image.pixelColor(panel.closeCentre);
    QVERIFY(panel.lightTheme ? near(icon, QColor(229, 57, 53), 40) : near(icon, Qt::white, 40));
}

void TestICustomWidget::roundedBackground()
{
    ICustomWidget panel(QStringLiteral("Rounded"), true);
    panel.resize(300, 200);
    panel.setRoundedBackground(true);
    const QImage image = grabImage(&panel);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(0, 199)), 0);
    // Top to bottom from RGBA 50, 50, 50, 255 towards 10, 10, 10, 180.
    QVERIFY(near(image.pixelColor(150, 31), QColor(44, 44, 44), 4));
    QVERIFY(qAlpha(image.pixel(150, 31)) > 230);
    QVERIFY(qAlpha(image.pixel(150, 198)) < 200);
}

void TestICustomWidget::escapeSwallowedByDarkBases()
{
    // A panel inside a window: Escape stops at the panel.
    struct Window : QWidget {
        int escapes = 0;
        void keyPressEvent(QKeyEvent* e) override { escapes += e->key() == Qt::Key_Escape; }
    } window;
    auto* panel = new ICustomWidget(QStringLiteral("Panel"), true, &window);
    window.show();
    panel->show();
    QTest::keyClick(panel, Qt::Key_Escape);
    QCOMPARE(window.escapes, 0);
    QVERIFY(panel->isVisible());

    ICustomDialog dialog(QStringLiteral("Dialog"), true);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.open();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(rejected.count(), 0);
    dialog.close();
    QCOMPARE(rejected.count(), 1);
}

void TestICustomWidget::escapeRejectsLightDialog()
{
    IBaseWidget light(QStringLiteral("Light"), true);
    QSignalSpy rejected(&light, &QDialog::rejected);
    light.open();
    QTest::keyClick(&light, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!light.isVisible());
}

void TestICustomWidget::closeEmitsBeforeClosing_data()
{
    addKinds();
}

void TestICustomWidget::closeEmitsBeforeClosing()
{
    QFETCH(QString, kind);
    Panel panel = makePanel(kind);
    QWidget* w = panel.widget.get();
    w->show();
    int emitted = 0;
    bool visibleAtSignal = false;
    panel.onClose(this, [&] {
        ++emitted;
        visibleAtSignal = w->isVisible();
    });
    w->close();
    QCOMPARE(emitted, 1);
    QVERIFY(visibleAtSignal);
    QVERIFY(!w->isVisible());
}

void TestICustomWidget::windowFlags()
{
    QWidget parent;
    ICustomWidget child(&parent);
    QVERIFY(!child.isWindow());
    QVERIFY(child.testAttribute(Qt::WA_TranslucentBackground));
    ICustomWidget top;
    QVERIFY(top.isWindow());
    QVERIFY(top.windowFlags() & Qt::FramelessWindowHint);

    ICustomDialog dialog;
    QVERIFY(dialog.isWindow());
    QCOMPARE(dialog.windowFlags() & (Qt::FramelessWindowHint | Qt::Dialog),
             Qt::FramelessWindowHint | Qt::Dialog);

    IBaseWidget lightTop;
    QCOMPARE(lightTop.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(lightTop.windowFlags() & Qt::FramelessWindowHint);
    IBaseWidget lightChild(&parent);
    QVERIFY(!lightChild.isWindow());
}

QTEST_MAIN(TestICustomWidget)
#include "tst_icustomwidget.moc"
