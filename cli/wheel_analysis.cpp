#include "cli/wheel_analysis.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <cassert>
#include <cmath>
#include <numeric>
#include <string>

#include "stats/wheel_order.h"

namespace cli {

namespace {

using stats::WheelNumberCount;
constexpr double One = 1.0 / WheelNumberCount;
constexpr double FamilyLevel = 0.05;
constexpr double FixedBias = 1.25;

// Calls `pair(before, after)` for every two spins in a row within one session.
template <class TPair>
void ForEachPair(std::span<const std::int32_t> spins, std::span<const std::size_t> sessionStarts, TPair pair) {
  std::size_t next = 0;
  for (std::size_t i = 1; i < spins.size(); ++i) {
    while (next < sessionStarts.size() && sessionStarts[next] < i) ++next;
    if (next < sessionStarts.size() && sessionStarts[next] == i) continue;
    pair(spins[i - 1], spins[i]);
  }
}

TWheelCounts WheelCountsOf(std::span<const std::int32_t> spins) {
  std::array<std::int64_t, WheelNumberCount> byNumber{};
  for (const std::int32_t x : spins) ++byNumber[static_cast<std::size_t>(x)];
  TWheelCounts byPocket{};
  for (int i = 0; i < WheelNumberCount; ++i)
    byPocket[static_cast<std::size_t>(i)] = byNumber[stats::WheelOrder[i]];
  return byPocket;
}

std::vector<std::int32_t> ArcNumbers(int first, int width) {
  std::vector<std::int32_t> numbers;
  for (int k = 0; k < width; ++k) numbers.push_back(stats::WheelOrder[(first + k) % WheelNumberCount]);
  return numbers;
}

std::vector<TSectorCount> SectorsOf(const TWheelCounts& counts, std::size_t spins) {
  const double n = static_cast<double>(spins);
  std::vector<TSectorCount> sectors;
  for (const stats::TWheelSector& s : stats::WheelSectors) {
    TSectorCount sector{s.Name, s.Numbers};
    for (const std::int32_t x : s.Numbers)
      sector.Observed += counts[static_cast<std::size_t>(stats::WheelPosition(x))];
    const double p = static_cast<double>(s.Numbers.size()) * One;
    sector.Expected = n * p;
    const double spread = std::sqrt(n * p * (1 - p));
    sector.Residual = spread > 0 ? (static_cast<double>(sector.Observed) - sector.Expected) / spread : 0.0;
    sectors.push_back(sector);
  }
  return sectors;
}

TChiSquareTest SectorTestOf(const std::vector<TSectorCount>& sectors) {
  std::vector<std::string> names;
  std::vector<std::int64_t> observed;
  std::vector<double> shares;
  for (std::size_t k = 0; k < sectors.size(); ++k) {
    if (!stats::WheelSectors[k].Partition) continue;
    names.emplace_back(sectors[k].Name);
    observed.push_back(sectors[k].Observed);
    shares.push_back(static_cast<double>(sectors[k].Numbers.size()) * One);
  }
  return ChiSquareTest("voisins, tiers, orphelins", std::move(names), std::move(observed), shares);
}

TArcSearch ArcSearchOf(const TWheelCounts& counts, std::size_t spins, const TArcNull& null) {
  TArcSearch search;
  search.Simulations = null.Simulations();
  search.SearchLevel = null.SearchLevel(FamilyLevel);
  for (const THottestArc& hot : HottestArcs(counts)) {
    TArcFinding arc;
    arc.Width = hot.Width;
    arc.Numbers = ArcNumbers(hot.First, hot.Width);
    arc.Observed = hot.Observed;
    arc.Expected = static_cast<double>(spins) * hot.Width * One;
    arc.PUncorrected = ArcTail(spins, hot.Width, hot.Observed);
    arc.PCorrected = null.Corrected(arc.PUncorrected);
    if (arc.Expected > 0)
      arc.SpinsNeeded =
          SpinsNeeded(hot.Width, static_cast<double>(arc.Observed) / arc.Expected, search.SearchLevel);
    arc.SpinsNeededFixed = SpinsNeeded(hot.Width, FixedBias, search.SearchLevel);
    search.Arcs.push_back(std::move(arc));
  }
  return search;
}

}  // namespace

double TArcSearch::SimulationError(double p) const {
  return Simulations > 0 ? std::sqrt(p * (1 - p) / static_cast<double>(Simulations)) : 0.0;
}

THoldout HoldoutOf(std::span<const std::int32_t> spins) {
  THoldout holdout;
  holdout.FirstSpins = spins.size() / 2;
  holdout.SecondSpins = spins.size() - holdout.FirstSpins;
  holdout.Possible = holdout.FirstSpins > 0;
  if (!holdout.Possible) return holdout;
  // Of the hottest arcs of the first half, the one least likely on a fair wheel is the choice.
  const auto hottest = HottestArcs(WheelCountsOf(spins.first(holdout.FirstSpins)));
  double least = 2;
  THottestArc chosen{};
  for (const THottestArc& hot : hottest) {
    const double tail = ArcTail(holdout.FirstSpins, hot.Width, hot.Observed);
    if (tail < least) {
      least = tail;
      chosen = hot;
    }
  }
  holdout.Width = chosen.Width;
  holdout.Numbers = ArcNumbers(chosen.First, chosen.Width);
  holdout.FirstObserved = chosen.Observed;
  const TWheelCounts second = WheelCountsOf(spins.subspan(holdout.FirstSpins));
  for (int k = 0; k < chosen.Width; ++k)
    holdout.SecondObserved += second[static_cast<std::size_t>((chosen.First + k) % WheelNumberCount)];
  holdout.SecondExpected = static_cast<double>(holdout.SecondSpins) * chosen.Width * One;
  holdout.PValue = ArcTail(holdout.SecondSpins, chosen.Width, holdout.SecondObserved);
  return holdout;
}

TDistances DistancesOf(std::span<const std::int32_t> spins, std::span<const std::size_t> sessionStarts) {
  TDistances distances;
  ForEachPair(spins, sessionStarts, [&](std::int32_t before, std::int32_t after) {
    ++distances.Counts[static_cast<std::size_t>(stats::ClockwiseDistance(before, after))];
  });
  std::vector<std::string> cells;
  for (int d = 0; d < WheelNumberCount; ++d) cells.push_back(std::to_string(d));
  const std::vector<double> uniform(WheelNumberCount, One);
  distances.Test =
      ChiSquareTest("distances", std::move(cells), {distances.Counts.begin(), distances.Counts.end()}, uniform);
  std::vector<int> order(WheelNumberCount);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return distances.Counts[static_cast<std::size_t>(a)] > distances.Counts[static_cast<std::size_t>(b)];
  });
  for (std::size_t k = 0; k < 3 && distances.Counts[static_cast<std::size_t>(order[k])] > 0; ++k)
    distances.MostFrequent.push_back(order[k]);
  return distances;
}

