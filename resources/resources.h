#pragma once

// Files compiled into the program (pictures, glyphs, icons), found by their path below resources/.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace resources {

// The bytes of a compiled-in file, or an empty span when there is none of that name.
std::span<const std::uint8_t> Find(std::string_view name);
// The same, but a missing name throws std::out_of_range naming it.
std::span<const std::uint8_t> Get(std::string_view name);
// Every name, in the order they were listed.
std::vector<std::string_view> Names();

namespace detail {
struct TEntry {
  std::string_view Name;
  std::span<const std::uint8_t> Data;
};
extern const TEntry kEntries[];
extern const std::size_t kEntryCount;
}  // namespace detail

}  // namespace resources
