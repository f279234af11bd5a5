#pragma once
// Frequencies of every chance over the last 10, 20, 50 and all spins.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "stats/wheel.h"

namespace stats {

enum class SpinWindow : std::uint8_t { Last10, Last20, Last50, All };

inline constexpr std::array<SpinWindow, 4> SpinWindows = {SpinWindow::Last10, SpinWindow::Last20,
                                                          SpinWindow::Last50, SpinWindow::All};

// How many of the newest spins a window holds; the all window holds every spin.
constexpr std::size_t WindowSpan(SpinWindow window) noexcept {
  switch (window) {
    case SpinWindow::Last10: return 10;
    case SpinWindow::Last20: return 20;
    case SpinWindow::Last50: return 50;
    case SpinWindow::All: break;
  }
  return std::numeric_limits<std::size_t>::max();
}

// The counts of one window. Zero counts in no even-money chance, no dozen and no column, only in
// Numbers[0].
struct TWindowCounts {
  std::int32_t Red = 0, Black = 0;
  std::int32_t Low = 0, High = 0;  // 1-18 and 19-36
  std::int32_t Even = 0, Odd = 0;
  std::array<std::int32_t, 3> Dozens{};   // 1-12, 13-24, 25-36
  std::array<std::int32_t, 3> Columns{};  // 1, 4, ..., 34; 2, 5, ..., 35; 3, 6, ..., 36
  std::array<std::int32_t, WheelNumberCount> Numbers{};
  std::int32_t DozenMinimum = 0;   // smallest of the three dozen counts
  std::int32_t ColumnMinimum = 0;  // smallest of the three column counts
  std::int32_t NumberMinimum = 0;  // smallest of the 37 number counts

  friend bool operator==(const TWindowCounts&, const TWindowCounts&) = default;
};

struct TSpinStatistics {
  std::array<TWindowCounts, SpinWindows.size()> Windows;

  const TWindowCounts& operator[](SpinWindow window) const noexcept {
    return Windows[static_cast<std::size_t>(window)];
  }
  friend bool operator==(const TSpinStatistics&, const TSpinStatistics&) = default;
};

// Counts every window over the whole history in one linear pass. Every value must be a wheel
// number, which SpinHistory guarantees.
TSpinStatistics ComputeStatistics(std::span<const std::int32_t> spins);
// The same, with the all window taken from `allCounts` (how often each number came up in
// `spins`) instead of counted: only the newest 50 spins are read.
TSpinStatistics ComputeStatistics(std::span<const std::int32_t> spins,
                                  const std::array<std::int32_t, WheelNumberCount>& allCounts);

}  // namespace stats
