#include "widgets/paint/gradients.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "gui/graphics/canvas.h"
#include "widgets/paint/frames.h"

namespace widgets {

namespace {

using i64 = std::int64_t;

int Channel(TColor c, int i) { return static_cast<int>((c >> (8 * i)) & 0xFF); }

// The whole gradient in logical coordinates (64-bit, so a far-flung rectangle cannot overflow),
// and the part of it the clip lets through; only that part is ever rendered.
struct TGradientArea {
  i64 X, Y, W, H;
  TRect Visible;
  TColor Start, Stop;  // resolved
};

// Device pixels of the lines 1..n of a ramp, from a table when the run is of a sensible length
// (every widget's is) and computed one by one for absurdly long runs.
class TRampPixels {
 public:
  TRampPixels(TColor from, TColor to, i64 n) : FRamp(from, to, n) {
    if (n > MaxTable) return;
    FTable.resize(static_cast<std::size_t>(n));
    for (i64 i = 0; i < n; ++i) FTable[static_cast<std::size_t>(i)] = gui::ColorToPixel(FRamp.At(i + 1));
  }
  std::uint32_t Line(i64 line) const {
    return FTable.empty() ? gui::ColorToPixel(FRamp.At(line)) : FTable[static_cast<std::size_t>(line - 1)];
  }

 private:
  static constexpr i64 MaxTable = 1 << 16;
  TColorRamp FRamp;
  std::vector<std::uint32_t> FTable;
};

// Colours of the n lines of a one-dimensional gradient, end to end or out to the middle line
// (index n / 2, which gets the stop colour) and back to the start colour on the last line.
class TLineColors {
 public:
  TLineColors(const TGradientArea& a, i64 n, bool centred)
      : FCentred(centred),
        FMiddle(n / 2),
        FOut(a.Start, a.Stop, centred ? n / 2 + 1 : n),
        FBack(a.Stop, a.Start, n - 1 - n / 2) {}

  TColor At(i64 index) const {
    if (!FCentred || index <= FMiddle) return FOut.At(index + 1);
    return FBack.At(index - FMiddle);
  }

