#include "gui/std/accel.h"

namespace gui {

namespace {
// Upper case of a Windows-1251 letter; other bytes come back unchanged.
unsigned char Upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  if (c >= 0xE0) return static_cast<unsigned char>(c - 0x20);  // а..я
  if (c == 0xB8) return 0xA8;                                  // ё
  return c;
}
}  // namespace

bool IsAccel(char ch, std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return Upper(static_cast<unsigned char>(caption[i + 1])) == Upper(static_cast<unsigned char>(ch));
  }
  return false;
}

}  // namespace gui
