#include "stats/display_rules.h"

#include <array>
#include <charconv>
#include <string>

namespace stats {

namespace {

constexpr TColor MarkedColor = clGreen;
constexpr TColor PlainColor = clNavy;

constexpr int PairRows = 6;
constexpr std::size_t WindowCount = SpinWindows.size();

struct TLabelNames {
  std::array<std::string, StripLength + 1> Strip;  // index 0 unused
  std::array<std::array<std::string, WheelNumberCount>, WindowCount> Numbers;
  std::array<std::array<std::string, WindowCount>, PairRows> Pairs;
  std::array<std::array<std::string, WindowCount>, 3> Dozens;

  TLabelNames() {
    for (int k = 1; k <= StripLength; ++k) Strip[k] = "UiLabelLast" + std::to_string(k);
    static constexpr std::array<const char*, WindowCount> prefixes = {"UiLabel10S", "UiLabel20S", "UiLabel50S",
                                                                      "UiLabelAllS"};
    for (std::size_t w = 0; w < WindowCount; ++w)
      for (int n = 0; n < WheelNumberCount; ++n) Numbers[w][n] = prefixes[w] + std::to_string(n);
    // The cells are numbered from UiLabel36 row by row, five per row (four counts and the
    // row caption); pairs come first, then the dozens.
    for (int row = 0; row < PairRows + 3; ++row)
      for (std::size_t w = 0; w < WindowCount; ++w) {
        std::string name = "UiLabel" + std::to_string(36 + 5 * row + static_cast<int>(w));
        if (row < PairRows)
          Pairs[row][w] = std::move(name);
        else
          Dozens[row - PairRows][w] = std::move(name);
      }
  }
};

const TLabelNames& Names() {
  static const TLabelNames names;
  return names;
}

// The decimal text of a count, optionally in its marked form "(n)".
class TCountText {
 public:
  TCountText(std::int64_t value, bool marked) {
    char* p = FBuffer;
    if (marked) *p++ = '(';
    p = std::to_chars(p, FBuffer + sizeof FBuffer - 1, value).ptr;
    if (marked) *p++ = ')';
    FLength = static_cast<std::size_t>(p - FBuffer);
  }
  operator std::string_view() const { return {FBuffer, FLength}; }

 private:
  char FBuffer[24];
  std::size_t FLength;
};

void WriteCount(TLabelSink& sink, std::string_view name, std::int32_t count, bool marked) {
  sink.SetCaption(name, TCountText(count, marked));
  sink.SetFontColor(name, marked ? MarkedColor : PlainColor);
}

// Two chances side by side: the smaller count is marked; equal counts are both plain.
void WritePair(TLabelSink& sink, int firstRow, SpinWindow window, std::int32_t a, std::int32_t b) {
  WriteCount(sink, PairLabelName(firstRow, window), a, a < b);
  WriteCount(sink, PairLabelName(firstRow + 1, window), b, b < a);
}

}  // namespace

bool ColumnShown(SpinWindow window, std::size_t length) noexcept {
  switch (window) {
    case SpinWindow::Last20: return length > 10;
    case SpinWindow::Last50: return length > 20;
    default: return true;
  }
}

std::string_view StripLabelName(int k) { return Names().Strip.at(static_cast<std::size_t>(k)); }

std::string_view NumberLabelName(SpinWindow window, int number) {
  return Names().Numbers[static_cast<std::size_t>(window)].at(static_cast<std::size_t>(number));
}

std::string_view PairLabelName(int row, SpinWindow window) {
  return Names().Pairs.at(static_cast<std::size_t>(row))[static_cast<std::size_t>(window)];
}

std::string_view DozenLabelName(int dozen, SpinWindow window) {
  return Names().Dozens.at(static_cast<std::size_t>(dozen))[static_cast<std::size_t>(window)];
}

void LastNumbersStrip(const SpinHistory& history, TLabelSink& sink) {
  for (int k = 1; k <= StripLength; ++k) {
    const std::string_view name = StripLabelName(k);
    if (history.Length() < static_cast<std::size_t>(k)) {
      sink.SetCaption(name, {});
      continue;
    }
    const std::int32_t x = history.Recent(static_cast<std::size_t>(k));
    sink.SetCaption(name, TCountText(x, false));
    sink.SetFontColor(name, ColorOfNumber(x));
  }
}

void StatsPanel(const SpinHistory& history, TLabelSink& sink) {
  StatsPanel(ComputeStatistics(history.Spins(), history.Counts()), history.Length(), sink);
}

void StatsPanel(const TSpinStatistics& statistics, std::size_t length, TLabelSink& sink) {
  // Rows in the order red/black, even/odd, 1-18/19-36; columns newest window first.
  for (SpinWindow window : SpinWindows)
    if (ColumnShown(window, length)) WritePair(sink, 0, window, statistics[window].Red, statistics[window].Black);
  for (SpinWindow window : SpinWindows)
    if (ColumnShown(window, length)) WritePair(sink, 4, window, statistics[window].Even, statistics[window].Odd);
  for (SpinWindow window : SpinWindows)
    if (ColumnShown(window, length)) WritePair(sink, 2, window, statistics[window].Low, statistics[window].High);

  // Dozens: all three plain first, then every dozen at the minimum marked (ties mark them all).
  for (SpinWindow window : SpinWindows) {
    if (!ColumnShown(window, length)) continue;
    const TWindowCounts& w = statistics[window];
    for (int d = 0; d < 3; ++d) WriteCount(sink, DozenLabelName(d, window), w.Dozens[d], false);
    for (int d = 0; d < 3; ++d)
      if (w.Dozens[d] == w.DozenMinimum) WriteCount(sink, DozenLabelName(d, window), w.Dozens[d], true);
  }

  for (int n = 0; n < WheelNumberCount; ++n)
    for (SpinWindow window : SpinWindows) {
      if (!ColumnShown(window, length)) continue;
      const TWindowCounts& w = statistics[window];
      WriteCount(sink, NumberLabelName(window, n), w.Numbers[n], w.Numbers[n] == w.NumberMinimum);
    }
}

}  // namespace stats
