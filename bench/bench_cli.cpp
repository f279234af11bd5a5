// spintrak-stats over a long log: reading 10 million spins from a file, and the table built
// from them.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli/stats_table.h"
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

}  // namespace
