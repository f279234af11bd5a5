#include "stats/wheel.h"

#include <array>

namespace stats {

namespace {

// The wheel's colours, indexed by number: the one place that says which numbers are red.
constexpr std::array<TColor, WheelNumberCount> NumberColors = {
    clGreen,                                               // 0
    clRed,   clBlack, clRed,   clBlack, clRed,   clBlack,  // 1-6
    clRed,   clBlack, clRed,   clBlack, clBlack, clRed,    // 7-12
    clBlack, clRed,   clBlack, clRed,   clBlack, clRed,    // 13-18
    clRed,   clBlack, clRed,   clBlack, clRed,   clBlack,  // 19-24
    clRed,   clBlack, clRed,   clBlack, clBlack, clRed,    // 25-30
    clBlack, clRed,   clBlack, clRed,   clBlack, clRed,    // 31-36
};

}  // namespace

TColor ColorOfNumber(std::int32_t number) noexcept {
  // Nothing outside the wheel reaches here; answering black keeps a stray value harmless.
  return IsWheelNumber(number) ? NumberColors[static_cast<std::size_t>(number)] : clBlack;
}

}  // namespace stats
