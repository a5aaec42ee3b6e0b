// Image algorithms on full-resolution frames, against a plain copy of the same frame.
//   bench_opencv [--benchmark_filter=...]   (scripts/bench.sh opencv prints the medians)
// The last argument of each case is OpenCV's thread count: 1 is the one-core figure,
// 0 OpenCV's default (every core).
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <map>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "opencv/iopencvapi.h"

namespace {

// A live frame as the camera delivers it: a white page with text lines, turned by 7 degrees,
// on a noisy dark desk (BGRA).
cv::Mat drawFrame(int width, int height)
{
    cv::Mat frame(height, width, CV_8UC4, cv::Scalar(32, 38, 45, 255));
    const float scale = height / 1080.0f;
    const cv::RotatedRect page(cv::Point2f(width / 2.0f, height / 2.0f),
                               cv::Size2f(560 * scale, 790 * scale), 7);
    cv::Point2f corners[4];
    page.points(corners);
    std::vector<cv::Point> outline(corners, corners + 4);
    cv::fillConvexPoly(frame, outline, cv::Scalar(230, 236, 236, 255), cv::LINE_AA);
    const cv::Point2f down = (corners[0] - corners[1]) / 30;
    const cv::Point2f across = (corners[2] - corners[1]) * 0.7f;
    for (int i = 4; i < 26; ++i) {
        const cv::Point2f start = corners[1] + down * float(i) + (corners[2] - corners[1]) * 0.1f;
        cv::line(frame, start, start + across, cv::Scalar(60, 50, 50, 255), int(8 * scale));
    }
    cv::Mat noise(frame.size(), CV_16SC4);
    cv::RNG rng(7);
    rng.fill(noise, cv::RNG::NORMAL, cv::Scalar::all(0), cv::Scalar(8, 8, 8, 0));
    cv::Mat noisy;
    frame.convertTo(noisy, CV_16SC4);
    noisy += noise;
    noisy.convertTo(frame, CV_8UC4);
    return frame;
}

const cv::Mat& frameOf(int width, int height)
{
    static std::map<std::pair<int, int>, cv::Mat> frames;
    cv::Mat& frame = frames[{width, height}];
    if (frame.empty()) {
        frame = drawFrame(width, height);
    }
    return frame;
}

void setThreads(benchmark::State& state)
{
    cv::setNumThreads(state.range(2) > 0 ? int(state.range(2)) : -1);
}

void frameLabel(benchmark::State& state)
{
    state.SetLabel(std::to_string(state.range(0)) + "x" + std::to_string(state.range(1)) +
                   (state.range(2) == 1 ? " 1 thread" : " default threads"));
}

void BM_Memcpy(benchmark::State& state)
{
    setThreads(state);
    const cv::Mat& frame = frameOf(int(state.range(0)), int(state.range(1)));
    const size_t bytes = frame.total() * frame.elemSize();
    for (auto _ : state) {
        cv::Mat copy(frame.size(), frame.type());  // fresh memory, as a conversion gets
        std::memcpy(copy.data, frame.data, bytes);
        benchmark::DoNotOptimize(copy.data);
    }
    frameLabel(state);
}

void BM_DetectDocumentEdge(benchmark::State& state)
{
    setThreads(state);
    const cv::Mat& frame = frameOf(int(state.range(0)), int(state.range(1)));
    cv::Mat work = frame.clone();
    for (auto _ : state) {
        state.PauseTiming();
        frame.copyTo(work);  // a fresh frame without last round's outline
        state.ResumeTiming();
        benchmark::DoNotOptimize(IOpencvApi::detectDocumentEdge(work));
    }
    frameLabel(state);
}

void BM_CvMat2Image(benchmark::State& state, int channels)
{
    setThreads(state);
    cv::Mat mat;
    const cv::Mat& frame = frameOf(int(state.range(0)), int(state.range(1)));
    if (channels == 4) {
        mat = frame;
    } else {
        cv::cvtColor(frame, mat, channels == 3 ? cv::COLOR_BGRA2BGR : cv::COLOR_BGRA2GRAY);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(IOpencvApi::cvMat2Image(mat));
    }
    frameLabel(state);
}

void BM_Image2Mat(benchmark::State& state, QImage::Format format)
{
    setThreads(state);
    const cv::Mat& frame = frameOf(int(state.range(0)), int(state.range(1)));
    const QImage image = IOpencvApi::cvMat2Image(frame).convertToFormat(format);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IOpencvApi::image2Mat(image));
    }
    frameLabel(state);
}

void BM_ApplyImageType(benchmark::State& state, ImageType type)
{
    setThreads(state);
    const cv::Mat& frame = frameOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(IOpencvApi::applyImageType(frame, type));
    }
    frameLabel(state);
}

void BM_ToGray(benchmark::State& state)
{
    setThreads(state);
    const cv::Mat& frame = frameOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(IOpencvApi::toGray(frame));
    }
    frameLabel(state);
}

void BM_ToBlackWhite(benchmark::State& state)
{
    setThreads(state);
    const cv::Mat& frame = frameOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(IOpencvApi::toBlackWhite(frame));
    }
    frameLabel(state);
}

// The capture path's cut: conversion, turn, crop, conversion back.
void BM_Straighten(benchmark::State& state)
{
    setThreads(state);
    cv::Mat frame = frameOf(int(state.range(0)), int(state.range(1))).clone();
    const QImage picture = IOpencvApi::cvMat2Image(frame);
    const EdgeResult edge = IOpencvApi::detectDocumentEdge(frame);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IOpencvApi::straighten(picture, edge));
    }
    frameLabel(state);
}

void frameSizes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"w", "h", "threads"});
    for (int threads : {1, 0}) {
        b->Args({1920, 1080, threads});
        b->Args({3840, 2160, threads});
    }
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

void oneThread(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"w", "h", "threads"});
    b->Args({1920, 1080, 1});
    b->Args({3840, 2160, 1});
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

BENCHMARK(BM_Memcpy)->Apply(oneThread);
BENCHMARK(BM_DetectDocumentEdge)->Apply(frameSizes);
BENCHMARK_CAPTURE(BM_CvMat2Image, CV_8UC4, 4)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_CvMat2Image, CV_8UC3, 3)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_CvMat2Image, CV_8UC1, 1)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_Image2Mat, RGB32, QImage::Format_RGB32)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_Image2Mat, ARGB32, QImage::Format_ARGB32)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_Image2Mat, RGB888, QImage::Format_RGB888)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_Image2Mat, BGR888, QImage::Format_BGR888)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_Image2Mat, Indexed8, QImage::Format_Indexed8)->Apply(oneThread);
BENCHMARK(BM_ToGray)->Apply(frameSizes);
BENCHMARK(BM_ToBlackWhite)->Apply(frameSizes);
BENCHMARK_CAPTURE(BM_ApplyImageType, Normal, NormalImage)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_ApplyImageType, Gray, GrayImage)->Apply(oneThread);
BENCHMARK_CAPTURE(BM_ApplyImageType, BlackWhite, BlackWhiteImage)->Apply(oneThread);
BENCHMARK(BM_Straighten)->Apply(frameSizes);

BENCHMARK_MAIN();
