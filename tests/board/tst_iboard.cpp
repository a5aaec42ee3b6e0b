#include <QtTest>

#include <QGestureEvent>
#include <QMimeData>
#include <QPixmapCache>

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/ideviceevent.h"
#include "board/imodeeventhandle.h"
#include "board/imodemanager.h"
#include "board/ipixmapitem.h"
#include "boardtesthelpers.h"
#include "platform/video/iviewscale.h"

namespace {

QImage solidFrame(const QSize& size, const QColor& colour,
                  QImage::Format format = QImage::Format_RGB32)
{
    QImage frame(size, format);
    frame.fill(colour);
    return frame;
}

// A picture item that remembers what it painted.
class CountingPixmapItem : public IPixmapItem {
public:
    using IPixmapItem::IPixmapItem;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* w) override
    {
        IPixmapItem::paint(painter, option, w);
        ++paints;
        paintedColour = image().pixelColor(0, 0);
    }
    int paints = 0;
    QColor paintedColour;
};

// A shown board with one page and a picture of `frame` size, as the main window sets it up.
struct BoardFixture {
    explicit BoardFixture(const QSize& boardSize = QSize(1920, 1080),
                          const QSize& frame = QSize(1600, 1200), QWidget* parent = nullptr)
        : board(0, parent)
    {
        board.resize(boardSize);
        page = new ISlide;
        board.insertSlide(page, true);
        picture = new CountingPixmapItem(board.size());
        picture->setZValue(-9999999);
        board.setBackgroundItem(picture);
        board.setPictureSize(QSizeF(frame));
        board.setMargins(0, 0, 0, 0, 0);
        board.setTipHandler([this](const QString& text, int msec, const QPoint& pos) {
            tips << text;
            QCOMPARE(msec, 1000);
            QCOMPARE(pos, QPoint(-1000, -1000));
        });
        board.show();
        board.setBackgroundImage(solidFrame(frame, Qt::red));
        QObject::connect(board.modeManager()->relay(), &IModeEventHandle::devicePress,
                         [this](IDeviceArgs* a) { record("press", a); });
        QObject::connect(board.modeManager()->relay(), &IModeEventHandle::deviceMove,
                         [this](IDeviceArgs* a) { record("move", a); });
        QObject::connect(board.modeManager()->relay(), &IModeEventHandle::deviceRelease,
                         [this](IDeviceArgs* a) { record("release", a); });
    }
    void record(const char* step, IDeviceArgs* a)
    {
        const QPointF p = a->device->position();
        records << QStringLiteral("%1 %2,%3 %4")
                       .arg(QLatin1String(step))
                       .arg(p.x())
                       .arg(p.y())
                       .arg(a->device->deviceId());
    }
    QPoint viewOf(const QPointF& scenePoint) const { return board.mapFromScene(scenePoint); }
    QWidget* viewport() { return board.viewport(); }

    IBoard board;
    ISlide* page;
    CountingPixmapItem* picture;
    QStringList tips;
    QStringList records;
};

// centerOn may land half a pixel off.
bool nearCentre(const QPoint& p)
{
    return (p - QPoint(960, 540)).manhattanLength() <= 2;
}

