#include "cli/wheel_arcs.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/normal.hpp>
#include <cmath>
#include <random>
#include <unordered_map>

namespace cli {

namespace {

constexpr int Pockets = stats::WheelNumberCount;

// A fair wheel's counts after `spins` spins, drawn pocket by pocket as binomials of what is left,
// so that a simulation costs the same for a thousand spins as for ten million.
TWheelCounts FairCounts(std::size_t spins, std::mt19937_64& random) {
  using TDraw = std::binomial_distribution<std::int64_t>;
  TDraw draw;
  TWheelCounts counts{};
  auto left = static_cast<std::int64_t>(spins);
  for (int i = 0; i + 1 < Pockets && left > 0; ++i) {
    counts[static_cast<std::size_t>(i)] = draw(random, TDraw::param_type(left, 1.0 / (Pockets - i)));
    left -= counts[static_cast<std::size_t>(i)];
  }
  counts[Pockets - 1] += left;
  return counts;
}

}  // namespace

std::array<THottestArc, ArcWidths.size()> HottestArcs(const TWheelCounts& counts) {
  std::array<THottestArc, ArcWidths.size()> hottest{};
  for (std::size_t k = 0; k < ArcWidths.size(); ++k) {
    const int width = ArcWidths[k];
    std::int64_t sum = 0;
    for (int i = 0; i < width; ++i) sum += counts[static_cast<std::size_t>(i)];
    hottest[k] = {width, 0, sum};
    for (int first = 1; first < Pockets; ++first) {
      sum += counts[static_cast<std::size_t>((first + width - 1) % Pockets)] -
             counts[static_cast<std::size_t>(first - 1)];
      if (sum > hottest[k].Observed) hottest[k] = {width, first, sum};
    }
  }
  return hottest;
}

double ArcTail(std::size_t spins, int width, std::int64_t count) {
  if (count <= 0 || spins == 0) return count <= 0 ? 1.0 : 0.0;
  if (static_cast<std::size_t>(count) > spins) return 0.0;
  const boost::math::binomial_distribution<double> distribution(static_cast<double>(spins),
                                                                static_cast<double>(width) / Pockets);
  return boost::math::cdf(boost::math::complement(distribution, static_cast<double>(count - 1)));
}

TArcNull::TArcNull(std::size_t spins, std::size_t simulations, std::uint64_t seed) : FSpins(spins) {
  std::mt19937_64 random(seed);
  // The hottest counts of many simulations fall on few values; each tail is worked out once.
  std::array<std::unordered_map<std::int64_t, double>, ArcWidths.size()> tails;
  FSmallestTails.reserve(simulations);
  for (std::size_t s = 0; s < simulations; ++s) {
    const auto hottest = HottestArcs(FairCounts(spins, random));
    double smallest = 1;
    for (std::size_t k = 0; k < hottest.size(); ++k) {
      auto [place, fresh] = tails[k].try_emplace(hottest[k].Observed, 0.0);
      if (fresh) place->second = ArcTail(spins, hottest[k].Width, hottest[k].Observed);
      smallest = std::min(smallest, place->second);
    }
    FSmallestTails.push_back(smallest);
  }
  std::sort(FSmallestTails.begin(), FSmallestTails.end());
}

double TArcNull::Corrected(double tail) const {
  // A tail equal to a simulated one, up to rounding, counts as at least as surprising.
  const auto end = std::upper_bound(FSmallestTails.begin(), FSmallestTails.end(), tail * (1 + 1e-9));
  const auto asSurprising = static_cast<double>(end - FSmallestTails.begin());
  return (asSurprising + 1) / (static_cast<double>(FSmallestTails.size()) + 1);
}

double TArcNull::SearchLevel(double level) const {
  if (FSmallestTails.empty()) return level;
  const auto index = static_cast<std::size_t>(std::ceil(level * static_cast<double>(FSmallestTails.size())));
  return FSmallestTails[std::min(FSmallestTails.size() - 1, index > 0 ? index - 1 : 0)];
}

std::optional<double> SpinsNeeded(int width, double ratio, double searchLevel) {
  const double p0 = static_cast<double>(width) / Pockets;
  const double p1 = std::min(ratio * p0, 0.999);
  if (!(ratio > 1) || !(searchLevel > 0 && searchLevel < 1)) return std::nullopt;
  const boost::math::normal normal;
  const double za = boost::math::quantile(boost::math::complement(normal, searchLevel));
  const double zb = boost::math::quantile(normal, 0.8);
  const double root = (za * std::sqrt(p0 * (1 - p0)) + zb * std::sqrt(p1 * (1 - p1))) / (p1 - p0);
  return std::ceil(root * root);
}

}  // namespace cli
