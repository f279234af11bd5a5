// The numeric field's rules on their own: the key filter, reading a text, rounding to an integer
// and writing a value with a picture.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "widgets/numeric_picture.h"
#include "widgets/numeric_text.h"

namespace widgets {
namespace {

constexpr TNumberSeparators Point{'.', ','};
constexpr TNumberSeparators Comma{',', '.'};

TNumericRules Integers(TNumberSeparators separators = Point) { return {true, true, separators}; }
TNumericRules Reals(TNumberSeparators separators = Point, bool scientific = true) {
  return {false, scientific, separators};
}

long double Parse(std::string_view text, const TNumericRules& rules = Integers()) {
  return ParseNumericText(text, rules);
}

TEST(ParseNumericText, ReadsFieldTextsAsTheFieldDoes) {
  EXPECT_EQ(Parse("17"), 17);
  EXPECT_EQ(Parse("007"), 7);
  EXPECT_EQ(Parse("+5"), 5);
  EXPECT_EQ(Parse("-5"), -5);
  EXPECT_EQ(Parse("(5)"), -5);
  EXPECT_EQ(Parse("5-"), 5) << "a trailing sign is dropped, it makes nothing negative";
  EXPECT_EQ(Parse("-"), 0);
  EXPECT_EQ(Parse(""), 0);
  EXPECT_EQ(Parse(" \t 42\r\n"), 42);
  EXPECT_EQ(Parse("1E2"), 100);
  EXPECT_EQ(Parse("1e-3"), 0.001L);
  EXPECT_EQ(Parse("12abc34"), 1234);
  EXPECT_EQ(Parse("3.7"), 3.7L);
  EXPECT_EQ(Parse("E"), 0);
  EXPECT_EQ(Parse("abc"), 0);
  EXPECT_EQ(Parse("(3"), 3) << "only a closed pair of parentheses makes it negative";
  EXPECT_EQ(Parse("--5"), -5);
  EXPECT_EQ(Parse("1,234"), 1234) << "grouping separators are dropped";
  EXPECT_EQ(Parse("99999999999999999999"), 99999999999999999999.0L);
  EXPECT_EQ(Parse("9999999999999999999"), 9999999999999999999.0L) << "the largest whole number read exactly";
  EXPECT_EQ(Parse("-18446744073709551615"), -18446744073709551615.0L);
}

TEST(ParseNumericText, TextsThatAreNoNumberReadAsZero) {
  EXPECT_EQ(Parse("1.2.3"), 0);
  EXPECT_EQ(Parse("1E"), 0);
  EXPECT_EQ(Parse("1E-"), 0);
  EXPECT_EQ(Parse("."), 0);
  EXPECT_EQ(Parse("1E99999"), 0) << "beyond the range of the type";
  EXPECT_EQ(Parse("-1E99999"), 0);
  EXPECT_EQ(Parse("inf"), 0);
  EXPECT_EQ(Parse("nan"), 0);
  EXPECT_EQ(Parse(std::string(5000, '9') + "x"), 0);
}

TEST(ParseNumericText, OnlyTheLocaleDecimalSeparatorIsAPoint) {
  EXPECT_EQ(Parse("3.7", Integers(Point)), 3.7L);
  EXPECT_EQ(Parse("3,7", Integers(Point)), 37);
  EXPECT_EQ(Parse("3.7", Integers(Comma)), 37);
  EXPECT_EQ(Parse("3,7", Integers(Comma)), 3.7L);
  EXPECT_EQ(Parse("-1.234,5", Integers(Comma)), -1234.5L);
}

TEST(ParseNumericText, WithoutScientificNotationEveryMinusIsKept) {
  const TNumericRules plain = Reals(Point, false);
  EXPECT_EQ(Parse("1E2", plain), 12) << "the exponent letter is dropped";
  EXPECT_EQ(Parse("-5", plain), -5);
  EXPECT_EQ(Parse("5-", plain), 0) << "a minus inside the number makes it no number";
  EXPECT_EQ(Parse("(5)", plain), -5);
  // With it, only a minus right after the exponent letter is kept.
  EXPECT_EQ(Parse("1E--2"), 0.01L);
  EXPECT_EQ(Parse("1-2"), 12);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5L), 2);
  EXPECT_EQ(RoundHalfEven(3.5L), 4);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2);
  EXPECT_EQ(RoundHalfEven(-3.5L), -4);
  EXPECT_EQ(RoundHalfEven(2.4999L), 2);
  EXPECT_EQ(RoundHalfEven(-0.4L), 0);
}

