// The arc search's p-values on simulated wheels: on fair wheels the corrected value must be
// below 0.05 about one time in twenty, and a planted bias must be found.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cli/wheel_analysis.h"
#include "stats/wheel_order.h"

namespace cli {
namespace {

// `spins` spins of a wheel on which the arc of `width` pockets starting at wheel position
// `first` is `bias` times as likely per pocket as the others.
std::vector<std::int32_t> Wheel(std::size_t spins, std::uint64_t seed, int first = 0, int width = 0,
                                double bias = 1) {
  std::vector<double> weights(stats::WheelNumberCount, 1.0);
  for (int k = 0; k < width; ++k) weights[static_cast<std::size_t>(stats::WheelOrder[(first + k) % 37])] = bias;
  std::mt19937_64 random(seed);
  std::discrete_distribution<std::int32_t> pocket(weights.begin(), weights.end());
  std::vector<std::int32_t> history(spins);
  for (std::int32_t& x : history) x = pocket(random);
  return history;
}

TEST(WheelCalibration, OnFairWheelsOnlyTheUncorrectedValueIsOftenSmall) {
  constexpr std::size_t Histories = 200, Spins = 2000;
  const TArcNull null(Spins, 4000);
  int corrected = 0, uncorrected = 0;
  for (std::size_t h = 0; h < Histories; ++h) {
    const TWheelAnalysis w = AnalyseWheel(Wheel(Spins, 1000 + h), {}, null);
    double smallestCorrected = 1, smallestUncorrected = 1;
    for (const TArcFinding& arc : w.ArcSearch.Arcs) {
      smallestCorrected = std::min(smallestCorrected, arc.PCorrected);
      smallestUncorrected = std::min(smallestUncorrected, arc.PUncorrected);
    }
    corrected += smallestCorrected < 0.05;
    uncorrected += smallestUncorrected < 0.05;
  }
  EXPECT_GE(corrected, 4) << "2 % of 200";
  EXPECT_LE(corrected, 18) << "9 % of 200";
  EXPECT_GE(uncorrected, 3 * corrected) << "the uncorrected p-value must be small far more often";
}

TEST(WheelCalibration, APlantedArcIsFoundAndCorrectedBelowOnePercent) {
  constexpr std::size_t Seeds = 100, Spins = 3000;
  constexpr int First = 20, Width = 5;  // 5 24 16 33 1, half as likely again
  const TArcNull null(Spins, 4000);
  int found = 0, overlapping = 0;
  for (std::size_t s = 0; s < Seeds; ++s) {
    const TWheelAnalysis w = AnalyseWheel(Wheel(Spins, 7000 + s, First, Width, 1.5), {}, null);
    const TArcFinding* best = &w.ArcSearch.Arcs[0];
    for (const TArcFinding& arc : w.ArcSearch.Arcs)
      if (arc.PUncorrected < best->PUncorrected) best = &arc;
    found += best->PCorrected < 0.01;
    bool overlaps = false;
    for (const std::int32_t x : best->Numbers) {
      const int at = (stats::WheelPosition(x) - First + 37) % 37;
      overlaps = overlaps || at < Width;
    }
    overlapping += overlaps;
  }
  EXPECT_GE(found, 70);
  EXPECT_GE(overlapping, 95);
}

}  // namespace
}  // namespace cli
