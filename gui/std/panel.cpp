#include "gui/std/panel.h"

#include <algorithm>

#include "gui/graphics/text.h"
#include "gui/std/bevel.h"

namespace gui {

namespace {
TBevelRing RingOf(TBevelCut cut) {
  return cut == bvLowered ? TBevelRing{clBtnShadow, clBtnHighlight} : TBevelRing{clBtnHighlight, clBtnShadow};
}
}  // namespace

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (value == FBevelOuter) return;
  FBevelOuter = value;
  FrameChanged();
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (value == FBevelInner) return;
  FBevelInner = value;
  FrameChanged();
}

void TPanel::SetBevelWidth(int value) {
  value = std::max(1, value);
  if (value == FBevelWidth) return;
  FBevelWidth = value;
  FrameChanged();
}

void TPanel::SetBorderWidth(int value) {
  value = std::max(0, value);
  if (value == FBorderWidth) return;
  FBorderWidth = value;
  FrameChanged();
}

void TPanel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TPanel::FrameChanged() {
  Invalidate();
  Realign();
}

int TPanel::FrameWidth() const {
  return (FBevelOuter != bvNone ? FBevelWidth : 0) + FBorderWidth + (FBevelInner != bvNone ? FBevelWidth : 0);
}

void TPanel::AdjustClientRect(TRect& rect) const {
  TCustomControl::AdjustClientRect(rect);
  const int f = FrameWidth();
  rect = rect.Inflate(-f, -f);
  if (rect.Right < rect.Left) rect.Right = rect.Left;
  if (rect.Bottom < rect.Top) rect.Bottom = rect.Top;
}

void TPanel::Paint(TCanvas& canvas) {
  TRect r = ClientRect();
  if (FBevelOuter != bvNone) {
    const TBevelRing ring = RingOf(FBevelOuter);
    Frame3D(canvas, r, ring.TopLeft, ring.BottomRight, FBevelWidth);
  }
  // The border between the rings is part of the panel's face.
  r = r.Inflate(-FBorderWidth, -FBorderWidth);
  if (FBevelInner != bvNone) {
    const TBevelRing ring = RingOf(FBevelInner);
    Frame3D(canvas, r, ring.TopLeft, ring.BottomRight, FBevelWidth);
  }
  canvas.Brush.Color = Color();
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(r);
  if (Caption().empty()) return;
  static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  canvas.Brush.Style = bsClear;
  TRect text = r;
  DrawText(canvas, Caption(), text, DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | Align[FAlignment]);
}

void TPanel::TextChanged() { Invalidate(); }

}  // namespace gui
