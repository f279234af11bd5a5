#include "widgets/paint/color_ops.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace widgets {

namespace {

using i64 = std::int64_t;

// num / den rounded to the nearest integer, halves to even; num >= 0, den > 0. The conversions
// work on exact fractions of the channel bytes, so a value that lies exactly half-way is seen
// as such instead of being decided by floating-point noise.
i64 RoundHalfEven(i64 num, i64 den) {
  const i64 q = num / den, twice = 2 * (num % den);
  if (twice > den || (twice == den && (q & 1) != 0)) return q + 1;
  return q;
}

std::uint8_t ToByte(long value) { return static_cast<std::uint8_t>(std::clamp(value, 0L, 255L)); }

TColor WithLuminance(TColor color, int luminance) {
  const THslColor hsl = SplitColorHsl(color);
  return ComposeHslColor(hsl.Hue, hsl.Saturation, static_cast<std::uint8_t>(std::clamp(luminance, 0, 255)));
}

// Gradient start, stop and frame of the office look for the normal, olive and silver schemes.
constexpr std::array<TOfficeColors, 3> OfficeSchemeTable = {{
    {0xFFEFE3, 0xEABB99, 0xBF7F57},
    {0xEDFFFF, 0x92C7B8, 0x77A17F},
    {0xFFF9F9, 0xD0BCBD, 0xB19F9F},
}};

bool FullColorDisplay = true;

}  // namespace

THslColor SplitColorHsl(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const i64 r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
  const i64 max = std::max({r, g, b}), min = std::min({r, g, b});
  const i64 sum = max + min;  // L = sum / 510
  const auto byte = [](i64 v) { return static_cast<std::uint8_t>(std::min<i64>(v, 255)); };
  const std::uint8_t luminance = byte(RoundHalfEven(sum * 240, 510));
  if (max == min) return {0, 0, luminance};
  const i64 d = max - min;
  const std::uint8_t saturation = byte(RoundHalfEven(d * 240, sum < 255 ? sum : 510 - sum));
  // Hue in sixths of the circle, scaled to 240: 40 per sixth, wrapped into 0..240.
  i64 hue;
  if (r == max)
    hue = 40 * (g - b) + (g < b ? 240 * d : 0);
  else if (g == max)
    hue = 40 * (b - r) + 80 * d;
  else
    hue = 40 * (r - g) + 160 * d;
  return {byte(RoundHalfEven(hue, d)), saturation, luminance};
}

TColor ComposeHslColor(std::uint8_t hue, std::uint8_t saturation, std::uint8_t luminance) {
  // L = l / 240 and S = s / 240, so M1 and M2 are exact multiples of 1 / 57600, and with the
  // hue fraction (over 239) every channel is an exact multiple of 1 / (57600 * 239).
  const i64 l = luminance, s = saturation;
  const i64 m2 = l >= 120 ? 240 * l + 240 * s - l * s : l * (240 + s);
  if (m2 <= 0) return clBlack;
  const i64 m1 = 480 * l - m2;
  const i64 sector = 6 * i64(hue) / 239;
  const i64 f = 6 * i64(hue) - 239 * sector;  // the fraction is f / 239
  const i64 hi = m2 * 239, lo = m1 * 239;
  const i64 up = lo + (m2 - m1) * f, down = hi - (m2 - m1) * f;
  i64 rgb[3];
  switch (sector) {
    case 1: rgb[0] = down, rgb[1] = hi, rgb[2] = lo; break;
    case 2: rgb[0] = lo, rgb[1] = hi, rgb[2] = up; break;
    case 3: rgb[0] = lo, rgb[1] = down, rgb[2] = hi; break;
    case 4: rgb[0] = up, rgb[1] = lo, rgb[2] = hi; break;
    case 5: rgb[0] = hi, rgb[1] = lo, rgb[2] = down; break;
    default: rgb[0] = hi, rgb[1] = up, rgb[2] = lo; break;  // sector 0, and 6 for hues 239 and 240
  }
  constexpr i64 den = 57600 * 239;
  std::uint8_t bytes[3];
  for (int i = 0; i < 3; ++i) {
    // Clamped to 1 as documented, and to 0 as well: above a saturation of 240, M1 dips below
    // zero and would otherwise wrap into a bright byte.
    const i64 v = std::clamp<i64>(rgb[i], 0, den);
    bytes[i] = static_cast<std::uint8_t>(RoundHalfEven(v * 255, den));
  }
  return RGB(bytes[0], bytes[1], bytes[2]);
}

std::uint8_t HueOfColor(TColor color) { return SplitColorHsl(color).Hue; }

TColor DarkenColor(TColor color, int amount) {
  return WithLuminance(color, SplitColorHsl(color).Luminance - amount);
}

TColor LightenColor(TColor color, int amount) {
  return WithLuminance(color, SplitColorHsl(color).Luminance + amount);
}

TColor ShiftColorLuminance(TColor color, int amount) {
  if (amount < 0) return DarkenColor(color, -amount);
  if (amount > 0) return LightenColor(color, amount);
  return color;
}

TColor MixColors(TColor a, TColor b, int weight) {
  const float w = static_cast<float>(weight) / 255.0f;
  const TColor ra = ColorToRGB(a);
  const TColor rb = ColorToRGB(b);
  auto channel = [&](int shift) {
    const double ca = static_cast<double>((ra >> shift) & 0xFF);
    const double cb = static_cast<double>((rb >> shift) & 0xFF);
    return ToByte(std::lrint(w * ca + (1.0 - w) * cb));
  };
  return RGB(channel(0), channel(8), channel(16));
}

bool ColorsNearlyEqual(TColor a, TColor b) {
  const THslColor x = SplitColorHsl(a);
  const THslColor y = SplitColorHsl(b);
  return std::abs(x.Hue - y.Hue) < 20 && std::abs(x.Luminance - y.Luminance) < 60;
}

TColor OppositeHueColor(TColor color, std::uint8_t luminance) {
  const int hue = HueOfColor(color);
  const int opposite = hue < 120 ? hue + 120 : hue - 120;
  return ComposeHslColor(static_cast<std::uint8_t>(opposite), 240, luminance);
}

TOfficeColors OfficeSchemeColors(TUiGradientColorStyle style) {
  if (style == gcsMSOffice && VisualThemesActive()) {
    const int scheme = std::clamp(ThemeColorScheme(), 0, static_cast<int>(OfficeSchemeTable.size()) - 1);
    return OfficeSchemeTable[static_cast<std::size_t>(scheme)];
  }
  return {clWindow, DarkenColor(clBtnFace, 10), LightenColor(clBtnShadow, 30)};
}

bool HasFullColorDisplay() noexcept { return FullColorDisplay; }
void SetHasFullColorDisplay(bool value) noexcept { FullColorDisplay = value; }

int ThemeColorScheme() noexcept { return 0; }
bool VisualThemesActive() noexcept { return false; }

}  // namespace widgets