TEST(RoundHalfEven, OutsideTheSigned64BitRangeRaisesInvalidOperation) {
  EXPECT_EQ(RoundHalfEven(9223372036854775807.0L), INT64_MAX);
  EXPECT_EQ(RoundHalfEven(-9223372036854775808.0L), INT64_MIN);
  EXPECT_THROW(RoundHalfEven(9223372036854775808.0L), EInvalidOp);
  EXPECT_THROW(RoundHalfEven(-9223372036854775809.0L), EInvalidOp);
  EXPECT_THROW(RoundHalfEven(99999999999999999999.0L), EInvalidOp);
  EXPECT_THROW(RoundHalfEven(__builtin_nanl("")), EInvalidOp);
  try {
    RoundHalfEven(1e30L);
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Invalid floating point operation");
  }
}

bool Accepts(char key, std::string_view text, int start, int length, const TNumericRules& rules = Integers()) {
  return AcceptsNumericKey(key, {text, start, length}, rules);
}

TEST(AcceptsNumericKey, IntegerFieldsTakeDigitsSignsParenthesesAndEditingKeys) {
  for (char c : std::string("0123456789()+-")) EXPECT_TRUE(Accepts(c, "", 0, 0)) << c;
  for (char c : {'\b', '\x03', '\x16', '\x18', '\x1B', '\x01'}) EXPECT_TRUE(Accepts(c, "12", 2, 0)) << int(c);
  for (char c : {'a', ' ', ',', '.', 'E', 'e', '\r', '*', '\x7F', '\xC0', '\xFF'})
    EXPECT_FALSE(Accepts(c, "12", 2, 0)) << int(static_cast<unsigned char>(c));
}

TEST(AcceptsNumericKey, ASignGoesOnlyInFrontAndOnlyOnce) {
  EXPECT_TRUE(Accepts('-', "5", 0, 0));
  EXPECT_FALSE(Accepts('-', "5", 1, 0));
  EXPECT_FALSE(Accepts('+', "-5", 0, 0));
  EXPECT_FALSE(Accepts('-', "+5", 0, 0));
  EXPECT_TRUE(Accepts('-', "-5", 0, 2)) << "the whole text is replaced";
  EXPECT_TRUE(Accepts('+', "-5", 0, 1)) << "the selection from the start holds the sign it replaces";
  EXPECT_FALSE(Accepts('-', "-5", 1, 1)) << "a selection after the sign";
  EXPECT_FALSE(Accepts('-', "12", 1, 1));
  EXPECT_TRUE(Accepts('-', "12", 0, 2));
  // Nothing in front of a sign, not even a Backspace at the start.
  EXPECT_FALSE(Accepts('3', "-5", 0, 0));
  EXPECT_FALSE(Accepts('\b', "-5", 0, 0));
  EXPECT_TRUE(Accepts('3', "-5", 1, 0));
  EXPECT_TRUE(Accepts('3', "-5", 0, 1)) << "typing over the selected sign";
}

