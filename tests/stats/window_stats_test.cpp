#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "stats/spin_history.h"
#include "stats/window_stats.h"

namespace stats {
namespace {

using Spins = std::vector<std::int32_t>;

const TWindowCounts& W(const TSpinStatistics& s, SpinWindow w) { return s[w]; }

// A straight transcription of the counting rules: one pass from the newest spin, each category
// raised in every window whose position test the spin passes, minima from 1 000 000.
TSpinStatistics Reference(const Spins& spins) {
  TSpinStatistics s;
  const long long L = static_cast<long long>(spins.size());
  for (long long i = L - 1; i >= 0; --i) {
    const std::int32_t x = spins[static_cast<std::size_t>(i)];
    const bool in[4] = {i > L - 11, i > L - 21, i > L - 51, true};
    for (int w = 0; w < 4; ++w) {
      if (!in[w]) continue;
      TWindowCounts& c = s.Windows[w];
      if (x != 0) {
        (ColorOfNumber(x) == 255 ? c.Red : c.Black) += 1;
        ((x & 1) ? c.Odd : c.Even) += 1;
        (x > 18 ? c.High : c.Low) += 1;
        c.Dozens[x > 24 ? 2 : x > 12 ? 1 : 0] += 1;
        c.Columns[(x - 1) % 3] += 1;
      }
      c.Numbers[x] += 1;
    }
  }
  for (TWindowCounts& c : s.Windows) {
    c.DozenMinimum = 1'000'000;
    for (int d : c.Dozens) c.DozenMinimum = std::min(c.DozenMinimum, d);
    c.ColumnMinimum = 1'000'000;
    for (int k : c.Columns) c.ColumnMinimum = std::min(c.ColumnMinimum, k);
    c.NumberMinimum = 1'000'000;
    for (int n : c.Numbers) c.NumberMinimum = std::min(c.NumberMinimum, n);
  }
  return s;
}

Spins Sequence(int length, std::int32_t first = 0) {
  Spins spins;
  for (int i = 0; i < length; ++i) spins.push_back((first + i) % 37);
  return spins;
}

TEST(WindowStats, EmptyHistoryCountsNothing) {
  const TSpinStatistics s = ComputeStatistics({});
  for (SpinWindow w : SpinWindows) {
    EXPECT_EQ(W(s, w), TWindowCounts{});
    EXPECT_EQ(W(s, w).DozenMinimum, 0);
    EXPECT_EQ(W(s, w).NumberMinimum, 0);
  }
}

TEST(WindowStats, ZeroHasItsOwnCountButNoChance) {
  const Spins spins = {0};
  const TSpinStatistics s = ComputeStatistics(spins);
  for (SpinWindow w : SpinWindows) {
    const TWindowCounts& c = W(s, w);
    EXPECT_EQ(c.Red + c.Black + c.Low + c.High + c.Even + c.Odd, 0);
    EXPECT_EQ(c.Dozens, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(c.Numbers[0], 1);
    EXPECT_EQ(c.NumberMinimum, 0);
    EXPECT_EQ(c.DozenMinimum, 0);
  }
}

// The oldest spin drops out of a window exactly when the history outgrows it.
TEST(WindowStats, WindowBoundaries) {
  struct Case {
    int length;
    SpinWindow window;
    bool oldestInside;
  };
  const Case cases[] = {
      {10, SpinWindow::Last10, true}, {11, SpinWindow::Last10, false}, {11, SpinWindow::Last20, true},
      {20, SpinWindow::Last20, true}, {21, SpinWindow::Last20, false}, {21, SpinWindow::Last50, true},
      {50, SpinWindow::Last50, true}, {51, SpinWindow::Last50, false}, {51, SpinWindow::All, true},
  };
  for (const Case& c : cases) {
    // 36 first, then numbers that never repeat it within 51 spins.
    Spins spins = {36};
    for (int i = 1; i < c.length; ++i) spins.push_back(i % 36);
    const TSpinStatistics s = ComputeStatistics(spins);
    EXPECT_EQ(W(s, c.window).Numbers[36], c.oldestInside ? 1 : 0) << c.length;
    EXPECT_EQ(
        W(s, c.window).Red + W(s, c.window).Black,
        static_cast<int>(std::min<std::size_t>(spins.size(), WindowSpan(c.window))) - W(s, c.window).Numbers[0])
        << c.length;
  }
  const Spins ten = Sequence(10, 3);
  const TSpinStatistics s = ComputeStatistics(ten);
  EXPECT_EQ(W(s, SpinWindow::Last10), W(s, SpinWindow::All));
  EXPECT_EQ(W(s, SpinWindow::Last20), W(s, SpinWindow::All));
}

TEST(WindowStats, CorrectionChangesOnlyTheWindowsThatHoldIt) {
  Spins spins = Sequence(60, 1);
  const TSpinStatistics before = ComputeStatistics(spins);
  spins[60 - 15] = 0;  // the 15th newest: in last 20, last 50 and all, not in last 10
  const TSpinStatistics after = ComputeStatistics(spins);
  EXPECT_EQ(W(after, SpinWindow::Last10), W(before, SpinWindow::Last10));
  for (SpinWindow w : {SpinWindow::Last20, SpinWindow::Last50, SpinWindow::All}) {
    EXPECT_NE(W(after, w), W(before, w));
    EXPECT_EQ(W(after, w).Numbers[0], W(before, w).Numbers[0] + 1);
  }
}

TEST(WindowStats, AgreesWithTheReferenceOnRandomHistories) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::int32_t> wheel(0, 36);
  std::uniform_int_distribution<std::int32_t> few(0, 3);  // skewed histories produce ties and zero minima
  const int lengths[] = {0, 1, 2, 9, 10, 11, 19, 20, 21, 49, 50, 51, 52, 99, 137, 1000, 4099};
  for (int length : lengths)
    for (int round = 0; round < 3; ++round) {
      Spins spins;
      for (int i = 0; i < length; ++i) spins.push_back(round == 2 ? few(random) : wheel(random));
      EXPECT_EQ(ComputeStatistics(spins), Reference(spins)) << "length " << length << " round " << round;
      // The all window from counts kept by the history, the other windows from its newest spins.
      SpinHistory history;
      history.AppendMany(spins);
      EXPECT_EQ(ComputeStatistics(history.Spins(), history.Counts()), Reference(spins))
          << "kept counts, length " << length << " round " << round;
    }
}

TEST(WindowStats, MinimaAreTrueEvenBeyondAMillionPerNumber) {
  // With a very long history every count can pass one million; the smallest must still be found.
  Spins spins(37u * 1'000'001u + 5u);
  for (std::size_t i = 0; i < spins.size(); ++i) spins[i] = static_cast<std::int32_t>(i % 37);
  const TSpinStatistics statistics = ComputeStatistics(spins);
  const TWindowCounts& all = statistics[SpinWindow::All];
  EXPECT_EQ(all.NumberMinimum, 1'000'001);
  EXPECT_EQ(all.Numbers[36], 1'000'001);
  EXPECT_EQ(all.Numbers[0], 1'000'002);
  EXPECT_EQ(all.DozenMinimum, *std::min_element(all.Dozens.begin(), all.Dozens.end()));
}

}  // namespace
}  // namespace stats
