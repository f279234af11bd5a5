// The correction box's number reading: what it accepts, and that everything else is refused.

#include <gtest/gtest.h>

#include "app/number_parse.h"

namespace {

using app::ParseInt32;

TEST(ParseInt32, DecimalWithLeadingBlanksAndASign) {
  EXPECT_EQ(ParseInt32("12"), 12);
  EXPECT_EQ(ParseInt32("   12"), 12);
  EXPECT_EQ(ParseInt32("+7"), 7);
  EXPECT_EQ(ParseInt32(" -5"), -5);
  EXPECT_EQ(ParseInt32("007"), 7);
  EXPECT_EQ(ParseInt32("-0"), 0);
}

TEST(ParseInt32, HexadecimalAfterEachOfItsMarks) {
  EXPECT_EQ(ParseInt32("$24"), 36);
  EXPECT_EQ(ParseInt32("x1F"), 31);
  EXPECT_EQ(ParseInt32("X1f"), 31);
  EXPECT_EQ(ParseInt32("0x24"), 36);
  EXPECT_EQ(ParseInt32("0XaB"), 171);
  EXPECT_EQ(ParseInt32(" -$10"), -16);
  EXPECT_EQ(ParseInt32("0"), 0) << "a lone zero is decimal, not the start of a mark";
}

TEST(ParseInt32, TheEndsOfTheRangeAndOneBeyond) {
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseInt32("$7FFFFFFF"), 2147483647);
  EXPECT_EQ(ParseInt32("-$80000000"), -2147483647 - 1);
  EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInt32("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseInt32("$80000000"), std::nullopt);
  EXPECT_EQ(ParseInt32("99999999999999999999999"), std::nullopt) << "no wrap-around on long input";
  EXPECT_EQ(ParseInt32("0000000000000000000012"), 12) << "leading zeros never overflow";
}

TEST(ParseInt32, RefusesEverythingElse) {
  for (const char* text : {"",    " ",   "12 ", "abc",  "1a",   "1 2",  "+",   "-",   "$",  "x",    "0x",  "0x ",
                           "+-1", "--1", "$+5", "0x-5", "\t12", "12\n", "1.5", "1e2", "$G", "0x1g", "\xC0"})
    EXPECT_EQ(ParseInt32(text), std::nullopt) << '"' << text << '"';
  EXPECT_EQ(ParseInt32(std::string_view("1\0"
                                        "2",
                                        3)),
            std::nullopt)
      << "an embedded NUL is a character too";
}

}  // namespace
