#include <QtTest>

#include <QMouseEvent>
#include <QTemporaryDir>

#include "board/iboard.h"
#include "board/ideviceevent.h"
#include "board/imodeeventhandle.h"
#include "board/imodemanager.h"
#include "board/iselectorpathmode.h"
#include "board/itextmode.h"
#include "board/path/ifigurepathmode.h"
#include "board/path/ipatherasemode.h"
#include "board/path/ipencilpathmode.h"

using KM_IBOARD_ENUM::ModeType;

namespace {

QMouseEvent mouse(QEvent::Type type, const QPointF& pos)
{
    return QMouseEvent(type, pos, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
}

}  // namespace

class TestIModeManager : public QObject {
    Q_OBJECT
private slots:
    void deviceRecordOwnsACopy();
    void startsInSelect();
    void switching_data();
    void switching();
    void penSelectedTwiceIsNotDeactivated();
    void figureTypesShareOneModeObject();
    void unknownTypeIsIgnored();
    void routingNeedsAnEnabledCurrentMode();
    void modeDefaultsTrackDeviceIds();
    void selectPressIsPassedOn();
    void cursorFromFile();
};

void TestIModeManager::deviceRecordOwnsACopy()
{
    QMouseEvent source(QEvent::MouseButtonPress, QPointF(1, 2), Qt::LeftButton, Qt::LeftButton,
                       Qt::ShiftModifier);
    IDeviceEvent record(source, QPointF(30.5, 40.25), IDeviceEvent::MouseDeviceId);
    auto* copy = static_cast<QMouseEvent*>(record.event());
    QVERIFY(copy != &source);
    QCOMPARE(copy->type(), QEvent::MouseButtonPress);
    QCOMPARE(copy->localPos(), QPointF(30.5, 40.25));
    QCOMPARE(copy->modifiers(), Qt::ShiftModifier);
    QCOMPARE(record.position(), QPointF(30.5, 40.25));
    QCOMPARE(record.deviceId(), 175);
    QCOMPARE(int(record.kind()), 0);
}

void TestIModeManager::startsInSelect()
{
    IBoard board;
    IModeManager* modes = board.modeManager();
    QCOMPARE(board.modeType(), KM_IBOARD_ENUM::Select);
    QCOMPARE(modes->currentMode(), static_cast<IModeBase*>(modes->selectorPathMode()));
    QCOMPARE(modes->selectorPathMode()->board(), &board);
}

void TestIModeManager::switching_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("figureKind");
    QTest::newRow("text") << int(KM_IBOARD_ENUM::Text) << "text" << 0;
    QTest::newRow("eraser") << int(KM_IBOARD_ENUM::PathErase) << "erase" << 0;
    QTest::newRow("pen") << int(KM_IBOARD_ENUM::Pen) << "pen" << 0;
    QTest::newRow("line") << int(KM_IBOARD_ENUM::LinePath) << "figure" << 1;
    QTest::newRow("circle") << int(KM_IBOARD_ENUM::CirclePath) << "figure" << 13;
    QTest::newRow("ellipse") << int(KM_IBOARD_ENUM::EllipsePath) << "figure" << 14;
    QTest::newRow("rectangle") << int(KM_IBOARD_ENUM::RectanglePath) << "figure" << 15;
    QTest::newRow("triangle") << int(KM_IBOARD_ENUM::TrianglePath) << "figure" << 18;
}

void TestIModeManager::switching()
{
    QFETCH(int, type);
    QFETCH(QString, mode);
    QFETCH(int, figureKind);
    IBoard board;
    IModeManager* modes = board.modeManager();
    const QMap<QString, IModeBase*> objects{{"text", modes->textMode()},
                                            {"erase", modes->pathEraseMode()},
                                            {"pen", modes->pencilPathMode()},
                                            {"figure", modes->figurePathMode()}};
    QSignalSpy before(&board, &IBoard::sgBeforeModeChanged);
    QSignalSpy after(&board, &IBoard::sgAfterModeChanged);
    board.setModeType(ModeType(type));
    QCOMPARE(int(board.modeType()), type);
    QCOMPARE(modes->currentMode(), objects.value(mode));
    if (figureKind) {
        QCOMPARE(modes->figurePathMode()->figureKind(), figureKind);
    }
    board.setModeType(ModeType(type));  // announced even without a change
    QCOMPARE(before.size(), 2);
    QCOMPARE(after.size(), 2);
    board.setModeType(KM_IBOARD_ENUM::Select);
    QCOMPARE(modes->currentMode(), static_cast<IModeBase*>(modes->selectorPathMode()));
}

void TestIModeManager::penSelectedTwiceIsNotDeactivated()
{
    IBoard board;
    IModeManager* modes = board.modeManager();
    board.setModeType(KM_IBOARD_ENUM::Pen);
    int presses = 0;
    QObject::connect(modes->pencilPathMode()->relay(), &IModeEventHandle::devicePress,
                     [&presses](IDeviceArgs*) { ++presses; });
    QMouseEvent press = mouse(QEvent::MouseButtonPress, QPointF(5, 5));
    IDeviceEvent first(press, QPointF(5, 5), IDeviceEvent::MouseDeviceId);
    modes->press(&first);
    IDeviceEvent second(press, QPointF(6, 6), IDeviceEvent::MouseDeviceId);
    modes->press(&second);
    QCOMPARE(presses, 1);  // the id stays active
    board.setModeType(KM_IBOARD_ENUM::Pen);
    QCOMPARE(modes->pencilPathMode()->activeIds(), QList<int>{175});
    board.setModeType(KM_IBOARD_ENUM::Select);
    QVERIFY(modes->pencilPathMode()->activeIds().isEmpty());
}

