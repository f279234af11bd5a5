#pragma once
// Enumerations shared by the widgets and their drawing helpers. The ordinals are part of the
// contract: layouts and property streams store these values as numbers.

#include <cstdint>

namespace widgets {

enum TSide : std::uint8_t { sdLeft = 0, sdTop = 1, sdRight = 2, sdBottom = 3 };

// A set of sides held as a 4-bit mask: left 1, top 2, right 4, bottom 8.
class TSides {
 public:
  constexpr TSides() noexcept = default;
  // Implicit on purpose: a single side is a one-element set.
  constexpr TSides(TSide side) noexcept : FMask(Bit(side)) {}
  static constexpr TSides FromMask(unsigned mask) noexcept { return TSides(static_cast<std::uint8_t>(mask & 15u)); }
  static constexpr TSides All() noexcept { return FromMask(15); }
  static constexpr TSides None() noexcept { return TSides(); }

  constexpr bool Contains(TSide side) const noexcept { return (FMask & Bit(side)) != 0; }
  constexpr unsigned Mask() const noexcept { return FMask; }
  constexpr bool Empty() const noexcept { return FMask == 0; }

  constexpr TSides operator|(TSides other) const noexcept { return TSides(static_cast<std::uint8_t>(FMask | other.FMask)); }
  constexpr TSides operator&(TSides other) const noexcept { return TSides(static_cast<std::uint8_t>(FMask & other.FMask)); }
  constexpr TSides& operator|=(TSides other) noexcept { FMask = static_cast<std::uint8_t>(FMask | other.FMask); return *this; }
  constexpr bool operator==(const TSides&) const noexcept = default;

 private:
  constexpr explicit TSides(std::uint8_t mask) noexcept : FMask(mask) {}
  static constexpr std::uint8_t Bit(TSide side) noexcept { return static_cast<std::uint8_t>(1u << side); }
  std::uint8_t FMask = 0;
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

}  // namespace widgets
