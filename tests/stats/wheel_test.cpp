#include <gtest/gtest.h>

#include <utility>

#include "stats/wheel.h"

namespace stats {
namespace {

TEST(Wheel, ColoursOfKnownNumbers) {
  EXPECT_EQ(ColorOfNumber(0), 0x008000u);
  for (int black : {2, 10, 11, 28, 29, 35}) EXPECT_EQ(ColorOfNumber(black), clBlack) << black;
  for (int red : {1, 18, 19, 36, 12, 27}) EXPECT_EQ(ColorOfNumber(red), 255u) << red;
}

TEST(Wheel, EveryNonZeroNumberFallsIntoExactlyOneChanceOfEachKind) {
  int reds = 0, dozens[3] = {}, columns[3] = {};
  for (int x = 1; x <= 36; ++x) {
    EXPECT_NE(IsRed(x), IsBlack(x)) << x;
    EXPECT_NE(IsEven(x), IsOdd(x)) << x;
    EXPECT_NE(IsLow(x), IsHigh(x)) << x;
    reds += IsRed(x);
    ++dozens[static_cast<int>(DozenOf(x))];
    ++columns[static_cast<int>(ColumnOf(x))];
  }
  EXPECT_EQ(columns[0], 12);
  EXPECT_EQ(columns[1], 12);
  EXPECT_EQ(columns[2], 12);
  EXPECT_EQ(reds, 18);
  EXPECT_EQ(dozens[0], 12);
  EXPECT_EQ(dozens[1], 12);
  EXPECT_EQ(dozens[2], 12);
}

TEST(Wheel, BoundariesOfHalvesAndDozens) {
  EXPECT_TRUE(IsLow(18));
  EXPECT_TRUE(IsHigh(19));
  EXPECT_EQ(DozenOf(12), TDozen::First);
  EXPECT_EQ(DozenOf(13), TDozen::Second);
  EXPECT_EQ(DozenOf(24), TDozen::Second);
  EXPECT_EQ(DozenOf(25), TDozen::Third);
  // Columns run across the table: 1 and 34 in the first, 35 in the second, 3 and 36 in the third.
  for (auto [x, column] : {std::pair{1, TColumn::First},
                           {34, TColumn::First},
                           {2, TColumn::Second},
                           {35, TColumn::Second},
                           {3, TColumn::Third},
                           {36, TColumn::Third}})
    EXPECT_EQ(ColumnOf(x), column) << x;
  // Zero is in no chance: the even and low tests exclude it themselves, the others leave it to the caller.
  EXPECT_FALSE(IsRed(0));
  EXPECT_FALSE(IsBlack(0));
  EXPECT_FALSE(IsEven(0));
  EXPECT_FALSE(IsLow(0));
}

TEST(Wheel, ValuesOffTheWheelAreHarmless) {
  EXPECT_EQ(ColorOfNumber(-1), clBlack);
  EXPECT_EQ(ColorOfNumber(37), clBlack);
  EXPECT_FALSE(IsWheelNumber(37));
  EXPECT_FALSE(IsWheelNumber(-1));
}

}  // namespace
}  // namespace stats
