#pragma once
// The main window's statistics table as data: the rows of the window, four window columns, and
// for each cell the count and whether it is marked as the least frequent.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "stats/window_stats.h"

namespace cli {

struct TStatsCell {
  std::int32_t Count = 0;
  bool Marked = false;  // the smallest count of its comparison, shown "(n)" in green
};

struct TStatsRow {
  std::string Name;  // "red", "black", "1-18", ..., "25-36", then "0" to "36"
  // A column the window does not show yet (last 20 before the 11th spin, last 50 before the
  // 21st) has no cell.
  std::array<std::optional<TStatsCell>, stats::SpinWindows.size()> Cells;
};

// Where a row starts a new group: the even-money pairs, the dozens, the single numbers.
enum class TRowGroup : std::uint8_t { rgPairs, rgDozens, rgNumbers };

struct TStatsTable {
  std::size_t Spins = 0;
  std::vector<std::int32_t> Last;  // the strip: newest first, at most 21
  std::vector<TStatsRow> Rows;     // 6 pairs, 3 dozens, 37 numbers, in the window's order

  static TRowGroup GroupOf(std::size_t row) noexcept;
};

inline constexpr std::array<const char*, stats::SpinWindows.size()> ColumnNames = {"last 10", "last 20", "last 50",
                                                                                   "all"};

// Runs the main window's display rules over the spins and reads the table back from what they
// wrote, so the marking here is the window's marking.
TStatsTable BuildStatsTable(std::span<const std::int32_t> spins);

}  // namespace cli
