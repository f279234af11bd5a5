#include "widgets/paint/marks.h"

#include "gui/graphics/canvas.h"
#include "widgets/paint/color_ops.h"
#include "widgets/paint/frames.h"
#include "widgets/paint/gradients.h"

namespace widgets {

namespace {

// Top pixel of each of the tick's seven columns, counted from the interior's top; each column
// is three pixels tall.
constexpr int TickTops[7] = {4, 5, 6, 5, 4, 3, 2};
constexpr int TickLeft = 2;
constexpr int TickHeight = 3;

TColor InteriorColor(TCheckDrawState draw, const TCheckGlyphStyle& s) {
  switch (draw) {
    case cdsPressed: return DarkenColor(s.FocusColor, 20);
    case cdsDisabled: return s.DisabledColor;
    default:
      if (!s.Focused) return s.ReadOnly ? s.ReadOnlyColor : s.FillColor;
      return s.ReadOnly && s.ReadOnlyColorOnFocus ? s.ReadOnlyColor : s.FocusColor;
  }
}

}  // namespace

void PaintHotRing(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start, TColor stop) {
  if (!HasFullColorDisplay()) return;
  // Restoring the saved clip, rather than dropping every clip, keeps whatever clip the caller
  // had set intact.
  const gui::TCanvasSaver saver(canvas);
  canvas.ExcludeClipRect(rect.Inflate(-2, -2));
  PaintGradientRect(canvas, rect, direction, start, stop);
}

void PaintCheckGlyph(TCanvas& canvas, const TRect& rect, TCheckGlyphState check, TCheckDrawState draw,
                     const TCheckGlyphStyle& style) {
  const bool hot = draw == cdsMouseOver;
  const TColor frame = hot && style.HotTrack == chtFrame ? style.HotFrameColor : style.FrameColor;
  const TRect inner = StrokeBox(canvas, rect, frame);
  const gui::TBrush savedBrush = canvas.Brush;
  FillSolid(canvas, inner, InteriorColor(draw, style));
  const TColor mark = draw == cdsDisabled ? clBtnShadow : style.MarkColor;

  if (check == cgsChecked) {
    canvas.Brush.Style = gui::bsSolid;
    canvas.Brush.Color = mark;
    // Clipped to the interior, so a square smaller than the usual 13 pixels keeps its tick inside.
    for (int i = 0; i < 7; ++i) {
      const int x = inner.Left + TickLeft + i, y = inner.Top + TickTops[i];
      canvas.FillRect(gui::IntersectRect({x, y, x + 1, y + TickHeight}, inner));
    }
  } else if (check == cgsGrayed) {
    FillSolid(canvas, inner.Inflate(-2, -2), mark);
  }
  canvas.Brush = savedBrush;

  if (hot) {
    if (style.HotTrack == chtInterior)
      PaintHotRing(canvas, inner, gdDiagonalDown, style.HotHighlightColor, style.HotFrameColor);
    else
      StrokeBox(canvas, inner, style.HotFrameColor);
  }
}

}  // namespace widgets
