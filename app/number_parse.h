#pragma once
// The reading of a number typed into the correction box: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X". Anything else in the
// text, trailing blanks included, and a value outside the signed 32-bit range make it fail.

#include <cstdint>
#include <optional>
#include <string_view>

namespace app {

std::optional<std::int32_t> ParseInt32(std::string_view text);

}  // namespace app
