#include "widgets/paint/borders.h"

#include "widgets/paint/color_ops.h"
#include "widgets/paint/frames.h"

namespace widgets {

namespace {

// The rounded outline sits on the outermost ring. Whatever its cut corners uncover shows the
// parent (outer) or the border band (inner), painted first as square rings underneath.
TRect PaintRoundedLayer(TCanvas& canvas, const TRect& r, const TBorderStackStyle& s, TColor flat, bool outer) {
  const TSides sides = s.Sides;
  const bool banded = s.BorderWidth > 0 || s.InnerStyle != fsNone;
  if (outer) {
    if (!s.Transparent) {
      const TRect next = StrokeBevel(canvas, r, s.ParentColor, s.ParentColor, 1, sides);
      const TColor ring = banded ? s.BorderColor : s.ControlColor;
      StrokeBevel(canvas, next, ring, ring, 1, sides);
    } else if (banded) {
      StrokeBevel(canvas, r.Inflate(-1, -1), s.BorderColor, s.BorderColor, 1, sides);
    }
  } else {
    const TRect next = StrokeBevel(canvas, r, s.BorderColor, s.BorderColor, 1, sides);
    if (!s.Transparent) StrokeBevel(canvas, next, s.ControlColor, s.ControlColor, 1, sides);
  }
  return StrokeRoundedBox(canvas, r, flat, sides);
}

// The layer kinds both ends of the stack share; the outer and inner differences are the
// rounded style's underlay and the inner flat style's cut corners.
TRect PaintLayer(TCanvas& canvas, const TRect& r, TFrameStyleEx style, const TBorderStackStyle& s, TColor flat,
                 bool outer) {
  switch (style) {
    case fsFlat:
      if (!outer && s.CutCorners) {
        canvas.Pen.Width = 1;
        canvas.Pen.Color = flat;
        if (!r.IsEmpty()) {
          canvas.MoveTo(r.Left, r.Top + 1);
          canvas.LineTo(r.Left, r.Bottom - 1);
          canvas.MoveTo(r.Left + 1, r.Top);
          canvas.LineTo(r.Right - 1, r.Top);
          canvas.MoveTo(r.Right - 1, r.Top + 1);
          canvas.LineTo(r.Right - 1, r.Bottom - 1);
          canvas.MoveTo(r.Left + 1, r.Bottom - 1);
          canvas.LineTo(r.Right - 1, r.Bottom - 1);
        }
        return r.Inflate(-1, -1);
      }
      return StrokeBevel(canvas, r, flat, flat, 1, s.Sides);
    case fsFlatBold: return StrokeBevel(canvas, r, flat, flat, FrameStyleWidth(fsFlatBold), s.Sides);
    case fsFlatRounded: return PaintRoundedLayer(canvas, r, s, flat, outer);
    // The bevels take the stack's own highlight and shadow, one line per bevel width.
    case fsStatus:
      return StrokeBevel(canvas, r, s.ShadowColor, s.HighlightColor, FrameStyleWidth(fsStatus, s.BevelWidth),
                         s.Sides);
    case fsPopup:
      return StrokeBevel(canvas, r, s.HighlightColor, s.ShadowColor, FrameStyleWidth(fsPopup, s.BevelWidth),
                         s.Sides);
    default: return PaintFrameStyle(canvas, r, style, s.Sides);
  }
}

}  // namespace

TRect PaintBorderStack(TCanvas& canvas, const TRect& rect, const TBorderStackStyle& style) {
  const TColor flat = ShiftColorLuminance(style.FlatColor, style.FlatColorAdjustment);
  TRect r = PaintLayer(canvas, rect, style.OuterStyle, style, flat, true);
  if (style.BorderWidth > 0)
    r = StrokeBevel(canvas, r, style.BorderColor, style.BorderColor, style.BorderWidth, style.Sides);
  return PaintLayer(canvas, r, style.InnerStyle, style, flat, false);
}

void PaintFieldFrame(TCanvas& canvas, int width, int height, bool keepBand, TSides sides, TColor frameColor,
                     TColor fieldColor, TFrameStyle style) {
  const TRect r{0, 0, width, height};
  if (!keepBand) StrokeBevel(canvas, r, fieldColor, fieldColor, 2, AllSides);
  switch (style) {
    case fsFlat: StrokeSides(canvas, r, frameColor, frameColor, sides); break;
    case fsFlatBold: StrokeBevel(canvas, r, frameColor, frameColor, 2, sides); break;
    default:
      // Only the exact window colour means "a plain field"; a resolved white is a chosen colour.
      if (fieldColor == clWindow)
        PaintFrameStyle(canvas, r, style, sides);
      else
        PaintColorFrameStyle(canvas, r, fieldColor, style, sides);
      break;
  }
}

}  // namespace widgets
