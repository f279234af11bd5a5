#include "resources/resources.h"

#include <stdexcept>
#include <string>

namespace resources {

std::span<const std::uint8_t> Find(std::string_view name) {
  // A handful of entries: a linear search costs less than building an index.
  for (std::size_t i = 0; i < detail::kEntryCount; ++i)
    if (detail::kEntries[i].Name == name) return detail::kEntries[i].Data;
  return {};
}

std::span<const std::uint8_t> Get(std::string_view name) {
  const auto data = Find(name);
  if (data.empty()) throw std::out_of_range("no resource named \"" + std::string(name) + "\" is compiled in");
  return data;
}

std::string ScaledName(std::string_view name, int scale) {
  if (scale == 1) return std::string(name);
  const std::size_t slash = name.rfind('/');
  const std::size_t dot = name.rfind('.');
  const std::size_t stem =
      dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash) ? name.size() : dot;
  return std::string(name.substr(0, stem)) + "@" + std::to_string(scale) + "x" + std::string(name.substr(stem));
}

std::vector<std::string_view> Names() {
  std::vector<std::string_view> names;
  for (std::size_t i = 0; i < detail::kEntryCount; ++i) names.push_back(detail::kEntries[i].Name);
  return names;
}

}  // namespace resources
