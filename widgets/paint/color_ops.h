#pragma once
// Colour arithmetic of the widget set: a hue/saturation/luminance space on a 0..240 scale,
// derived shades, blends, and the two start-up values the painters consult.
//
// System colours are resolved to RGB before any arithmetic. The conversions are not exact
// inverses (composition divides the hue by 239), so a round trip drifts by a little; the
// widgets' shades depend on that drift and it is kept on purpose.

#include <cstdint>

#include "widgets/paint/color_base.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

struct THslColor {
  std::uint8_t Hue = 0;         // 0 red, 80 green, 160 blue
  std::uint8_t Saturation = 0;  // 0..240
  std::uint8_t Luminance = 0;   // 0..240
  constexpr bool operator==(const THslColor&) const noexcept = default;
};

THslColor SplitColorHsl(TColor color);
TColor ComposeHslColor(std::uint8_t hue, std::uint8_t saturation, std::uint8_t luminance);
std::uint8_t HueOfColor(TColor color);

// Luminance shifts; the result clamps at 0 and at 255 (any luminance from 240 up is white).
TColor DarkenColor(TColor color, int amount);
TColor LightenColor(TColor color, int amount);
// Negative darkens, positive lightens; 0 hands the value back as it came, system colours
// included, so a flat colour left at its default keeps following the desktop scheme.
TColor ShiftColorLuminance(TColor color, int amount);

// `weight` (0..255) is the share of `a`.
TColor MixColors(TColor a, TColor b, int weight);

// Close enough in hue (under 20) and luminance (under 60); saturation does not count.
bool ColorsNearlyEqual(TColor a, TColor b);

// The fully saturated colour across the hue circle from `color`, at the given luminance.
TColor OppositeHueColor(TColor color, std::uint8_t luminance);

struct TOfficeColors {
  TColor GradientStart = 0;
  TColor GradientStop = 0;
  TColor Frame = 0;
  constexpr bool operator==(const TOfficeColors&) const noexcept = default;
};

// The gradient and frame colours of the office look. `gcsCustom` is resolved by the caller
// from its own properties; here it gets the plain system row.
TOfficeColors OfficeSchemeColors(TUiGradientColorStyle style);

// True when the screen shows more than 256 colours. Decided once at start-up; tests switch it
// to reach the paths of a palette display.
bool HasFullColorDisplay() noexcept;
void SetHasFullColorDisplay(bool value) noexcept;

// The desktop's colour scheme (0 normal, 1 olive, 2 silver). This desktop has no theme
// service, so it is always 0 and visual themes are never active.
int ThemeColorScheme() noexcept;
bool VisualThemesActive() noexcept;

}  // namespace widgets
