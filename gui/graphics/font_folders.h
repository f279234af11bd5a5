#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace gui {

// The folders that hold the program's own fonts, best first, of those that exist: the installed
// <prefix>/share/spintrak/fonts beside a program in <prefix>/bin, then the source tree's
// resources/fonts, which serves a program run from its build folder.
std::vector<std::string> ProgramFontFolders(const std::filesystem::path& executable);
// The same for the running program.
std::vector<std::string> ProgramFontFolders();

}  // namespace gui