bool allTransparent(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class TestIBoard : public QObject {
    Q_OBJECT
private slots:
    void shownSizeFollowsZoomAndKeepsLayout();
    void construction();
    void backgroundRectKeepsAspect();
    void pressesOutsideThePictureAreIgnored();
    void dragLeavingThePictureEndsAtLastPointInside();
    void pressDuringAnOpenGestureEndsItFirst();
    void onlyTheLeftReleaseEndsAGesture();
    void rightButtonIsIgnored();
    void withoutAPagePressesAreDropped();
    void selectDragPansTheView();
    void selectDragOnTextOrVisibleFrameDoesNotPan();
    void viewScaleAtQuarterTurns_data();
    void viewScaleAtQuarterTurns();
    void zoomClampsAndTip();
    void wheelStepsZoom();
    void rotateNormalisesAndReturnsUpright();
    void resetAndActualSize();
    void invalidPictureSizeGivesFiniteZoom_data();
    void invalidPictureSizeGivesFiniteZoom();
    void pinchZoomsOnlyInSelect();
    void doubleClickTogglesFullScreenInSelectOnly();
    void resizeFollowsTheWidget();
    void newFrameSizeRecentres();
    void framesArrivingFasterThanPaintsAreDropped();
    void foreignFormatConvertedOnceAtPaint();
    void detachedFrameOutlivesItsBuffer();
    void nullFrameKeepsTheLastPicture();
    void viewAroundThePictureIsCleared_data();
    void viewAroundThePictureIsCleared();
    void overlaySizeEqualsPictureSize_data();
    void overlaySizeEqualsPictureSize();
    void emptyPageOverlayIsTransparent();
    void overlayHoldsElementsOnly();
    void overlayIgnoresViewZoomAndRotation();
    void textFrameSelection();
    void geometryHelpers();
    void dropIsAnnounced();
    void replacedBackgroundItemIsDeleted();
};

void TestIBoard::construction()
{
    IBoard board;
    QCOMPARE(board.modeType(), KM_IBOARD_ENUM::Select);
    QCOMPARE(board.boardState()->inkColor(), QColor(Qt::red));
    QCOMPARE(board.boardState()->inkThickness(), 5.0);
    QCOMPARE(board.boardState()->inkOpacity(), 255);
    QCOMPARE(board.boardState()->pointEraserSize(), QSizeF(100, 100));
    QCOMPARE(board.pictureSize(), QSizeF(1920, 1080));
    QVERIFY(!board.currentSlide());
    QCOMPARE(board.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(board.optimizationFlags() & QGraphicsView::IndirectPainting);
    QVERIFY(board.acceptDrops());
    QVERIFY(QPixmapCache::cacheLimit() >= 256 * 1024);

    QSignalSpy before(&board, &IBoard::sgBeforeSlideInsert);
    QSignalSpy after(&board, &IBoard::sgAfterSlideInsert);
    QSignalSpy changed(&board, &IBoard::sgAfterSlideChanged);
    auto* first = new ISlide;
    auto* second = new ISlide;
    board.insertSlide(first, true);
    board.insertSlide(second, false);
    QCOMPARE(board.currentSlide(), first);
    QCOMPARE(board.scene(), first);
    QCOMPARE(board.slideIndex(second), 1);
    QCOMPARE(board.slideIndex(nullptr), -1);
    QCOMPARE(before.at(0), (QList<QVariant>{-1, 0}));
    QCOMPARE(after.at(1), (QList<QVariant>{0, 1}));
    QCOMPARE(changed.size(), 1);
}

void TestIBoard::backgroundRectKeepsAspect()
{
    BoardFixture f;
    QCOMPARE(f.board.backgroundRect(), QRectF(0, 0, 1440, 1080));
    // Centred: grey margins of 240 view pixels left and right.
    QCOMPARE(f.viewOf(QPointF(0, 0)), QPoint(240, 0));
}

void TestIBoard::pressesOutsideThePictureAreIgnored()
{
    BoardFixture f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    QSignalSpy clicks(&f.board, &IBoard::sgClickOnBoard);
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(100, 540));
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(500, 540));
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, QPoint(500, 540), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(clicks.size(), 1);
    QVERIFY2(f.records.isEmpty(), qPrintable(f.records.join("; ")));
}

void TestIBoard::dragLeavingThePictureEndsAtLastPointInside()
{
    BoardFixture f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(500, 540));
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(600, 540));
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(1800, 540));
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, QPoint(1850, 540), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(f.records,
             (QStringList{"press 500,540 175", "move 600,540 175", "release 600,540 175"}));
}

void TestIBoard::pressDuringAnOpenGestureEndsItFirst()
{
    BoardFixture f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(500, 540));
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(550, 540));
    // The release went to a modal box; the next press first ends the stroke.
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(700, 600));
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, QPoint(700, 600), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(f.records, (QStringList{"press 500,540 175", "move 550,540 175", "release 550,540 175",
                                     "press 700,600 175", "release 700,600 175"}));
}

