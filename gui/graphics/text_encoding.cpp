#include "gui/graphics/text.h"

namespace gui {

char32_t AnsiToUnicode(char c) { return cp1251::ToUnicode(static_cast<unsigned char>(c)); }

char UnicodeToAnsi(char32_t c) {
  const int b = cp1251::FromUnicode(c);
  return b < 0 ? '?' : static_cast<char>(b);
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size() * 2);
  for (char ch : ansi) {
    const char32_t c = AnsiToUnicode(ch);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

AnsiString Utf8ToAnsi(std::string_view utf8) {
  AnsiString out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    out += cp1251::DecodeUtf8(utf8, i, c) ? UnicodeToAnsi(c) : '?';
  }
  return out;
}

}  // namespace gui
