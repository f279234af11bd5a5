// The correction box's number reading on any text: it never crashes; a decimal text reads as the
// standard library reads it (in range or refused); and every number it gives comes back
// unchanged from its own decimal and hexadecimal spellings.

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

#include "app/number_parse.h"

namespace {

// The value of blanks, a sign and decimal digits, read by the standard library; nothing for
// any other text or a value outside 32 bits.
std::optional<std::optional<std::int32_t>> DecimalReference(std::string_view text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  const std::string_view digits = text.substr(i);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  std::string signedDigits = negative ? "-" : "";
  signedDigits += digits;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(signedDigits.data(), signedDigits.data() + signedDigits.size(), value);
  if (error != std::errc{} || end != signedDigits.data() + signedDigits.size())
    return std::optional<std::int32_t>{};
  return std::optional<std::int32_t>{value};
}

std::string Hexadecimal(std::uint32_t magnitude) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, 16).ptr;
  return std::string(buffer, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> parsed = app::ParseInt32(text);

  if (const auto reference = DecimalReference(text); reference && *reference != parsed) std::abort();
  if (!parsed) return 0;

  const std::int32_t n = *parsed;
  if (app::ParseInt32(std::to_string(n)) != n) std::abort();
  const std::uint32_t magnitude = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
  const std::string sign = n < 0 ? "-" : "";
  for (const char* prefix : {"$", "x", "0X"})
    if (app::ParseInt32(" " + sign + prefix + Hexadecimal(magnitude)) != n) std::abort();
  if (app::ParseInt32(std::string(text) + " ")) std::abort();  // a trailing blank is refused
  return 0;
}