void TestIBoard::onlyTheLeftReleaseEndsAGesture()
{
    BoardFixture f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(500, 540));
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(510, 540), Qt::MiddleButton,
              Qt::LeftButton | Qt::MiddleButton);
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, QPoint(510, 540), Qt::MiddleButton,
              Qt::LeftButton);
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(520, 540));
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, QPoint(530, 540), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(f.records,
             (QStringList{"press 500,540 175", "move 520,540 175", "release 530,540 175"}));
}

void TestIBoard::rightButtonIsIgnored()
{
    BoardFixture f;
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    QSignalSpy clicks(&f.board, &IBoard::sgClickOnBoard);
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(500, 540), Qt::RightButton,
              Qt::RightButton);
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, QPoint(500, 540), Qt::RightButton,
              Qt::NoButton);
    QCOMPARE(clicks.size(), 0);
    QVERIFY(f.records.isEmpty());
}

void TestIBoard::withoutAPagePressesAreDropped()
{
    IBoard board;
    board.resize(800, 600);
    board.show();
    QStringList seen;
    QObject::connect(board.modeManager()->relay(), &IModeEventHandle::devicePress,
                     [&seen](IDeviceArgs*) { seen << "press"; });
    QSignalSpy clicks(&board, &IBoard::sgClickOnBoard);
    sendMouse(board.viewport(), QEvent::MouseButtonPress, QPoint(100, 100));
    sendMouse(board.viewport(), QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(clicks.size(), 1);
    QVERIFY(seen.isEmpty());
}

void TestIBoard::selectDragPansTheView()
{
    BoardFixture f;
    const QPoint before = f.viewOf(QPointF(0, 0));
    sendMouse(f.viewport(), QEvent::MouseButtonPress, QPoint(500, 540));
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(560, 570));
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(600, 590));
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, QPoint(600, 590), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(f.viewOf(QPointF(0, 0)), before + QPoint(100, 50));
    // After the release moves no longer pan.
    sendMouse(f.viewport(), QEvent::MouseMove, QPoint(700, 700), Qt::NoButton, Qt::NoButton);
    QCOMPARE(f.viewOf(QPointF(0, 0)), before + QPoint(100, 50));
}

void TestIBoard::selectDragOnTextOrVisibleFrameDoesNotPan()
{
    BoardFixture f;
    auto* frame = new TestTextFrame;
    f.board.setTextFrameFactory([frame](IBoard*) { return frame; });
    auto* text = new TestTextElement("note");
    text->setPos(300, 300);
    f.page->addElement(text, false);
    const QPoint before = f.viewOf(QPointF(0, 0));
    const QPoint onText = f.viewOf(text->sceneBoundingRect().center());
    sendMouse(f.viewport(), QEvent::MouseButtonPress, onText);
    sendMouse(f.viewport(), QEvent::MouseMove, onText + QPoint(80, 40));
    sendMouse(f.viewport(), QEvent::MouseButtonRelease, onText + QPoint(80, 40), Qt::LeftButton,
              Qt::NoButton);
    QCOMPARE(f.viewOf(QPointF(0, 0)), before);

    f.board.selectItem(text, true);
    QVERIFY(frame->isVisible());
    const QPoint onFrame = f.viewOf(frame->sceneBoundingRect().center());
    sendMouse(f.viewport(), QEvent::MouseButtonPress, onFrame);
    sendMouse(f.viewport(), QEvent::MouseMove, onFrame + QPoint(100, 50));
    QCOMPARE(f.viewOf(QPointF(0, 0)), before);
}

void TestIBoard::viewScaleAtQuarterTurns_data()
{
    QTest::addColumn<int>("degrees");
    for (int d : {0, 90, 180, 270}) {
        QTest::addRow("%d", d) << d;
    }
}

void TestIBoard::viewScaleAtQuarterTurns()
{
    QFETCH(int, degrees);
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    QCOMPARE(f.board.viewScale(), 1.0);
    f.board.zoomBy(2.5);
    f.board.rotateBy(degrees);
    QCOMPARE(f.board.rotation(), degrees);
    QCOMPARE(f.board.viewScale(), 2.5);
    f.board.translate(33, -12);  // a pan changes nothing
    QCOMPARE(f.board.viewScale(), 2.5);
}

