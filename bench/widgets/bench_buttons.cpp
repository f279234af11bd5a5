// State changes of the glyph push button and the check box as the user makes them: the pointer
// entering or leaving a 145 x 73 glyph button, and a check-box toggle, each with its repaint.

#include <benchmark/benchmark.h>

#include "gui/graphics/canvas.h"
#include "platform/headless/testing/input_script.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box.h"

namespace {

using namespace widgets;
using namespace platform::headless::testing;

struct TBench : TTestApp {
  gui::TForm* Form = App.CreateForm<gui::TForm>();
  TBench() { Form->SetClientSize(400, 200); }
  void Show() {
    Form->Show();
    Host.RunUntilIdle();
  }
};

gui::TBitmap Glyph48() {
  gui::TBitmap glyph(48, 48, RGB(212, 208, 200));
  glyph.Canvas().Brush.Color = 0xB05010;
  glyph.Canvas().FillRect({6, 6, 42, 42});
  return glyph;
}

// One iteration is one hot-state change (in, or out) followed by the paint pass of the form.
void BM_GlyphButtonHotChange145x73(benchmark::State& state) {
  TBench bench;
  auto* button = new TUiBitBtn(bench.Form);
  button->SetParent(bench.Form);
  button->SetBounds(10, 10, 145, 73);
  button->SetHotTrack(true);
  button->SetColor(0xF0F4F4);
  button->SetFrameColor(0x743C00);
  button->SetCaption("Exit");
  button->SetGlyph(Glyph48());
  bench.Show();
  const gui::TPoint inside{80, 40}, outside{300, 150};
  bool in = false;
  for (auto _ : state) {
    in = !in;
    bench.Form->HostMouseMove(in ? inside : outside, {}, 0);
    bench.Form->PaintPending();
  }
  if (button->MouseInside() != in) state.SkipWithError("the pointer did not reach the button");
}
BENCHMARK(BM_GlyphButtonHotChange145x73)->Unit(benchmark::kMicrosecond);

// One iteration is one toggle, which repaints the box at once, as a click or Space does.
void BM_CheckBoxToggle(benchmark::State& state) {
  TBench bench;
  auto* box = new TUiCheckBox(bench.Form);
  box->SetParent(bench.Form);
  box->SetAutoSize(false);
  box->SetBounds(24, 100, 246, 21);
  box->SetAlignmentVertical(avCenter);
  box->SetCaption("Keep the window on top");
  bench.Show();
  for (auto _ : state) box->ToggleState();
  benchmark::DoNotOptimize(box->State());
}
BENCHMARK(BM_CheckBoxToggle)->Unit(benchmark::kMicrosecond);

}  // namespace