TEST(AcceptsNumericKey, RealFieldsTakeOneDecimalSeparatorAndExponents) {
  EXPECT_TRUE(Accepts('.', "12", 2, 0, Reals()));
  EXPECT_FALSE(Accepts('.', "1.2", 3, 0, Reals()));
  EXPECT_TRUE(Accepts('.', "1.2", 0, 2, Reals())) << "the selection holds the separator it replaces";
  EXPECT_FALSE(Accepts('.', "1.2", 2, 1, Reals()));
  EXPECT_FALSE(Accepts(',', "12", 2, 0, Reals())) << "not the separator of this locale";
  EXPECT_TRUE(Accepts(',', "12", 2, 0, Reals(Comma)));
  EXPECT_FALSE(Accepts('.', "12", 2, 0, Reals(Comma)));
  EXPECT_TRUE(Accepts('E', "12", 2, 0, Reals()));
  EXPECT_TRUE(Accepts('e', "12", 2, 0, Reals()));
  EXPECT_FALSE(Accepts('E', "12", 2, 0, Reals(Point, false)));
  // Signs and digits anywhere.
  EXPECT_TRUE(Accepts('-', "1E", 2, 0, Reals()));
  EXPECT_TRUE(Accepts('3', "-5", 0, 0, Reals()));
}

TEST(AcceptsNumericKey, ASelectionBeyondTheTextIsClamped) {
  EXPECT_FALSE(Accepts('-', "5", 7, 3)) << "a caret after the text";
  EXPECT_TRUE(Accepts('3', "5", 7, 3));
  EXPECT_FALSE(Accepts('3', "-5", -4, 0));
}

std::string Format(long double value, std::string_view picture, TNumberSeparators separators = Point) {
  return FormatNumericPicture(value, picture, separators);
}

TEST(FormatNumericPicture, TheMainWindowPictureRoundsHalvesAwayFromZero) {
  EXPECT_EQ(Format(17, "0"), "17");
  EXPECT_EQ(Format(-5, "0"), "-5");
  EXPECT_EQ(Format(2.5L, "0"), "3");
  EXPECT_EQ(Format(-2.5L, "0"), "-3");
  EXPECT_EQ(Format(3.5L, "0"), "4");
  EXPECT_EQ(Format(-0.4L, "0"), "0") << "no sign when the rounded result is zero";
  EXPECT_EQ(Format(-0.0L, "0"), "0");
  EXPECT_EQ(Format(0.49999999L, "0"), "0");
  EXPECT_EQ(Format(1234567, "0"), "1234567");
  EXPECT_EQ(Format(99999999999999999999.0L, "0"), "100000000000000000000");
  EXPECT_EQ(Format(9999999999999999999.5L, "0"), "10000000000000000000");
  EXPECT_EQ(Format(-9223372036854775807.5L, "0"), "-9223372036854775808");
}

TEST(FormatNumericPicture, TheDefaultPictureGroupsAndPutsNegativesInParentheses) {
  EXPECT_EQ(Format(0, ",0;(,0)"), "0");
  EXPECT_EQ(Format(999, ",0;(,0)"), "999");
  EXPECT_EQ(Format(1234567, ",0;(,0)"), "1,234,567");
  EXPECT_EQ(Format(-1234.5L, ",0;(,0)"), "(1,235)");
  EXPECT_EQ(Format(999.5L, ",0;(,0)"), "1,000");
  EXPECT_EQ(Format(-0.3L, ",0;(,0)"), "0") << "rounds to zero: the positive section, unsigned";
  EXPECT_EQ(Format(1234567, ",0;(,0)", Comma), "1.234.567");
  EXPECT_EQ(Format(1234567, ",0", {',', '\xA0'}),
            "1\xA0"
            "234\xA0"
            "567");
}