 private:
  bool FCentred;
  i64 FMiddle;
  TColorRamp FOut, FBack;
};

// Rows change colour: each run of equal rows is one fill across the visible width, straight
// onto the canvas.
void PaintRows(TCanvas& canvas, const TGradientArea& a, bool centred) {
  const TLineColors colors(a, a.H, centred);
  const TRect& v = a.Visible;
  canvas.Brush.Style = gui::bsSolid;
  for (int y = v.Top; y < v.Bottom;) {
    const TColor c = colors.At(y - a.Y);
    int end = y + 1;
    while (end < v.Bottom && colors.At(end - a.Y) == c) ++end;
    canvas.Brush.Color = c;
    canvas.FillRect({v.Left, y, v.Right, end});
    y = end;
  }
}

// Columns change colour: one row is rendered off-screen and replicated down the area by a
// single blit.
void PaintColumns(TCanvas& canvas, const TGradientArea& a, bool centred) {
  const TLineColors colors(a, a.W, centred);
  const TRect& v = a.Visible;
  TBitmap row(v.Width(), 1, clBlack);
  std::uint32_t* pixels = row.ScanLine(0);
  for (int x = 0; x < v.Width();) {
    const TColor c = colors.At(v.Left + x - a.X);
    int end = x + 1;
    while (end < v.Width() && colors.At(v.Left + end - a.X) == c) ++end;
    std::fill(pixels + x, pixels + end, gui::ColorToPixel(c));
    x = end;
  }
  canvas.CopyRect(v, row, row.BoundsRect());
}

// Bands run between two points that leave the start corner along its two edges and then go on
// along the other two, so every band is the strip between two lines x/w + y/h = const. Band k
// of the N steps takes ramp line k + 1: the start corner is one step on from the start colour,
// the far corner is exactly the stop colour.
void PaintDiagonal(TBitmap& bitmap, const TGradientArea& a, bool upwards) {
  const i64 steps = static_cast<i64>(std::sqrt(double(a.W) * double(a.W) + double(a.H) * double(a.H))) + 1;
  const TRampPixels ramp(a.Start, a.Stop, steps);
  const int axes = (a.W > 1 ? 1 : 0) + (a.H > 1 ? 1 : 0);
  const double ax = a.W > 1 ? 1.0 / double(a.W - 1) : 0.0;
  const double ay = a.H > 1 ? 1.0 / double(a.H - 1) : 0.0;
  const double scale = axes > 0 ? double(steps) / axes : 0.0;
  const TRect& v = a.Visible;
  for (int py = 0; py < v.Height(); ++py) {
    const i64 y = v.Top + py - a.Y;
    const double fromStart = double(upwards ? a.H - 1 - y : y) * ay;
    std::uint32_t* line = bitmap.ScanLine(py);
    for (int px = 0; px < v.Width(); ++px) {
      const double u = double(v.Left + px - a.X) * ax + fromStart;
      const i64 band = std::min(static_cast<i64>(u * scale), steps - 1);
      line[px] = ramp.Line(band + 1);
    }
  }
}

// Concentric rectangles: rectangle k is inset by k on each axis until that axis reaches its
// flat centre, and gets ramp line k + 1. The picture is symmetric about both centre lines, so
// a pixel's ring follows from its distance to the nearer edge on each axis.
void PaintBox(TBitmap& bitmap, const TGradientArea& a, i64 insetX, i64 insetY) {
  const i64 maxX = (a.W - 1) / 2 - insetX;
  const i64 maxY = (a.H - 1) / 2 - insetY;
  const i64 steps = std::max(maxX, maxY) + 1;
  const TRampPixels ramp(a.Start, a.Stop, steps);
  const TRect& v = a.Visible;
  std::vector<i64> ringX(static_cast<std::size_t>(v.Width()));
  for (int px = 0; px < v.Width(); ++px) {
    const i64 x = v.Left + px - a.X;
    const i64 dx = std::min(x, a.W - 1 - x);
    ringX[static_cast<std::size_t>(px)] = dx < maxX ? dx : steps - 1;
  }
  for (int py = 0; py < v.Height(); ++py) {
    const i64 y = v.Top + py - a.Y;
    const i64 dy = std::min(y, a.H - 1 - y);
    const i64 ringY = dy < maxY ? dy : steps - 1;
    std::uint32_t* line = bitmap.ScanLine(py);
    for (int px = 0; px < v.Width(); ++px)
      line[px] = ramp.Line(std::min(ringX[static_cast<std::size_t>(px)], ringY) + 1);
  }
}

}  // namespace

TColorRamp::TColorRamp(TColor from, TColor to, i64 n) {
  const i64 lines = std::max<i64>(n, 1);
  for (int i = 0; i < 3; ++i) {
    FOrigin[i] = i64(Channel(from, i)) << 16;
    const i64 span = i64(Channel(to, i) - Channel(from, i)) * 65536;
    // Rounded up, so that n steps land exactly on the target instead of a hair short of it
    // (a rising channel would otherwise end one below its target).
    FStep[i] = span >= 0 ? (span + lines - 1) / lines : span / lines;
  }
}

TColor TColorRamp::At(i64 line) const {
  TColor c = 0;
  for (int i = 0; i < 3; ++i) {
    const i64 value = (FOrigin[i] + FStep[i] * line) >> 16;
    c |= TColor(std::clamp<i64>(value, 0, 255)) << (8 * i);
  }
  return c;
}

void PaintGradientRect(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start,
                       TColor stop) {
  if (start == clNone || stop == clNone) return;
  if (canvas.Scale() > 1) {
    // Painted in device pixels: a gradient Scale() times as long has that many more steps.
    const TCanvas::TDevicePixels device(canvas);
    const i64 s = device.Scale();
    PaintGradientRect(canvas,
                      {gui::ClampCoord(rect.Left * s), gui::ClampCoord(rect.Top * s),
                       gui::ClampCoord(rect.Right * s), gui::ClampCoord(rect.Bottom * s)},
                      direction, start, stop);
    return;
  }
  const i64 x = std::min(rect.Left, rect.Right), y = std::min(rect.Top, rect.Bottom);
  const i64 w = std::abs(i64(rect.Right) - rect.Left), h = std::abs(i64(rect.Bottom) - rect.Top);
  if (w == 0 || h == 0) return;
  const TRect clip = canvas.ClipBounds();
  const TRect visible{int(std::max<i64>(x, clip.Left)), int(std::max<i64>(y, clip.Top)),
                      int(std::min<i64>(x + w, clip.Right)), int(std::min<i64>(y + h, clip.Bottom))};
  if (visible.IsEmpty()) return;
  const TGradientArea a{x, y, w, h, visible, ColorToRGB(start), ColorToRGB(stop)};

  const gui::TBrush savedBrush = canvas.Brush;
  switch (direction) {
    case gdHorizontalEnd:
    case gdHorizontalCenter: PaintRows(canvas, a, direction == gdHorizontalCenter); break;
    case gdVerticalEnd:
    case gdVerticalCenter: PaintColumns(canvas, a, direction == gdVerticalCenter); break;
    case gdDiagonalUp:
    case gdDiagonalDown:
      if (a.Start == a.Stop) {
        FillSolid(canvas, visible, a.Start);
      } else {
        TBitmap bitmap(visible.Width(), visible.Height(), a.Start);
        PaintDiagonal(bitmap, a, direction == gdDiagonalUp);
        canvas.Draw(visible.Left, visible.Top, bitmap);
      }
      break;
    case gdHorizontalBox:
    case gdVerticalBox:
    case gdSquareBox:
    case gdBigSquareBox:
      if (w < 5 || h < 5 || a.Start == a.Stop) {
        FillSolid(canvas, visible, a.Start);
      } else {
        const bool wide = direction == gdHorizontalBox || direction == gdBigSquareBox;
        const bool tall = direction == gdVerticalBox || direction == gdBigSquareBox;
        TBitmap bitmap(visible.Width(), visible.Height(), a.Start);
        PaintBox(bitmap, a, wide ? w / 4 : 0, tall ? h / 4 : 0);
        canvas.Draw(visible.Left, visible.Top, bitmap);
      }
      break;
  }
  canvas.Brush = savedBrush;
}

}  // namespace widgets
