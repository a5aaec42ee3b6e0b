// Paint cost of the camera picture on the board: a 3840 x 2160 32-bit frame shown in a
// 1920 x 1080 view, bare and with 40 long pen strokes over it; the pen's cost per move, on
// release and per eraser step; the page history's memory for 100 long strokes and the time to
// undo a clear of 40 strokes, repaint included. The bare scaling draw call is the baseline. Run
// offscreen (scripts/bench.sh sets QT_QPA_PLATFORM=offscreen).

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QRandomGenerator>

#include "board/iboard.h"
#include "board/ipixmapitem.h"
#include "board/islide.h"
#include "board/path/ipathelement.h"
#include "service/iboardservice.h"

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

// Handwriting-like wandering over about a 600 x 300 area, `count` points.
QVector<QPointF> longStroke(QRandomGenerator& random, int count = 400)
{
    QPointF p(200 + random.bounded(1000), 150 + random.bounded(600));
    QVector<QPointF> points{p};
    double angle = random.bounded(6.28);
    for (int i = 0; i < count; ++i) {
        angle += random.bounded(1.2) - 0.6;
        p += QPointF(std::cos(angle) * 6, std::sin(angle) * 3);
        points.append(p);
    }
    return points;
}

// A wave across the picture about height y, `count` points: handwriting-like for a large
// amplitude and frequency, a gently wavy line for small ones.
QVector<QPointF> waveStroke(double y, int count, double amplitude, double frequency)
{
    QVector<QPointF> points;
    for (int i = 0; i < count; ++i) {
        points.append(QPointF(100 + i * 1700.0 / count, y + amplitude * std::sin(i * frequency)));
    }
    return points;
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
    // Draws `count` pen strokes through the board's mouse routing; returns their mean length
    // and mean bounding area in pixels.
    std::pair<double, double> addStrokes(int count)
    {
        QRandomGenerator random(42);
        board.setModeType(KM_IBOARD_ENUM::Pen);
        double length = 0;
        double area = 0;
        for (int i = 0; i < count; ++i) {
            const QVector<QPointF> points = longStroke(random);
            drag(points);
            const QPainterPath path = dynamic_cast<IPathElement*>(page->elements().last())->path();
            length += path.length();
            area += path.boundingRect().width() * path.boundingRect().height();
        }
        board.setModeType(KM_IBOARD_ENUM::Select);
        settle();
        return {count ? length / count : 0, count ? area / count : 0};
    }
    void mouse(QEvent::Type type, const QPointF& scenePoint)
    {
        const QPoint p = board.mapFromScene(scenePoint);
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, p, board.viewport()->mapToGlobal(p), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(board.viewport(), &event);
    }
    // Press on the first point and move through the others, without releasing.
    void pressAndMove(const QVector<QPointF>& points)
    {
        mouse(QEvent::MouseButtonPress, points.first());
        for (int i = 1; i < points.size(); ++i) {
            mouse(QEvent::MouseMove, points.at(i));
        }
    }
    void drag(const QVector<QPointF>& points)
    {
        pressAndMove(points);
        mouse(QEvent::MouseButtonRelease, points.last());
    }
    void deleteElements()
    {
        for (IElement* element : page->elements()) {
            page->removeElement(element, true);
            delete element;
        }
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

// One pen move handled (routing, preview capsule, region) with 3000 points in the stroke.
void BM_PenMoveAt3000Points(benchmark::State& state)
{
    Board b;
    b.board.setModeType(KM_IBOARD_ENUM::Pen);
    const QVector<QPointF> points = waveStroke(400, 4000, 40, 0.3);
    int next = 0;
    for (auto _ : state) {
        if (next == 0 || next == points.size()) {
            state.PauseTiming();
            if (next) {
                b.mouse(QEvent::MouseButtonRelease, points.last());
                b.deleteElements();
            }
            b.pressAndMove(points.mid(0, 3000));
            next = 3000;
            state.ResumeTiming();
        }
        b.mouse(QEvent::MouseMove, points.at(next++));
    }
}
BENCHMARK(BM_PenMoveAt3000Points)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// Releasing a 3000-point stroke: the element is built and the view paints it the first time.
void BM_FirstPaintAfterRelease3000(benchmark::State& state)
{
    Board b;
    b.board.setModeType(KM_IBOARD_ENUM::Pen);
    QRandomGenerator random(7);
    for (auto _ : state) {
        state.PauseTiming();
        const QVector<QPointF> points = longStroke(random, 3000);
        b.pressAndMove(points);
        b.board.viewport()->repaint();
        state.ResumeTiming();
        b.mouse(QEvent::MouseButtonRelease, points.last());
        b.board.viewport()->repaint();
        state.PauseTiming();
        b.deleteElements();
        b.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPaintAfterRelease3000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// One eraser move whose 100-pixel capsule crosses ten 1000-point strokes, with the repaint it
// causes.
void BM_EraserStepOver10Strokes(benchmark::State& state)
{
    Board b;
    double x = 0;
    bool down = true;
    for (auto _ : state) {
        if (x == 0 || x > 1750) {
            state.PauseTiming();
            b.mouse(QEvent::MouseButtonRelease, QPointF(x, 100));
            b.deleteElements();
            b.board.setModeType(KM_IBOARD_ENUM::Pen);
            for (int i = 0; i < 10; ++i) {
                b.drag(waveStroke(150 + i * 70, 1000, 8, 0.05));
            }
            b.board.setModeType(KM_IBOARD_ENUM::PathErase);
            x = 60;
            b.mouse(QEvent::MouseButtonPress, QPointF(x, 100));
            b.settle();
            state.ResumeTiming();
        }
        x += 4;
        down = !down;
        b.mouse(QEvent::MouseMove, QPointF(x, down ? 100 : 850));
        b.settle();  // the view repaints what the step changed
    }
    state.counters["elements_left"] = b.page->elements().size();
}
BENCHMARK(BM_EraserStepOver10Strokes)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Heap bytes in use, after handing freed memory back.
double heapBytes()
{
    malloc_trim(0);
    return double(mallinfo2().uordblks);
}

// 100 strokes of 3000 points drawn, then cleared: what the history keeps for its 100 steps
// (the strokes it can bring back), in megabytes and per step.
void BM_HistoryOf100Strokes3000(benchmark::State& state)
{
    for (auto _ : state) {
        Board b;
        IBoardService::instance()->attachBoard(&b.board);
        b.board.setModeType(KM_IBOARD_ENUM::Pen);
        const double before = heapBytes();
        for (int i = 0; i < 100; ++i) {
            b.drag(waveStroke(100 + i * 9, 3000, 30, 0.2));
        }
        const double drawn = heapBytes();
        IBoardService::instance()->clearStrokesAndText();
        const double kept = heapBytes();
        state.counters["page_MB"] = (drawn - before) / 1e6;
        state.counters["history_MB"] = (kept - before) / 1e6;
        state.counters["per_step_KB"] = (kept - before) / 1e3 / ISlide::HistoryLimit;
        IBoardService::instance()->attachBoard(nullptr);
    }
}
BENCHMARK(BM_HistoryOf100Strokes3000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Undoing a clear of 40 strokes, with the repaint of the 1920 x 1080 view that shows them.
void BM_UndoClear40Strokes(benchmark::State& state)
{
    Board b;
    IBoardService::instance()->attachBoard(&b.board);
    b.addStrokes(40);
    for (auto _ : state) {
        state.PauseTiming();
        IBoardService::instance()->clearStrokesAndText();
        b.board.viewport()->repaint();
        state.ResumeTiming();
        b.board.undo();
        b.board.viewport()->repaint();
    }
    state.counters["elements"] = b.page->elements().size();
    IBoardService::instance()->attachBoard(nullptr);
}
BENCHMARK(BM_UndoClear40Strokes)->Unit(benchmark::kMillisecond)->MinTime(1.0);

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
