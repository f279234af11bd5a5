#pragma once

#include <cstdint>

namespace platform::gtk {

// Counts clicks from raw button presses, the way the control layer expects them: a press is the
// second of a double click when it comes with the same button, within the double-click time of the
// previous press and within the double-click distance of it. A third quick press starts over, so a
// fast triple click is a double click followed by a single one. The toolkit's own 2- and 3-button
// events are not used: their timing rules differ and they arrive in addition to the plain presses.
class TClickCounter {
public:
  TClickCounter(std::uint32_t timeMs, int distance) : FTimeMs(timeMs), FDistance(distance) {}

  void SetLimits(std::uint32_t timeMs, int distance) {
    FTimeMs = timeMs;
    FDistance = distance;
  }

  // Returns 1 for a single press, 2 for the second press of a double click. `time` is the X server
  // time in milliseconds, which wraps around after 49.7 days.
  int Press(int button, int x, int y, std::uint32_t time);

  // Forgets the previous press (the pointer left, a modal window came up, a key was pressed).
  void Reset() { FHavePrevious = false; }

private:
  std::uint32_t FTimeMs;
  int FDistance;
  bool FHavePrevious = false;
  int FButton = 0;
  int FX = 0;
  int FY = 0;
  std::uint32_t FTime = 0;
};

// Turns the wrapping 32-bit X server time into a millisecond count that only grows.
class TTimeUnwrapper {
public:
  std::int64_t Unwrap(std::uint32_t time);

private:
  bool FStarted = false;
  std::uint32_t FLast = 0;
  std::int64_t FValue = 0;
};

} // namespace platform::gtk
