#include "cli/chi_square.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <cstdio>
#include <utility>

namespace cli {

std::string FormatP(double p) {
  char text[32];
  std::snprintf(text, sizeof text, p < 0.0001 ? "%.2g" : "%.4f", p);
  return text;
}

double TChiSquareTest::SmallestExpected() const {
  return Expected.empty() ? 0.0 : *std::min_element(Expected.begin(), Expected.end());
}

TChiSquareTest ChiSquareTest(std::string name, std::vector<std::string> cells, std::vector<std::int64_t> observed,
                             std::span<const double> probabilities) {
  TChiSquareTest test;
  test.Name = std::move(name);
  test.Cells = std::move(cells);
  test.Observed = std::move(observed);
  test.DegreesOfFreedom = static_cast<int>(probabilities.size()) - 1;
  std::int64_t total = 0;
  for (std::int64_t o : test.Observed) total += o;
  for (std::size_t i = 0; i < probabilities.size(); ++i) {
    const double expected = static_cast<double>(total) * probabilities[i];
    test.Expected.push_back(expected);
    if (expected > 0) {
      const double d = static_cast<double>(test.Observed[i]) - expected;
      test.Statistic += d * d / expected;
    }
  }
  test.Reliable = total > 0 && test.SmallestExpected() >= LeastReliableExpected;
  if (total > 0) {
    const boost::math::chi_squared distribution(test.DegreesOfFreedom);
    test.PValue = boost::math::cdf(boost::math::complement(distribution, test.Statistic));
  }
  return test;
}

std::string Reading(const TChiSquareTest& test) {
  if (!test.Reliable) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.3g", test.SmallestExpected());
    return std::string("too few spins to test: an expected count is ") + expected +
           ", below 5, so a p-value would not be reliable";
  }
  if (test.PValue < 0.05) return "the numbers are unlikely under a fair wheel: p = " + FormatP(test.PValue);
  return "no evidence against a fair wheel at the 5 % level";
}

}  // namespace cli
