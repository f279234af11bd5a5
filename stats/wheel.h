#pragma once
// Facts about the numbers of a single-zero roulette wheel.

#include <cstdint>

namespace stats {

// A screen colour laid out 0x00BBGGRR, the same layout the GUI layer uses.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;

inline constexpr std::int32_t MinWheelNumber = 0;
inline constexpr std::int32_t MaxWheelNumber = 36;
inline constexpr int WheelNumberCount = 37;

constexpr bool IsWheelNumber(std::int64_t value) noexcept {
  return value >= MinWheelNumber && value <= MaxWheelNumber;
}

// The display colour of a wheel number: green for 0, red or black otherwise.
// Defined for 0..36 only; callers keep to that range.
TColor ColorOfNumber(std::int32_t number) noexcept;

// Zero belongs to no even-money chance: IsBlack, IsEven and IsLow exclude it explicitly, and
// IsRed, IsOdd and IsHigh are false for it anyway. DozenOf, below, does not: it puts 0 in the
// first dozen, so callers leave zero out before asking for a dozen.
inline bool IsRed(std::int32_t number) noexcept { return ColorOfNumber(number) == clRed; }
inline bool IsBlack(std::int32_t number) noexcept { return number != 0 && !IsRed(number); }
constexpr bool IsOdd(std::int32_t number) noexcept { return (number & 1) != 0; }
constexpr bool IsEven(std::int32_t number) noexcept { return number != 0 && (number & 1) == 0; }
constexpr bool IsHigh(std::int32_t number) noexcept { return number > 18; }
constexpr bool IsLow(std::int32_t number) noexcept { return number != 0 && number <= 18; }

enum class TDozen : std::uint8_t { First, Second, Third };

constexpr TDozen DozenOf(std::int32_t number) noexcept {
  if (number > 24) return TDozen::Third;
  if (number > 12) return TDozen::Second;
  return TDozen::First;
}

// The three columns of the table: 1, 4, ..., 34; 2, 5, ..., 35; 3, 6, ..., 36. Like DozenOf, it
// is asked only for 1..36.
enum class TColumn : std::uint8_t { First, Second, Third };

constexpr TColumn ColumnOf(std::int32_t number) noexcept { return static_cast<TColumn>((number + 2) % 3); }

}  // namespace stats