void TestIBoard::zoomClampsAndTip()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    f.board.zoomBy(1);
    QCOMPARE(f.tips.last(), QString("100 %"));
    for (int i = 0; i < 40; ++i) {
        f.board.zoomBy(1.1);
    }
    QCOMPARE(f.board.viewScale(), 10.0);
    QCOMPARE(f.tips.last(), QString("1000 %"));
    for (int i = 0; i < 80; ++i) {
        f.board.zoomBy(0.9);
    }
    QCOMPARE(f.board.viewScale(), 0.05);
    QCOMPARE(f.tips.last(), QString("5 %"));
    f.board.zoomBy(0);
    f.board.zoomBy(-2);
    f.board.zoomBy(qQNaN());
    QCOMPARE(f.board.viewScale(), 0.05);
}

void TestIBoard::wheelStepsZoom()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    auto wheel = [&f](int delta) {
        QWheelEvent event(QPointF(960, 540), f.board.viewport()->mapToGlobal(QPoint(960, 540)),
                          QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.viewport(), &event);
    };
    for (int i = 0; i < 11; ++i) {
        wheel(120);
    }
    QVERIFY(qAbs(f.board.viewScale() - std::pow(1.1, 11)) < 1e-9);
    QCOMPARE(f.tips.last(), QString("285 %"));
    wheel(-120);
    QVERIFY(qAbs(f.board.viewScale() - std::pow(1.1, 11) * 0.9) < 1e-9);
    // Zooming keeps the picture centred.
    QVERIFY(nearCentre(f.viewOf(f.board.backgroundRect().center())));
}

void TestIBoard::rotateNormalisesAndReturnsUpright()
{
    BoardFixture f;
    for (int i = 0; i < 4; ++i) {
        f.board.rotateBy(90);
    }
    QCOMPARE(f.board.rotation(), 0);
    const QTransform t = f.board.transform();
    QVERIFY(qFuzzyCompare(t.m11(), 1.0) && qFuzzyIsNull(t.m12()) && qFuzzyIsNull(t.m21()));
    f.board.rotateBy(-90);
    QCOMPARE(f.board.rotation(), 270);
    f.board.rotateBy(100);
    QCOMPARE(f.board.rotation(), 10);
    QVERIFY(nearCentre(f.viewOf(f.board.backgroundRect().center())));
}

void TestIBoard::resetAndActualSize()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    f.board.zoomBy(3);
    f.board.zoomToActualSize();
    QCOMPARE(f.board.viewScale(), 1.0);
    f.board.zoomBy(2);
    f.board.rotateBy(90);
    f.board.translate(40, 40);
    f.board.resetView();
    QCOMPARE(f.board.rotation(), 0);
    QVERIFY(f.board.transform().isIdentity());
    QCOMPARE(f.tips.last(), QString("100 %"));
    QVERIFY(nearCentre(f.viewOf(f.board.backgroundRect().center())));
}

void TestIBoard::invalidPictureSizeGivesFiniteZoom_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("zero") << QSizeF(0, 0);
    QTest::newRow("zero width") << QSizeF(0, 1080);
    QTest::newRow("negative") << QSizeF(-5, 100);
    QTest::newRow("not a number") << QSizeF(qQNaN(), 1080);
    QTest::newRow("infinite") << QSizeF(qInf(), 1080);
}

void TestIBoard::invalidPictureSizeGivesFiniteZoom()
{
    QFETCH(QSizeF, size);
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    f.board.setPictureSize(size);
    QCOMPARE(f.board.pictureSize(), QSizeF(1920, 1080));
    f.board.zoomBy(1.1);
    QVERIFY(qIsFinite(f.board.viewScale()));
    QCOMPARE(f.tips.last(), QString("110 %"));
    f.board.setParent(nullptr);
    QWidget parent;
    parent.resize(1920, 1080);
    f.board.setParent(&parent);
    f.board.toggleFullScreen();
    QVERIFY(qIsFinite(f.board.viewScale()));
    f.board.setParent(nullptr);
}

void TestIBoard::pinchZoomsOnlyInSelect()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    QPinchGesture pinch;
    pinch.setLastScaleFactor(1.5);
    QGestureEvent event({&pinch});
    QApplication::sendEvent(&f.board, &event);
    QCOMPARE(f.board.viewScale(), 1.5);
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    QGestureEvent again({&pinch});
    QApplication::sendEvent(&f.board, &again);
    QCOMPARE(f.board.viewScale(), 1.5);
}

