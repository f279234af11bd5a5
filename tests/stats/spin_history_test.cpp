#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "stats/spin_history.h"

namespace stats {
namespace {

std::vector<std::int32_t> Contents(const SpinHistory& h) { return {h.Spins().begin(), h.Spins().end()}; }

TEST(SpinHistory, AppendsOldestFirstAndCountsFromTheNewest) {
  SpinHistory h;
  EXPECT_TRUE(h.Empty());
  for (int x : {7, 0, 32}) h.Append(x);
  EXPECT_EQ(h.Length(), 3u);
  EXPECT_EQ(Contents(h), (std::vector<std::int32_t>{7, 0, 32}));
  EXPECT_EQ(h.Recent(1), 32);
  EXPECT_EQ(h.Recent(3), 7);
}

TEST(SpinHistory, AppendingManyIsAppendingEachOrNothing) {
  const std::vector<std::vector<std::int32_t>> good = {{}, {0}, {7, 0, 32, 36}};
  for (const auto& spins : good) {
    SpinHistory many, each;
    many.Append(5);
    each.Append(5);
    many.AppendMany(spins);
    for (std::int32_t spin : spins) each.Append(spin);
    EXPECT_EQ(Contents(many), Contents(each));
  }
  for (const std::vector<std::int32_t>& bad : {std::vector<std::int32_t>{1, 37}, {-1}, {3, 4, 99, 5}}) {
    SpinHistory h;
    h.Append(5);
    EXPECT_THROW(h.AppendMany(bad), std::out_of_range);
    EXPECT_EQ(Contents(h), (std::vector<std::int32_t>{5}));
  }
}

TEST(SpinHistory, ReplaceChangesOnlyTheKthNewest) {
  SpinHistory h;
  for (int x : {7, 0, 32}) h.Append(x);
  h.Replace(3, 8);
  EXPECT_EQ(Contents(h), (std::vector<std::int32_t>{8, 0, 32}));
  h.Replace(1, 36);
  EXPECT_EQ(Contents(h), (std::vector<std::int32_t>{8, 0, 36}));
}

TEST(SpinHistory, ReplaceReachesBackTwentyOneSpinsAtMost) {
  SpinHistory h;
  for (int i = 0; i < 30; ++i) h.Append(i % 37);
  h.Replace(21, 0);
  EXPECT_EQ(h.Spins()[30 - 21], 0);
  EXPECT_THROW(h.Replace(22, 0), std::out_of_range);
}

TEST(SpinHistory, BadInputIsRefusedAndChangesNothing) {
  SpinHistory h;
  for (int x : {1, 2, 3}) h.Append(x);
  const auto before = Contents(h);
  EXPECT_THROW(h.Append(37), std::out_of_range);
  EXPECT_THROW(h.Append(-1), std::out_of_range);
  EXPECT_THROW(h.Replace(0, 5), std::out_of_range);
  EXPECT_THROW(h.Replace(4, 5), std::out_of_range);  // only three spins so far
  EXPECT_THROW(h.Replace(-1, 5), std::out_of_range);
  EXPECT_THROW(h.Replace(1, 37), std::out_of_range);
  EXPECT_THROW(h.Recent(4), std::out_of_range);
  EXPECT_THROW(h.Recent(0), std::out_of_range);
  EXPECT_EQ(Contents(h), before);

  SpinHistory empty;
  EXPECT_THROW(empty.Replace(1, 5), std::out_of_range);
  EXPECT_EQ(empty.Length(), 0u);
}

TEST(SpinHistory, ErrorMessagesNameTheOffendingValue) {
  SpinHistory h;
  try {
    h.Append(40);
    FAIL() << "40 was accepted";
  } catch (const std::out_of_range& e) {
    EXPECT_NE(std::string(e.what()).find("40"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace stats
