#include "stats/window_stats.h"

#include <algorithm>

namespace stats {

namespace {

using TNumberCounts = std::array<std::int32_t, WheelNumberCount>;

// Adds the occurrences of each number in `spins` to `counts`. Four interleaved tables keep
// repeated numbers from chaining increments of one counter, which would stall the pass.
void CountNumbers(std::span<const std::int32_t> spins, TNumberCounts& counts) {
  constexpr std::size_t Ways = 4;
  std::array<std::array<std::uint32_t, WheelNumberCount>, Ways> partial{};
  const std::int32_t* p = spins.data();
  const std::size_t n = spins.size();
  std::size_t i = 0;
  for (; i + Ways <= n; i += Ways) {
    ++partial[0][static_cast<std::uint32_t>(p[i])];
    ++partial[1][static_cast<std::uint32_t>(p[i + 1])];
    ++partial[2][static_cast<std::uint32_t>(p[i + 2])];
    ++partial[3][static_cast<std::uint32_t>(p[i + 3])];
  }
  for (; i < n; ++i) ++partial[0][static_cast<std::uint32_t>(p[i])];
  for (int number = 0; number < WheelNumberCount; ++number) {
    std::uint32_t sum = 0;
    for (const auto& table : partial) sum += table[number];
    counts[number] += static_cast<std::int32_t>(sum);
  }
}

// Derives the chances, dozens, columns and minima of one window from its 37 number counts.
TWindowCounts Summarize(const TNumberCounts& numbers) {
  TWindowCounts w;
  w.Numbers = numbers;
  for (std::int32_t x = 1; x < WheelNumberCount; ++x) {
    const std::int32_t c = numbers[x];
    (IsRed(x) ? w.Red : w.Black) += c;
    (IsOdd(x) ? w.Odd : w.Even) += c;
    (IsHigh(x) ? w.High : w.Low) += c;
    w.Dozens[static_cast<std::size_t>(DozenOf(x))] += c;
    w.Columns[static_cast<std::size_t>(ColumnOf(x))] += c;
  }
  w.DozenMinimum = *std::min_element(w.Dozens.begin(), w.Dozens.end());
  w.ColumnMinimum = *std::min_element(w.Columns.begin(), w.Columns.end());
  w.NumberMinimum = *std::min_element(w.Numbers.begin(), w.Numbers.end());
  return w;
}

}  // namespace

TSpinStatistics ComputeStatistics(std::span<const std::int32_t> spins) {
  // The windows are nested, newest first: each one is the previous window plus the spins
  // just older than it, so every spin is read exactly once.
  TSpinStatistics result;
  TNumberCounts numbers{};
  std::size_t counted = 0;  // how many of the newest spins `numbers` covers
  for (SpinWindow window : SpinWindows) {
    const std::size_t span = std::min(WindowSpan(window), spins.size());
    CountNumbers(spins.subspan(spins.size() - span, span - counted), numbers);
    counted = span;
    result.Windows[static_cast<std::size_t>(window)] = Summarize(numbers);
  }
  return result;
}

TSpinStatistics ComputeStatistics(std::span<const std::int32_t> spins, const TNumberCounts& allCounts) {
  constexpr std::size_t Newest = WindowSpan(SpinWindow::Last50);
  TSpinStatistics result = ComputeStatistics(spins.last(std::min(Newest, spins.size())));
  result.Windows[static_cast<std::size_t>(SpinWindow::All)] = Summarize(allCounts);
  return result;
}

}  // namespace stats
