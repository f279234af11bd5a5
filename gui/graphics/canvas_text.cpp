#include <algorithm>

#include "gui/graphics/canvas.h"
#include "gui/graphics/font_cache.h"

namespace gui {
namespace {

// a * b / 255, rounded, for 8-bit values.
inline std::uint32_t Mul255(std::uint32_t a, std::uint32_t b) {
  const std::uint32_t t = a * b + 128;
  return (t + (t >> 8)) >> 8;
}

inline std::uint32_t Blend(std::uint32_t dst, std::uint32_t ink, std::uint32_t alpha) {
  if (alpha == 255) return ink;
  const std::uint32_t inv = 255 - alpha;
  const std::uint32_t r = Mul255((ink >> 16) & 0xFF, alpha) + Mul255((dst >> 16) & 0xFF, inv);
  const std::uint32_t g = Mul255((ink >> 8) & 0xFF, alpha) + Mul255((dst >> 8) & 0xFF, inv);
  const std::uint32_t b = Mul255(ink & 0xFF, alpha) + Mul255(dst & 0xFF, inv);
  return (r << 16) | (g << 8) | b;
}

}  // namespace

TFontMetrics TCanvas::Metrics() { return TFontCache::Instance().Face(Font).Metrics(); }

TSize TCanvas::TextExtent(std::string_view ansi) {
  TFontFace& face = TFontCache::Instance().Face(Font);
  int width = 0;
  for (char c : ansi) width += face.Advance(static_cast<unsigned char>(c));
  return {width, face.Metrics().Height};
}

// Glyph coverage is blended over the destination in the font colour; clipping is done per glyph
// against every visible part, so no pixel outside the clip or the bitmap is touched.
void TCanvas::BlendGlyph(const TGlyph& g, std::int64_t gx, std::int64_t gy, std::uint32_t ink,
                         const TRect& bounds) {
  if (g.Width == 0 || g.Height == 0) return;
  if (gx >= bounds.Right || gy >= bounds.Bottom || gx + g.Width <= bounds.Left || gy + g.Height <= bounds.Top)
    return;
  const TRect box{int(gx), int(gy), int(gx + g.Width), int(gy + g.Height)};
  ForEachVisible(box, [&](const TRect& part) {
    for (int py = part.Top; py < part.Bottom; ++py) {
      const std::uint8_t* cov = g.Coverage.data() + std::size_t(py - box.Top) * g.Width;
      std::uint32_t* row = FBitmap->ScanLine(py);
      for (int px = part.Left; px < part.Right; ++px)
        if (const std::uint8_t a = cov[px - box.Left]) row[px] = Blend(row[px], ink, a);
    }
  });
}

int TCanvas::DrawGlyphs(int x, int y, std::string_view ansi) {
  if (FScale > 1) return DrawGlyphsScaled(x, y, ansi);
  TFontFace& face = TFontCache::Instance().Face(Font);
  const TColor rgb = ColorToRGB(Font.Color());
  const std::uint32_t ink = ColorToPixel(rgb);
  const std::int64_t baseline = std::int64_t(y) + FOrigin.Y + face.Metrics().Ascent;
  std::int64_t pen = std::int64_t(x) + FOrigin.X;
  const TRect bounds = DeviceClipBounds();
  for (char c : ansi) {
    const TGlyph& g = face.Glyph(static_cast<unsigned char>(c));
    if (rgb != clNone) BlendGlyph(g, pen + g.Left, baseline - g.Top, ink, bounds);
    pen += g.Advance;
  }
  return int(std::clamp<std::int64_t>(pen - (std::int64_t(x) + FOrigin.X), 0, INT32_MAX));
}

// The glyphs come from the face at Scale() times the font's height; each is placed where the
// logical face puts it, so a caption keeps its logical extent and layouts do not move.
int TCanvas::DrawGlyphsScaled(int x, int y, std::string_view ansi) {
  TFontCache& cache = TFontCache::Instance();
  TFont scaled(Font);
  scaled.SetHeight(int(std::clamp<std::int64_t>(std::int64_t(Font.Height()) * FScale, -32767, 32767)));
  TFontFace& device = cache.Face(scaled, true);
  TFontFace& face = cache.Face(Font);  // both live as long as the cache
  const TColor rgb = ColorToRGB(Font.Color());
  const std::uint32_t ink = ColorToPixel(rgb);
  const std::int64_t baseline = (std::int64_t(y) + FOrigin.Y + face.Metrics().Ascent) * FScale;
  std::int64_t pen = std::int64_t(x) + FOrigin.X;
  const TRect bounds = DeviceClipBounds();
  for (char c : ansi) {
    const auto code = static_cast<unsigned char>(c);
    const TGlyph& g = device.Glyph(code);
    if (rgb != clNone) BlendGlyph(g, pen * FScale + g.Left, baseline - g.Top, ink, bounds);
    pen += face.Advance(code);
  }
  return int(std::clamp<std::int64_t>(pen - (std::int64_t(x) + FOrigin.X), 0, INT32_MAX));
}

void TCanvas::DrawStyleLines(int x, int y, int width) {
  const TFontStyles style = Font.Style();
  if ((!style.Contains(fsUnderline) && !style.Contains(fsStrikeOut)) || width <= 0) return;
  const TFontMetrics m = Metrics();
  const TColor rgb = ColorToRGB(Font.Color());
  const int thickness = std::max(1, (m.Height - m.InternalLeading) / 14);
  const std::int64_t left = std::int64_t(x) + FOrigin.X, right = left + width;
  auto band = [&](std::int64_t row) {
    const std::int64_t top = row + FOrigin.Y;
    FillDevice(ViewToDevice(left, top, right, top + thickness), rgb);
  };
  // The underline sits one pixel below the baseline, like the prefix underline of DrawText.
  if (style.Contains(fsUnderline)) band(std::int64_t(y) + m.Ascent + 1);
  if (style.Contains(fsStrikeOut)) band(std::int64_t(y) + m.Ascent - (m.Ascent - m.InternalLeading) / 3 - 1);
}

void TCanvas::TextOut(int x, int y, std::string_view ansi) {
  const TSize size = TextExtent(ansi);
  const std::int64_t right = std::int64_t(x) + size.Width;
  const TRect cell{x, y, int(std::min<std::int64_t>(right, INT32_MAX)),
                   int(std::min<std::int64_t>(std::int64_t(y) + size.Height, INT32_MAX))};
  FillRect(cell);
  DrawGlyphs(x, y, ansi);
  DrawStyleLines(x, y, size.Width);
  MoveTo(cell.Right, y);
}

}  // namespace gui
