// The main window's refresh after an entry, on 330 labels of one shown form: every caption and
// font colour is assigned again. Unchanged values must cost next to nothing and paint nothing;
// changed ones are painted, captions inside their setters and colours in the paint pass after.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "platform/headless/headless_host.h"
#include "widgets/label.h"

namespace {

using widgets::TUiLabel;

constexpr int LabelCount = 330;

struct TRefreshForm {
  platform::headless::THeadlessHost Host;
  std::unique_ptr<gui::TApplication> App = std::make_unique<gui::TApplication>(Host);
  gui::TForm* Form = nullptr;
  std::vector<TUiLabel*> Labels;
  // Two full sets of what the statistics write: a count, or the smallest count in parentheses.
  std::vector<std::string> Captions[2];
  std::vector<gui::TColor> Colors[2];

  TRefreshForm() {
    Form = App->CreateForm<gui::TForm>();
    Form->SetClientSize(1161, 700);
    for (int i = 0; i < LabelCount; ++i) {
      auto* label = new TUiLabel(Form);
      label->SetParent(Form);
      label->SetAlignment(gui::taCenter);
      label->SetBounds(8 + (i % 22) * 52, 8 + (i / 22) * 40, 40, 13);
      Labels.push_back(label);
      const int count = (i * 7) % 50;
      Captions[0].push_back(std::to_string(count));
      std::string least = std::to_string(count + 1);
      least.insert(least.begin(), '(');
      least.push_back(')');
      Captions[1].push_back(least);
      Colors[0].push_back(gui::clBlack);
      Colors[1].push_back(gui::clGreen);
    }
    Assign(0);
    Form->Show();
    Host.RunUntilIdle();
  }
  ~TRefreshForm() { App.reset(); }

  void Assign(int set) {
    for (int i = 0; i < LabelCount; ++i) {
      TUiLabel* label = Labels[static_cast<std::size_t>(i)];
      label->SetCaption(Captions[set][static_cast<std::size_t>(i)]);
      label->Font().SetColor(Colors[set][static_cast<std::size_t>(i)]);
    }
  }
  long Paints() const {
    long n = 0;
    for (const TUiLabel* label : Labels) n += label->PaintCount();
    return n;
  }
};

void BM_Refresh330LabelsUnchanged(benchmark::State& state) {
  TRefreshForm refresh;
  const long before = refresh.Paints();
  for (auto _ : state) refresh.Assign(0);
  if (refresh.Paints() != before || refresh.Form->HasPendingPaint())
    state.SkipWithError("unchanged values painted");
}
BENCHMARK(BM_Refresh330LabelsUnchanged)->Unit(benchmark::kMicrosecond);

void BM_Refresh330LabelsAllChanged(benchmark::State& state) {
  TRefreshForm refresh;
  int set = 0;
  const long before = refresh.Paints();
  for (auto _ : state) {
    set ^= 1;
    refresh.Assign(set);
    refresh.Form->PaintPending();
  }
  state.counters["label_paints_per_refresh"] =
      static_cast<double>(refresh.Paints() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Refresh330LabelsAllChanged)->Unit(benchmark::kMillisecond);

}  // namespace
