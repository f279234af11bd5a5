#include "widgets/frames.h"

#include "widgets/color_ops.h"

namespace widgets {

const std::array<TColor, FrameStyleExCount> FrameUpperLeftColors = {
    clNone,          // fsNone
    cl3DDkShadow,    // fsFlat
    clBtnShadow,     // fsGroove
    clBtnHighlight,  // fsBump
    clNone,          // fsLowered: two passes of its own
    clNone,          // fsButtonDown
    clNone,          // fsRaised
    clNone,          // fsButtonUp
    clBtnShadow,     // fsStatus
    clBtnHighlight,  // fsPopup
    clBtnShadow,     // fsFlatBold
    clNone,          // fsFlatRounded
};

const std::array<TColor, FrameStyleExCount> FrameLowerRightColors = {
    clNone,          // fsNone
    cl3DDkShadow,    // fsFlat
    clBtnHighlight,  // fsGroove
    clBtnShadow,     // fsBump
    clNone,          // fsLowered
    clNone,          // fsButtonDown
    clNone,          // fsRaised
    clNone,          // fsButtonUp
    clBtnHighlight,  // fsStatus
    clBtnShadow,     // fsPopup
    clBtnShadow,     // fsFlatBold
    clNone,          // fsFlatRounded
};

// fsFlatRounded is 0 because PaintFrameStyle does not draw it; its outline insets by 2 itself.
const std::array<int, FrameStyleExCount> FrameStyleWidths = {0, 1, 2, 2, 2, 2, 2, 2, 1, 1, 2, 0};

namespace {

enum TFrameShape : std::uint8_t { fkNothing, fkOnePass, fkTwoPasses, fkEtched, fkButtonEdge };

struct TPass {
  TColor UpperLeft = clNone;
  TColor LowerRight = clNone;
};

struct TSystemFrame {
  TFrameShape Shape;
  TPass Outer;  // for the one-pass, bold and etched shapes these come from the colour tables
  TPass Inner;
};

constexpr TSystemFrame SystemFrames[FrameStyleExCount] = {
    {fkNothing, {}, {}},                                                      // fsNone
    {fkOnePass, {}, {}},                                                      // fsFlat
    {fkEtched, {}, {}},                                                       // fsGroove
    {fkEtched, {}, {}},                                                       // fsBump
    {fkTwoPasses, {clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}},  // fsLowered
    {fkTwoPasses, {clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}},        // fsButtonDown
    {fkTwoPasses, {cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}},  // fsRaised
    {fkTwoPasses, {clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}},  // fsButtonUp
    {fkOnePass, {}, {}},                                                      // fsStatus
    {fkOnePass, {}, {}},                                                      // fsPopup
    {fkTwoPasses, {}, {}},                                                    // fsFlatBold
    {fkNothing, {}, {}},                                                      // fsFlatRounded
};

// Shades of a base colour: darkened by 50 and 100, lightened by 50, 100 and 40.
enum TShade : std::uint8_t { shD50, shD100, shL50, shL100, shL40, ShadeCount };
constexpr int ShadeAmounts[ShadeCount] = {-50, -100, 50, 100, 40};

struct TShadeFrame {
  TFrameShape Shape;
  TShade OuterUpperLeft, OuterLowerRight, InnerUpperLeft, InnerLowerRight;
};

constexpr TShadeFrame ShadeFrames[FrameStyleExCount] = {
    {fkNothing, shD50, shD50, shD50, shD50},      // fsNone
    {fkOnePass, shD50, shD50, shD50, shD50},      // fsFlat
    {fkEtched, shD50, shL100, shD50, shD50},      // fsGroove: U, W
    {fkEtched, shL100, shD50, shD50, shD50},      // fsBump
    {fkTwoPasses, shD50, shL100, shD100, shL50},  // fsLowered
    {fkButtonEdge, shD50, shD50, shD50, shD50},   // fsButtonDown
    {fkTwoPasses, shL50, shD100, shL100, shD50},  // fsRaised
    {fkButtonEdge, shD50, shD50, shD50, shD50},   // fsButtonUp
    {fkOnePass, shD50, shL100, shD50, shD50},     // fsStatus
    {fkOnePass, shL100, shD50, shD50, shD50},     // fsPopup
    {fkTwoPasses, shD50, shD50, shD50, shD50},    // fsFlatBold
    {fkNothing, shD50, shD50, shD50, shD50},      // fsFlatRounded
};

TColor Shade(TColor base, TShade shade) { return ShiftColorLuminance(base, ShadeAmounts[shade]); }

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
  const TSystemFrame& frame = SystemFrames[style];
  const TColor ul = FrameUpperLeftColors[style];
  const TColor lr = FrameLowerRightColors[style];
  switch (frame.Shape) {
    case fkOnePass: return StrokeSides(canvas, rect, ul, lr, sides);
    case fkTwoPasses:
      if (frame.Outer.UpperLeft == clNone) return StrokeBevel(canvas, rect, ul, lr, 2, sides);
      return StrokeBevel(canvas,
                         StrokeBevel(canvas, rect, frame.Outer.UpperLeft, frame.Outer.LowerRight, 1, sides),
                         frame.Inner.UpperLeft, frame.Inner.LowerRight, 1, sides);
    case fkEtched: return PaintEtched(canvas, rect, ul, lr, sides);
    case fkNothing:
    case fkButtonEdge: break;
  }
  return rect;
}

TRect PaintColorFrameStyle(TCanvas& canvas, const TRect& rect, TColor base, TFrameStyleEx style, TSides sides) {
  if (style >= FrameStyleExCount) return rect;
  const TShadeFrame& f = ShadeFrames[style];
  switch (f.Shape) {
    case fkOnePass:
      return StrokeSides(canvas, rect, Shade(base, f.OuterUpperLeft), Shade(base, f.OuterLowerRight), sides);
    case fkTwoPasses: {
      const TRect r =
          StrokeBevel(canvas, rect, Shade(base, f.OuterUpperLeft), Shade(base, f.OuterLowerRight), 1, sides);
      return StrokeBevel(canvas, r, Shade(base, f.InnerUpperLeft), Shade(base, f.InnerLowerRight), 1, sides);
    }
    case fkEtched:
      return PaintEtched(canvas, rect, Shade(base, f.OuterUpperLeft), Shade(base, f.OuterLowerRight), sides);
    case fkButtonEdge: return PaintColorButtonEdge(canvas, rect, base, style == fsButtonDown, sides);
    case fkNothing: break;
  }
  return rect;
}

TRect PaintColorButtonEdge(TCanvas& canvas, const TRect& rect, TColor base, bool down, TSides sides) {
  const TColor d50 = Shade(base, shD50);
  const TColor d100 = Shade(base, shD100);
  if (down) {
    const TRect r = StrokeBevel(canvas, rect, d100, d100, 1, sides);
    return StrokeBevel(canvas, r, d50, d50, 1, sides);
  }
  const TRect r = StrokeBevel(canvas, rect, Shade(base, shL100), d100, 1, sides);
  return StrokeBevel(canvas, r, Shade(base, shL40), d50, 1, sides);
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
