#include "gui/std/button.h"

#include "gui/controls/form.h"
#include "gui/graphics/text.h"
#include "gui/std/bevel.h"

namespace gui {

namespace {

// The classic rules: only the left button ends a press, Space waits until the mouse lets go, and
// losing the focus drops any press. OnKeyDown comes before the press (its handler may take Space
// away); OnMouseUp and OnKeyUp come after the click.
constexpr TPressRules ClassicPressRules{.AnyButtonReleases = false,
                                        .SpaceDuringMouse = false,
                                        .AltSpace = true,
                                        .FocusLossDropsMouse = true,
                                        .KeyDownEventFirst = true,
                                        .MouseUpEventFirst = false};

}  // namespace

TButton::TButton(TComponent* owner) : TPressControl(owner, ClassicPressRules), TPushButton(*this, ssAlt | ssCtrl) {
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
  TPressControl::Click();
}

TAccStates TButton::AccStates() const {
  TAccStates states = TPressControl::AccStates();
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
  return ClickByDialogKey(key, shift, ActiveDefault()) || TPressControl::DialogKey(key, shift);
}

bool TButton::DialogChar(char ch, TShiftState shift) {
  return ClickByAccel(ch) || TPressControl::DialogChar(ch, shift);
}

void TButton::FocusChanged(TControl* focused) {
  TPressControl::FocusChanged(focused);
  // The default frame moves to a focused button and back to the Default one; the focus box
  // comes and goes with the focus, also on a button that keeps its frame.
  if (ActiveDefault() != FShownDefault || Focused() != FShownFocused) Invalidate();
}

void TButton::PressClick() {
  Repaint();
  AccPressedChanged();
  Click();
}

void TButton::DoExit() {
  if (PressFocusLost() != paNothing) PressChanged();
  TPressControl::DoExit();
}

void TButton::EnabledChanged() {
  ResetPress();
  FAccPressed = false;  // the change of enabled is announced with every state
  TPressControl::EnabledChanged();
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
