#include "widgets/custom_button.h"

#include <array>

#include "gui/controls/form.h"
#include "gui/controls/scoped_change.h"
#include "gui/controls/set_field.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "widgets/paint/color_ops.h"
#include "widgets/parent_background.h"

namespace widgets {

gui::TAccStates TUiCustomButton::AccStates() const {
  gui::TAccStates states = gui::TPressControl::AccStates();
  if (Press().Shown()) states.Include(gui::asPressed);
  return states;
}

bool TUiCustomButton::AccPress() {
  if (!AccTakesInput() || !TakesPressKeys()) return false;
  PressClick();
  return true;
}

// The widget set's rules: any mouse button's release clicks inside, Space arms a click of its own
// during a mouse press, Alt+Space is left to the window, and a mouse press outlives the focus.
// The check box changes the key rules (glyph_button.cpp).
TUiCustomButton::TUiCustomButton(gui::TComponent* owner) : gui::TPressControl(owner, gui::TPressRules{}) {
  // Each press of a fast double click is a press of its own, and the click is raised here on
  // release, not by the control layer.
  SetControlStyle(ControlStyle()
                      .Include(gui::csCaptureMouse)
                      .Exclude(gui::csDoubleClicks)
                      .Exclude(gui::csClickEvents)
                      .Exclude(gui::csAcceptsControls));
  SetTabStop(true);
  SetBounds(Left(), Top(), 115, 17);
}

void TUiCustomButton::SetAlignmentVertical(TAlignmentVertical value) {
  if (gui::SetField(FAlignmentVertical, value)) Repaint();
}

void TUiCustomButton::SetHotTrack(bool value) {
  if (gui::SetField(FHotTrack, value)) HotTrackChanged();
}

void TUiCustomButton::HotTrackChanged() { Invalidate(); }

void TUiCustomButton::SetHotTrackColor(TColor value) {
  if (gui::SetField(FHotTrackColor, value)) Invalidate();
}

void TUiCustomButton::SetHotTrackColorType(TUiHotTrackColorType value) {
  if (gui::SetField(FHotTrackColorType, value)) Invalidate();
}

void TUiCustomButton::SetHighlightColor(TColor value) {
  if (gui::SetField(FHighlightColor, value)) Invalidate();
}

void TUiCustomButton::SetTextStyle(TTextStyle value) {
  if (gui::SetField(FTextStyle, value)) Invalidate();
}

void TUiCustomButton::SetThemeAware(bool value) {
  if (gui::SetField(FThemeAware, value)) Invalidate();
}

void TUiCustomButton::SetTransparent(bool value) {
  if (gui::SetField(FTransparent, value)) Invalidate();
}

void TUiCustomButton::StateChanged() { Invalidate(); }

void TUiCustomButton::PressChanged() {
  auto alive = Watch();
  StateChanged();
  if (alive) AccPressedChanged();
}

void TUiCustomButton::AccPressedChanged() {
  if (Press().Shown() == FAccPressed) return;
  FAccPressed = Press().Shown();
  AccNotify(gui::aeStateChanged);
}
void TUiCustomButton::FocusStateChanged() { Repaint(); }
TRect TUiCustomButton::HoverRect() const { return ClientRect(); }

void TUiCustomButton::PressClick() {
  StateChanged();
  auto alive = Watch();
  gui::TScopedChange inClick(FInClick, true, alive);
  Click();
}

void TUiCustomButton::EraseBackground(TCanvas& canvas) {
  if (FTransparent)
    PaintTransparentCorners(canvas);
  else
    gui::TPressControl::EraseBackground(canvas);
}

void TUiCustomButton::PaintTransparentCorners(TCanvas& canvas) {
  const int w = ClientWidth(), h = ClientHeight();
  auto parentInto = [&](const TRect& r) {
    gui::TCanvasSaver saver(canvas);
    canvas.IntersectClipRect(r);
    PaintParentBackground(*this, canvas, btPaintPass, true);
  };
  const bool enabled = Enabled();
  const std::array<TPoint, 3> enabledCorner{{{0, 0}, {1, 0}, {0, 1}}};
  const std::array<TPoint, 3> disabledCorner{{{1, 1}, {2, 1}, {1, 2}}};
  for (const TPoint p : enabled ? enabledCorner : disabledCorner) {
    for (const TPoint q :
         {p, TPoint{w - 1 - p.X, p.Y}, TPoint{p.X, h - 1 - p.Y}, TPoint{w - 1 - p.X, h - 1 - p.Y}})
      parentInto(gui::Bounds(q.X, q.Y, 1, 1));
  }
  if (!enabled) {
    parentInto({0, 0, w, 1});
    parentInto({0, h - 1, w, h});
    parentInto({0, 1, 1, h - 1});
    parentInto({w - 1, 1, w, h - 1});
  }
}

void TUiCustomButton::DrawCaptionText(TCanvas& canvas, TRect rect, unsigned flags) const {
  if (rect.IsEmpty() || Caption().empty()) return;
  canvas.Brush.Style = gui::bsClear;
  TRect measured = rect;
  const int h = gui::DrawText(canvas, Caption(), measured, flags | gui::DT_CALCRECT);
  switch (FAlignmentVertical) {
    case avTop: rect.Bottom = rect.Top + h; break;
    case avCenter:
      rect.Top = (rect.Top + rect.Bottom - h) / 2;
      rect.Bottom = rect.Top + h;
      break;
    case avBottom: rect.Top = rect.Bottom - h - 1; break;
  }
  if (!Enabled())
    canvas.Font.SetColor(ColorsNearlyEqual(Color(), gui::clGrayText) ? gui::cl3DDkShadow : gui::clGrayText);
  gui::DrawText(canvas, Caption(), rect, flags);
  canvas.Brush.Style = gui::bsSolid;
}

void TUiCustomButton::InvalidateHover() {
  if (!(FHotTrack || UsesThemes())) return;
  gui::TForm* form = Form();
  if (!form || !Showing()) return;
  const TPoint origin = ClientOriginInForm();
  form->InvalidateRect(gui::IntersectRect(HoverRect().Offset(origin.X, origin.Y), form->VisibleRectOf(this)));
}

void TUiCustomButton::MouseEnter() {
  FMouseInside = true;
  auto alive = Watch();
  gui::TPressControl::MouseEnter();
  if (alive) InvalidateHover();
}

void TUiCustomButton::MouseLeave() {
  FMouseInside = false;
  auto alive = Watch();
  gui::TPressControl::MouseLeave();
  if (alive) InvalidateHover();
}

// The press itself is TPressControl's; what the button adds, one row per event:
//   pointer enters / leaves        -> MouseInside set / cleared; hover part invalidated
//   focus gained                   -> repaint
//   focus lost                     -> arm and pressed look cleared; repaint
//   enabled changed                -> focus moved away when disabled; repaint
void TUiCustomButton::DoEnter() {
  FFocusInside = true;
  auto alive = Watch();
  gui::TPressControl::DoEnter();
  if (alive) FocusStateChanged();
}

void TUiCustomButton::DoExit() {
  auto alive = Watch();
  gui::TPressControl::DoExit();
  if (!alive || Destroying()) return;
  FFocusInside = false;
  // A Space held while the focus leaves must not click when the button gets the focus back.
  PressFocusLost();
  FocusStateChanged();
  if (alive) AccPressedChanged();
}

void TUiCustomButton::EnabledChanged() {
  auto alive = Watch();
  gui::TPressControl::EnabledChanged();
  if (alive) StateChanged();
}

void TUiCustomButton::TextChanged() { Repaint(); }

}  // namespace widgets
