#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "gui/graphics/cp1251.h"
#include "gui/graphics/geometry.h"

namespace gui {

class TCanvas;

// The program's own text: Windows-1251 bytes.
using AnsiString = std::string;

std::string AnsiToUtf8(std::string_view ansi);
// Characters the code page cannot hold, and malformed UTF-8 bytes, become "?".
AnsiString Utf8ToAnsi(std::string_view utf8);
char32_t AnsiToUnicode(char c);
char UnicodeToAnsi(char32_t c);  // '?' when the code page cannot hold c

namespace detail {

template <std::size_t N>
struct TUtf8Literal {
  char Data[N]{};
  consteval TUtf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) Data[i] = s[i];
  }
  constexpr std::string_view View() const { return {Data, N - 1}; }
};

consteval std::size_t AnsiLength(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size(); ++n) {
    char32_t c = 0;
    if (!cp1251::DecodeUtf8(utf8, i, c)) throw "malformed UTF-8 in a _cp literal";
    if (cp1251::FromUnicode(c) < 0) throw "a character of this _cp literal has no Windows-1251 byte";
  }
  return n;
}

template <TUtf8Literal S>
struct TAnsiLiteral {
  static constexpr std::size_t Length = AnsiLength(S.View());
  static constexpr std::array<char, Length + 1> Make() {
    std::array<char, Length + 1> out{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < S.View().size(); ++n) {
      char32_t c = 0;
      cp1251::DecodeUtf8(S.View(), i, c);
      out[n] = static_cast<char>(cp1251::FromUnicode(c));
    }
    return out;
  }
  static constexpr std::array<char, Length + 1> Value = Make();
};

}  // namespace detail

namespace literals {

// "Красное"_cp: the Windows-1251 bytes of a UTF-8 literal, converted at compile time into static,
// NUL-terminated storage. A character the code page cannot hold does not compile.
template <detail::TUtf8Literal S>
consteval const char* operator""_cp() {
  return detail::TAnsiLiteral<S>::Value.data();
}

}  // namespace literals

// DrawText flags (the platform's values).
inline constexpr unsigned DT_TOP = 0x0000;
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_EXPANDTABS = 0x0040;
inline constexpr unsigned DT_NOCLIP = 0x0100;
inline constexpr unsigned DT_CALCRECT = 0x0400;
inline constexpr unsigned DT_NOPREFIX = 0x0800;
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Lays out Windows-1251 text in rect with the canvas font and draws it in the font colour
// (a solid brush fills behind each line's text first). Returns the height of the text block.
// With DT_CALCRECT nothing is drawn and rect's Right and Bottom are set to fit the text.
int DrawText(TCanvas& canvas, std::string_view text, TRect& rect, unsigned flags);

// The look of a disabled caption: the text embossed, in the highlight colour one pixel down and
// right, with the shadow-coloured text over it. Leaves the canvas font in the shadow colour.
void DrawEmbossedText(TCanvas& canvas, std::string_view text, const TRect& rect, unsigned flags);

}  // namespace gui