void TestIBoard::doubleClickTogglesFullScreenInSelectOnly()
{
    QWidget parent;
    parent.resize(1920, 1080);
    BoardFixture f(QSize(1600, 900), QSize(1600, 1200), &parent);
    parent.show();
    QSignalSpy full(&f.board, &IBoard::sgIsFullScreen);
    f.board.zoomBy(1.1);
    f.board.rotateBy(90);
    f.board.translate(30, 20);
    const double scale = f.board.viewScale();
    const QPoint position = f.viewOf(QPointF(0, 0));
    const QPoint onPicture = f.viewOf(f.board.backgroundRect().center());

    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    sendMouse(f.viewport(), QEvent::MouseButtonDblClick, onPicture);
    QCOMPARE(full.size(), 0);

    f.board.setModeType(KM_IBOARD_ENUM::Select);
    sendMouse(f.viewport(), QEvent::MouseButtonDblClick, QPoint(5, 5));  // grey margin
    QCOMPARE(full.size(), 0);
    sendMouse(f.viewport(), QEvent::MouseButtonDblClick, onPicture);
    QCOMPARE(full.size(), 1);
    QCOMPARE(full.last().first().toBool(), true);
    // 1600 x 1200 fits the 1600 x 900 board as 1200 x 900 and the 1920 x 1080 parent as 1440.
    QCOMPARE(f.board.viewScale(), 1.2);
    QCOMPARE(f.board.rotation(), 90);

    sendMouse(f.viewport(), QEvent::MouseButtonDblClick,
              f.viewOf(f.board.backgroundRect().center()));
    QCOMPARE(full.size(), 2);
    QCOMPARE(full.last().first().toBool(), false);
    QCOMPARE(f.board.viewScale(), scale);
    QCOMPARE(f.board.rotation(), 90);
    QCOMPARE(f.viewOf(QPointF(0, 0)), position);
}

void TestIBoard::resizeFollowsTheWidget()
{
    QWidget parent;
    parent.resize(1920, 1080);
    BoardFixture f(QSize(1600, 900), QSize(1600, 1200), &parent);
    parent.show();
    f.board.resize(1000, 500);
    QCOMPARE(f.page->sceneRect(), QRectF(0, 0, 1000, 500));
    QCOMPARE(f.picture->displaySize(), QSize(1000, 500));
    QCOMPARE(f.board.backgroundRect().size(), QSizeF(666, 500));
    f.board.toggleFullScreen();
    f.board.resize(1200, 700);
    QCOMPARE(f.picture->displaySize(), QSize(1000, 500));  // frozen while full screen
    f.board.toggleFullScreen();
    f.board.resize(1100, 600);
    QCOMPARE(f.picture->displaySize(), QSize(1100, 600));
}

void TestIBoard::newFrameSizeRecentres()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    f.board.setBackgroundImage(solidFrame(QSize(1920, 1080), Qt::red));
    f.board.translate(100, 0);
    f.board.setBackgroundImage(solidFrame(QSize(1920, 1080), Qt::blue));
    QCOMPARE(f.viewOf(f.board.backgroundRect().center()), QPoint(1060, 540));  // same size
    f.board.setBackgroundImage(solidFrame(QSize(1280, 960), Qt::blue));
    QCOMPARE(f.board.backgroundRect(), QRectF(0, 0, 1440, 1080));
    QVERIFY(nearCentre(f.viewOf(f.board.backgroundRect().center())));
}

void TestIBoard::framesArrivingFasterThanPaintsAreDropped()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    QTRY_VERIFY(f.picture->paints > 0);
    QCoreApplication::processEvents();
    const int before = f.picture->paints;
    for (int i = 0; i < 30; ++i) {
        f.board.setBackgroundImage(solidFrame(QSize(1920, 1080), QColor(i * 8, 0, 255 - i * 8)));
    }
    QCOMPARE(f.picture->paints, before);  // nothing drawn while frames arrive
    QTRY_VERIFY(f.picture->paints > before);
    QCoreApplication::processEvents();
    QCOMPARE(f.picture->paints, before + 1);
    QCOMPARE(f.picture->paintedColour, QColor(29 * 8, 0, 255 - 29 * 8));
}

