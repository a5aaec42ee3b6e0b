#include <QtTest>

#include <QComboBox>
#include <QScreen>
#include <QVBoxLayout>

#include "customui/kit/iitoolbutton.h"
#include "customui/shell/imaintitlewidget.h"
#include "kittesthelpers.h"
#include "service/iconfigureservice.h"

// The title bar in a plain frameless window: its buttons, the camera chooser's contents and
// the window moves (drag, maximise, restore, double-click).
class TestIMainTitleWidget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttons_data();
    void buttons();
    void chooserContents_data();
    void chooserContents();
    void chooserRefillKeepsQuiet();
    void chooserTellsLongNamesApart();
    void dragMaximisedWindowRestoresUnderCursor();
    void dragNormalWindowMovesWithCursor();
    void restoreAndMaximizeButtons();
    void doubleClickMaximises();

private:
    void mouse(QEvent::Type type, const QPoint& global, Qt::MouseButtons held);
    QRect available() const;

    QWidget* window_ = nullptr;
    IMainTitleWidget* title_ = nullptr;
};

namespace {

ICameraInfo cameraInfo(int index, const QString& name, const QString& path)
{
    ICameraInfo info;
    info.index = index;
    info.friendlyName = name;
    info.devicePath = path;
    return info;
}

QStringList itemTexts(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) {
        texts << box->itemText(i);
    }
    return texts;
}

}  // namespace

void TestIMainTitleWidget::init()
{
    window_ = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    auto* column = new QVBoxLayout(window_);
    column->setContentsMargins(0, 0, 0, 0);
    title_ = new IMainTitleWidget(window_);
    column->addWidget(title_);
    column->addStretch();
    window_->resize(600, 400);
}

void TestIMainTitleWidget::cleanup()
{
    delete window_;
    window_ = nullptr;
}

QRect TestIMainTitleWidget::available() const
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void TestIMainTitleWidget::mouse(QEvent::Type type, const QPoint& global, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, title_->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(title_, &event);
}

void TestIMainTitleWidget::buttons_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<bool>("visible");
    const QString t = QStringLiteral(":/title/title/");
    QTest::newRow("0") << 0 << "Cameras" << t + "tcameraclick.svg" << t + "tcameranormal.svg"
                       << true;
    QTest::newRow("1") << 1 << "Settings" << t + "tsettingclick.svg" << t + "tsettingnormal.svg"
                       << true;
    QTest::newRow("2") << 2 << "Minimize" << t + "tminclick.svg" << t + "tminnormal.svg" << true;
    QTest::newRow("3") << 3 << "Maximize" << t + "tfullclick.svg" << t + "tfullnormal.svg" << false;
    QTest::newRow("4") << 4 << "Restore" << t + "tmaxclick.svg" << t + "tmaxnormal.svg" << true;
    QTest::newRow("5") << 5 << "Close" << t + "tcloseclick.svg" << t + "tclosenormal.svg" << true;
}

void TestIMainTitleWidget::buttons()
{
    QFETCH(int, id);
    QFETCH(QString, tip);
    QFETCH(QString, pressed);
    QFETCH(QString, normal);
    QFETCH(bool, visible);
    window_->show();
    IIToolButton* button = title_->button(id);
    QVERIFY(button);
    QVERIFY(button->toolTip().contains(">" + tip + "<"));
    QCOMPARE(button->pressedIcon(), pressed);
    QCOMPARE(button->normalIcon(), normal);
    QVERIFY(QFile::exists(pressed) && QFile::exists(normal));
    QCOMPARE(button->size(), QSize(40, 40));
    QCOMPARE(button->isVisible(), visible);
    QCOMPARE(title_->height(), 40);
    // Right-aligned, in id order.
    if (visible && id > 0 && title_->button(id - 1)->isVisible()) {
        QVERIFY(button->x() > title_->button(id - 1)->x());
    }
}

