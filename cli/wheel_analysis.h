#pragma once
// The analysis in the wheel's own order: a tilted wheel or a dealer's habit favours neighbouring
// pockets, not a colour or a dozen. Session boundaries matter here: the distance from the last
// spin of one evening to the first of the next says nothing about a dealer's throw.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "cli/chi_square.h"
#include "cli/wheel_arcs.h"

namespace cli {

struct TSectorCount {
  std::string_view Name;
  std::span<const std::int32_t> Numbers;
  std::int64_t Observed = 0;
  double Expected = 0;
  double Residual = 0;  // (observed - expected) / a fair wheel's standard deviation
};

struct TArcFinding {
  int Width = 0;
  std::vector<std::int32_t> Numbers;  // clockwise
  std::int64_t Observed = 0;
  double Expected = 0;
  double PUncorrected = 1;  // as if this arc had been chosen before looking
  double PCorrected = 1;    // allowing for the search over every position and width
  // Spins for 80 % power at the search's 5 % level, for a bias the size of the one observed
  // (unset when the arc is not above its expected count) and for a fixed x1.25.
  std::optional<double> SpinsNeeded;
  std::optional<double> SpinsNeededFixed;
};

struct TArcSearch {
  std::vector<TArcFinding> Arcs;  // the hottest of each width
  std::size_t Simulations = 0;
  double SearchLevel = 0;  // the tail an arc needs for the whole search to err 5 % of the time
  // The simulation's own standard error on a corrected p-value.
  double SimulationError(double p) const;
};

// The hottest arc of the first half of the history, tested once on the second half.
struct THoldout {
  bool Possible = false;  // both halves hold spins
  int Width = 0;
  std::vector<std::int32_t> Numbers;
  std::size_t FirstSpins = 0, SecondSpins = 0;
  std::int64_t FirstObserved = 0, SecondObserved = 0;
  double SecondExpected = 0;
  double PValue = 1;  // binomial, one-sided
};

struct TDistances {
  std::array<std::int64_t, stats::WheelNumberCount> Counts{};  // by clockwise distance 0..36
  TChiSquareTest Test;
  std::vector<int> MostFrequent;  // up to three most frequent distances that came, most frequent first
};

// The Wald-Wolfowitz runs test of red and black, zero left out.
struct TRunsTest {
  std::int64_t Reds = 0, Blacks = 0, Runs = 0;
  double ExpectedRuns = 0, Z = 0, PValue = 1;  // two-sided
  bool Reliable = false;                       // at least MinimumOfEachColour of each
};
inline constexpr std::int64_t MinimumOfEachColour = 10;

// The colour of a spin against the colour of the one before it in the same session, zeros left
// out; Pearson's chi-square test of independence on the 2 x 2 table.
struct TColourPairs {
  std::array<std::array<std::int64_t, 2>, 2> Counts{};  // [before][after], red 0, black 1
  std::array<std::array<double, 2>, 2> Expected{};
  double Statistic = 0, PValue = 1;
  bool Reliable = false;  // every expected count at least LeastReliableExpected
};

struct TWheelAnalysis {
  std::size_t Spins = 0;
  std::vector<TSectorCount> Sectors;
  TChiSquareTest SectorTest;  // voisins, tiers, orphelins against 17 : 12 : 8
  TArcSearch ArcSearch;
  THoldout Holdout;
  TDistances Distances;
  TRunsTest Runs;
  TColourPairs ColourPairs;
};

// Analyses `spins`, oldest first. `sessionStarts` are the indices of spins that begin a new
// session (the first spin always does); `null` is the arc search's fair wheels for as many
// spins as there are here.
TWheelAnalysis AnalyseWheel(std::span<const std::int32_t> spins, std::span<const std::size_t> sessionStarts,
                            const TArcNull& null);

TDistances DistancesOf(std::span<const std::int32_t> spins, std::span<const std::size_t> sessionStarts);
TRunsTest RunsTestOf(std::span<const std::int32_t> spins);
TColourPairs ColourPairsOf(std::span<const std::int32_t> spins, std::span<const std::size_t> sessionStarts);
THoldout HoldoutOf(std::span<const std::int32_t> spins);

}  // namespace cli
