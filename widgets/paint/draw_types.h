#pragma once
// Enumerations shared by the widgets and their drawing helpers. The ordinals are part of the
// contract: layouts and property streams store these values as numbers.

#include <cstdint>

#include "gui/graphics/flags.h"

namespace widgets {

enum TSide : std::uint8_t { sdLeft = 0, sdTop = 1, sdRight = 2, sdBottom = 3 };

using TSideFlags = gui::TFlags<TSide, gui::TFlagValues::Ordinals>;

// A set of sides held as a 4-bit mask: left 1, top 2, right 4, bottom 8. The names on top of the
// plain flag set are the ones the widgets and their streams use.
class TSides : public TSideFlags {
 public:
  using TSideFlags::TSideFlags;
  constexpr TSides(TSideFlags flags) noexcept : TSideFlags(flags) {}
  static constexpr TSides FromMask(unsigned mask) noexcept { return FromBits(mask & 15u); }
  static constexpr TSides All() noexcept { return FromMask(15); }
  static constexpr TSides None() noexcept { return TSides(); }
  constexpr unsigned Mask() const noexcept { return Bits(); }

  // The set operations of the flag set, giving sides again.
  constexpr friend TSides operator|(TSides a, TSides b) noexcept { return TSideFlags(a) | TSideFlags(b); }
  constexpr friend TSides operator&(TSides a, TSides b) noexcept { return TSideFlags(a) & TSideFlags(b); }
};

constexpr TSides operator|(TSide a, TSide b) noexcept { return TSides(a) | TSides(b); }

inline constexpr TSides AllSides = TSides::All();

enum TFrameStyleEx : std::uint8_t {
  fsNone = 0,
  fsFlat = 1,
  fsGroove = 2,
  fsBump = 3,
  fsLowered = 4,
  fsButtonDown = 5,
  fsRaised = 6,
  fsButtonUp = 7,
  fsStatus = 8,
  fsPopup = 9,
  fsFlatBold = 10,
  fsFlatRounded = 11,
};

// Entry fields cannot be rounded, so they hold the subrange fsNone..fsFlatBold.
using TFrameStyle = TFrameStyleEx;
inline constexpr int FrameStyleExCount = 12;
inline constexpr int FrameStyleCount = 11;

constexpr bool IsFrameStyle(TFrameStyleEx style) noexcept { return style <= fsFlatBold; }

enum TGradientDirection : std::uint8_t {
  gdDiagonalUp = 0,
  gdDiagonalDown = 1,
  gdHorizontalEnd = 2,
  gdHorizontalCenter = 3,
  gdHorizontalBox = 4,
  gdVerticalEnd = 5,
  gdVerticalCenter = 6,
  gdVerticalBox = 7,
  gdSquareBox = 8,
  gdBigSquareBox = 9,
};
inline constexpr int GradientDirectionCount = 10;

enum TUiGradientColorStyle : std::uint8_t { gcsSystem = 0, gcsMSOffice = 1, gcsCustom = 2 };

enum TUiVisualStyle : std::uint8_t { vsClassic = 0, vsWinXP = 1, vsGradient = 2 };

// Whether a button's hover ring takes HotTrackColor as it is or the hue opposite to it.
enum TUiHotTrackColorType : std::uint8_t { htctComplement = 0, htctActual = 1 };

}  // namespace widgets
