#include <QtTest>

#include <QLabel>

#include "customui/viewer/imageitem.h"
#include "customui/viewer/imageview.h"
#include "customui/viewer/ismallcameraframe.h"
#include "kittesthelpers.h"
#include "modalanswerer.h"

// The picture viewer over a 1920 x 1080 window on real picture files (three checked, the last
// 800 x 600, and maybe a fourth), and the capture size of the picture-in-picture panel.
class TestImageView : public QObject {
    Q_OBJECT
private slots:
    void viewer_data();
    void viewer();
    void captureSize_data();
    void captureSize();
};

void TestImageView::viewer_data()
{
    QTest::addColumn<QByteArray>("fourth");  // its contents; "none": nothing checked
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* fourth, const char* action, const char* out) {
        QTest::newRow(name) << QByteArray(fourth) << QString(action) << QString(out);
    };
    row("none checked", "none", "", "Please select a picture first");
    row("unreadable", "GIF89a", "", "The picture cannot be read.");
    row("huge header of 20000 x 20000", "P6\n20000 20000\n255\n\x01\x02", "",
        "The picture is too large to be shown.");
    row("three checked", "", "", "800 wide");
    row("closed before the picture arrives", "", "close", "");
    row("zoom in", "", "call 1.1", "scale 30");
    row("zoom out", "", "call 0.9", "scale 0.05");
    row("wheel in", "", "wheel 1.1", "scale 30");
    row("wheel out", "", "wheel 0.9", "scale 0.05");
    row("drag picture", "", "drag 415 470", "panned 50,30");
    row("drag grey", "", "drag 415 120", "moved 50,30");
}

void TestImageView::viewer()
{
    QFETCH(QByteArray, fourth);
    QFETCH(QString, action);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QStringList checked;
    for (int width : {400, 300, 800}) {
        QImage image(width, 600, QImage::Format_RGB32);
        image.fill(Qt::blue);
        checked << dir.filePath(QString::number(width) + ".png");
        QVERIFY(image.save(checked.last()));
    }
    QFile file(dir.filePath("fourth.ppm"));
    QVERIFY(fourth.isEmpty() ||
            (file.open(QIODevice::WriteOnly) && file.write(fourth) > 0 && file.flush()));
    checked << (fourth.isEmpty() ? QStringList() : QStringList(file.fileName()));
    QWidget window;
    window.setFixedSize(1920, 1080);
    window.show();
    ImageView view(&window);
    view.setCheckedPaths([&]() { return fourth == "none" ? QStringList() : checked; });
    QString seen;
    connect(&view, &ImageView::sgTip, [&seen](const QString& text) { seen = text; });
    if (fourth == "none") {
        answerNextModal([&seen](QWidget* box) {
            seen = box->findChild<QLabel*>()->text();
            box->close();
        });
    }
    view.showPanel(true);
    if (action == "close") {
        view.showPanel(false);
        QTest::qWait(300);
        QVERIFY(!view.isVisible() && seen.isEmpty());
        return;
    }
    QTRY_VERIFY(view.isVisible() || !seen.isEmpty());  // read on a worker thread
    const auto shown = [&view]() {
        return view.mapFromScene(view.item()->sceneBoundingRect()).boundingRect();
    };
    const QRect picture = shown();
    const QPoint pos = view.pos();
    const QStringList words = action.split(' ');
    const QPoint at(words.value(1).toInt(), words.value(2).toInt());
    for (int i = 0; words[0] == "call" && i < 100; ++i) {
        view.zoomView(words[1].toDouble());
    }
    for (int i = 0; words[0] == "wheel" && i < 100; ++i) {
        const QPoint pointer(300, 400);  // on the picture
        const QPointF before = view.mapToScene(pointer);
        QWheelEvent wheel(pointer, view.viewport()->mapToGlobal(pointer), QPoint(),
                          QPoint(0, words[1].toDouble() > 1 ? 120 : -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &wheel);
        // The point under the pointer stays under it while the pointer is on the picture.
        const double slack = 2 / view.currentScale();
        QVERIFY(i > 5 || (view.mapToScene(pointer) - before).manhattanLength() <= slack);
    }
    if (words[0] == "call" || words[0] == "wheel") {
        seen = QStringLiteral("scale %1").arg(view.currentScale());
    } else if (words[0] == "drag") {
        sendMouse(view.viewport(), QEvent::MouseButtonPress, at);
        sendMouse(view.viewport(), QEvent::MouseMove, at + QPoint(50, 30));
        sendMouse(view.viewport(), QEvent::MouseButtonRelease, at + QPoint(50, 30));
        const QPoint panned = shown().topLeft() - picture.topLeft();
        const QPoint moved = view.pos() - pos;
        seen = panned.isNull() ? "moved " : "panned ";
        seen += QString::number((panned + moved).x()) + "," + QString::number((panned + moved).y());
        view.zoomView(3);
        sendMouse(view.viewport(), QEvent::MouseButtonDblClick, at);
        QCOMPARE(shown(), picture);  // reset
    } else if (view.isVisible()) {
        seen = QStringLiteral("%1 wide").arg(view.item()->image().width());
        QCOMPARE(view.geometry(), QRect(200, 40, 830, 940));
        QVERIFY(qAbs(picture.center().y() - view.height() / 2) < 2);  // centred
    }
    QCOMPARE(seen, expected);
}

void TestImageView::captureSize_data()
{
    QTest::addColumn<QList<QSizeF>>("offered");
    QTest::addColumn<QSize>("chosen");
    QTest::newRow("320, 640") << QList<QSizeF>{{320, 240}, {640, 480}} << QSize(640, 480);
    QTest::newRow("320 only") << QList<QSizeF>{{320, 240}} << QSize(640, 480);
    QTest::newRow("320, 800") << QList<QSizeF>{{320, 240}, {800, 600}} << QSize(800, 600);
}

void TestImageView::captureSize()
{
    QFETCH(QList<QSizeF>, offered);
    QFETCH(QSize, chosen);
    QCOMPARE(ISmallCameraFrame::captureSize(offered), chosen);
}

QTEST_MAIN(TestImageView)
#include "tst_imageview.moc"
