#pragma once
// The number rules of the numeric entry field, free of any control so that they can be driven on
// their own: which typed characters the field accepts, how its text reads as a number, and how
// a value becomes an integer. Writing a value with a picture lives in numeric_picture.h.
//
// Texts are Windows-1251 bytes. Reals are long double throughout.

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace widgets {

// The decimal and grouping separators that texts of numbers use.
struct TNumberSeparators {
  char Decimal = '.';
  char Grouping = ',';
  constexpr bool operator==(const TNumberSeparators&) const noexcept = default;
};

// The separators of the user's locale (LC_NUMERIC from the environment), read now. A locale
// without a grouping separator gets ","; a separator the code page cannot hold falls back to
// "." and "," (a no-break space stays one).
TNumberSeparators LocaleNumberSeparators();
// The separators every field uses: the locale's, read on first use, unless set.
const TNumberSeparators& NumberSeparators();
void SetNumberSeparators(const TNumberSeparators& separators);

// Raised when a real does not fit the signed 64-bit integer it is converted to.
class EInvalidOp : public std::runtime_error {
 public:
  EInvalidOp() : std::runtime_error("Invalid floating point operation") {}
};

// Rounds to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Throws EInvalidOp outside the signed 64-bit range and for NaN.
std::int64_t RoundHalfEven(long double value);

// Which characters a field lets through, and how it reads its text.
struct TNumericRules {
  bool IntegersOnly = true;
  bool AllowScientificNotation = true;
  TNumberSeparators Separators;
};

// The text at the time of a key: the text itself and the selection (start 0 is before the
// first character).
struct TKeyContext {
  std::string_view Text;
  int SelStart = 0;
  int SelLength = 0;
};

// Whether a typed character may reach the text. Control characters other than Enter pass the
// character set; with IntegersOnly a sign goes only in front and nothing goes in front of one.
bool AcceptsNumericKey(char key, const TKeyContext& context, const TNumericRules& rules);

// The number a field text stands for; never fails. Blanks and control characters around it are
// ignored; "-" in front or the whole text in parentheses makes it negative; grouping separators,
// "+", and other characters are dropped; what is left reads as a decimal real (with an exponent
// when the rules allow one), and as 0 when it is not a number or does not fit a long double.
long double ParseNumericText(std::string_view text, const TNumericRules& rules);

}  // namespace widgets
