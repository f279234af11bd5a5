#include "widgets/numeric_picture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace widgets {

namespace {

bool IsQuote(char c) { return c == '\'' || c == '"'; }

// Calls literal(text) for quoted text and element(c) for every character outside quotes.
// An unterminated quote runs to the end of the section.
template <class L, class E>
void Walk(std::string_view section, L&& literal, E&& element) {
  for (std::size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    if (!IsQuote(c)) {
      element(c);
      continue;
    }
    std::size_t close = section.find(c, i + 1);
    if (close == std::string_view::npos) close = section.size();
    literal(section.substr(i + 1, close - i - 1));
    i = close;
  }
}

struct TSections {
  std::array<std::string_view, 3> Text;
  int Count = 0;
};

TSections SplitSections(std::string_view picture) {
  TSections result;
  std::size_t start = 0;
  char quote = 0;
  for (std::size_t i = 0; i <= picture.size(); ++i) {
    const char c = i < picture.size() ? picture[i] : ';';
    if (quote) {
      if (c == quote) quote = 0;
      if (i < picture.size()) continue;
    } else if (IsQuote(c)) {
      quote = c;
      continue;
    }
    if (c != ';' && i < picture.size()) continue;
    if (result.Count < 3) result.Text[std::size_t(result.Count++)] = picture.substr(start, i - start);
    start = i + 1;
  }
  return result;
}

// The digit places of a section.
struct TShape {
  int IntegerPlaces = 0;
  int MinIntegerDigits = 0;  // the places from the first "0" in front of the point on
  int FractionPlaces = 0;
  int MinFractionDigits = 0;  // the places up to the last "0" after the point
  bool Grouping = false;
};

TShape ShapeOf(std::string_view section) {
  TShape shape;
  bool point = false;
  int firstZero = -1;
  Walk(
      section, [](std::string_view) {},
      [&](char c) {
        if (c == '0' || c == '#') {
          if (point) {
            ++shape.FractionPlaces;
            if (c == '0') shape.MinFractionDigits = shape.FractionPlaces;
          } else {
            if (c == '0' && firstZero < 0) firstZero = shape.IntegerPlaces;
            ++shape.IntegerPlaces;
          }
        } else if (c == '.') {
          point = true;
        } else if (c == ',') {
          shape.Grouping = true;
        }
      });
  shape.MinIntegerDigits = firstZero < 0 ? 0 : shape.IntegerPlaces - firstZero;
  return shape;
}

// The digits of a magnitude rounded to `places` after the point, halves away from zero:
// the integer part without leading zeros ("" for none) and exactly `places` fraction digits.
struct TDigits {
  std::string Integer;
  std::string Fraction;
  bool Zero() const {
    return Integer.empty() && std::all_of(Fraction.begin(), Fraction.end(), [](char c) { return c == '0'; });
  }
};

std::string FixedText(long double magnitude, int places) {
  std::string text(std::size_t(64 + places), '\0');
  for (;;) {
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed, places);
    if (error == std::errc()) {
      text.resize(std::size_t(end - text.data()));
      return text;
    }
    text.resize(text.size() * 4);
  }
}

// Adds one unit in the last place of a fixed text of digits and one point.
void IncrementLast(std::string& text) {
  for (std::size_t i = text.size(); i-- > 0;) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      return;
    }
    text[i] = '0';
  }
  text.insert(text.begin(), '1');
}

TDigits RoundedDigits(long double magnitude, int places) {
  TDigits digits;
  // Whole numbers of ordinary size, the usual case, need no decimal text of the real.
  if (places == 0 && magnitude < 1e19L) {
    const auto whole = static_cast<std::uint64_t>(std::round(magnitude));
    if (whole != 0) digits.Integer = std::to_string(whole);
    return digits;
  }
  // A binary fraction of k bits has exactly k decimal digits, the last one a 5. So the value
  // lies exactly halfway between two results only when it has places + 1 fraction bits; then
  // its text at places + 1 is exact and is rounded up here. Otherwise the nearest result is
  // unique and the conversion's own rounding gives it.
  long double rest = magnitude - std::floor(magnitude);
  int bits = 0;
  while (rest != 0 && bits <= places + 1) {
    rest *= 2;
    if (rest >= 1) rest -= 1;
    ++bits;
  }
  std::string text;
  if (rest == 0 && bits == places + 1) {
    text = FixedText(magnitude, places + 1);
    text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    IncrementLast(text);
  } else {
    text = FixedText(magnitude, places);
  }
  const std::size_t point = std::min(text.find('.'), text.size());
  const std::size_t first = std::min(text.find_first_not_of('0'), point);
  digits.Integer = text.substr(first, point - first);
  digits.Fraction = point < text.size() ? text.substr(point + 1) : std::string();
  digits.Fraction.resize(std::size_t(places), '0');
  return digits;
}

