// Paint cost of the camera picture on the board: a 3840 x 2160 32-bit frame shown in a
// 1920 x 1080 view, bare and with 40 long pen strokes over it, against the bare scaling draw
// call as the baseline. Run offscreen (scripts/bench.sh sets QT_QPA_PLATFORM=offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QRandomGenerator>

#include "board/iboard.h"
#include "board/ipixmapitem.h"
#include "board/islide.h"
#include "board/item/iabstractelement.h"

namespace {

const QSize kFrameSize(3840, 2160);
const QSize kViewSize(1920, 1080);

// Two frames with content, alternated so nothing can be reused between iterations.
const QImage& frame(int i)
{
    static const QImage frames[2] = {[] {
                                         QImage f(kFrameSize, QImage::Format_RGB32);
                                         QPainter p(&f);
                                         p.fillRect(f.rect(), QLinearGradient(0, 0, 3840, 2160));
                                         p.fillRect(QRect(400, 300, 3000, 1500),
                                                    QColor(240, 240, 230));
                                         return f;
                                     }(),
                                     [] {
                                         QImage f(kFrameSize, QImage::Format_RGB32);
                                         f.fill(QColor(200, 210, 220));
                                         return f;
                                     }()};
    return frames[i & 1];
}

// A pen stroke as the pen builds it: a wide round-capped polyline, cached per device.
class BenchStroke : public IAbstractPathElement {
public:
    explicit BenchStroke(const QPainterPath& path)
    {
        setId(newId());
        setZOrder(ISlide::BottomZ);
        setCacheMode(DeviceCoordinateCache);
        setPath(path);
        QPen pen(QColor(255, 0, 0, 200), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        setPen(pen);
    }
    int type() const override { return PathElementType; }
    IElement* clone() override { return nullptr; }
};

QPainterPath longStroke(QRandomGenerator& random)
{
    // About 400 points of handwriting-like wandering over a 600 x 300 area.
    QPointF p(200 + random.bounded(1000), 150 + random.bounded(600));
    QPainterPath path(p);
    double angle = random.bounded(6.28);
    for (int i = 0; i < 400; ++i) {
        angle += random.bounded(1.2) - 0.6;
        p += QPointF(std::cos(angle) * 6, std::sin(angle) * 3);
        path.lineTo(p);
    }
    return path;
}

struct Board {
    Board()
    {
        board.resize(kViewSize);
        page = new ISlide;
        board.insertSlide(page, true);
        picture = new IPixmapItem(kViewSize);
        picture->setZValue(-9999999);
        board.setBackgroundItem(picture);
        board.show();
        board.setBackgroundImage(frame(0));
        settle();
    }
    // Adds `count` strokes; returns their mean length and mean bounding area in pixels.
    std::pair<double, double> addStrokes(int count)
    {
        QRandomGenerator random(42);
        double length = 0;
        double area = 0;
        for (int i = 0; i < count; ++i) {
            const QPainterPath path = longStroke(random);
            length += path.length();
            area += path.boundingRect().width() * path.boundingRect().height();
            page->addElement(new BenchStroke(path), true);
        }
        settle();
        return {count ? length / count : 0, count ? area / count : 0};
    }
    // Lets the view paint what is pending.
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }

    IBoard board;
    ISlide* page = nullptr;
    IPixmapItem* picture = nullptr;
};

void BM_DrawImageBaseline(benchmark::State& state)
{
    QImage target(kViewSize, QImage::Format_ARGB32_Premultiplied);
    int i = 0;
    for (auto _ : state) {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), kViewSize), frame(i++));
    }
}
BENCHMARK(BM_DrawImageBaseline)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// One frame arrives and the view paints it, through the normal update path.
void paintFrames(benchmark::State& state, int strokes)
{
    Board b;
    const auto [length, area] = b.addStrokes(strokes);
    state.counters["stroke_px"] = length;
    state.counters["stroke_box_px2"] = area;
    int i = 0;
    for (auto _ : state) {
        b.board.setBackgroundImage(frame(++i));
        b.board.viewport()->repaint();
    }
}

void BM_FramePaint(benchmark::State& state)
{
    paintFrames(state, 0);
}
BENCHMARK(BM_FramePaint)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_FramePaint40Strokes(benchmark::State& state)
{
    paintFrames(state, 40);
}
BENCHMARK(BM_FramePaint40Strokes)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The same with Qt's default 10 MB pixmap cache: the stroke caches no longer fit.
void BM_FramePaint40StrokesDefaultCache(benchmark::State& state)
{
    const int limit = QPixmapCache::cacheLimit();
    QPixmapCache::clear();
    {
        Board b;
        QPixmapCache::setCacheLimit(10240);
        b.addStrokes(40);
        int i = 0;
        for (auto _ : state) {
            b.board.setBackgroundImage(frame(++i));
            b.board.viewport()->repaint();
        }
    }
    QPixmapCache::setCacheLimit(limit);
}
BENCHMARK(BM_FramePaint40StrokesDefaultCache)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Five frames arrive between two paints: only the newest is drawn.
void BM_FiveFramesOnePaint(benchmark::State& state)
{
    Board b;
    b.addStrokes(40);
    int i = 0;
    for (auto _ : state) {
        for (int k = 0; k < 5; ++k) {
            b.board.setBackgroundImage(frame(++i));
        }
        b.settle();
    }
}
BENCHMARK(BM_FiveFramesOnePaint)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