TRunsTest RunsTestOf(std::span<const std::int32_t> spins) {
  TRunsTest test;
  int last = -1;  // the colour of the last spin that was not zero: red 0, black 1
  for (const std::int32_t x : spins) {
    if (x == 0) continue;
    const int colour = stats::IsRed(x) ? 0 : 1;
    ++(colour == 0 ? test.Reds : test.Blacks);
    if (colour != last) ++test.Runs;
    last = colour;
  }
  const auto n1 = static_cast<double>(test.Reds), n2 = static_cast<double>(test.Blacks), n = n1 + n2;
  test.Reliable = test.Reds >= MinimumOfEachColour && test.Blacks >= MinimumOfEachColour;
  if (!test.Reliable) return test;
  test.ExpectedRuns = 2 * n1 * n2 / n + 1;
  const double variance = 2 * n1 * n2 * (2 * n1 * n2 - n) / (n * n * (n - 1));
  test.Z = (static_cast<double>(test.Runs) - test.ExpectedRuns) / std::sqrt(variance);
  test.PValue = 2 * boost::math::cdf(boost::math::normal(), -std::abs(test.Z));
  return test;
}

TColourPairs ColourPairsOf(std::span<const std::int32_t> spins, std::span<const std::size_t> sessionStarts) {
  TColourPairs pairs;
  ForEachPair(spins, sessionStarts, [&](std::int32_t before, std::int32_t after) {
    if (before != 0 && after != 0) ++pairs.Counts[stats::IsRed(before) ? 0 : 1][stats::IsRed(after) ? 0 : 1];
  });
  const auto& c = pairs.Counts;
  const std::array<double, 2> rows = {static_cast<double>(c[0][0] + c[0][1]),
                                      static_cast<double>(c[1][0] + c[1][1])};
  const std::array<double, 2> columns = {static_cast<double>(c[0][0] + c[1][0]),
                                         static_cast<double>(c[0][1] + c[1][1])};
  const double total = rows[0] + rows[1];
  pairs.Reliable = total > 0;
  for (std::size_t a = 0; a < 2; ++a)
    for (std::size_t b = 0; b < 2; ++b) {
      const double expected = total > 0 ? rows[a] * columns[b] / total : 0.0;
      pairs.Expected[a][b] = expected;
      pairs.Reliable = pairs.Reliable && expected >= LeastReliableExpected;
      if (expected > 0) pairs.Statistic += std::pow(static_cast<double>(c[a][b]) - expected, 2) / expected;
    }
  if (pairs.Reliable)
    pairs.PValue = boost::math::cdf(boost::math::complement(boost::math::chi_squared(1), pairs.Statistic));
  return pairs;
}

TWheelAnalysis AnalyseWheel(std::span<const std::int32_t> spins, std::span<const std::size_t> sessionStarts,
                            const TArcNull& null) {
  assert(null.Spins() == spins.size());
  TWheelAnalysis wheel;
  wheel.Spins = spins.size();
  const TWheelCounts counts = WheelCountsOf(spins);
  wheel.Sectors = SectorsOf(counts, spins.size());
  wheel.SectorTest = SectorTestOf(wheel.Sectors);
  wheel.ArcSearch = ArcSearchOf(counts, spins.size(), null);
  wheel.Holdout = HoldoutOf(spins);
  wheel.Distances = DistancesOf(spins, sessionStarts);
  wheel.Runs = RunsTestOf(spins);
  wheel.ColourPairs = ColourPairsOf(spins, sessionStarts);
  return wheel;
}

}  // namespace cli
