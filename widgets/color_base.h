#pragma once
// Stand-in for the GUI layer's colour type until that layer lands.

#include <cstdint>

namespace widgets {

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clGrayText = 0xFF000011;
inline constexpr TColor clBtnText = 0xFF000012;
inline constexpr TColor clBtnHighlight = 0xFF000014;
inline constexpr TColor cl3DDkShadow = 0xFF000015;
inline constexpr TColor cl3DLight = 0xFF000016;

inline TColor ColorToRGB(TColor c) {
  if ((c & 0xFF000000u) != 0xFF000000u) return c;
  switch (c & 0xFF) {
    case 5: return 0xFFFFFF;
    case 15: return 0xD8E9EC;
    case 16: return 0x99A8AC;
    case 17: return 0x99A8AC;
    case 18: return 0x000000;
    case 20: return 0xFFFFFF;
    case 21: return 0x646F71;
    case 22: return 0xE2EFF1;
  }
  return 0;
}

}  // namespace widgets