void Render(std::string_view section, const TShape& shape, const TDigits& digits,
            const TNumberSeparators& separators, gui::AnsiString& out) {
  std::string integer = digits.Integer;
  if (int(integer.size()) < shape.MinIntegerDigits)
    integer.insert(0, std::size_t(shape.MinIntegerDigits) - integer.size(), '0');
  int fractionShown = shape.FractionPlaces;
  while (fractionShown > shape.MinFractionDigits && digits.Fraction[std::size_t(fractionShown - 1)] == '0')
    --fractionShown;

  const int length = static_cast<int>(integer.size());
  auto putIntegerDigits = [&](int from, int to) {
    for (int i = std::max(0, from); i < to; ++i) {
      out += integer[std::size_t(i)];
      const int rest = length - 1 - i;
      if (shape.Grouping && rest > 0 && rest % 3 == 0) out += separators.Grouping;
    }
  };
  bool point = false;
  int integerPlace = 0, fractionPlace = 0;
  Walk(
      section, [&](std::string_view text) { out += text; },
      [&](char c) {
        if ((c == '0' || c == '#') && !point) {
          // Digits beyond the places all go out at the first one.
          const int last = length - shape.IntegerPlaces + integerPlace;
          putIntegerDigits(integerPlace == 0 ? 0 : last, last + 1);
          ++integerPlace;
        } else if (c == '0' || c == '#') {
          if (fractionPlace < fractionShown) out += digits.Fraction[std::size_t(fractionPlace)];
          ++fractionPlace;
        } else if (c == '.') {
          if (point) return;
          point = true;
          if (shape.IntegerPlaces == 0) putIntegerDigits(0, length);
          if (fractionShown > 0) out += separators.Decimal;
        } else if (c != ',') {
          out += c;
        }
      });
}

gui::AnsiString GeneralText(long double value, const TNumberSeparators& separators) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 18);
  const std::string_view text(buffer, error == std::errc() ? std::size_t(end - buffer) : 0);
  gui::AnsiString out;
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) out += c == '.' ? separators.Decimal : c;
  if (e != std::string_view::npos) {
    std::string_view exponent = text.substr(e + 1);
    out += 'E';
    if (exponent.front() == '-') out += '-';
    exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    out += exponent;
  }
  return out;
}

}  // namespace

gui::AnsiString FormatNumericPicture(long double value, std::string_view picture,
                                     const TNumberSeparators& separators) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  const TSections sections = SplitSections(picture);
  const bool negative = value < 0;
  int index = negative && sections.Count >= 2 && !sections.Text[1].empty() ? 1 : 0;
  std::string_view section = sections.Text[std::size_t(index)];
  if (section.empty()) return GeneralText(value, separators);

  TShape shape = ShapeOf(section);
  TDigits digits = RoundedDigits(std::fabs(value), shape.FractionPlaces);
  const bool zero = digits.Zero();
  if (zero && index != 0) {
    index = 0;
    section = sections.Text[0];
    shape = ShapeOf(section);
  }
  if (zero && sections.Count >= 3 && !sections.Text[2].empty()) {
    section = sections.Text[2];
    shape = ShapeOf(section);
  }
  if (zero) digits = RoundedDigits(0, shape.FractionPlaces);

  gui::AnsiString out;
  if (negative && !zero && index == 0) out += '-';
  Render(section, shape, digits, separators, out);
  return out;
}

}  // namespace widgets