void TestIModeManager::figureTypesShareOneModeObject()
{
    IBoard board;
    IModeManager* modes = board.modeManager();
    board.setModeType(KM_IBOARD_ENUM::LinePath);
    IModeBase* line = modes->currentMode();
    QMouseEvent press = mouse(QEvent::MouseButtonPress, QPointF(5, 5));
    IDeviceEvent record(press, QPointF(5, 5), IDeviceEvent::MouseDeviceId);
    modes->press(&record);
    QCOMPARE(modes->figurePathMode()->activeIds(), QList<int>{175});
    board.setModeType(KM_IBOARD_ENUM::CirclePath);
    QCOMPARE(modes->currentMode(), line);
    QVERIFY(modes->figurePathMode()->activeIds().isEmpty());  // deactivated in between
    QCOMPARE(modes->figurePathMode()->figureKind(), 13);
}

void TestIModeManager::unknownTypeIsIgnored()
{
    IBoard board;
    board.setModeType(KM_IBOARD_ENUM::Pen);
    board.setModeType(ModeType(4));
    QCOMPARE(board.modeType(), KM_IBOARD_ENUM::Pen);
    QCOMPARE(board.modeManager()->currentMode(),
             static_cast<IModeBase*>(board.modeManager()->pencilPathMode()));
}

void TestIModeManager::routingNeedsAnEnabledCurrentMode()
{
    IBoard board;
    IModeManager* modes = board.modeManager();
    board.setModeType(KM_IBOARD_ENUM::Text);
    QList<QPointF> routed;
    QObject::connect(modes->relay(), &IModeEventHandle::devicePress,
                     [&routed](IDeviceArgs* args) { routed << args->device->position(); });
    QMouseEvent press = mouse(QEvent::MouseButtonPress, QPointF(5, 5));
    IDeviceEvent record(press, QPointF(5, 5), IDeviceEvent::MouseDeviceId);
    record.event()->ignore();
    modes->textMode()->setEnabled(false);
    modes->press(&record);
    QVERIFY(routed.isEmpty());
    QVERIFY(!record.event()->isAccepted());
    QVERIFY(modes->textMode()->activeIds().isEmpty());
    modes->textMode()->setEnabled(true);
    modes->press(&record);
    QCOMPARE(routed, QList<QPointF>{QPointF(5, 5)});
    QVERIFY(record.event()->isAccepted());
}

void TestIModeManager::modeDefaultsTrackDeviceIds()
{
    IBoard board;
    IMode* mode = board.modeManager()->textMode();
    QStringList seen;
    IModeEventHandle* relay = mode->relay();
    QObject::connect(relay, &IModeEventHandle::devicePress, [&](IDeviceArgs* a) {
        QCOMPARE(a->mode, mode);
        seen << QStringLiteral("press %1").arg(a->device->deviceId());
    });
    QObject::connect(relay, &IModeEventHandle::deviceMove, [&](IDeviceArgs* a) {
        seen << QStringLiteral("move %1").arg(a->device->deviceId());
    });
    QObject::connect(relay, &IModeEventHandle::deviceRelease, [&](IDeviceArgs* a) {
        seen << QStringLiteral("release %1").arg(a->device->deviceId());
    });
    QMouseEvent e = mouse(QEvent::MouseMove, QPointF(1, 1));
    IDeviceEvent mouseRecord(e, QPointF(1, 1), 175);
    IDeviceEvent otherDevice(e, QPointF(1, 1), 9);
    mode->move(&mouseRecord);     // no press yet
    mode->release(&mouseRecord);  // no press yet
    mode->press(&mouseRecord);
    mode->press(&mouseRecord);  // already active
    mode->move(&otherDevice);   // not tracked
    mode->move(&mouseRecord);
    mode->release(&mouseRecord);
    mode->release(&mouseRecord);  // already released
    QCOMPARE(seen, (QStringList{"press 175", "move 175", "release 175"}));
}

void TestIModeManager::selectPressIsPassedOn()
{
    IBoard board;
    QMouseEvent press = mouse(QEvent::MouseButtonPress, QPointF(5, 5));
    IDeviceEvent record(press, QPointF(5, 5), IDeviceEvent::MouseDeviceId);
    board.modeManager()->press(&record);
    QVERIFY(!record.event()->isAccepted());
    QCOMPARE(board.modeManager()->selectorPathMode()->activeIds(), QList<int>{175});
}

void TestIModeManager::cursorFromFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.png");
    QImage picture(10, 20, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path));
    IBoard board;
    IMode* mode = board.modeManager()->pencilPathMode();
    mode->setCursor(path, 32, 16);
    QCOMPARE(mode->cursor().pixmap().size(), QSize(32, 16));
    QCOMPARE(mode->cursor().hotSpot(), QPoint(16, 8));
    mode->setCursor(dir.filePath("missing.png"), 32, 32);
    QCOMPARE(mode->cursor().shape(), Qt::ArrowCursor);
    mode->setCursor(QCursor(Qt::CrossCursor));
    QCOMPARE(mode->cursor().shape(), Qt::CrossCursor);
    board.setModeType(KM_IBOARD_ENUM::Pen);
    board.setModeType(KM_IBOARD_ENUM::Select);  // leaving an ink mode restores the arrow
    QCOMPARE(mode->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestIModeManager)
#include "tst_imodemanager.moc"
