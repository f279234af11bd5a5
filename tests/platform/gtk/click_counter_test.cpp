#include "platform/gtk/click_counter.h"

#include <gtest/gtest.h>

#include <limits>

namespace platform::gtk {
namespace {

TEST(ClickCounter, SecondQuickPressNearbyIsADoubleClick) {
  TClickCounter counter(400, 5);
  EXPECT_EQ(counter.Press(1, 10, 10, 1000), 1);
  EXPECT_EQ(counter.Press(1, 15, 5, 1400), 2);
}

TEST(ClickCounter, ThirdQuickPressStartsOver) {
  TClickCounter counter(400, 5);
  EXPECT_EQ(counter.Press(1, 10, 10, 1000), 1);
  EXPECT_EQ(counter.Press(1, 10, 10, 1100), 2);
  EXPECT_EQ(counter.Press(1, 10, 10, 1200), 1);
  EXPECT_EQ(counter.Press(1, 10, 10, 1300), 2);
}

TEST(ClickCounter, SlowFarOrOtherButtonPressesAreSingle) {
  TClickCounter counter(400, 5);
  EXPECT_EQ(counter.Press(1, 10, 10, 1000), 1);
  EXPECT_EQ(counter.Press(1, 10, 10, 1401), 1) << "too late";
  EXPECT_EQ(counter.Press(1, 16, 10, 1500), 1) << "too far right";
  EXPECT_EQ(counter.Press(1, 16, 16, 1600), 1) << "too far down";
  EXPECT_EQ(counter.Press(3, 16, 16, 1650), 1) << "another button";
  EXPECT_EQ(counter.Press(1, 16, 16, 1700), 1) << "the last press was of another button";
  counter.Reset();
  EXPECT_EQ(counter.Press(1, 16, 16, 1750), 1) << "reset";
}

TEST(ClickCounter, ServerTimeWrapsAround) {
  TClickCounter counter(400, 5);
  const std::uint32_t last = std::numeric_limits<std::uint32_t>::max() - 99;
  EXPECT_EQ(counter.Press(1, 0, 0, last), 1);
  EXPECT_EQ(counter.Press(1, 0, 0, 200), 2) << "300 ms later, across the wrap";
  EXPECT_EQ(counter.Press(1, 0, 0, last), 1);
  EXPECT_EQ(counter.Press(1, 0, 0, 400), 1) << "500 ms later, across the wrap";
}

TEST(TimeUnwrapper, GrowsAcrossTheWrapAndToleratesSmallStepsBack) {
  TTimeUnwrapper unwrap;
  const std::uint32_t nearEnd = std::numeric_limits<std::uint32_t>::max() - 9;
  const std::int64_t start = unwrap.Unwrap(nearEnd);
  EXPECT_EQ(unwrap.Unwrap(5), start + 15);
  EXPECT_EQ(unwrap.Unwrap(3), start + 13);
  EXPECT_EQ(unwrap.Unwrap(1003), start + 1013);
}

} // namespace
} // namespace platform::gtk
