#pragma once
// The ordered list of wheel results entered since start-up, oldest first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "stats/wheel.h"

namespace stats {

class SpinHistory {
 public:
  // How far back a correction may reach: the strip shows this many of the newest spins.
  static constexpr int MaxCorrectionDepth = 21;

  SpinHistory() = default;

  // Appends a wheel result. Throws std::out_of_range for a value outside 0..36,
  // leaving the history as it was.
  void Append(std::int32_t number);
  // Appends many at once, as Append would one by one; with a value that is not a wheel number,
  // or too many, it throws and nothing is appended.
  void AppendMany(std::span<const std::int32_t> numbers);

  // Replaces the k-th most recent spin (k = 1 is the newest). Throws std::out_of_range when
  // the value is not a wheel number or k is outside 1..min(21, Length()); nothing changes then.
  void Replace(int k, std::int32_t number);

  // Removes the newest spin. Throws std::out_of_range when there is none.
  void RemoveLast();

  std::size_t Length() const noexcept { return FSpins.size(); }
  bool Empty() const noexcept { return FSpins.empty(); }

  // The k-th most recent spin, k in 1..Length(). Throws std::out_of_range otherwise.
  std::int32_t Recent(std::size_t k) const;

  std::span<const std::int32_t> Spins() const noexcept { return FSpins; }

  // How often each number came up over the whole history, kept as it changes, so that an entry
  // does not recount a long history.
  const std::array<std::int32_t, WheelNumberCount>& Counts() const noexcept { return FCounts; }

 private:
  std::vector<std::int32_t> FSpins;
  std::array<std::int32_t, WheelNumberCount> FCounts{};
};

}  // namespace stats
