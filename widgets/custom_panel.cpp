#include "widgets/custom_panel.h"

#include "gui/controls/form.h"
#include "gui/controls/rect_list.h"

namespace widgets {

TUiCustomPanel::TUiCustomPanel(gui::TComponent* owner) : TPanel(owner), TBorderProperties(fsRaised) {
  // Only the border stack is drawn; the plain panel's own bevels stay off.
  SetBevelOuter(gui::bvNone);
  SetBevelInner(gui::bvNone);
}

void TUiCustomPanel::SetVisualStyle(TUiVisualStyle value) { SetLook(FVisualStyle, value); }
void TUiCustomPanel::SetGradientColorStyle(TUiGradientColorStyle value) { SetLook(FGradientColorStyle, value); }
void TUiCustomPanel::SetPaintClientArea(bool value) { SetLook(FPaintClientArea, value); }
void TUiCustomPanel::SetShowGrid(bool value) { SetLook(FShowGrid, value); }
void TUiCustomPanel::SetGridStyle(TUiGridStyle value) { SetLook(FGridStyle, value); }
void TUiCustomPanel::SetGridColor(TColor value) { SetLook(FGridColor, value); }
void TUiCustomPanel::SetGridXSize(std::uint16_t value) { SetLook(FGridXSize, value); }
void TUiCustomPanel::SetGridYSize(std::uint16_t value) { SetLook(FGridYSize, value); }
void TUiCustomPanel::SetAlignmentVertical(TAlignmentVertical value) { SetLook(FAlignmentVertical, value); }
void TUiCustomPanel::SetWordWrap(bool value) { SetLook(FWordWrap, value); }
void TUiCustomPanel::SetTextMargin(int value) { SetLook(FTextMargin, value); }
void TUiCustomPanel::SetTextMarginVertical(int value) { SetLook(FTextMarginVertical, value); }
void TUiCustomPanel::SetFullRepaint(bool value) { SetLook(FFullRepaint, value); }

// The gradient is the background of see-through children too.
void TUiCustomPanel::SetGradientColorStart(TColor value) {
  if (value == FGradientColorStart) return;
  FGradientColorStart = value;
  Invalidate();
  InvalidateTransparentChildren(*this);
}

void TUiCustomPanel::SetGradientColorStop(TColor value) {
  if (value == FGradientColorStop) return;
  FGradientColorStop = value;
  Invalidate();
  InvalidateTransparentChildren(*this);
}

void TUiCustomPanel::SetGradientDirection(TGradientDirection value) {
  if (value == FGradientDirection) return;
  FGradientDirection = value;
  Invalidate();
  InvalidateTransparentChildren(*this);
}

void TUiCustomPanel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  gui::TControlStyle style = ControlStyle();
  if (value)
    style.Exclude(gui::csOpaque);
  else
    style.Include(gui::csOpaque);
  SetControlStyle(style);
  Invalidate();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TUiCustomPanel::BorderChanged(TBorderProperty property) {
  Invalidate();
  // The frame and the band decide where the children go.
  if (property == bpBorderOuter || property == bpBorderInner || property == bpBorderSides ||
      property == bpBorderWidth || property == bpBevelWidth)
    Realign();
}

TRect TUiCustomPanel::FrameClientRect() const { return InsideFrame({0, 0, Width(), Height()}, false); }

void TUiCustomPanel::AdjustClientRect(TRect& rect) const {
  const int band = BorderWidth();
  rect = FrameClientRect().Inflate(-band, -band);
  if (rect.Right < rect.Left) rect.Right = rect.Left;
  if (rect.Bottom < rect.Top) rect.Bottom = rect.Top;
}

void TUiCustomPanel::ThemeChanged() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* panel = dynamic_cast<TUiCustomPanel*>(Controls(i))) panel->ThemeChanged();
  Invalidate();
}

void TUiCustomPanel::EnabledChanged() {
  if (!Enabled()) {
    FDisabledChildren.clear();
    for (int i = 0; i < ControlCount(); ++i) {
      gui::TControl* child = Controls(i);
      if (!child->Enabled()) FDisabledChildren.emplace_back(child, child->Watch());
    }
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(false);
  } else {
    // A child that was disabled before the panel was keeps its state; every other child, also
    // one added since, comes back enabled.
    auto wasDisabled = [this](const gui::TControl* child) {
      for (const auto& [control, alive] : FDisabledChildren)
        if (control == child && alive) return true;
      return false;
    };
    for (int i = 0; i < ControlCount(); ++i)
      if (!wasDisabled(Controls(i))) Controls(i)->SetEnabled(true);
    FDisabledChildren.clear();
  }
  TPanel::EnabledChanged();
}

// Without FullRepaint a panel with no caption repaints only what a resize spoils: the parts of
// its parent and itself that it no longer or newly covers, and a strip along each far edge that
// moved (from one pixel inside the old and new inside area out to the panel's edge), instead of
// both whole rectangles. A panel that moved (a right- or bottom-aligned one keeps its far edge)
// repaints both whole.
void TUiCustomPanel::InvalidateBoundsChange(const TRect& oldBounds) {
  const TRect now = BoundsRect();
  const bool partial = !FFullRepaint && Caption().empty() && now.TopLeft() == oldBounds.TopLeft() &&
                       (now.Width() != oldBounds.Width() || now.Height() != oldBounds.Height()) && Showing();
  if (partial)
    InvalidateResizeStrips(oldBounds);
  else
    TPanel::InvalidateBoundsChange(oldBounds);
}

void TUiCustomPanel::InvalidateResizeStrips(const TRect& oldBounds) {
  gui::TForm* form = Form();
  if (!form || !Parent()) return;
  const TRect now = BoundsRect();
  const gui::TPoint origin = Parent()->ClientOriginInForm();
  const TRect parentArea = form->VisibleRectOf(Parent());
  auto mark = [&](const TRect& r) {
    form->InvalidateRect(IntersectRect(r.Offset(origin.X, origin.Y), parentArea));
  };
  std::vector<TRect> uncovered;
  gui::SubtractRect(oldBounds, now, uncovered);
  gui::SubtractRect(now, oldBounds, uncovered);
  for (const TRect& r : uncovered) mark(r);
  const TRect insets = FrameInsets(false);
  const int tallest = std::max(oldBounds.Height(), now.Height());
  const int widest = std::max(oldBounds.Width(), now.Width());
  if (oldBounds.Width() != now.Width()) {
    const int inner = std::min(oldBounds.Width(), now.Width()) - insets.Right;
    mark(gui::Bounds(now.Left + inner - 1, now.Top, widest - inner + 1, tallest));
  }
  if (oldBounds.Height() != now.Height()) {
    const int inner = std::min(oldBounds.Height(), now.Height()) - insets.Bottom;
    mark(gui::Bounds(now.Left, now.Top + inner - 1, widest, tallest - inner + 1));
  }
}

}  // namespace widgets