void TestIBoard::foreignFormatConvertedOnceAtPaint()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    const QImage frame = solidFrame(QSize(1920, 1080), QColor(10, 200, 30), QImage::Format_RGB888);
    f.board.setBackgroundImage(frame);
    QCOMPARE(f.picture->image().format(), QImage::Format_RGB888);  // stored as it came
    const int before = f.picture->paints;
    QTRY_VERIFY(f.picture->paints > before);
    QCOMPARE(f.picture->image().format(), QImage::Format_RGB32);
    QCOMPARE(f.picture->paintedColour, QColor(10, 200, 30));
    const QImage grabbed = f.board.viewport()->grab().toImage();
    QCOMPARE(grabbed.pixelColor(960, 540), QColor(10, 200, 30));
}

void TestIBoard::detachedFrameOutlivesItsBuffer()
{
    BoardFixture f(QSize(1920, 1080), QSize(64, 36));
    QVector<quint32> buffer(64 * 36, 0xff00ff00);
    const QImage wrapped(reinterpret_cast<const uchar*>(buffer.constData()), 64, 36,
                         QImage::Format_RGB32);
    f.board.setBackgroundImage(wrapped);
    f.board.detachBackgroundImage();
    buffer.fill(0xffff0000);
    QCOMPARE(f.picture->image().pixel(3, 3), 0xff00ff00);
}

void TestIBoard::viewAroundThePictureIsCleared_data()
{
    QTest::addColumn<double>("turn");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("alpha");
    QTest::newRow("upright, bars at the sides") << 0.0 << 1.0 << 255;
    QTest::newRow("turned") << 30.0 << 1.0 << 255;
    QTest::newRow("zoomed out") << 0.0 << 0.5 << 255;
    QTest::newRow("see-through frame") << 0.0 << 1.0 << 128;
}

// The view no longer clears itself before each frame: whatever the picture leaves uncovered
// must still be painted over, and the picture drawn where it lies.
void TestIBoard::viewAroundThePictureIsCleared()
{
    QFETCH(double, turn);
    QFETCH(double, zoom);
    QFETCH(int, alpha);
    BoardFixture f;
    f.board.rotateBy(turn);
    f.board.zoomBy(zoom);
    f.board.setBackgroundImage(
        solidFrame(QSize(1600, 1200), QColor(255, 0, 0, alpha),
                   alpha < 255 ? QImage::Format_ARGB32 : QImage::Format_RGB32));
    QImage shown(f.board.viewport()->size(), QImage::Format_RGB32);
    shown.fill(Qt::magenta);  // what an unpainted pixel would keep
    f.board.viewport()->render(&shown);
    const QColor base = f.board.viewport()->palette().color(f.board.viewport()->backgroundRole());
    QCOMPARE(shown.pixelColor(0, 0), base);
    const int green = base.green() * (255 - alpha) / 255;  // the frame's own green is 0
    QVERIFY(qAbs(shown.pixelColor(960, 540).green() - green) <= 2);
    for (int y = 0; y < shown.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        QVERIFY2(std::none_of(line, line + shown.width(),
                              [](QRgb pixel) { return pixel == QColor(Qt::magenta).rgb(); }),
                 qPrintable(QString::number(y)));
    }
}

void TestIBoard::nullFrameKeepsTheLastPicture()
{
    BoardFixture f;
    const QRectF rect = f.board.backgroundRect();
    QTest::ignoreMessage(QtDebugMsg, "empty camera frame ignored, the last picture stays");
    f.board.setBackgroundImage(QImage());
    f.board.setBackgroundImage(QImage());  // logged once per run of empty frames
    QCOMPARE(f.board.backgroundRect(), rect);
    QCOMPARE(f.picture->image().size(), QSize(1600, 1200));
}

