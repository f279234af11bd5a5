#pragma once
// What every panel of the plot draws with: a painter over a cairo context, the plot's colours
// and the axes.

#include <cairo.h>

#include <cstdint>
#include <string>

namespace cli::plot {

struct TRgb {
  double R, G, B;
};

inline constexpr TRgb WheelRed{0.80, 0.08, 0.08}, WheelBlack{0.13, 0.13, 0.13}, WheelGreen{0.0, 0.50, 0.0};
inline constexpr TRgb Ink{0.1, 0.1, 0.1}, Grid{0.85, 0.85, 0.85}, Band{0.82, 0.90, 0.82};
inline constexpr TRgb Share{0.27, 0.51, 0.71}, Distance{0.45, 0.35, 0.60}, Hot{0.90, 0.50, 0.0};

TRgb WheelColour(std::int32_t x);
// The gaps panel shows the same colours lighter, so that its bars never pass for counts.
TRgb Tint(TRgb c);

struct TBox {
  double Left, Top, Width, Height;
  double Bottom() const { return Top + Height; }
};

enum class TAlign : std::uint8_t { taLeft, taCenter, taRight };

class TPainter {
 public:
  explicit TPainter(cairo_t* cr) : FCr(cr) {}

  void Fill(double x, double y, double w, double h, TRgb c);
  void Outline(double x, double y, double w, double h, TRgb c);
  void Line(double x0, double y0, double x1, double y1, TRgb c, double width, bool dashed = false);
  // The part of the ring between radii r0 and r1 from angle a0 to a1 (radians, clockwise on the
  // page), filled, or outlined with a line of `width`.
  void Wedge(double cx, double cy, double r0, double r1, double a0, double a1, TRgb c);
  void WedgeOutline(double cx, double cy, double r0, double r1, double a0, double a1, TRgb c, double width);
  void Circle(double cx, double cy, double r, TRgb c, double width, bool dashed = false);
  double TextWidth(const std::string& text, double size, bool bold = false);
  // `y` is the baseline.
  void Text(double x, double y, const std::string& text, double size, TAlign align, bool bold = false);

 private:
  void Font(double size, bool bold);
  void WedgePath(double cx, double cy, double r0, double r1, double a0, double a1);
  cairo_t* FCr;
};

// A tick step of 1, 2 or 5 times a power of ten that gives about five ticks over `range`.
double NiceStep(double range);
std::string Format(const char* pattern, double value);

// Horizontal grid lines with their values at the left, for a scale from 0 to `top`.
void Axis(TPainter& p, const TBox& box, double top, bool percent);
// The same for a scale from `low` to `high`, which need not start at 0.
void AxisFrom(TPainter& p, const TBox& box, double low, double high);

}  // namespace cli::plot
