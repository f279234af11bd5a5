#pragma once
// Arcs of neighbouring pockets: the hottest of each width, how surprising it is when it was
// chosen in advance, and how surprising once the search over every position and width is
// allowed for, by simulating fair wheels.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "stats/wheel.h"

namespace cli {

inline constexpr std::array<int, 4> ArcWidths = {3, 5, 7, 9};
inline constexpr std::size_t ArcSimulations = 10000;
// Fixed, so that a rerun on the same history prints the same.
inline constexpr std::uint64_t ArcSeed = 0x5eed'2026'1208ULL;

// Counts by pocket in wheel order (index 0 is zero's pocket, 1 is 32's, ...).
using TWheelCounts = std::array<std::int64_t, stats::WheelNumberCount>;

struct THottestArc {
  int Width = 0;
  int First = 0;  // the wheel position of its first pocket, counting clockwise
  std::int64_t Observed = 0;
};

// The arc of each width with the most hits; among equals the first clockwise from zero.
std::array<THottestArc, ArcWidths.size()> HottestArcs(const TWheelCounts& counts);

// P(X >= count) for X ~ Binomial(spins, width / 37): the p-value of an arc chosen in advance.
double ArcTail(std::size_t spins, int width, std::int64_t count);

// The distribution, over simulated fair wheels of the same number of spins, of the smallest
// ArcTail among the hottest arcs of every width: the search's own statistic.
class TArcNull {
 public:
  TArcNull(std::size_t spins, std::size_t simulations, std::uint64_t seed = ArcSeed);

  std::size_t Spins() const noexcept { return FSpins; }
  std::size_t Simulations() const noexcept { return FSmallestTails.size(); }
  // The share of fair wheels whose most surprising arc is at least as surprising as `tail`,
  // counting the history itself as one of them so that the value is never 0.
  double Corrected(double tail) const;
  // The tail an arc needs so that a search over all of them errs with probability `level`.
  double SearchLevel(double level) const;

 private:
  std::size_t FSpins;
  std::vector<double> FSmallestTails;  // ascending
};

// Spins needed to find an arc of `width` whose probability is `ratio` times a fair wheel's,
// with 80 % power by a one-sided test at the per-arc level `searchLevel` (normal approximation);
// unset when the ratio is not above 1.
std::optional<double> SpinsNeeded(int width, double ratio, double searchLevel);

}  // namespace cli