void TestIBoard::shownSizeFollowsZoomAndKeepsLayout()
{
    BoardFixture f(QSize(1920, 1080), QSize(3840, 2160));
    QSignalSpy shown(&f.board, &IBoard::sgPictureShownSize);
    const QRectF rect = f.board.backgroundRect();
    QCOMPARE(f.board.shownPictureSize(), QSize(1920, 1080));
    // A frame the camera decoded at half size lays out, and is counted, as the full one.
    QImage half = solidFrame(QSize(1920, 1080), Qt::blue);
    IViewScale::markFullSize(&half, QSize(3840, 2160));
    f.board.setBackgroundImage(half);
    QCOMPARE(f.board.backgroundRect(), rect);
    QVERIFY(shown.isEmpty());
    // Zooming in past the decoded scale asks for larger frames at once.
    f.board.zoomBy(2.5);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.last().at(0).toSize(), QSize(4800, 2700));
    f.board.resetView();
    QCOMPARE(shown.last().at(0).toSize(), QSize(1920, 1080));
}

void TestIBoard::overlaySizeEqualsPictureSize_data()
{
    QTest::addColumn<QSize>("boardSize");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("4K on 1080p") << QSize(1920, 1080) << QSize(3840, 2160);
    QTest::newRow("4:3 on 1080p") << QSize(1920, 1080) << QSize(1600, 1200);
    QTest::newRow("1080p on 1366x768") << QSize(1366, 768) << QSize(1920, 1080);
    QTest::newRow("odd sizes") << QSize(1001, 777) << QSize(2592, 1944);
    QTest::newRow("portrait board") << QSize(700, 1000) << QSize(1280, 720);
}

void TestIBoard::overlaySizeEqualsPictureSize()
{
    QFETCH(QSize, boardSize);
    QFETCH(QSize, frame);
    BoardFixture f(boardSize, frame);
    const QRectF r = f.board.backgroundRect();
    QVERIFY(!r.isEmpty());
    const QImage byFactors =
        f.board.renderOverlay(frame.width() / r.width(), frame.height() / r.height());
    QCOMPARE(byFactors.size(), frame);
    QCOMPARE(byFactors.format(), QImage::Format_ARGB32);
    QCOMPARE(f.board.renderOverlay(frame).size(), frame);
}

void TestIBoard::emptyPageOverlayIsTransparent()
{
    BoardFixture f(QSize(1920, 1080), QSize(1600, 1200));
    const QImage overlay = f.board.renderOverlay(QSize(1600, 1200));
    QCOMPARE(overlay.size(), QSize(1600, 1200));
    QVERIFY(allTransparent(overlay));  // the red picture is never in it
    QVERIFY(f.board.renderOverlay(0.0, 1.0).isNull());
    QVERIFY(f.board.renderOverlay(qQNaN(), 1.0).isNull());
    QVERIFY(f.board.renderOverlay(QSize()).isNull());
}

void TestIBoard::overlayHoldsElementsOnly()
{
    BoardFixture f(QSize(1920, 1080), QSize(1600, 1200));
    const QRectF r = f.board.backgroundRect();  // 1440 x 1080 at (0, 0)
    auto* stroke = new TestPathElement(QRectF(360, 270, 720, 540), Qt::blue);
    f.page->addElement(stroke, false);
    // Things that are on the page but never in a photo: an eraser circle, a pen preview and
    // the text frame.
    auto* circle = f.page->addEllipse(r, QPen(Qt::black, 8), QBrush(Qt::black));
    circle->setZValue(10001000);
    auto* preview = f.page->addRect(QRectF(0, 0, 400, 400), QPen(), QBrush(Qt::yellow));
    auto* frame = new TestTextFrame;
    f.board.setTextFrameFactory([frame](IBoard*) { return frame; });
    f.board.selectItem(stroke, true);
    QVERIFY(frame->isVisible());

    const QImage overlay = f.board.renderOverlay(QSize(1600, 1200));
    QCOMPARE(overlay.size(), QSize(1600, 1200));
    // The stroke covers the middle quarter of the picture.
    QCOMPARE(overlay.pixelColor(800, 600), QColor(Qt::blue));
    QCOMPARE(overlay.pixelColor(405, 305), QColor(Qt::blue));
    QCOMPARE(overlay.pixelColor(1195, 895), QColor(Qt::blue));
    for (const QPoint& p :
         {QPoint(5, 5), QPoint(395, 295), QPoint(1205, 905), QPoint(100, 1100), QPoint(1590, 10)}) {
        QCOMPARE(qAlpha(overlay.pixel(p)), 0);
    }
    QVERIFY(circle->isVisible() && preview->isVisible() && frame->isVisible());

    stroke->setVisible(false);
    QVERIFY(allTransparent(f.board.renderOverlay(QSize(1600, 1200))));
}

