#pragma once
// Pearson's chi-square goodness of fit, as every test of the analysis states it.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cli {

// Below this expected count in any cell, the chi-square approximation is not to be trusted.
inline constexpr double LeastReliableExpected = 5.0;

// Pearson's chi-square goodness of fit of observed counts against the shares of a fair wheel.
struct TChiSquareTest {
  std::string Name;  // "numbers", "red, black, zero", "dozens and zero", "columns and zero"
  std::vector<std::string> Cells;
  std::vector<std::int64_t> Observed;
  std::vector<double> Expected;
  double Statistic = 0;
  int DegreesOfFreedom = 0;
  double PValue = 1;  // P(chi-square >= Statistic) under a fair wheel
  // Every expected count is at least LeastReliableExpected. When not, PValue is computed but
  // is not to be shown as a finding.
  bool Reliable = false;
  double SmallestExpected() const;
};

// Runs the test for observed counts and the fair wheel's probability of each cell.
TChiSquareTest ChiSquareTest(std::string name, std::vector<std::string> cells, std::vector<std::int64_t> observed,
                             std::span<const double> probabilities);

// A p-value as the analysis prints it: four decimals, or two significant digits when tiny.
std::string FormatP(double p);

// One line for a person: the finding at the 5 % level, or why there is none.
std::string Reading(const TChiSquareTest& test);

}  // namespace cli
