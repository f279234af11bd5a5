// Gradient painting at the sizes the windows use: a panel-sized vertical gradient and the
// 2 x 25 separator bar of the statistics strip.

#include <benchmark/benchmark.h>

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "widgets/paint/gradients.h"

namespace {

using namespace widgets;

void BM_VerticalGradient1161x600(benchmark::State& state) {
  gui::TBitmap target(1161, 600);
  gui::TCanvas& canvas = target.Canvas();
  for (auto _ : state) {
    PaintGradientRect(canvas, {0, 0, 1161, 600}, gdVerticalEnd, 0xFFEFE3, 0xEABB99);
    benchmark::DoNotOptimize(target.Pixels());
  }
}
BENCHMARK(BM_VerticalGradient1161x600)->Unit(benchmark::kMicrosecond);

void BM_HorizontalGradient1161x600(benchmark::State& state) {
  gui::TBitmap target(1161, 600);
  gui::TCanvas& canvas = target.Canvas();
  for (auto _ : state) {
    PaintGradientRect(canvas, {0, 0, 1161, 600}, gdHorizontalEnd, 0xFFEFE3, 0xEABB99);
    benchmark::DoNotOptimize(target.Pixels());
  }
}
BENCHMARK(BM_HorizontalGradient1161x600)->Unit(benchmark::kMicrosecond);

// What a separator does on every paint: an off-screen bitmap, the gradient, one copy.
void BM_SeparatorGradient2x25(benchmark::State& state) {
  gui::TBitmap window(40, 40);
  for (auto _ : state) {
    gui::TBitmap bar(2, 25);
    PaintGradientRect(bar.Canvas(), {0, 0, 2, 25}, gdHorizontalCenter, gui::clBtnFace, gui::clGreen);
    window.Canvas().Draw(10, 10, bar);
    benchmark::DoNotOptimize(window.Pixels());
  }
}
BENCHMARK(BM_SeparatorGradient2x25)->Unit(benchmark::kNanosecond);

void BM_SeparatorGradientOnly2x25(benchmark::State& state) {
  gui::TBitmap bar(2, 25);
  gui::TCanvas& canvas = bar.Canvas();
  for (auto _ : state) {
    PaintGradientRect(canvas, {0, 0, 2, 25}, gdHorizontalCenter, gui::clBtnFace, gui::clGreen);
    benchmark::DoNotOptimize(bar.Pixels());
  }
}
BENCHMARK(BM_SeparatorGradientOnly2x25)->Unit(benchmark::kNanosecond);

void BM_SquareBoxGradient300x200(benchmark::State& state) {
  gui::TBitmap target(300, 200);
  gui::TCanvas& canvas = target.Canvas();
  for (auto _ : state) {
    PaintGradientRect(canvas, {0, 0, 300, 200}, gdSquareBox, 0xFFEFE3, 0xEABB99);
    benchmark::DoNotOptimize(target.Pixels());
  }
}
BENCHMARK(BM_SquareBoxGradient300x200)->Unit(benchmark::kMicrosecond);

}  // namespace
