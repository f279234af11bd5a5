#include <cstdlib>

#include "gui/graphics/canvas.h"

namespace gui {

// Temporary: fixed-pitch measurements scaled from the 8-point dialog font until the glyph renderer
// lands; nothing is drawn yet.
TFontMetrics TCanvas::Metrics() {
  const int h = std::max(std::abs(Font.Height()), 1);
  TFontMetrics m;
  m.Ascent = h;
  m.Descent = std::max(h * 2 / 11, 1);
  m.InternalLeading = std::max(h * 2 / 11, 1);
  m.Height = m.Ascent + m.Descent;
  m.AveCharWidth = std::max(h * 5 / 11, 1);
  m.DialogAveCharWidth = std::max(h * 6 / 11, 1);
  return m;
}

TSize TCanvas::TextExtent(std::string_view ansi) {
  const TFontMetrics m = Metrics();
  return {int(ansi.size()) * m.AveCharWidth, m.Height};
}

int TCanvas::DrawGlyphs(int, int, std::string_view ansi) { return TextExtent(ansi).Width; }

void TCanvas::TextOut(int x, int y, std::string_view ansi) {
  const TSize size = TextExtent(ansi);
  FillRect(Bounds(x, y, size.Width, size.Height));
  MoveTo(x + DrawGlyphs(x, y, ansi), y);
}

}  // namespace gui
