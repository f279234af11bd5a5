// Painting of the widget set's panel: border stack, inside, grid, caption, then OnPaint.

#include "gui/graphics/text.h"
#include "widgets/color_ops.h"
#include "widgets/custom_panel.h"
#include "widgets/frames.h"
#include "widgets/gradients.h"

namespace widgets {

TBorderStackStyle TUiCustomPanel::PaintStyle() const {
  TBorderStackStyle style = StackStyle();
  style.ControlColor = Color();
  style.ParentColor = Parent() ? Parent()->Color() : Color();
  style.Transparent = FTransparent;
  // The gradient look takes its flat lines from the scheme, unless its colours are the panel's own.
  if (FVisualStyle == vsGradient && FGradientColorStyle != gcsCustom) {
    style.FlatColor = OfficeSchemeColors(FGradientColorStyle).Frame;
    style.FlatColorAdjustment = 0;
  }
  return style;
}

void TUiCustomPanel::Paint(TCanvas& canvas) {
  const TBorderStackStyle style = PaintStyle();
  const TRect interior = PaintBorderStack(canvas, {0, 0, Width(), Height()}, style);
  if (!FTransparent && FPaintClientArea)
    PaintInterior(canvas, interior, ShiftColorLuminance(style.FlatColor, style.FlatColorAdjustment));
  if (FShowGrid) PaintGrid(canvas, interior);
  PaintCaption(canvas, interior);
  gui::FireEvent(OnPaint, this, canvas);
}

void TUiCustomPanel::EraseBackground(TCanvas& canvas) {
  if (FTransparent)
    PaintParentBackground(*this, canvas, btPaintPass, true);
  else
    TPanel::EraseBackground(canvas);
}

void TUiCustomPanel::PaintInterior(TCanvas& canvas, const TRect& interior, TColor flat) {
  const TSides sides = BorderSides();
  // A rounded outline leaves its sides' pixels between the cut corners to the fill.
  const bool rounded = (BorderOuter() == fsFlatRounded && BorderInner() == fsNone && BorderWidth() == 0) ||
                       BorderInner() == fsFlatRounded;
  const TRect fill = rounded ? InsetSides(interior, sides, -1) : interior;
  if (FVisualStyle == vsGradient) {
    TColor start = FGradientColorStart, stop = FGradientColorStop;
    if (FGradientColorStyle != gcsCustom) {
      const TOfficeColors scheme = OfficeSchemeColors(FGradientColorStyle);
      start = scheme.GradientStart;
      stop = scheme.GradientStop;
    }
    PaintGradientRect(canvas, fill, FGradientDirection, start, stop);
  } else {
    FillSolid(canvas, fill, Color());
  }
  if (!rounded) return;
  const bool l = sides.Contains(sdLeft), t = sides.Contains(sdTop), r = sides.Contains(sdRight),
             b = sides.Contains(sdBottom);
  if (l && t) canvas.SetPixel(fill.Left, fill.Top, flat);
  if (t && r) canvas.SetPixel(fill.Right - 1, fill.Top, flat);
  if (r && b) canvas.SetPixel(fill.Right - 1, fill.Bottom - 1, flat);
  if (b && l) canvas.SetPixel(fill.Left, fill.Bottom - 1, flat);
}

void TUiCustomPanel::PaintGrid(TCanvas& canvas, const TRect& interior) {
  const int dx = FGridXSize, dy = FGridYSize;
  const int columns = dx == 0 ? 0 : interior.Width() / dx;
  const int rows = dy == 0 ? 0 : interior.Height() / dy;
  // Dotted lines set every second pixel, starting with the second one of each line.
  const int step = FGridStyle == gsDottedLines ? 2 : 1;
  const int first = FGridStyle == gsDottedLines ? 1 : 0;
  if (FGridStyle == gsDots) {
    for (int i = 1; i <= columns; ++i)
      for (int j = 1; j <= rows; ++j)
        canvas.SetPixel(interior.Left + i * dx - 1, interior.Top + j * dy - 1, FGridColor);
    return;
  }
  for (int i = 1; i <= columns; ++i)
    for (int y = interior.Top + first; y < interior.Bottom; y += step)
      canvas.SetPixel(interior.Left + i * dx - 1, y, FGridColor);
  for (int j = 1; j <= rows; ++j)
    for (int x = interior.Left + first; x < interior.Right; x += step)
      canvas.SetPixel(x, interior.Top + j * dy - 1, FGridColor);
}

void TUiCustomPanel::PaintCaption(TCanvas& canvas, const TRect& interior) {
  if (Caption().empty()) return;
  static constexpr unsigned Align[] = {gui::DT_LEFT, gui::DT_RIGHT, gui::DT_CENTER};
  const unsigned flags = gui::DT_EXPANDTABS | (FWordWrap ? gui::DT_WORDBREAK : 0u) | Align[Alignment()];
  canvas.Brush.Style = gui::bsClear;
  canvas.Font.Assign(Font());
  if (!Enabled()) canvas.Font.SetColor(clGrayText);
  TRect r = interior.Inflate(-FTextMargin, -FTextMarginVertical);
  TRect block = r;
  const int height = gui::DrawText(canvas, Caption(), block, flags | gui::DT_CALCRECT);
  switch (FAlignmentVertical) {
    case avTop: r.Bottom = std::min(r.Bottom, r.Top + height); break;
    case avCenter:
      r.Top = (r.Top + r.Bottom - height) / 2;
      r.Bottom = std::min(r.Bottom, r.Top + height);
      break;
    case avBottom: r.Top = std::max(r.Top, r.Bottom - height - 1); break;
  }
  gui::DrawText(canvas, Caption(), r, flags);
}

}  // namespace widgets
