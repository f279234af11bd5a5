#include "gui/graphics/font_folders.h"

#include <algorithm>

namespace gui {

std::vector<std::string> ProgramFontFolders(const std::filesystem::path& executable) {
  std::vector<std::filesystem::path> candidates;
  if (executable.has_parent_path())
    candidates.push_back(executable.parent_path().parent_path() / "share" / "spintrak" / "fonts");
  candidates.emplace_back(SPINTRAK_SOURCE_FONT_FOLDER);
  std::vector<std::string> folders;
  for (const std::filesystem::path& candidate : candidates) {
    std::error_code ec;
    if (!std::filesystem::is_directory(candidate, ec)) continue;
    const std::string folder = std::filesystem::weakly_canonical(candidate, ec).string();
    if (!ec && std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  }
  return folders;
}

std::vector<std::string> ProgramFontFolders() {
  std::error_code ec;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ProgramFontFolders(ec ? std::filesystem::path() : executable);
}

}  // namespace gui
