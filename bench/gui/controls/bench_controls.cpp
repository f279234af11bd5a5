// The control layer's costs on the main window's scale: a full paint pass of 300 label-sized
// graphic controls and 10 windowed ones, repainting one label after a change, and one key event
// through the pipeline to the focused control.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "gui/controls/application.h"
#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "gui/controls/graphic_control.h"
#include "gui/graphics/text.h"
#include "platform/headless/headless_host.h"

namespace {

using namespace gui;

// Paints like a caption label: background, then a short centred caption.
class TBenchLabel : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  bool WithText = true;

 protected:
  void TextChanged() override { Repaint(); }
  void Paint(TCanvas& canvas) override {
    TCanvas& c = canvas;
    c.Brush.Color = Color();
    c.FillRect(ClientRect());
    if (!WithText) return;
    c.Brush.Style = bsClear;
    TRect r = ClientRect();
    DrawText(c, Caption(), r, DT_CENTER | DT_EXPANDTABS);
  }
};

class TBenchField : public TCustomControl {
 public:
  explicit TBenchField(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
  int Keys = 0;

 protected:
  void KeyDown(std::uint16_t& key, TShiftState shift) override {
    ++Keys;
    TCustomControl::KeyDown(key, shift);
  }
};

struct TMainLikeForm {
  platform::headless::THeadlessHost Host;
  std::unique_ptr<TApplication> App = std::make_unique<TApplication>(Host);
  TForm* Form = App->CreateForm<TForm>();
  std::vector<TBenchLabel*> Labels;
  std::vector<TBenchField*> Fields;

  explicit TMainLikeForm(bool withText) {
    Form->SetClientSize(1166, 741);
    Form->Font().SetName("Comic Sans MS");
    Form->Font().SetHeight(-13);
    Form->Font().SetStyle({fsBold});
    for (int i = 0; i < 300; ++i) {
      auto* l = new TBenchLabel(Form);
      l->WithText = withText;
      l->SetParent(Form);
      l->SetBounds(10 + (i % 20) * 55, 100 + (i / 20) * 40, 50, 38);
      l->SetCaption(std::to_string(i % 37));
      Labels.push_back(l);
    }
    for (int i = 0; i < 10; ++i) {
      auto* f = new TBenchField(Form);
      f->SetParent(Form);
      f->SetBounds(10 + i * 110, 10, 100, 60);
      f->SetColor(clWindow);
      Fields.push_back(f);
    }
    Form->Show();
    Host.RunUntilIdle();
  }
  ~TMainLikeForm() { App.reset(); }
};

void BM_FullPaintPass(benchmark::State& state) {
  TMainLikeForm m(state.range(0) != 0);
  for (auto _ : state) {
    m.Form->InvalidateRect(m.Form->ClientRect());
    m.Form->PaintPending();
  }
  state.SetLabel(state.range(0) ? "with captions" : "fills only");
}
BENCHMARK(BM_FullPaintPass)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RepaintOneLabel(benchmark::State& state) {
  TMainLikeForm m(true);
  TBenchLabel* label = m.Labels[150];
  bool flip = false;
  for (auto _ : state) {
    label->SetCaption(flip ? "(12)" : "12");
    flip = !flip;
  }
}
BENCHMARK(BM_RepaintOneLabel)->Unit(benchmark::kMicrosecond);

// After an entry the statistics change the colour of many scattered labels; only they repaint.
void BM_ScatteredColourChanges(benchmark::State& state) {
  TMainLikeForm m(true);
  bool flip = false;
  for (auto _ : state) {
    for (std::size_t i = 0; i < m.Labels.size(); i += 3) m.Labels[i]->SetColor(flip ? clBtnFace : clInfoBk);
    flip = !flip;
    m.Form->PaintPending();
  }
}
BENCHMARK(BM_ScatteredColourChanges)->Unit(benchmark::kMillisecond);

void BM_KeyToFocusedControl(benchmark::State& state) {
  TMainLikeForm m(false);
  m.Fields[3]->SetFocus();
  for (auto _ : state) m.Form->HostKeyDown('5', {});
  if (m.Fields[3]->Keys == 0) state.SkipWithError("the key did not arrive");
}
BENCHMARK(BM_KeyToFocusedControl)->Unit(benchmark::kMicrosecond);

}  // namespace
