#include "cli/plot_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "stats/wheel.h"

namespace cli::plot {

namespace {

constexpr const char* FontFace = "DejaVu Sans";  // has Cyrillic, so any file name shows

}  // namespace

TRgb WheelColour(std::int32_t x) {
  if (x == 0) return WheelGreen;
  return stats::IsRed(x) ? WheelRed : WheelBlack;
}

TRgb Tint(TRgb c) { return {c.R + (1 - c.R) * 0.5, c.G + (1 - c.G) * 0.5, c.B + (1 - c.B) * 0.5}; }

void TPainter::Fill(double x, double y, double w, double h, TRgb c) {
  cairo_set_source_rgb(FCr, c.R, c.G, c.B);
  cairo_rectangle(FCr, x, y, w, h);
  cairo_fill(FCr);
}

void TPainter::Outline(double x, double y, double w, double h, TRgb c) {
  cairo_set_source_rgb(FCr, c.R, c.G, c.B);
  cairo_set_line_width(FCr, 1);
  cairo_rectangle(FCr, x + 0.5, y + 0.5, std::max(0.0, w - 1), std::max(0.0, h - 1));
  cairo_stroke(FCr);
}

void TPainter::Line(double x0, double y0, double x1, double y1, TRgb c, double width, bool dashed) {
  cairo_set_source_rgb(FCr, c.R, c.G, c.B);
  cairo_set_line_width(FCr, width);
  const double dash[] = {6, 4};
  cairo_set_dash(FCr, dash, dashed ? 2 : 0, 0);
  cairo_move_to(FCr, x0, y0);
  cairo_line_to(FCr, x1, y1);
  cairo_stroke(FCr);
  cairo_set_dash(FCr, dash, 0, 0);
}

void TPainter::WedgePath(double cx, double cy, double r0, double r1, double a0, double a1) {
  cairo_new_path(FCr);
  cairo_arc(FCr, cx, cy, r1, a0, a1);
  cairo_arc_negative(FCr, cx, cy, r0, a1, a0);
  cairo_close_path(FCr);
}

void TPainter::Wedge(double cx, double cy, double r0, double r1, double a0, double a1, TRgb c) {
  cairo_set_source_rgb(FCr, c.R, c.G, c.B);
  WedgePath(cx, cy, r0, r1, a0, a1);
  cairo_fill(FCr);
}

void TPainter::WedgeOutline(double cx, double cy, double r0, double r1, double a0, double a1, TRgb c,
                            double width) {
  cairo_set_source_rgb(FCr, c.R, c.G, c.B);
  cairo_set_line_width(FCr, width);
  WedgePath(cx, cy, r0, r1, a0, a1);
  cairo_stroke(FCr);
}

void TPainter::Circle(double cx, double cy, double r, TRgb c, double width, bool dashed) {
  cairo_set_source_rgb(FCr, c.R, c.G, c.B);
  cairo_set_line_width(FCr, width);
  const double dash[] = {6, 4};
  cairo_set_dash(FCr, dash, dashed ? 2 : 0, 0);
  cairo_new_path(FCr);
  cairo_arc(FCr, cx, cy, r, 0, 2 * M_PI);
  cairo_stroke(FCr);
  cairo_set_dash(FCr, dash, 0, 0);
}

double TPainter::TextWidth(const std::string& text, double size, bool bold) {
  Font(size, bold);
  cairo_text_extents_t extents;
  cairo_text_extents(FCr, text.c_str(), &extents);
  return extents.x_advance;
}

void TPainter::Text(double x, double y, const std::string& text, double size, TAlign align, bool bold) {
  const double width = TextWidth(text, size, bold);
  if (align == TAlign::taCenter) x -= width / 2;
  if (align == TAlign::taRight) x -= width;
  cairo_set_source_rgb(FCr, Ink.R, Ink.G, Ink.B);
  cairo_move_to(FCr, x, y);
  cairo_show_text(FCr, text.c_str());
}

void TPainter::Font(double size, bool bold) {
  cairo_select_font_face(FCr, FontFace, CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(FCr, size);
}

double NiceStep(double range) {
  const double rough = std::max(range, 1.0) / 5;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= rough) return std::max(1.0, m * power);
  return std::max(1.0, 10 * power);
}

std::string Format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

void Axis(TPainter& p, const TBox& box, double top, bool percent) {
  const double step = percent ? std::max(0.05, NiceStep(top * 100) / 100) : NiceStep(top);
  for (double v = 0; v <= top + 1e-9; v += step) {
    const double y = box.Bottom() - v / top * box.Height;
    p.Line(box.Left, y, box.Left + box.Width, y, Grid, 1);
    p.Text(box.Left - 6, y + 4, percent ? Format("%.0f %%", v * 100) : Format("%.0f", v), 11, TAlign::taRight);
  }
}

void AxisFrom(TPainter& p, const TBox& box, double low, double high) {
  const double step = NiceStep(high - low);
  for (double v = std::ceil(low / step) * step; v <= high + 1e-9; v += step) {
    const double y = box.Bottom() - (v - low) / (high - low) * box.Height;
    p.Line(box.Left, y, box.Left + box.Width, y, Grid, 1);
    p.Text(box.Left - 6, y + 4, Format("%.0f", v), 11, TAlign::taRight);
  }
}

}  // namespace cli::plot
