#include "gui/graphics/color.h"

#include <array>

namespace gui {
namespace {

// The desktop scheme the layouts were drawn on (XP-era default). Another scheme is one edit here.
// Values are written as RGB hex and swapped into 0x00BBGGRR below.
constexpr std::array<std::uint32_t, SystemColorCount> SchemeRgb = {
    0xD4D0C8,  //  0 scroll bar
    0x004E98,  //  1 desktop background
    0x0054E3,  //  2 active caption
    0x7A96DF,  //  3 inactive caption
    0xFFFFFF,  //  4 menu
    0xFFFFFF,  //  5 window
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xD4D0C8,  // 10 active border
    0xD4D0C8,  // 11 inactive border
    0x808080,  // 12 application work space
    0x316AC5,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xECE9D8,  // 15 button face
    0xACA899,  // 16 button shadow
    0xACA899,  // 17 grey text
    0x000000,  // 18 button text
    0xD8E4F8,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x716F64,  // 21 3D dark shadow
    0xF1EFE2,  // 22 3D light
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
    0x000000,  // 25 (unused index)
    0x000080,  // 26 hot-tracked item
    0x3D95FF,  // 27 active caption gradient
    0x9DB9EB,  // 28 inactive caption gradient
    0x316AC5,  // 29 menu highlight
    0xECE9D8,  // 30 menu bar
};

constexpr TColor FromRgbHex(std::uint32_t rgb) {
  return RGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
}

}  // namespace

TColor ColorToRGB(TColor c) {
  if (IsSystemColor(c)) {
    const std::uint32_t index = c & 0xFF;
    return index < SchemeRgb.size() ? FromRgbHex(SchemeRgb[index]) : clBlack;
  }
  if (c == clDefault) return ColorToRGB(clWindow);
  return c;
}

}  // namespace gui
