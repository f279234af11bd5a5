#include <gtest/gtest.h>

#include <array>
#include <functional>
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

// The counts kept as the history changes equal a recount after every kind of change, failed
// ones included.
TEST(SpinHistory, KeptCountsEqualARecount) {
  struct TCase {
    const char* Name;
    std::function<void(SpinHistory&)> Change;
  };
  const std::vector<std::int32_t> many = {0, 36, 36, 5, 0, 17};
  const TCase cases[] = {
      {"nothing", [](SpinHistory&) {}},
      {"append", [](SpinHistory& h) { h.Append(36); }},
      {"append many", [&](SpinHistory& h) { h.AppendMany(many); }},
      {"append many, nothing", [](SpinHistory& h) { h.AppendMany({}); }},
      {"replace the newest", [](SpinHistory& h) { h.Replace(1, 0); }},
      {"replace with the same", [](SpinHistory& h) { h.Replace(2, h.Recent(2)); }},
      {"replace the oldest in reach", [](SpinHistory& h) { h.Replace(static_cast<int>(h.Length()), 12); }},
      {"refused append", [](SpinHistory& h) { EXPECT_THROW(h.Append(37), std::out_of_range); }},
      {"refused append many",
       [](SpinHistory& h) {
         EXPECT_THROW(h.AppendMany({{1, 2, -1}}), std::out_of_range);
       }},
      {"refused replace", [](SpinHistory& h) { EXPECT_THROW(h.Replace(1, 40), std::out_of_range); }},
  };
  for (const TCase& c : cases) {
    SpinHistory h;
    for (int x : {7, 0, 32, 7}) h.Append(x);
    c.Change(h);
    // After the change, and after more entries on top of it (a grown or reserved store).
    for (int round = 0; round < 2; ++round) {
      std::array<std::int32_t, WheelNumberCount> recount{};
      for (std::int32_t spin : h.Spins()) ++recount[static_cast<std::size_t>(spin)];
      EXPECT_EQ(h.Counts(), recount) << c.Name << ", round " << round;
      for (int i = 0; i < 100; ++i) h.Append(i % 37);
    }
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
