#include "cli/analysis.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "stats/display_rules.h"
#include "stats/wheel.h"
#include "stats/window_stats.h"

namespace cli {

namespace {

using stats::WheelNumberCount;
using TNumberSet = std::array<bool, WheelNumberCount>;

// What the analysis tells of a chance, besides its share of the spins.
enum TChanceUse : unsigned { cuRun = 1, cuGap = 2, cuColumn = 4 };

struct TChanceFact {
  const char* Name;
  bool (*Holds)(std::int32_t);
  int Numbers;    // how many of the 37 numbers it holds
  unsigned Uses;  // TChanceUse flags
};

// Every chance the analysis speaks of, zero in none, in the order the analysis lists them.
constexpr std::array<TChanceFact, 12> Chances = {{
    {"red", [](std::int32_t x) { return stats::IsRed(x); }, 18, cuRun | cuGap},
    {"black", [](std::int32_t x) { return stats::IsBlack(x); }, 18, cuRun | cuGap},
    {"even", [](std::int32_t x) { return stats::IsEven(x); }, 18, cuRun},
    {"odd", [](std::int32_t x) { return stats::IsOdd(x); }, 18, cuRun},
    {"1-18", [](std::int32_t x) { return stats::IsLow(x); }, 18, cuRun},
    {"19-36", [](std::int32_t x) { return stats::IsHigh(x); }, 18, cuRun},
    {"1-12", [](std::int32_t x) { return x != 0 && stats::DozenOf(x) == stats::TDozen::First; }, 12, cuGap},
    {"13-24", [](std::int32_t x) { return x != 0 && stats::DozenOf(x) == stats::TDozen::Second; }, 12, cuGap},
    {"25-36", [](std::int32_t x) { return x != 0 && stats::DozenOf(x) == stats::TDozen::Third; }, 12, cuGap},
    {"1st column", [](std::int32_t x) { return x != 0 && stats::ColumnOf(x) == stats::TColumn::First; }, 12,
     cuGap | cuColumn},
    {"2nd column", [](std::int32_t x) { return x != 0 && stats::ColumnOf(x) == stats::TColumn::Second; }, 12,
     cuGap | cuColumn},
    {"3rd column", [](std::int32_t x) { return x != 0 && stats::ColumnOf(x) == stats::TColumn::Third; }, 12,
     cuGap | cuColumn},
}};

// The chances with a use, in the table's order.
std::vector<std::size_t> ChancesFor(TChanceUse use) {
  std::vector<std::size_t> chosen;
  for (std::size_t c = 0; c < Chances.size(); ++c)
    if (Chances[c].Uses & use) chosen.push_back(c);
  return chosen;
}

// members[c][x]: number x belongs to chance c.
const std::array<TNumberSet, Chances.size()>& Members() {
  static const auto members = [] {
    std::array<TNumberSet, Chances.size()> table{};
    for (std::size_t c = 0; c < Chances.size(); ++c)
      for (std::int32_t x = 0; x < WheelNumberCount; ++x) table[c][x] = Chances[c].Holds(x);
    return table;
  }();
  return members;
}

std::vector<TStatsRow> ColumnRows(const stats::TSpinStatistics& statistics, std::size_t spins) {
  std::vector<TStatsRow> rows;
  static const std::vector<std::size_t> columns = ChancesFor(cuColumn);
  for (std::size_t k = 0; k < columns.size(); ++k) {
    TStatsRow row{Chances[columns[k]].Name, {}};
    for (stats::SpinWindow window : stats::SpinWindows) {
      if (!stats::ColumnShown(window, spins)) continue;
      const stats::TWindowCounts& w = statistics[window];
      // As with the dozens, every column at the smallest count is marked.
      row.Cells[static_cast<std::size_t>(window)] = TStatsCell{w.Columns[k], w.Columns[k] == w.ColumnMinimum};
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

std::vector<std::int32_t> TAnalysis::OutsideThree() const {
  std::vector<std::int32_t> outside;
  for (const TNumberDeviation& d : Numbers)
    if (std::abs(d.Residual) > 3) outside.push_back(d.Number);
  return outside;
}

std::array<TGap, 37> NumberGapsOf(std::span<const std::int32_t> spins) {
  // Spins are counted from 1 so that 0 can stand for "not yet".
  std::array<std::size_t, WheelNumberCount> last{};
  std::array<TGap, 37> gaps{};
  for (std::size_t i = 0; i < spins.size(); ++i) {
    const auto x = static_cast<std::size_t>(spins[i]);
    gaps[x].Longest = std::max(gaps[x].Longest, i - last[x]);
    last[x] = i + 1;
  }
  for (std::size_t x = 0; x < gaps.size(); ++x) {
    const std::size_t since = spins.size() - last[x];
    gaps[x].Longest = std::max(gaps[x].Longest, since);
    if (last[x] > 0) gaps[x].Current = since;
  }
  return gaps;
}

std::vector<TChanceGap> ChanceGapsOf(std::span<const std::int32_t> spins) {
  const auto& members = Members();
  static const std::vector<std::size_t> chances = ChancesFor(cuGap);
  std::vector<std::size_t> without(chances.size()), longest(chances.size());
  std::vector<char> seen(chances.size());
  for (const std::int32_t x : spins)
    for (std::size_t g = 0; g < chances.size(); ++g) {
      if (members[chances[g]][static_cast<std::size_t>(x)]) {
        without[g] = 0;
        seen[g] = 1;
      } else {
        longest[g] = std::max(longest[g], ++without[g]);
      }
    }
  std::vector<TChanceGap> gaps;
  for (std::size_t g = 0; g < chances.size(); ++g)
    gaps.push_back({Chances[chances[g]].Name, {seen[g] ? std::optional(without[g]) : std::nullopt, longest[g]}});
  return gaps;
}

std::vector<TChanceRun> LongestRunsOf(std::span<const std::int32_t> spins) {
  const auto& members = Members();
  static const std::vector<std::size_t> chances = ChancesFor(cuRun);
  std::vector<std::size_t> run(chances.size()), longest(chances.size());
  for (const std::int32_t x : spins)
    for (std::size_t c = 0; c < chances.size(); ++c) {
      run[c] = members[chances[c]][static_cast<std::size_t>(x)] ? run[c] + 1 : 0;
      longest[c] = std::max(longest[c], run[c]);
    }
  std::vector<TChanceRun> runs;
  for (std::size_t c = 0; c < chances.size(); ++c) runs.push_back({Chances[chances[c]].Name, longest[c]});
  return runs;
}

TAnalysis Analyse(std::span<const std::int32_t> spins, std::size_t history,
                  std::span<const std::size_t> sessionStarts, std::size_t simulations) {
  TAnalysis analysis;
  analysis.Spins = spins.size();
  analysis.History = history;
  const stats::TSpinStatistics statistics = stats::ComputeStatistics(spins);
  const stats::TWindowCounts& all = statistics[stats::SpinWindow::All];

  constexpr double One = 1.0 / WheelNumberCount;
  std::vector<std::string> numberNames;
  std::vector<std::int64_t> numberCounts;
  for (std::int32_t x = 0; x < WheelNumberCount; ++x) {
    numberNames.push_back(std::to_string(x));
    numberCounts.push_back(all.Numbers[x]);
  }
  const std::vector<double> uniform(WheelNumberCount, One);
  const std::array<double, 3> colours = {18 * One, 18 * One, One};
  const std::array<double, 4> twelves = {12 * One, 12 * One, 12 * One, One};
  const std::int64_t zero = all.Numbers[0];
  analysis.Tests.push_back(ChiSquareTest("numbers", std::move(numberNames), std::move(numberCounts), uniform));
  analysis.Tests.push_back(
      ChiSquareTest("red, black, zero", {"red", "black", "0"}, {all.Red, all.Black, zero}, colours));
  analysis.Tests.push_back(ChiSquareTest("dozens and zero", {"1-12", "13-24", "25-36", "0"},
                                         {all.Dozens[0], all.Dozens[1], all.Dozens[2], zero}, twelves));
  analysis.Tests.push_back(ChiSquareTest("columns and zero", {"1st column", "2nd column", "3rd column", "0"},
                                         {all.Columns[0], all.Columns[1], all.Columns[2], zero}, twelves));

  const double n = static_cast<double>(spins.size());
  const double spread = std::sqrt(n * One * (1 - One));
  for (std::int32_t x = 0; x < WheelNumberCount; ++x) {
    TNumberDeviation& d = analysis.Numbers[x];
    d.Number = x;
    d.Observed = all.Numbers[x];
    d.Expected = n * One;
    d.Residual = spread > 0 ? (static_cast<double>(d.Observed) - d.Expected) / spread : 0.0;
  }
  analysis.NumberGaps = NumberGapsOf(spins);
  analysis.ChanceGaps = ChanceGapsOf(spins);
  analysis.Runs = LongestRunsOf(spins);
  analysis.Columns = ColumnRows(statistics, spins.size());
  for (std::size_t c = 0; c < Chances.size(); ++c) {
    TChanceShare share{Chances[c].Name, 0, Chances[c].Numbers * One};
    for (std::int32_t x = 0; x < WheelNumberCount; ++x)
      if (Members()[c][x]) share.Observed += all.Numbers[x];
    analysis.Shares.push_back(share);
  }
  analysis.Wheel = AnalyseWheel(spins, sessionStarts, TArcNull(spins.size(), simulations));
  return analysis;
}

}  // namespace cli
