// One refresh of the main window's statistics: counting the whole history and running both
// display rules into a sink that keeps nothing.

#include <benchmark/benchmark.h>

#include <random>

#include "stats/display_rules.h"

namespace {

class TNullSink final : public stats::TLabelSink {
 public:
  void SetCaption(std::string_view name, std::string_view text) override {
    benchmark::DoNotOptimize(name.data());
    benchmark::DoNotOptimize(text.data());
  }
  void SetFontColor(std::string_view name, stats::TColor color) override {
    benchmark::DoNotOptimize(name.data());
    benchmark::DoNotOptimize(color);
  }
};

stats::SpinHistory RandomHistory(std::int64_t length) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::int32_t> wheel(0, 36);
  stats::SpinHistory history;
  for (std::int64_t i = 0; i < length; ++i) history.Append(wheel(random));
  return history;
}

void BM_Refresh(benchmark::State& state) {
  const stats::SpinHistory history = RandomHistory(state.range(0));
  TNullSink sink;
  for (auto _ : state) {
    stats::LastNumbersStrip(history, sink);
    stats::StatsPanel(history, sink);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Refresh)
    ->Arg(10)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
