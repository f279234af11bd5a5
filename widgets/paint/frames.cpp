#include "widgets/paint/frames.h"

#include "widgets/paint/color_ops.h"

namespace widgets {

namespace {

TColor Shade(TColor base, std::int8_t shift) { return ShiftColorLuminance(base, shift); }

TRect Inset(const TRect& r, TSides sides, int n) {
  return {r.Left + (sides.Contains(sdLeft) ? n : 0), r.Top + (sides.Contains(sdTop) ? n : 0),
          r.Right - (sides.Contains(sdRight) ? n : 0), r.Bottom - (sides.Contains(sdBottom) ? n : 0)};
}

void Line(TCanvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

// Two-pixel etched line: a shadow line with a highlight line one pixel further in (or the
// reverse for a bump). Where a chosen side meets an unchosen one, the corner pixels are set so
// the two lines end square instead of leaving a diagonal notch. A rectangle too small for two
// lines gets none: its corner pixels would land outside it.
TRect PaintEtched(TCanvas& canvas, const TRect& r, TColor u, TColor w, TSides sides) {
  if (r.Width() >= 2 && r.Height() >= 2) {
    const bool l = sides.Contains(sdLeft), t = sides.Contains(sdTop);
    const bool rt = sides.Contains(sdRight), b = sides.Contains(sdBottom);
    if (rt) canvas.SetPixel(r.Right - 1, r.Top, w);
    if (t && !rt) canvas.SetPixel(r.Right - 1, r.Top, u);
    if (b) canvas.SetPixel(r.Left, r.Bottom - 1, w);
    if (l && !b) canvas.SetPixel(r.Left, r.Bottom - 1, u);
    if (t && !l) canvas.SetPixel(r.Left, r.Top + 1, w);
    if (l && !t) canvas.SetPixel(r.Left + 1, r.Top, w);
    if (b && !rt) canvas.SetPixel(r.Right - 1, r.Bottom - 2, u);
    if (rt && !b) canvas.SetPixel(r.Right - 2, r.Bottom - 1, u);
    StrokeSides(canvas, {r.Left + 1, r.Top + 1, r.Right, r.Bottom}, w, w, sides);
    StrokeSides(canvas, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, u, u, sides);
  }
  return Inset(r, sides, 2);
}

// Two nested one-pixel passes in shades of the base colour.
TRect PaintShadedPasses(TCanvas& canvas, const TRect& rect, TColor base, const TShadedPass (&passes)[2],
                        TSides sides) {
  const TShadedPass& outer = passes[0];
  const TShadedPass& inner = passes[1];
  const TRect r = StrokeBevel(canvas, rect, Shade(base, outer.UpperLeft), Shade(base, outer.LowerRight), 1, sides);
  return StrokeBevel(canvas, r, Shade(base, inner.UpperLeft), Shade(base, inner.LowerRight), 1, sides);
}

}  // namespace

TRect StrokeSides(TCanvas& canvas, const TRect& rect, TColor upperLeft, TColor lowerRight, TSides sides) {
  const TRect& r = rect;
  if (!r.IsEmpty()) {
    if (upperLeft != clNone) {
      canvas.Pen.Color = upperLeft;
      if (sides.Contains(sdLeft)) Line(canvas, r.Left, r.Top, r.Left, r.Bottom);
      if (sides.Contains(sdTop)) Line(canvas, r.Left, r.Top, r.Right, r.Top);
    }
    if (lowerRight != clNone) {
      canvas.Pen.Color = lowerRight;
      if (sides.Contains(sdRight)) Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
      if (sides.Contains(sdBottom)) Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
  }
  return Inset(r, sides, 1);
}

TRect StrokeBevel(TCanvas& canvas, const TRect& rect, TColor upperLeft, TColor lowerRight, int count,
                  TSides sides) {
  canvas.Pen.Width = 1;
  TRect r = rect;
  for (int i = 0; i < count; ++i) r = StrokeSides(canvas, r, upperLeft, lowerRight, sides);
  return r;
}

TRect PaintFrameStyle(TCanvas& canvas, const TRect& rect, TFrameStyleEx style, TSides sides) {
  if (style >= FrameStyleExCount) return rect;
  const TFrameStyleRow& row = FrameStyleRows[style];
  const TFramePass& outer = row.System[0];
  const TFramePass& inner = row.System[1];
  switch (row.Shape) {
    case fkOnePass: return StrokeSides(canvas, rect, outer.UpperLeft, outer.LowerRight, sides);
    case fkDouble:
      return StrokeBevel(canvas, StrokeBevel(canvas, rect, outer.UpperLeft, outer.LowerRight, 1, sides),
                         inner.UpperLeft, inner.LowerRight, 1, sides);
    case fkEtched: return PaintEtched(canvas, rect, outer.UpperLeft, outer.LowerRight, sides);
    case fkNothing:
    case fkRounded: break;
  }
  return rect;
}

TRect PaintColorFrameStyle(TCanvas& canvas, const TRect& rect, TColor base, TFrameStyleEx style, TSides sides) {
  if (style >= FrameStyleExCount) return rect;
  const TFrameStyleRow& row = FrameStyleRows[style];
  const TShadedPass& outer = row.Shaded[0];
  switch (row.Shape) {
    case fkOnePass:
      return StrokeSides(canvas, rect, Shade(base, outer.UpperLeft), Shade(base, outer.LowerRight), sides);
    case fkDouble: return PaintShadedPasses(canvas, rect, base, row.Shaded, sides);
    case fkEtched:
      return PaintEtched(canvas, rect, Shade(base, outer.UpperLeft), Shade(base, outer.LowerRight), sides);
    case fkNothing:
    case fkRounded: break;
  }
  return rect;
}

TRect PaintColorButtonEdge(TCanvas& canvas, const TRect& rect, TColor base, bool down, TSides sides) {
  return PaintShadedPasses(canvas, rect, base, FrameStyleRows[down ? fsButtonDown : fsButtonUp].Shaded, sides);
}

TRect StrokeBox(TCanvas& canvas, const TRect& rect, TColor color) {
  return StrokeSides(canvas, rect, color, color, AllSides);
}

void FillSolid(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush.Style = gui::bsSolid;
  canvas.Brush.Color = color;
  canvas.FillRect(rect);
}

TRect StrokeDottedBox(TCanvas& canvas, const TRect& rect) {
  if (canvas.Scale() > 1) {
    // Dots of one device pixel, in as many rings as a logical line is wide.
    const TCanvas::TDevicePixels device(canvas);
    const std::int64_t s = device.Scale();
    const TRect d{gui::ClampCoord(rect.Left * s), gui::ClampCoord(rect.Top * s), gui::ClampCoord(rect.Right * s),
                  gui::ClampCoord(rect.Bottom * s)};
    for (int k = 0; k < s; ++k) StrokeDottedBox(canvas, Inset(d, AllSides, k));
    return Inset(rect, AllSides, 1);
  }
  const TRect& r = rect;
  for (int y = r.Top + 1; y < r.Bottom; y += 2) {
    canvas.SetPixel(r.Left, y, clBlack);
    canvas.SetPixel(r.Right - 1, y, clBlack);
  }
  for (int x = r.Left + 1; x < r.Right; x += 2) {
    canvas.SetPixel(x, r.Top, clBlack);
    canvas.SetPixel(x, r.Bottom - 1, clBlack);
  }
  return Inset(r, AllSides, 1);
}

TRect StrokeRoundedBox(TCanvas& canvas, const TRect& rect, TColor color, TSides sides) {
  const TRect& r = rect;
  const bool l = sides.Contains(sdLeft), t = sides.Contains(sdTop);
  const bool rt = sides.Contains(sdRight), b = sides.Contains(sdBottom);
  const TRect inner{l ? r.Left + 2 : r.Left, t ? r.Top + 2 : r.Top, rt ? r.Right - 2 : r.Right,
                    b ? r.Bottom - 2 : r.Bottom};
  if (r.IsEmpty() || color == clNone) return inner;
  canvas.Pen.Color = color;
  if (l) Line(canvas, r.Left, inner.Top, r.Left, inner.Bottom);
  if (t) Line(canvas, inner.Left, r.Top, inner.Right, r.Top);
  if (rt) Line(canvas, r.Right - 1, inner.Top, r.Right - 1, inner.Bottom);
  if (b) Line(canvas, inner.Left, r.Bottom - 1, inner.Right, r.Bottom - 1);
  if (l && t) canvas.SetPixel(r.Left + 1, r.Top + 1, color);
  if (t && rt) canvas.SetPixel(r.Right - 2, r.Top + 1, color);
  if (rt && b) canvas.SetPixel(r.Right - 2, r.Bottom - 2, color);
  if (l && b) canvas.SetPixel(r.Left + 1, r.Bottom - 2, color);
  return inner;
}

}  // namespace widgets
