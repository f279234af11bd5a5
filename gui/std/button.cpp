#include "gui/std/button.h"

#include "gui/controls/form.h"
#include "gui/graphics/text.h"
#include "gui/std/bevel.h"

namespace gui {

TButton::TButton(TComponent* owner) : TCustomControl(owner), TPushButton(*this, ssAlt | ssCtrl) {
  // Each press of a fast double click is a press of its own, and clicks are raised here on release.
  SetControlStyle(ControlStyle().Exclude(csDoubleClicks).Exclude(csClickEvents).Exclude(csAcceptsControls));
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

bool TButton::ActiveDefault() const {
  const TForm* form = Form();
  return ActiveFor(form ? form->FocusedControl() : nullptr);
}

void TButton::Click() {
  PassModalResult();
  TCustomControl::Click();
}

TAccStates TButton::AccStates() const {
  TAccStates states = TCustomControl::AccStates();
  if (Pressed()) states.Include(asPressed);
  if (Default()) states.Include(asDefault);
  return states;
}

void TButton::PressChanged() {
  Invalidate();
  AccPressedChanged();
}

void TButton::AccPressedChanged() {
  if (Pressed() == FAccPressed) return;
  FAccPressed = Pressed();
  AccNotify(aeStateChanged);
}

// A click as a completed mouse press makes it, without the focus moving.
bool TButton::AccPress() {
  if (!AccTakesInput()) return false;
  Click();
  return true;
}

bool TButton::DialogKey(std::uint16_t key, TShiftState shift) {
  return ClickByDialogKey(key, shift, ActiveDefault()) || TCustomControl::DialogKey(key, shift);
}

bool TButton::DialogChar(char ch, TShiftState shift) {
  return ClickByAccel(ch) || TCustomControl::DialogChar(ch, shift);
}

void TButton::FocusChanged(TControl* focused) {
  TCustomControl::FocusChanged(focused);
  // The default frame moves to a focused button and back to the Default one; the focus box
  // comes and goes with the focus, also on a button that keeps its frame.
  if (ActiveDefault() != FShownDefault || Focused() != FShownFocused) Invalidate();
}

// Mouse and Space, as one table:
//   left press            -> take the focus; pressed look only if the focus came here
//   move while held       -> pressed look exactly while the pointer is inside
//   left release          -> unpressed; Click when released inside
//   Space down / up       -> pressed look / unpressed and Click
//   focus lost            -> any press is dropped without a click
void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  auto alive = Watch();
  TCustomControl::MouseDown(button, shift, x, y);
  if (!alive || button != mbLeft) return;
  if (!Focused() && CanFocus()) SetFocus();
  if (!alive || !Focused()) return;
  if (FPress.MouseDown() != paNothing) PressChanged();
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
  auto alive = Watch();
  TCustomControl::MouseMove(shift, x, y);
  if (alive && FPress.MouseMove(ClientRect().Contains({x, y})) != paNothing) PressChanged();
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  auto alive = Watch();
  if (button == mbLeft && FPress.MouseHeld()) {
    const TPressAnswer answer = FPress.MouseUp(ClientRect().Contains({x, y}));
    Repaint();
    AccPressedChanged();
    if (answer == paClick) {
      Click();
      if (!alive) return;
    }
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(std::uint16_t& key, TShiftState shift) {
  auto alive = Watch();
  TCustomControl::KeyDown(key, shift);
  if (!alive) return;
  // Space does not take over a press the mouse is holding.
  if (key == VK_SPACE && !FPress.MouseHeld() && FPress.KeyDown() != paNothing) PressChanged();
}

void TButton::KeyUp(std::uint16_t& key, TShiftState shift) {
  auto alive = Watch();
  if (key == VK_SPACE && FPress.Armed()) {
    FPress.KeyUp();
    Repaint();
    AccPressedChanged();
    Click();
    if (!alive) return;
  }
  TCustomControl::KeyUp(key, shift);
}

void TButton::DoExit() {
  if (FPress.MouseHeld() || FPress.Armed()) {
    FPress.Reset();
    PressChanged();
  }
  TCustomControl::DoExit();
}

void TButton::EnabledChanged() {
  FPress.Reset();
  FAccPressed = false;  // the change of enabled is announced with every state
  TCustomControl::EnabledChanged();
}

void TButton::Paint(TCanvas& canvas) {
  const bool pressed = Pressed();
  FShownDefault = ActiveDefault();
  FShownFocused = Focused();
  TRect r = ClientRect();
  canvas.Brush.Style = bsSolid;
  if (FShownDefault) {
    canvas.Brush.Color = clWindowFrame;
    canvas.FrameRect(r);
    r = r.Inflate(-1, -1);
  }
  const TRect bevel = r;
  if (pressed && FShownDefault) {
    canvas.Brush.Color = clBtnShadow;
    canvas.FrameRect(r);
    r = r.Inflate(-1, -1);
  } else if (pressed) {
    DrawRings(canvas, r, {{cl3DDkShadow, clBtnHighlight}, {clBtnShadow, cl3DLight}});
  } else {
    DrawRings(canvas, r, {{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}});
  }
  canvas.Brush.Color = clBtnFace;
  canvas.FillRect(r);

  canvas.Brush.Style = bsClear;
  TRect text = ClientRect();
  if (pressed) text = text.Offset(1, 1);
  const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (Enabled())
    DrawText(canvas, Caption(), text, flags);
  else
    DrawEmbossedText(canvas, Caption(), text, flags);

  if (Focused()) {
    canvas.Pen = TPen{clBlack, 1, psDot};
    canvas.Rectangle(bevel.Inflate(-2, -2));
  }
}

}  // namespace gui
