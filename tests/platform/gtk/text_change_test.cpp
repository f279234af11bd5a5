#include "platform/gtk/text_change.h"

#include <gtest/gtest.h>

namespace platform::gtk {
namespace {

TEST(TextChange, AnEditTellsOnlyWhatLiesBetweenTheSharedEnds) {
  struct TCase {
    std::string Was, Now;
    TTextChange Change;
  };
  const TCase cases[] = {
      {"", "7", {0, "", "7", 0, 1}},
      {"12", "132", {1, "", "3", 0, 1}},
      {"132", "12", {1, "3", "", 1, 0}},
      {"aa", "aaa", {2, "", "a", 0, 1}},  // a repeated character is added at the end, not counted twice
      {"17", "", {0, "17", "", 2, 0}},
      {"12345", "1x5", {1, "234", "x", 3, 1}},
      // Characters, not bytes: two-byte letters on either side of the change.
      {"Ёж", "Ёлж", {1, "", "л", 0, 1}},
      {"Ёж", "Ё", {1, "ж", "", 1, 0}},
      {"Ёжик", "Ёлик", {1, "ж", "л", 1, 1}},
  };
  for (const TCase& c : cases) EXPECT_EQ(TextChange(c.Was, c.Now, true), c.Change) << c.Was << " -> " << c.Now;
}

TEST(TextChange, ACaptionIsReplacedWhole) {
  EXPECT_EQ(TextChange("10", "11", false), (TTextChange{0, "10", "11", 2, 2}));
  EXPECT_EQ(TextChange("", "Ёж", false), (TTextChange{0, "", "Ёж", 0, 2}));
}

}  // namespace
}  // namespace platform::gtk