void TestIBoard::overlayIgnoresViewZoomAndRotation()
{
    BoardFixture f(QSize(1920, 1080), QSize(1920, 1080));
    auto* text = new TestTextElement("Orvella");
    text->setPos(200, 150);
    text->setDefaultTextColor(Qt::darkGreen);
    f.page->addElement(text, false);
    f.page->addElement(new TestPathElement(QRectF(900, 500, 100, 60), Qt::magenta), false);
    const QImage upright = f.board.renderOverlay(QSize(1920, 1080));
    QVERIFY(!allTransparent(upright));
    f.board.zoomBy(3);
    f.board.rotateBy(90);
    f.board.translate(100, 70);
    QCOMPARE(f.board.renderOverlay(QSize(1920, 1080)), upright);
}

void TestIBoard::textFrameSelection()
{
    BoardFixture f;
    f.board.setTextFrameFactory({});
    f.board.selectItem(nullptr, true);
    QVERIFY(!f.page->createdTextFrame());
    f.board.clearSelection();  // no frame maker: nothing to do
    auto* frame = new TestTextFrame;
    f.board.setTextFrameFactory([frame](IBoard*) { return frame; });
    auto* text = new TestTextElement;
    f.page->addElement(text, false);
    f.board.selectItem(text, true);
    QCOMPARE(frame->shownItems, QList<QGraphicsItem*>{text});
    QVERIFY(frame->shownSelected);
    QVERIFY(frame->isVisible());
    f.board.clearSelection();
    QVERIFY(!frame->isVisible());
    QVERIFY(!frame->groupActive);
    QCOMPARE(frame->editEnds, 1);
    QVERIFY(!frame->frameSelected);
    // Leaving Select clears the selection as well.
    f.board.selectItem(text, true);
    f.board.setModeType(KM_IBOARD_ENUM::Pen);
    QVERIFY(!frame->isVisible());
    QCOMPARE(frame->editEnds, 2);
}

void TestIBoard::geometryHelpers()
{
    BoardFixture f;
    auto* text = new TestTextElement("here");
    text->setPos(500, 500);
    f.page->addElement(text, false);
    QCOMPARE(f.board.itemAtViewPos(f.viewOf(text->sceneBoundingRect().center())),
             static_cast<QGraphicsItem*>(text));
    // The picture item has no shape of its own, so only annotations are found.
    QVERIFY(!f.board.itemAtViewPos(f.viewOf(QPointF(50, 50))));
    const QRectF global = f.board.backgroundGlobalRect();
    QCOMPARE(global.size(), QSizeF(1440, 1080));
    QCOMPARE(global.topLeft(), QPointF(f.board.viewport()->mapToGlobal(QPoint(240, 0))));
    f.board.zoomBy(0.5);
    QCOMPARE(f.board.backgroundGlobalRect().size(), QSizeF(720, 540));
}

void TestIBoard::dropIsAnnounced()
{
    BoardFixture f;
    QList<QDropEvent*> drops;
    QObject::connect(&f.board, &IBoard::sgDropEvent, [&drops](QDropEvent* e) { drops << e; });
    QMimeData data;
    data.setText("x");
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.viewport(), &drop);
    QCOMPARE(drops, QList<QDropEvent*>{&drop});
    QVERIFY(drop.isAccepted());
}

void TestIBoard::replacedBackgroundItemIsDeleted()
{
    BoardFixture f;
    auto* replacement = new IPixmapItem(f.board.size());
    f.board.setBackgroundItem(replacement);
    QCOMPARE(f.board.backgroundItem(), static_cast<QGraphicsItem*>(replacement));
    QCOMPARE(replacement->scene(), f.page);
    QCOMPARE(f.page->items().count(f.picture), 0);
    f.picture = nullptr;
}

QTEST_MAIN(TestIBoard)
#include "tst_iboard.moc"
