#include <QtTest>

#include <QLabel>

#include "customui/imageitem.h"
#include "customui/imageview.h"
#include "customui/ismallcameraframe.h"
#include "kittesthelpers.h"
#include "modalanswerer.h"

// The picture viewer over a 1920 x 1080 window, on three real picture files (the last 800 x 600):
// what it opens, zoom limits, panning, moving and resetting; and the picture-in-picture size.
class TestImageView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete window_; }
    void opening_data();
    void opening();
    void zoomLimits_data();
    void zoomLimits();
    void dragging_data();
    void dragging();
    void captureSize_data();
    void captureSize();

private:
    QRectF shown() const
    {
        return view_->mapFromScene(view_->item()->sceneBoundingRect()).boundingRect();
    }

    QTemporaryDir dir_;
    QWidget* window_ = nullptr;
    ImageView* view_ = nullptr;
    QStringList checked_;
    QString said_;  // the message box's or tip's text
};

void TestImageView::init()
{
    window_ = new QWidget;
    window_->setFixedSize(1920, 1080);
    window_->show();
    view_ = new ImageView(window_);
    view_->hide();
    view_->setCheckedPaths([this]() { return checked_; });
    connect(view_, &ImageView::sgTip, [this](const QString& text) { said_ = text; });
    checked_.clear();
    said_.clear();
    for (const QSize& size : {QSize(400, 300), QSize(300, 400), QSize(800, 600)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        checked_ << dir_.filePath(QString::number(size.width()) + ".png");
        QVERIFY(image.save(checked_.last()));
    }
}

void TestImageView::opening_data()
{
    QTest::addColumn<QByteArray>("last");  // contents of a last checked file, if any
    QTest::addColumn<QString>("said");     // empty: the viewer opens
    QTest::newRow("three checked") << QByteArray() << QString();
    QTest::newRow("none checked") << QByteArray("none") << "Please select a picture first";
    QTest::newRow("unreadable") << QByteArray("GIF89a broken") << "The picture cannot be read.";
    // 20000 x 20000 pixels claimed by a header of a few bytes.
    QTest::newRow("huge header") << QByteArray("P6\n20000 20000\n255\n\x01\x02")
                                 << "The picture is too large to be shown.";
}

void TestImageView::opening()
{
    QFETCH(QByteArray, last);
    QFETCH(QString, said);
    if (last == "none") {
        checked_.clear();
        answerNextModal([this](QWidget* box) {
            said_ = box->findChild<QLabel*>()->text();
            box->close();
        });
    } else if (!last.isEmpty()) {
        QFile file(dir_.filePath("odd.ppm"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(last) == last.size());
        checked_ << file.fileName();
    }
    view_->showPanel(true);
    QCOMPARE(said_, said);
    QCOMPARE(view_->isVisible(), said.isEmpty());
    if (said.isEmpty()) {
        QCOMPARE(view_->item()->image().size(), QSize(800, 600));
        QCOMPARE(view_->geometry(), QRect(200, 40, 830, 940));
        QVERIFY(qAbs(shown().center().y() - view_->height() / 2.0) < 2);
    }
}

void TestImageView::zoomLimits_data()
{
    QTest::addColumn<bool>("wheel");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("limit");
    QTest::newRow("call in") << false << 1.1 << ImageView::kMaxScale;
    QTest::newRow("call out") << false << 0.9 << ImageView::kMinScale;
    QTest::newRow("wheel in") << true << 1.1 << ImageView::kMaxScale;
    QTest::newRow("wheel out") << true << 0.9 << ImageView::kMinScale;
}

void TestImageView::zoomLimits()
{
    QFETCH(bool, wheel);
    QFETCH(double, factor);
    QFETCH(double, limit);
    view_->showPanel(true);
    const QPoint at(300, 400);  // on the picture
    for (int i = 0; i < 100; ++i) {
        const QPointF before = view_->mapToScene(at);
        if (!wheel) {
            view_->zoomView(factor);
            continue;
        }
        QWheelEvent event(at, view_->viewport()->mapToGlobal(at), QPoint(),
                          QPoint(0, factor > 1 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view_->viewport(), &event);
        // The point under the pointer stays under it while the pointer is on the picture.
        const double slack = 2 / view_->currentScale();
        QVERIFY(i > 5 || (view_->mapToScene(at) - before).manhattanLength() <= slack);
    }
    QVERIFY(qFuzzyCompare(view_->currentScale(), limit));
}

void TestImageView::dragging_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<bool>("pans");
    QTest::newRow("on the picture") << QPoint(415, 470) << true;
    QTest::newRow("on the grey") << QPoint(415, 120) << false;
}

void TestImageView::dragging()
{
    QFETCH(QPoint, from);
    QFETCH(bool, pans);
    view_->showPanel(true);
    const QRectF picture = shown();
    const QPoint pos = view_->pos();
    const QPoint by(50, 30);
    sendMouse(view_->viewport(), QEvent::MouseButtonPress, from);
    sendMouse(view_->viewport(), QEvent::MouseMove, from + by);
    sendMouse(view_->viewport(), QEvent::MouseButtonRelease, from + by);
    QCOMPARE(shown().topLeft(), picture.topLeft() + (pans ? QPointF(by) : QPointF()));
    QCOMPARE(view_->pos(), pos + (pans ? QPoint() : by));
    view_->zoomView(3);
    sendMouse(view_->viewport(), QEvent::MouseButtonDblClick, from);
    QCOMPARE(shown(), picture);
}

void TestImageView::captureSize_data()
{
    QTest::addColumn<QList<QSizeF>>("offered");
    QTest::addColumn<QSize>("chosen");
    QTest::newRow("320 and 640") << QList<QSizeF>{{320, 240}, {640, 480}} << QSize(640, 480);
    QTest::newRow("320 only") << QList<QSizeF>{{320, 240}} << QSize(640, 480);
    QTest::newRow("none") << QList<QSizeF>() << QSize(640, 480);
    QTest::newRow("800 first") << QList<QSizeF>{{320, 240}, {800, 600}, {1280, 720}}
                               << QSize(800, 600);
}

void TestImageView::captureSize()
{
    QFETCH(QList<QSizeF>, offered);
    QFETCH(QSize, chosen);
    QCOMPARE(ISmallCameraFrame::captureSize(offered), chosen);
}

QTEST_MAIN(TestImageView)
#include "tst_imageview.moc"
