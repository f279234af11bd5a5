#include "platform/gtk/click_counter.h"

#include <cstdlib>

namespace platform::gtk {

int TClickCounter::Press(int button, int x, int y, std::uint32_t time) {
  // Unsigned subtraction gives the right interval across the wrap of the server clock.
  const std::uint32_t elapsed = time - FTime;
  const bool isSecond = FHavePrevious && button == FButton && elapsed <= FTimeMs &&
                        std::abs(x - FX) <= FDistance && std::abs(y - FY) <= FDistance;
  if (isSecond) {
    FHavePrevious = false;
    return 2;
  }
  FHavePrevious = true;
  FButton = button;
  FX = x;
  FY = y;
  FTime = time;
  return 1;
}

std::int64_t TTimeUnwrapper::Unwrap(std::uint32_t time) {
  if (!FStarted) {
    FStarted = true;
    FLast = time;
    FValue = time;
    return FValue;
  }
  // Events can arrive slightly out of order (motion compression, synthetic events); a small step
  // back is taken as it is rather than as a jump of 49 days forward.
  const auto delta = static_cast<std::int32_t>(time - FLast);
  FValue += delta;
  FLast = time;
  return FValue;
}

} // namespace platform::gtk
