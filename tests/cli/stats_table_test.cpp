#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cli/stats_table.h"

namespace cli {
namespace {

// Counts one window the slow way, straight from the wheel's facts.
struct TReference {
  std::array<int, 9> Chances{};  // red, black, 1-18, 19-36, even, odd, dozens 1..3
  std::array<int, 37> Numbers{};
};

TReference Count(const std::vector<std::int32_t>& spins, std::size_t span) {
  static const std::vector<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
  TReference r;
  const std::size_t from = spins.size() > span ? spins.size() - span : 0;
  for (std::size_t i = from; i < spins.size(); ++i) {
    const int x = spins[i];
    ++r.Numbers[x];
    if (x == 0) continue;
    ++r.Chances[std::count(red.begin(), red.end(), x) ? 0 : 1];
    ++r.Chances[x <= 18 ? 2 : 3];
    ++r.Chances[x % 2 == 0 ? 4 : 5];
    ++r.Chances[6 + (x - 1) / 12];
  }
  return r;
}

TEST(StatsTable, CountsAndMarksMatchAReferenceAtTheWindowEdges) {
  std::mt19937 random(16);
  std::uniform_int_distribution<int> wheel(0, 36);
  for (std::size_t length : {1u, 9u, 10u, 11u, 20u, 21u, 50u, 51u, 777u}) {
    std::vector<std::int32_t> spins(length);
    for (auto& x : spins) x = wheel(random);
    const TStatsTable table = BuildStatsTable(spins);
    ASSERT_EQ(table.Rows.size(), 9u + 37u);
    EXPECT_EQ(table.Spins, length);

    const std::array<std::size_t, 4> spans = {10, 20, 50, SIZE_MAX};
    for (std::size_t c = 0; c < 4; ++c) {
      const bool shown = c == 0 || c == 3 || (c == 1 && length > 10) || (c == 2 && length > 20);
      const TReference ref = Count(spins, spans[c]);
      const int dozenMin = *std::min_element(ref.Chances.begin() + 6, ref.Chances.end());
      const int numberMin = *std::min_element(ref.Numbers.begin(), ref.Numbers.end());
      for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const auto& cell = table.Rows[r].Cells[c];
        SCOPED_TRACE(::testing::Message()
                     << "length " << length << " column " << c << " row " << table.Rows[r].Name);
        ASSERT_EQ(cell.has_value(), shown);
        if (!shown) continue;
        if (r < 6) {
          const int mine = ref.Chances[r], other = ref.Chances[r ^ 1];
          EXPECT_EQ(cell->Count, mine);
          EXPECT_EQ(cell->Marked, mine < other);
        } else if (r < 9) {
          EXPECT_EQ(cell->Count, ref.Chances[r]);
          EXPECT_EQ(cell->Marked, ref.Chances[r] == dozenMin);
        } else {
          EXPECT_EQ(table.Rows[r].Name, std::to_string(r - 9));
          EXPECT_EQ(cell->Count, ref.Numbers[r - 9]);
          EXPECT_EQ(cell->Marked, ref.Numbers[r - 9] == numberMin);
        }
      }
    }
  }
}

TEST(StatsTable, ASingleZeroMarksNoPairButEveryDozen) {
  const TStatsTable table = BuildStatsTable(std::vector<std::int32_t>{0});
  for (std::size_t r = 0; r < 6; ++r) EXPECT_FALSE(table.Rows[r].Cells[0]->Marked) << table.Rows[r].Name;
  for (std::size_t r = 6; r < 9; ++r) EXPECT_TRUE(table.Rows[r].Cells[3]->Marked) << table.Rows[r].Name;
  EXPECT_FALSE(table.Rows[9].Cells[0]->Marked);  // number 0 came up once; the others not at all
  EXPECT_TRUE(table.Rows[10].Cells[0]->Marked);
}

TEST(StatsTable, TheStripHoldsTheNewest21NewestFirst) {
  std::vector<std::int32_t> spins;
  for (int i = 0; i < 25; ++i) spins.push_back(i);
  const TStatsTable table = BuildStatsTable(spins);
  ASSERT_EQ(table.Last.size(), 21u);
  EXPECT_EQ(table.Last.front(), 24);
  EXPECT_EQ(table.Last.back(), 4);
  EXPECT_EQ(BuildStatsTable(std::vector<std::int32_t>{3, 9}).Last, (std::vector<std::int32_t>{9, 3}));
}

}  // namespace
}  // namespace cli
