#include "widgets/separator.h"

#include "gui/controls/set_field.h"
#include "gui/graphics/bitmap.h"
#include "widgets/paint/color_ops.h"
#include "widgets/paint/frames.h"
#include "widgets/paint/gradients.h"

namespace widgets {

TSeparatorGradient SeparatorGradient(TOrientation orientation, TUiHighlightLocation location, TColor highlight,
                                     TColor color) {
  // A horizontal bar changes colour across its columns, an upright one down its rows.
  const bool horizontal = orientation == orHorizontal;
  switch (location) {
    case hlUpperLeft: return {horizontal ? gdVerticalEnd : gdHorizontalEnd, highlight, color};
    case hlLowerRight: return {horizontal ? gdVerticalEnd : gdHorizontalEnd, color, highlight};
    case hlCenter: break;
  }
  return {horizontal ? gdVerticalCenter : gdHorizontalCenter, color, highlight};
}

TUiSeparator::TUiSeparator(gui::TComponent* owner) : TGraphicControl(owner) {
  SetColor(clWindow);
  SetParentColor(true);
  SetBounds(0, 0, 200, 2);
  Rederive();
}

void TUiSeparator::Rederive() {
  FGradient = SeparatorGradient(FOrientation, FHighlightLocation, FHighlightColor, Color());
}

void TUiSeparator::SetHighlightColor(TColor value) {
  if (value == FHighlightColor) return;
  FHighlightColor = value;
  Rederive();
  Invalidate();
}

void TUiSeparator::SetHighlightLocation(TUiHighlightLocation value) {
  if (value == FHighlightLocation) return;
  FHighlightLocation = value;
  Rederive();
  Invalidate();
}

void TUiSeparator::SetOrientation(TOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  if (Loading()) return;
  SetBounds(Left(), Top(), Height(), Width());
  Rederive();
  Invalidate();
}

void TUiSeparator::SetShowGradient(bool value) {
  if (gui::SetField(FShowGradient, value)) Invalidate();
}

void TUiSeparator::ColorChanged() {
  Rederive();
  TGraphicControl::ColorChanged();
}

void TUiSeparator::Loaded() {
  TGraphicControl::Loaded();
  Rederive();
}

void TUiSeparator::Paint(TCanvas& canvas) { PaintTo(canvas); }

void TUiSeparator::PaintTo(TCanvas& canvas) {
  if (!FShowGradient) {
    FillSolid(canvas, ClientRect(), Color());
    return;
  }
  if (!HasFullColorDisplay()) {
    FillSolid(canvas, ClientRect(), FGradient.Stop);
    return;
  }
  if (Width() < 1 || Height() < 1)
    SetBounds(Left(), Top(), Width() < 1 ? 1 : Width(), Height() < 1 ? 1 : Height());
  // Rendered apart and copied in one piece, so the bar never shows half-painted colours.
  TBitmap bar;
  bar.SetLogicalSize(Width(), Height(), canvas.Scale());
  PaintGradientRect(bar.Canvas(), {0, 0, Width(), Height()}, FGradient.Direction, FGradient.Start, FGradient.Stop);
  canvas.Draw(0, 0, bar);
}

}  // namespace widgets
