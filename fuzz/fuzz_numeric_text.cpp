// The numeric field's number rules on any text, picture, key and value: reading a text never
// fails and gives a finite number; writing with any picture does not crash; a whole number
// written with the field's picture "0" reads back as itself; the key filter copes with any
// selection inside the text.

#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "widgets/numeric_picture.h"
#include "widgets/numeric_text.h"

namespace {

// Separators that locales use, the no-break space included.
constexpr char Separators[] = {'.', ',', ' ', '\xA0', '\''};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TFuzzInput input(data, size);
  const auto switches = input.Take<std::uint8_t>();
  widgets::TNumericRules rules;
  rules.IntegersOnly = (switches & 1) != 0;
  rules.AllowScientificNotation = (switches & 2) != 0;
  rules.Separators.Decimal = Separators[input.Take<std::uint8_t>() % sizeof Separators];
  rules.Separators.Grouping = Separators[input.Take<std::uint8_t>() % sizeof Separators];
  const auto key = input.Take<char>();
  const auto selStart = input.Take<std::uint8_t>();
  const auto selLength = input.Take<std::uint8_t>();
  const auto raw = input.Take<double>();
  const auto split = input.Take<std::uint8_t>();
  const std::string_view rest = input.Rest();
  const std::string_view text = rest.substr(0, std::min<std::size_t>(split, rest.size()));
  const std::string_view picture = rest.substr(text.size());

  const long double parsed = widgets::ParseNumericText(text, rules);
  if (!std::isfinite(parsed)) std::abort();
  try {
    widgets::RoundHalfEven(parsed);
  } catch (const widgets::EInvalidOp&) {
  }

  widgets::FormatNumericPicture(parsed, picture, rules.Separators);
  widgets::FormatNumericPicture(raw, picture, rules.Separators);

  // The spin field shows its value with the picture "0"; its text must read back unchanged.
  if (rules.Separators.Decimal != rules.Separators.Grouping && std::isfinite(raw) && std::fabs(raw) < 1e15) {
    const long double whole = std::nearbyint(static_cast<long double>(raw));
    const auto shown = widgets::FormatNumericPicture(whole, "0", rules.Separators);
    if (widgets::ParseNumericText(shown, rules) != whole) std::abort();
  }

  const int start = text.empty() ? 0 : selStart % static_cast<int>(text.size() + 1);
  const int length = selLength % static_cast<int>(text.size() - start + 1);
  widgets::AcceptsNumericKey(key, {text, start, length}, rules);
  return 0;
}
