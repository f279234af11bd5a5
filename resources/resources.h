#pragma once

// Files compiled into the program (pictures, glyphs, icons), found by their path below resources/.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

// The bytes of a compiled-in file, or an empty span when there is none of that name.
std::span<const std::uint8_t> Find(std::string_view name);
// The same, but a missing name throws std::out_of_range naming it.
std::span<const std::uint8_t> Get(std::string_view name);
// Every name, in the order they were listed.
std::vector<std::string_view> Names();
// The name of the version of a picture drawn for a screen scale: "glyphs/exit@2x.png" for
// ("glyphs/exit.png", 2). Scale 1 is the name itself.
std::string ScaledName(std::string_view name, int scale);
// The scales above 1 for which the artwork is drawn.
inline constexpr int kArtworkScales[] = {2};

namespace detail {
struct TEntry {
  std::string_view Name;
  std::span<const std::uint8_t> Data;
};
extern const TEntry kEntries[];
extern const std::size_t kEntryCount;
}  // namespace detail

}  // namespace resources
