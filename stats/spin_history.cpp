#include "stats/spin_history.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "stats/wheel.h"

namespace stats {

namespace {

void RequireWheelNumber(std::int32_t number) {
  if (!IsWheelNumber(number))
    throw std::out_of_range("Spin value " + std::to_string(number) + " is not a wheel number (0..36)");
}

}  // namespace

void SpinHistory::Append(std::int32_t number) {
  RequireWheelNumber(number);
  // Counts are 32-bit; a longer history could no longer be counted correctly.
  if (FSpins.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("The spin history is full");
  FSpins.push_back(number);
  ++FCounts[static_cast<std::size_t>(number)];
}

void SpinHistory::AppendMany(std::span<const std::int32_t> numbers) {
  for (std::int32_t number : numbers) RequireWheelNumber(number);
  if (numbers.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - FSpins.size())
    throw std::length_error("The spin history is full");
  // A long history arrives at once (a resumed session): room for as many entries again (up to
  // MaxHeadroom) is reserved now, so that the entries after it do not wait for the whole history
  // to be copied. Pages of the room not written yet take no memory.
  constexpr std::size_t MaxHeadroom = std::size_t{1} << 24;
  const std::size_t size = FSpins.size() + numbers.size();
  if (size > FSpins.capacity()) FSpins.reserve(size + std::min(size, MaxHeadroom));
  FSpins.insert(FSpins.end(), numbers.begin(), numbers.end());
  for (std::int32_t number : numbers) ++FCounts[static_cast<std::size_t>(number)];
}

void SpinHistory::Replace(int k, std::int32_t number) {
  const std::size_t reach = std::min<std::size_t>(MaxCorrectionDepth, FSpins.size());
  if (k < 1 || static_cast<std::size_t>(k) > reach)
    throw std::out_of_range("Spin position " + std::to_string(k) + " is outside 1.." + std::to_string(reach));
  RequireWheelNumber(number);
  std::int32_t& spin = FSpins[FSpins.size() - static_cast<std::size_t>(k)];
  --FCounts[static_cast<std::size_t>(spin)];
  ++FCounts[static_cast<std::size_t>(number)];
  spin = number;
}

void SpinHistory::RemoveLast() {
  if (FSpins.empty()) throw std::out_of_range("There is no spin to remove");
  --FCounts[static_cast<std::size_t>(FSpins.back())];
  FSpins.pop_back();
}

std::int32_t SpinHistory::Recent(std::size_t k) const {
  if (k < 1 || k > FSpins.size())
    throw std::out_of_range("Spin position " + std::to_string(k) + " is outside 1.." +
                            std::to_string(FSpins.size()));
  return FSpins[FSpins.size() - k];
}

}  // namespace stats
