#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gui/graphics/canvas.h"
#include "gui/graphics/debug_png.h"
#include "gui/graphics/text.h"

namespace {

using namespace gui;
using namespace gui::literals;

struct TCaption {
  int Font;  // index into Fonts()
  TRect Box;
  std::string Text;
  unsigned Flags;
};

std::vector<TFont> Fonts() {
  struct TFontRow {
    const char* Name;
    int Height;
    TColor Color;
  };
  const TFontRow rows[] = {
      {"MS Sans Serif", -11, clBlack}, {"MS Sans Serif", -12, clBlack},  {"MS Sans Serif", -11, clNavy},
      {"Comic Sans MS", -19, clNavy},  {"Comic Sans MS", -27, clRed},    {"Comic Sans MS", -21, clNavy},
      {"Comic Sans MS", -13, clNavy},  {"Comic Sans MS", -27, clPurple}, {"Comic Sans MS", -13, clWindowText}};
  std::vector<TFont> fonts;
  for (const TFontRow& s : rows) {
    TFont f;
    f.SetName(s.Name);
    f.SetHeight(s.Height);
    f.SetStyle({fsBold});
    f.SetColor(s.Color);
    if (s.Name[0] == 'C') f.SetCharset(RUSSIAN_CHARSET);
    fonts.push_back(f);
  }
  fonts.back().SetStyle({});
  return fonts;
}

// The captions of the main window after a few dozen spins: headings, the strip, the even-money
// and dozen table, the single-number table, the counter and the check box.
std::vector<TCaption> MainWindowCaptions() {
  std::vector<TCaption> c;
  const unsigned label = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
  c.push_back({0, Bounds(12, 2, 145, 73), "О программе"_cp, label});
  c.push_back({0, Bounds(164, 2, 145, 73), "Выход"_cp, label});
  c.push_back({2, Bounds(2, 16, 140, 13), "Ввод выпавшего числа"_cp, DT_LEFT});
  c.push_back({2, Bounds(2, 48, 140, 13), "Количество спинов"_cp, DT_LEFT});
  c.push_back({7, Bounds(152, 32, 105, 38), "127", label});
  c.push_back({1, Bounds(13, 86, 110, 14), "Последние числа"_cp, DT_LEFT});
  for (int k = 0; k < 21; ++k)
    c.push_back({3, Bounds(133 + 48 * k, 79, 32, 28), std::to_string((k * 7) % 37), label});
  for (int side = 0; side < 2; ++side) {
    const int x = side * 576;
    c.push_back({0, Bounds(52 + x, 120, 90, 13), "Игровое поле"_cp, label});
    for (int k = 0; k < 3; ++k)
      c.push_back({0, Bounds(188 + 96 * k + x, 112, 50, 26),
                   std::to_string(k == 2 ? 50 : 10 * (k + 1)) + "\r\n" + "спинов"_cp, label});
    c.push_back({0, Bounds(476 + x, 120, 40, 13), "Всего"_cp, label});
  }
  const char* rows[] = {"Красное", "Черное", "1 - 18", "19 - 36", "Чет", "Нечет", "1 - 12", "13 - 24", "25 - 36"};
  const int tops[] = {150, 198, 270, 318, 390, 438, 510, 558, 606};
  for (int r = 0; r < 9; ++r) {
    c.push_back({4, Bounds(52, tops[r], 117, 38), gui::Utf8ToAnsi(rows[r]), label});
    for (int col = 0; col < 4; ++col)
      c.push_back({5, Bounds(194 + 96 * col, tops[r] + 3, 50, 38),
                   col == 1 ? "(3)" : std::to_string(4 + r + col * 5), label});
  }
  for (int n = 0; n <= 36; ++n) {
    const int top = 145 + 16 * n;
    c.push_back({6, Bounds(669, top, 16, 19), std::to_string(n), label});
    for (int col = 0; col < 4; ++col)
      c.push_back({6, Bounds(778 + 96 * col, top, 16, 19),
                   (n + col) % 5 == 0 ? "(0)" : std::to_string((n * 3 + col) % 9), label});
  }
  c.push_back(
      {8, Bounds(40, 664, 230, 21), "показывать окно поверх всех окон"_cp, DT_LEFT | DT_VCENTER | DT_SINGLELINE});
  // Fill up to the window's count with the second strip row of headings the layout repeats.
  while (c.size() < 330) c.push_back({6, Bounds(1100, 145 + 16 * int(c.size() % 37), 40, 19), "(12)", label});
  return c;
}

void BM_MainWindowCaptions(benchmark::State& state) {
  const std::vector<TFont> fonts = Fonts();
  const std::vector<TCaption> captions = MainWindowCaptions();
  TBitmap bitmap(1166, 741, clBtnFace);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Style = bsClear;
  auto drawAll = [&] {
    for (const TCaption& caption : captions) {
      canvas.Font.Assign(fonts[std::size_t(caption.Font)]);
      TRect box = caption.Box;
      DrawText(canvas, caption.Text, box, caption.Flags);
    }
  };
  drawAll();  // warm the glyph caches
  // SPINTRAK_BENCH_PNG=file.png keeps a picture of what is being timed.
  if (const char* png = std::getenv("SPINTRAK_BENCH_PNG")) SaveDebugPng(bitmap, png);
  for (auto _ : state) {
    drawAll();
    benchmark::ClobberMemory();
  }
  state.counters["captions"] = double(captions.size());
}
BENCHMARK(BM_MainWindowCaptions)->Unit(benchmark::kMillisecond);

void BM_FillRectWholeBitmap(benchmark::State& state) {
  TBitmap bitmap(1166, 741);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Color = clBtnFace;
  for (auto _ : state) {
    canvas.FillRect({0, 0, 1166, 741});
    benchmark::DoNotOptimize(bitmap.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillRectWholeBitmap)->Unit(benchmark::kMicrosecond);

void BM_MemsetSameBytes(benchmark::State& state) {
  TBitmap bitmap(1166, 741);
  for (auto _ : state) {
    std::memset(bitmap.Pixels(), 0xEC, std::size_t(1166) * 741 * 4);
    benchmark::DoNotOptimize(bitmap.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemsetSameBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