void TestIMainTitleWidget::chooserContents_data()
{
    QTest::addColumn<QString>("excluded");
    QTest::addColumn<bool>("wifi");
    QTest::addColumn<int>("currentIndex");
    QTest::addColumn<QString>("currentPath");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("expectedCurrent");
    const QStringList all{"Cam A", "Cam B", "Cam C"};
    QTest::newRow("all, current second") << "" << false << 1 << "path:b" << all << 1;
    QTest::newRow("current path in other case") << "" << false << 1 << "PATH:B" << all << 1;
    QTest::newRow("picture-in-picture camera left out")
        << "path:b" << false << 2 << "path:c" << QStringList{"Cam A", "Cam C"} << 1;
    QTest::newRow("wireless reachable")
        << "" << true << 0 << "path:a" << QStringList{"Cam A", "Cam B", "Cam C", "Kestrima WIFI"}
        << 0;
    QTest::newRow("wireless is current")
        << "" << true << 999 << "" << QStringList{"Cam A", "Cam B", "Cam C", "Kestrima WIFI"} << 3;
    QTest::newRow("wireless current but unreachable") << "" << false << 999 << "" << all << -1;
    QTest::newRow("no current camera") << "" << false << -1 << "" << all << -1;
}

void TestIMainTitleWidget::chooserContents()
{
    QFETCH(QString, excluded);
    QFETCH(bool, wifi);
    QFETCH(int, currentIndex);
    QFETCH(QString, currentPath);
    QFETCH(QStringList, items);
    QFETCH(int, expectedCurrent);
    const QList<ICameraInfo> cameras{cameraInfo(0, "Cam A", "path:a"),
                                     cameraInfo(1, "Cam B", "path:b"),
                                     cameraInfo(2, "Cam C", "path:c")};
    IConfigureService::instance()->currentCamera = cameraInfo(currentIndex, "", currentPath);
    title_->fillCameraChooser(cameras, excluded, wifi);
    QComboBox* box = title_->cameraChooser();
    QVERIFY(box);
    QCOMPARE(itemTexts(box), items);
    QCOMPARE(box->currentIndex(), expectedCurrent);
    // Each camera carries its device path; the wireless entry none.
    for (int i = 0; i < box->count(); ++i) {
        const QString data = box->itemData(i).toString();
        QCOMPARE(data.isEmpty(), box->itemText(i) == "Kestrima WIFI");
    }
    QVERIFY(!box->isVisible());
    // The chooser opens below the title bar, in the window.
    QCOMPARE(box->parentWidget(), window_);
}

void TestIMainTitleWidget::chooserRefillKeepsQuiet()
{
    window_->show();
    IConfigureService::instance()->currentCamera = cameraInfo(0, "", "path:a");
    title_->fillCameraChooser({cameraInfo(0, "Cam A", "path:a")}, QString(), false);
    QComboBox* box = title_->cameraChooser();
    QSignalSpy changes(box, QOverload<int>::of(&QComboBox::currentIndexChanged));
    box->show();
    IConfigureService::instance()->currentCamera = cameraInfo(1, "", "path:b");
    title_->fillCameraChooser({cameraInfo(0, "Cam A", "path:a"), cameraInfo(1, "Cam B", "path:b")},
                              QString(), false);
    // The index moved while filling, but nobody was told to switch cameras: the chooser
    // would have closed itself.
    QVERIFY(changes.size() > 0);
    QVERIFY(box->isVisible());
    QCOMPARE(box->currentIndex(), 1);
    title_->hideCameraChooser();
    QVERIFY(!box->isVisible());
}

void TestIMainTitleWidget::chooserTellsLongNamesApart()
{
    const QString name("Virtual Document Camera of a Long Model Name #%1");
    title_->fillCameraChooser({cameraInfo(0, name.arg(1), "a"), cameraInfo(1, name.arg(2), "b")},
                              QString(), false);
    for (int i : {0, 1}) {  // the distinguishing end stays, the whole name is the tip
        QVERIFY(title_->cameraChooser()->itemText(i).endsWith(QString("#%1").arg(i + 1)));
        QCOMPARE(title_->cameraChooser()->itemData(i, Qt::ToolTipRole).toString(), name.arg(i + 1));
    }
}

