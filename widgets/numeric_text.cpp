#include "widgets/numeric_text.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "gui/graphics/text.h"

namespace widgets {

namespace {

constexpr char NoBreakSpace = '\xA0';

// One code-page byte for a separator of the locale, or 0 when there is none.
char SeparatorByte(std::string_view utf8) {
  // Narrow and thin spaces have no byte of their own; the no-break space is what they mean.
  if (utf8 == "\u202F" || utf8 == "\u2009") return NoBreakSpace;
  const gui::AnsiString ansi = gui::Utf8ToAnsi(utf8);
  return ansi.size() == 1 && ansi[0] != '?' ? ansi[0] : 0;
}

std::optional<TNumberSeparators>& CurrentSeparators() {
  static std::optional<TNumberSeparators> current;
  return current;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponent(char c) { return c == 'E' || c == 'e'; }

}  // namespace

TNumberSeparators LocaleNumberSeparators() {
  TNumberSeparators result;
  locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (!locale) return result;
  const char decimal = SeparatorByte(nl_langinfo_l(RADIXCHAR, locale));
  const char grouping = SeparatorByte(nl_langinfo_l(THOUSEP, locale));
  freelocale(locale);
  if (decimal) result.Decimal = decimal;
  if (grouping) result.Grouping = grouping;
  if (result.Grouping == result.Decimal) result.Grouping = result.Decimal == ',' ? '.' : ',';
  return result;
}

const TNumberSeparators& NumberSeparators() {
  auto& current = CurrentSeparators();
  if (!current) current = LocaleNumberSeparators();
  return *current;
}

void SetNumberSeparators(const TNumberSeparators& separators) { CurrentSeparators() = separators; }

std::int64_t RoundHalfEven(long double value) {
  // The default rounding mode rounds halves to even.
  const long double rounded = std::nearbyint(value);
  constexpr long double Lowest = -9223372036854775808.0L, Highest = 9223372036854775807.0L;
  if (!(rounded >= Lowest && rounded <= Highest)) throw EInvalidOp();
  return static_cast<std::int64_t>(rounded);
}

bool AcceptsNumericKey(char key, const TKeyContext& context, const TNumericRules& rules) {
  const auto code = static_cast<unsigned char>(key);
  const char decimal = rules.Separators.Decimal;
  bool inSet = false;
  if (code < 32)
    inSet = code != 13;
  else
    inSet = IsDigit(key) || key == '(' || key == ')' || key == '+' || key == '-' ||
            (!rules.IntegersOnly && (key == decimal || (rules.AllowScientificNotation && IsExponent(key))));
  if (!inSet) return false;

  const std::string_view text = context.Text;
  const auto length = static_cast<int>(text.size());
  const int start = std::clamp(context.SelStart, 0, length);
  const int count = std::clamp(context.SelLength, 0, length - start);
  const std::string_view selected = text.substr(std::size_t(start), std::size_t(count));

  if (!rules.IntegersOnly) {
    if (key != decimal) return true;
    // One decimal separator at most, unless the selection that the key replaces holds it.
    const bool textHasOne = text.find(decimal) != std::string_view::npos;
    return !textHasOne || (count > 0 && selected.find(decimal) != std::string_view::npos);
  }
  if (key == '+' || key == '-') {
    // A sign goes only in front, and only one: unless the key replaces the one there is.
    if (start == 0 && text.find_first_of("+-") == std::string_view::npos) return true;
    return count == length || (start == 0 && count > 0 && selected.find_first_of("+-") != std::string_view::npos);
  }
  // Nothing may be typed (or erased by Backspace) in front of a sign.
  return !(start == 0 && count == 0 && !text.empty() && (text[0] == '+' || text[0] == '-'));
}

long double ParseNumericText(std::string_view text, const TNumericRules& rules) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return 0;

  const bool negative = text.find('-') == 0 || (text.find('(') == 0 && text.find(')') == text.size() - 1);
  const bool scientific = rules.AllowScientificNotation;
  std::string kept;
  kept.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c))
      kept += c;
    else if (c == rules.Separators.Decimal)
      kept += '.';
    else if (scientific && IsExponent(c))
      kept += 'e';
    else if (c == '-' && (!scientific || (i > 0 && IsExponent(text[i - 1]))))
      kept += '-';
  }
  if (kept.empty()) return 0;
  if (negative && kept.front() != '-') kept.insert(kept.begin(), '-');

  const char* end = kept.data() + kept.size();
  // Whole numbers that fit 64 bits, what the field holds nearly always, read exactly without
  // the real conversion.
  const std::size_t sign = kept.front() == '-' ? 1 : 0;
  if (kept.size() - sign <= 19 && kept.find_first_not_of("0123456789", sign) == std::string::npos &&
      kept.size() > sign) {
    std::uint64_t whole = 0;
    std::from_chars(kept.data() + sign, end, whole);
    const auto magnitude = static_cast<long double>(whole);
    return sign ? -magnitude : magnitude;
  }
  long double value = 0;
  const auto [stop, error] = std::from_chars(kept.data(), end, value, std::chars_format::general);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return 0;
  return value;
}

}  // namespace widgets
