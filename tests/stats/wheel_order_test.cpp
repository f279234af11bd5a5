#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "stats/wheel_order.h"

namespace stats {
namespace {

TEST(WheelOrder, IsAPermutationWhoseColoursAlternate) {
  std::set<std::int32_t> seen(WheelOrder.begin(), WheelOrder.end());
  EXPECT_EQ(seen.size(), 37u);
  EXPECT_EQ(*seen.begin(), 0);
  EXPECT_EQ(*seen.rbegin(), 36);
  // Red and black alternate all the way round, zero between 26 (black) and 32 (red): a wrong
  // pocket anywhere breaks the alternation.
  for (int i = 1; i + 1 < WheelNumberCount; ++i)
    EXPECT_NE(IsRed(WheelOrder[i]), IsRed(WheelOrder[i + 1])) << WheelOrder[i];
  for (int i = 0; i < WheelNumberCount; ++i) EXPECT_EQ(WheelPosition(WheelOrder[i]), i);
}

TEST(WheelOrder, ClockwiseDistances) {
  struct TCase {
    std::int32_t From, To;
    int Distance;
  };
  const TCase cases[] = {{0, 0, 0}, {0, 32, 1}, {32, 0, 36}, {26, 0, 1}, {0, 26, 36}, {0, 10, 18}, {10, 5, 1}};
  for (const TCase& c : cases) EXPECT_EQ(ClockwiseDistance(c.From, c.To), c.Distance) << c.From << "->" << c.To;
}

// Each sector is a run of neighbouring pockets (orphelins two runs) starting where the players'
// name for it says.
TEST(WheelOrder, SectorsAreTheClassicRunsOfPockets) {
  struct TCase {
    std::size_t Sector;
    std::int32_t First;
    std::size_t Length;
  };
  const TCase runs[] = {{0, 22, 17}, {1, 27, 12}, {2, 17, 3}, {3, 12, 7}};
  for (const TCase& c : runs) {
    const TWheelSector& s = WheelSectors[c.Sector];
    ASSERT_GE(s.Numbers.size(), c.Length) << s.Name;
    for (std::size_t k = 0; k < c.Length; ++k)
      EXPECT_EQ(s.Numbers[k], WheelOrder[(WheelPosition(c.First) + k) % 37]) << s.Name << ' ' << k;
  }
  const std::vector<std::int32_t> orphelins(WheelSectors[2].Numbers.begin(), WheelSectors[2].Numbers.end());
  EXPECT_EQ(orphelins, (std::vector<std::int32_t>{17, 34, 6, 1, 20, 14, 31, 9}));
  EXPECT_EQ(WheelSectors[0].Name, "voisins du zéro");
  EXPECT_EQ(WheelSectors[3].Numbers.size(), 7u);
}

TEST(WheelOrder, VoisinsTiersAndOrphelinsShareOutTheWheelOnce) {
  std::array<int, WheelNumberCount> covered{};
  std::size_t partition = 0;
  for (const TWheelSector& s : WheelSectors) {
    if (!s.Partition) continue;
    ++partition;
    for (std::int32_t x : s.Numbers) ++covered[static_cast<std::size_t>(x)];
  }
  EXPECT_EQ(partition, 3u);
  for (int x = 0; x < WheelNumberCount; ++x) EXPECT_EQ(covered[x], 1) << x;
  // Jeu zéro lies within voisins.
  for (std::int32_t x : WheelSectors[3].Numbers)
    EXPECT_NE(std::find(WheelSectors[0].Numbers.begin(), WheelSectors[0].Numbers.end(), x),
              WheelSectors[0].Numbers.end())
        << x;
}

}  // namespace
}  // namespace stats
