#pragma once
// Where the numbers sit on a single-zero wheel, and the sectors players bet on by the wheel's
// order rather than the table's.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "stats/wheel.h"

namespace stats {

// The pockets clockwise, starting at zero.
inline constexpr std::array<std::int32_t, WheelNumberCount> WheelOrder = {
    0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
    5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};

// The index of a number's pocket in WheelOrder; defined for 0..36.
constexpr int WheelPosition(std::int32_t number) noexcept {
  constexpr auto positions = [] {
    std::array<int, WheelNumberCount> table{};
    for (int i = 0; i < WheelNumberCount; ++i) table[static_cast<std::size_t>(WheelOrder[i])] = i;
    return table;
  }();
  return positions[static_cast<std::size_t>(number)];
}

// Pockets clockwise from `from` to `to` on the wheel, 0 to 36; 0 when they are the same pocket.
constexpr int ClockwiseDistance(std::int32_t from, std::int32_t to) noexcept {
  return (WheelPosition(to) - WheelPosition(from) + WheelNumberCount) % WheelNumberCount;
}

struct TWheelSector {
  std::string_view Name;
  std::span<const std::int32_t> Numbers;  // in wheel order
  bool Partition;                         // one of the three that share out the whole wheel
};

namespace detail {
inline constexpr std::array<std::int32_t, 17> Voisins = {22, 18, 29, 7,  28, 12, 35, 3, 26,
                                                         0,  32, 15, 19, 4,  21, 2,  25};
inline constexpr std::array<std::int32_t, 12> Tiers = {27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33};
inline constexpr std::array<std::int32_t, 8> Orphelins = {17, 34, 6, 1, 20, 14, 31, 9};
inline constexpr std::array<std::int32_t, 7> JeuZero = {12, 35, 3, 26, 0, 32, 15};
}  // namespace detail

// The classic sectors: voisins du zéro, tiers du cylindre and orphelins cover the wheel once;
// jeu zéro lies within voisins.
inline constexpr std::array<TWheelSector, 4> WheelSectors = {{
    {"voisins du zéro", detail::Voisins, true},
    {"tiers du cylindre", detail::Tiers, true},
    {"orphelins", detail::Orphelins, true},
    {"jeu zéro", detail::JeuZero, false},
}};

}  // namespace stats
