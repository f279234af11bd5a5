#include "widgets/color_ops.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace widgets {

namespace {

// Rounds to the nearest integer, halves to even (the default floating-point rounding mode).
long RoundEven(double value) { return std::lrint(value); }

struct TRgb {
  double R, G, B;
};

TRgb Channels(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return {static_cast<double>(rgb & 0xFF) / 255.0, static_cast<double>((rgb >> 8) & 0xFF) / 255.0,
          static_cast<double>((rgb >> 16) & 0xFF) / 255.0};
}

std::uint8_t ToByte(long value) { return static_cast<std::uint8_t>(std::clamp(value, 0L, 255L)); }

// A channel of 0..1 as a byte. The upper clamp is the documented one; the lower one matters only
// for saturations above 240, where M1 dips just under zero and would otherwise wrap to a bright
// byte.
std::uint8_t ChannelByte(double value) { return ToByte(RoundEven(std::clamp(value, 0.0, 1.0) * 255.0)); }

TColor MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

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
  const TRgb c = Channels(color);
  const double max = std::max({c.R, c.G, c.B});
  const double min = std::min({c.R, c.G, c.B});
  const double l = (max + min) / 2.0;
  double h = 0.0;
  double s = 0.0;
  if (max != min) {
    const double d = max - min;
    s = l < 0.5 ? d / (max + min) : d / (2.0 - max - min);
    if (c.R == max)
      h = (c.G - c.B) / d;
    else if (c.G == max)
      h = (c.B - c.R) / d + 2.0;
    else
      h = (c.R - c.G) / d + 4.0;
    h /= 6.0;
    if (h < 0.0) h += 1.0;
  }
  return {ToByte(RoundEven(h * 240.0)), ToByte(RoundEven(s * 240.0)), ToByte(RoundEven(l * 240.0))};
}

TColor ComposeHslColor(std::uint8_t hue, std::uint8_t saturation, std::uint8_t luminance) {
  const double h = hue / 239.0;
  const double s = saturation / 240.0;
  const double l = luminance / 240.0;
  const double m2 = l >= 0.5 ? l + s - l * s : l * (1.0 + s);
  if (m2 <= 0.0) return clBlack;
  const double m1 = 2.0 * l - m2;
  const double x = h * 6.0;
  const int sector = static_cast<int>(x);
  const double f = x - sector;
  const double up = m1 + (m2 - m1) * f;
  const double down = m2 - (m2 - m1) * f;
  double r, g, b;
  switch (sector) {
    case 1: r = down, g = m2, b = m1; break;
    case 2: r = m1, g = m2, b = up; break;
    case 3: r = m1, g = down, b = m2; break;
    case 4: r = up, g = m1, b = m2; break;
    case 5: r = m2, g = m1, b = down; break;
    default: r = m2, g = up, b = m1; break;  // sector 0, and 6 for hues 239 and 240
  }
  return MakeColor(ChannelByte(r), ChannelByte(g), ChannelByte(b));
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
    return ToByte(RoundEven(w * ca + (1.0 - w) * cb));
  };
  return MakeColor(channel(0), channel(8), channel(16));
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
