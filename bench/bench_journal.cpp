// What a correction costs the window's thread at 1 000 000 spins: the whole history written
// beside the journal and synced to disk before the rename, against the append of one entry.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <vector>

#include "session/journal.h"

namespace {

struct TFolder {
  std::filesystem::path Path;
  TFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-journal-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    Path = pattern;
  }
  ~TFolder() { std::filesystem::remove_all(Path); }
};

std::vector<std::int32_t> History(std::size_t spins) {
  std::vector<std::int32_t> history(spins);
  for (std::size_t i = 0; i < spins; ++i) history[i] = static_cast<std::int32_t>(i * 7 % 37);
  return history;
}

void BM_Correction(benchmark::State& state) {
  TFolder folder;
  std::vector<std::int32_t> history = History(static_cast<std::size_t>(state.range(0)));
  session::TJournal journal((folder.Path / "sessions").string(), 0);
  if (journal.Append(history)) state.SkipWithError("cannot write the journal");
  for (auto _ : state) {
    history.back() = (history.back() + 1) % 37;
    if (journal.Rewrite(history, history.size() - 1)) state.SkipWithError("cannot rewrite the journal");
  }
}
BENCHMARK(BM_Correction)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Entry(benchmark::State& state) {
  TFolder folder;
  std::vector<std::int32_t> history = History(static_cast<std::size_t>(state.range(0)));
  session::TJournal journal((folder.Path / "sessions").string(), 0);
  if (journal.Append(history)) state.SkipWithError("cannot write the journal");
  for (auto _ : state) {
    history.push_back(17);
    if (journal.Append(history)) state.SkipWithError("cannot append to the journal");
  }
}
BENCHMARK(BM_Entry)->Arg(1'000'000)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