void TestIMainTitleWidget::dragMaximisedWindowRestoresUnderCursor()
{
    window_->showMaximized();
    QTRY_VERIFY(window_->isMaximized());
    QTRY_COMPARE(window_->geometry(), available());
    QSignalSpy moved(title_, &IMainTitleWidget::sgMove);
    const QPoint press = window_->geometry().topLeft() + QPoint(available().width() - 200, 20);
    mouse(QEvent::MouseButtonPress, press, Qt::LeftButton);
    const QPoint to = press + QPoint(-30, 40);
    mouse(QEvent::MouseMove, to, Qt::LeftButton);
    QVERIFY(!window_->isMaximized());
    const QRect reduced = IMainTitleWidget::restoredGeometry(available());
    QTRY_COMPARE(window_->size(), reduced.size());
    QVERIFY(title_->button(IMainTitleWidget::Maximize)->isVisibleTo(window_));
    QVERIFY(!title_->button(IMainTitleWidget::Restore)->isVisibleTo(window_));
    // The cursor is still over the title bar, at the same height in it.
    QTRY_VERIFY(window_->geometry().contains(to));
    QCOMPARE(title_->mapFromGlobal(to).y(), 20);
    QVERIFY(title_->rect().contains(title_->mapFromGlobal(to)));
    mouse(QEvent::MouseMove, to + QPoint(5, 5), Qt::LeftButton);
    QCOMPARE(moved.size(), 1);
    mouse(QEvent::MouseButtonRelease, to + QPoint(5, 5), Qt::NoButton);
}

void TestIMainTitleWidget::dragNormalWindowMovesWithCursor()
{
    window_->setGeometry(100, 80, 500, 300);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QSignalSpy moved(title_, &IMainTitleWidget::sgMove);
    const QPoint press(250, 95);
    const QPoint offset = press - window_->pos();
    mouse(QEvent::MouseButtonPress, press, Qt::LeftButton);
    mouse(QEvent::MouseMove, press + QPoint(40, 30), Qt::LeftButton);
    mouse(QEvent::MouseMove, press + QPoint(60, 50), Qt::LeftButton);
    QTRY_COMPARE(window_->pos(), press + QPoint(60, 50) - offset);
    QCOMPARE(window_->size(), QSize(500, 300));
    QCOMPARE(moved.size(), 1);
    mouse(QEvent::MouseButtonRelease, press + QPoint(60, 50), Qt::NoButton);
    // After the release a move does nothing; the next drag reports again.
    mouse(QEvent::MouseMove, press + QPoint(90, 90), Qt::NoButton);
    QCOMPARE(window_->pos(), press + QPoint(60, 50) - offset);
    mouse(QEvent::MouseButtonPress, press + QPoint(60, 50), Qt::LeftButton);
    mouse(QEvent::MouseMove, press + QPoint(61, 50), Qt::LeftButton);
    QCOMPARE(moved.size(), 2);
}

void TestIMainTitleWidget::restoreAndMaximizeButtons()
{
    window_->showMaximized();
    QTRY_VERIFY(window_->isMaximized());
    QTest::mouseClick(title_->button(IMainTitleWidget::Restore), Qt::LeftButton);
    QTRY_VERIFY(!window_->isMaximized());
    QTRY_COMPARE(window_->geometry(), IMainTitleWidget::restoredGeometry(available()));
    QVERIFY(title_->button(IMainTitleWidget::Maximize)->isVisible());
    QVERIFY(!title_->button(IMainTitleWidget::Restore)->isVisible());
    QTest::mouseClick(title_->button(IMainTitleWidget::Maximize), Qt::LeftButton);
    QTRY_VERIFY(window_->isMaximized());
    QTRY_COMPARE(window_->geometry(), available());
    QVERIFY(!title_->button(IMainTitleWidget::Maximize)->isVisible());
    QVERIFY(title_->button(IMainTitleWidget::Restore)->isVisible());
    QTest::mouseClick(title_->button(IMainTitleWidget::Minimize), Qt::LeftButton);
    QTRY_VERIFY(window_->isMinimized());
}

void TestIMainTitleWidget::doubleClickMaximises()
{
    window_->setGeometry(100, 80, 500, 300);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    title_->button(IMainTitleWidget::Restore)->hide();
    title_->button(IMainTitleWidget::Maximize)->show();
    QTest::mouseDClick(title_, Qt::LeftButton, Qt::NoModifier, QPoint(200, 20));
    QTRY_VERIFY(window_->isMaximized());
    QVERIFY(!title_->button(IMainTitleWidget::Maximize)->isVisible());
    QVERIFY(title_->button(IMainTitleWidget::Restore)->isVisible());
}

QTEST_MAIN(TestIMainTitleWidget)
#include "tst_imaintitlewidget.moc"
