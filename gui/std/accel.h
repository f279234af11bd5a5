#pragma once

// Accelerator characters: "&Yes" is answered by Y or y.

#include <string_view>

namespace gui {

// Whether ch is the character marked by a single "&" in the Windows-1251 caption ("&&" is a plain
// ampersand). Letters compare without case, Cyrillic included.
bool IsAccel(char ch, std::string_view caption);

}  // namespace gui
