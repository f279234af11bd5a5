#include "widgets/border.h"

#include "gui/controls/win_control.h"

namespace widgets {

TUiBorder::TUiBorder(gui::TComponent* owner) : TGraphicControl(owner), TBorderProperties(fsGroove) {
  SetBounds(0, 0, 50, 50);
}

TRect TUiBorder::FrameClientRect() const {
  const TRect r = InsideFrame(TRect{0, 0, Width(), Height()}.Inflate(-BorderWidth(), -BorderWidth()), false);
  return r.Right < r.Left || r.Bottom < r.Top ? TRect{} : r;
}

void TUiBorder::Paint(TCanvas& canvas) { PaintTo(canvas); }

void TUiBorder::PaintTo(TCanvas& canvas) {
  TBorderStackStyle style = StackStyle();
  style.ControlColor = Color();
  style.ParentColor = Parent() ? Parent()->Color() : Color();
  style.Transparent = true;
  PaintBorderStack(canvas, {0, 0, Width(), Height()}, style);
}

void TUiBorder::BorderChanged(TBorderProperty property) {
  // The flat colours only matter to the flat styles and may wait for the next paint pass.
  if (property == bpFlatColor || property == bpFlatColorAdjustment)
    Invalidate();
  else
    Repaint();
}

}  // namespace widgets
