// spintrak-stats over a long log: reading 10 million spins from a file, and the table built
// from them; the wheel's analysis, and the simulated fair wheels its arc search needs.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli/stats_table.h"
#include "cli/wheel_analysis.h"
#include "session/spin_reader.h"

namespace {

// A log as players keep them, one spin a line, written once for all runs and removed at exit.
class TLogFile {
 public:
  explicit TLogFile(std::int64_t spins)
      : FPath((std::filesystem::temp_directory_path() / ("bench_cli_" + std::to_string(::getpid()) + ".txt"))
                  .string()) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> wheel(0, 36);
    std::ofstream out(FPath, std::ios::binary);
    for (std::int64_t i = 0; i < spins; ++i) out << wheel(random) << '\n';
  }
  ~TLogFile() { std::filesystem::remove(FPath); }
  const std::string& Path() const { return FPath; }

 private:
  std::string FPath;
};

void BM_ReadAndTabulate(benchmark::State& state) {
  const TLogFile log(state.range(0));
  const std::string& path = log.Path();
  for (auto _ : state) {
    std::vector<std::int32_t> spins;
    session::ReadSpins(path, spins, session::TInvalidTokens::itStop);
    const cli::TStatsTable table = cli::BuildStatsTable(spins);
    benchmark::DoNotOptimize(table.Rows.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
}
BENCHMARK(BM_ReadAndTabulate)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

std::vector<std::int32_t> FairSpins(std::int64_t count) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<std::int32_t> wheel(0, 36);
  std::vector<std::int32_t> spins(static_cast<std::size_t>(count));
  for (std::int32_t& x : spins) x = wheel(random);
  return spins;
}

// The simulation costs the same at any length: each fair wheel is 37 counts, not its spins.
void BM_ArcNull(benchmark::State& state) {
  for (auto _ : state) {
    const cli::TArcNull null(static_cast<std::size_t>(state.range(0)), cli::ArcSimulations);
    benchmark::DoNotOptimize(null.SearchLevel(0.05));
  }
}
BENCHMARK(BM_ArcNull)->Arg(1'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// The passes over the spins themselves, with a small simulation.
void BM_WheelAnalysis(benchmark::State& state) {
  const std::vector<std::int32_t> spins = FairSpins(state.range(0));
  const cli::TArcNull null(spins.size(), 10);
  for (auto _ : state) {
    const cli::TWheelAnalysis wheel = cli::AnalyseWheel(spins, {}, null);
    benchmark::DoNotOptimize(wheel.Distances.Counts.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WheelAnalysis)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
