#pragma once
// How a spin history is shown: the strip of the newest results and the three count tables.
// The routines address labels by name and write through a sink, so the same rules drive the
// main window's labels and the tests' recorders.

#include <string_view>

#include "stats/spin_history.h"
#include "stats/wheel.h"
#include "stats/window_stats.h"

namespace stats {

// Where the display rules write: a caption or a font colour for the label of that name.
class TLabelSink {
 public:
  virtual ~TLabelSink() = default;
  virtual void SetCaption(std::string_view name, std::string_view text) = 0;
  virtual void SetFontColor(std::string_view name, TColor color) = 0;
};

inline constexpr int StripLength = 21;

// Whether the window's column is shown for a history of `length` spins: the last 20 once there
// are more than 10 spins, the last 50 once there are more than 20, the others always.
bool ColumnShown(SpinWindow window, std::size_t length) noexcept;

// Label names, composed once: "UiLabelLast" + k (k = 1..21), "UiLabel10S" + n and its siblings
// for the single-number columns, and the fixed names of the pair and dozen cells.
std::string_view StripLabelName(int k);
std::string_view NumberLabelName(SpinWindow window, int number);
std::string_view PairLabelName(int row, SpinWindow window);     // rows: red, black, 1-18, 19-36, even, odd
std::string_view DozenLabelName(int dozen, SpinWindow window);  // dozens 0..2

// Rewrites the 21 strip labels: the k-th newest spin in its wheel colour, or an empty caption
// (colour untouched) where the history is shorter than k.
void LastNumbersStrip(const SpinHistory& history, TLabelSink& sink);

// Counts the history and rewrites the pair, dozen and single-number labels, marking the
// smallest count of every comparison as "(n)" in green. The last-20 and last-50 columns are
// written only once the history is longer than 10 and 20 spins.
void StatsPanel(const SpinHistory& history, TLabelSink& sink);

// The same, from statistics already computed for a history of `length` spins.
void StatsPanel(const TSpinStatistics& statistics, std::size_t length, TLabelSink& sink);

}  // namespace stats
