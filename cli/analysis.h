#pragma once
// The analysis of a history of spins as a statistician would state it: how well a fair wheel
// explains the counts, how far each number strays, the gaps and the longest runs. Nothing here
// predicts a spin; on a fair wheel the past does not change the next spin's chances.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/chi_square.h"
#include "cli/stats_table.h"
#include "cli/wheel_analysis.h"

namespace cli {

struct TNumberDeviation {
  std::int32_t Number = 0;
  std::int64_t Observed = 0;
  double Expected = 0;
  // (observed - expected) divided by the standard deviation of a number's count on a fair
  // wheel, sqrt(n * 1/37 * 36/37); about normal, so |r| > 3 is rare for any one number.
  double Residual = 0;
};

// A stretch of spins without something. Current: spins since it last came, unset when it never
// came. Longest: the longest unbroken stretch without it, the current one included.
struct TGap {
  std::optional<std::size_t> Current;
  std::size_t Longest = 0;
};

struct TChanceGap {
  std::string Chance;  // "red", "black", "1-12", ..., "1st column", ...
  TGap Gap;
};

struct TChanceRun {
  std::string Chance;  // "red", "black", "even", "odd", "1-18", "19-36"
  std::size_t Longest = 0;
};

struct TChanceShare {
  std::string Chance;  // the even-money chances, the dozens, the columns
  std::int64_t Observed = 0;
  double Expected = 0;  // the share of the spins a fair wheel gives it: 18/37 or 12/37
};

struct TAnalysis {
  std::size_t Spins = 0;              // spins analysed
  std::size_t History = 0;            // spins in the whole history
  std::vector<TChiSquareTest> Tests;  // numbers, red/black/zero, dozens, columns
  std::array<TNumberDeviation, 37> Numbers;
  std::array<TGap, 37> NumberGaps;
  std::vector<TChanceGap> ChanceGaps;
  std::vector<TChanceRun> Runs;  // zero breaks every run
  std::vector<TChanceShare> Shares;
  // The columns as the table counts its rows: last 10, 20, 50 and all, smallest marked.
  std::vector<TStatsRow> Columns;
  TWheelAnalysis Wheel;

  std::vector<std::int32_t> OutsideThree() const;  // numbers whose |residual| > 3
};

// Analyses `spins` (oldest first), which may be empty. `sessionStarts` are the indices of the spins
// that begin a session after the first; the wheel's arc search simulates `simulations` fair wheels.
TAnalysis Analyse(std::span<const std::int32_t> spins, std::size_t history,
                  std::span<const std::size_t> sessionStarts = {}, std::size_t simulations = ArcSimulations);

// The gap of every number and the gaps and runs of the chances, in one pass.
std::array<TGap, 37> NumberGapsOf(std::span<const std::int32_t> spins);
std::vector<TChanceGap> ChanceGapsOf(std::span<const std::int32_t> spins);
std::vector<TChanceRun> LongestRunsOf(std::span<const std::int32_t> spins);

inline constexpr const char* FairWheelNote =
    "On a fair wheel every spin is independent: the spins before it do not change the chances of the "
    "next one. A number that has not come for long is not due, and one that came often is not hot.";

}  // namespace cli
