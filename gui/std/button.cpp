#include "gui/std/button.h"

#include "gui/controls/form.h"
#include "gui/graphics/text.h"
#include "gui/std/accel.h"
#include "gui/std/bevel.h"

namespace gui {

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
  // Each press of a fast double click is a press of its own, and clicks are raised here on release.
  SetControlStyle(ControlStyle().Exclude(csDoubleClicks).Exclude(csClickEvents).Exclude(csAcceptsControls));
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  Invalidate();
}

bool TButton::ActiveDefault() const {
  if (Focused()) return true;
  if (!FDefault) return false;
  const TForm* form = Form();
  return !(form && dynamic_cast<const TButton*>(form->FocusedControl()));
}

void TButton::Click() {
  if (TForm* form = Form(); form && FModalResult != mrNone) form->SetModalResult(FModalResult);
  TCustomControl::Click();
}

bool TButton::DialogKey(std::uint16_t key, TShiftState shift) {
  const bool plain = !shift.Contains(ssAlt) && !shift.Contains(ssCtrl);
  if (plain && CanFocus() && ((key == VK_RETURN && ActiveDefault()) || (key == VK_ESCAPE && FCancel))) {
    Click();
    return true;
  }
  return TCustomControl::DialogKey(key, shift);
}

bool TButton::DialogChar(char ch, TShiftState shift) {
  if (IsAccel(ch, Caption()) && CanFocus()) {
    Click();
    return true;
  }
  return TCustomControl::DialogChar(ch, shift);
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
  FMouseDown = true;
  FMouseInside = true;
  Invalidate();
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
  auto alive = Watch();
  TCustomControl::MouseMove(shift, x, y);
  if (!alive || !FMouseDown) return;
  const bool inside = ClientRect().Contains({x, y});
  if (inside == FMouseInside) return;
  FMouseInside = inside;
  Invalidate();
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  auto alive = Watch();
  const bool click = button == mbLeft && FMouseDown && ClientRect().Contains({x, y});
  if (button == mbLeft && FMouseDown) {
    FMouseDown = false;
    FMouseInside = false;
    Repaint();
  }
  if (click) {
    Click();
    if (!alive) return;
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(std::uint16_t& key, TShiftState shift) {
  auto alive = Watch();
  TCustomControl::KeyDown(key, shift);
  if (!alive) return;
  if (key == VK_SPACE && !FSpaceDown && !FMouseDown) {
    FSpaceDown = true;
    Invalidate();
  }
}

void TButton::KeyUp(std::uint16_t& key, TShiftState shift) {
  auto alive = Watch();
  if (key == VK_SPACE && FSpaceDown) {
    FSpaceDown = false;
    Repaint();
    Click();
    if (!alive) return;
  }
  TCustomControl::KeyUp(key, shift);
}

void TButton::DoExit() {
  if (FSpaceDown || FMouseDown) {
    FSpaceDown = FMouseDown = FMouseInside = false;
    Invalidate();
  }
  TCustomControl::DoExit();
}

void TButton::EnabledChanged() {
  FSpaceDown = FMouseDown = FMouseInside = false;
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