TEST(FormatNumericPicture, DigitPlacesAfterThePoint) {
  EXPECT_EQ(Format(1234.5L, "#,##0.00"), "1,234.50");
  EXPECT_EQ(Format(1234.5L, "#,##0.00", Comma), "1.234,50");
  EXPECT_EQ(Format(0.125L, "0.00"), "0.13") << "an exact half goes away from zero";
  EXPECT_EQ(Format(-0.125L, "0.00"), "-0.13");
  EXPECT_EQ(Format(0.375L, "0.00"), "0.38");
  EXPECT_EQ(Format(9.9999L, "0.00"), "10.00");
  EXPECT_EQ(Format(1, "0.0#"), "1.0");
  EXPECT_EQ(Format(1.25L, "0.0#"), "1.25");
  EXPECT_EQ(Format(1.256L, "0.0#"), "1.26");
  EXPECT_EQ(Format(3, "0.##"), "3") << "no point without a digit after it";
  EXPECT_EQ(Format(0.5L, "#.##"), ".5");
  EXPECT_EQ(Format(12.5L, ".00"), "12.50") << "integer digits without places of their own come before the point";
  EXPECT_EQ(Format(1.5L, "0..0"), "1.5") << "only the first point counts";
}

TEST(FormatNumericPicture, IntegerPlacesPadAndOverflow) {
  EXPECT_EQ(Format(5, "000"), "005");
  EXPECT_EQ(Format(1234, "00"), "1234");
  EXPECT_EQ(Format(0, "#"), "");
  EXPECT_EQ(Format(0, "#0"), "0");
  EXPECT_EQ(Format(7, "0#"), "07") << "a 0 shows its place and every place after it";
  EXPECT_EQ(Format(1234, "0-00"), "12-34");
}

TEST(FormatNumericPicture, SectionsAndLiterals) {
  EXPECT_EQ(Format(0, "0;(0);'zero'"), "zero");
  EXPECT_EQ(Format(-0.4L, "0;(0);'zero'"), "zero");
  EXPECT_EQ(Format(-5, "0;(0);'zero'"), "(5)");
  EXPECT_EQ(Format(-5, "0;;'zero'"), "-5") << "an empty negative section takes the positive one, signed";
  EXPECT_EQ(Format(0, "0;(0);"), "0") << "an empty zero section takes the positive one";
  EXPECT_EQ(Format(5, "'$'0"), "$5");
  EXPECT_EQ(Format(5, "\"#0;\"0"), "#0;5") << "quoted text hides the characters of the picture";
  EXPECT_EQ(Format(5, "0 pcs"), "5 pcs");
  EXPECT_EQ(Format(5, "0'unterminated"), "5unterminated");
  EXPECT_EQ(Format(5, "0;1;2;3"), "5") << "sections past the third are ignored";
}

TEST(FormatNumericPicture, EmptyPicturesAndValuesThatAreNoNumbers) {
  EXPECT_EQ(Format(1.5L, ""), "1.5");
  EXPECT_EQ(Format(1.5L, "", Comma), "1,5");
  EXPECT_EQ(Format(1e20L, ""), "1E20");
  EXPECT_EQ(Format(-2.5e-7L, ""), "-2.5E-7");
  EXPECT_EQ(Format(__builtin_infl(), "0"), "INF");
  EXPECT_EQ(Format(-__builtin_infl(), "0"), "-INF");
  EXPECT_EQ(Format(__builtin_nanl(""), "0"), "NAN");
  const std::string huge = Format(1e4000L, "0");
  EXPECT_GE(huge.size(), 4000u) << "every digit of a huge value";
  EXPECT_EQ(huge.find_first_not_of("0123456789"), std::string::npos);
}

TEST(NumberSeparators, CanBeSetAndComeFromTheLocaleOtherwise) {
  const TNumberSeparators saved = NumberSeparators();
  SetNumberSeparators(Comma);
  EXPECT_EQ(NumberSeparators(), Comma);
  SetNumberSeparators(saved);
  // The C locale has no grouping separator; the field still groups with ",".
  const char* environment = std::getenv("LC_ALL");
  const std::string previous = environment ? environment : "";
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocaleNumberSeparators(), Point);
  setenv("LC_ALL", "no_SUCH.locale", 1);
  EXPECT_EQ(LocaleNumberSeparators(), Point) << "a locale that is not there";
  if (environment)
    setenv("LC_ALL", previous.c_str(), 1);
  else
    unsetenv("LC_ALL");
}

}  // namespace
}  // namespace widgets
