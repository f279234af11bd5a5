#include "gui/controls/press_control.h"

namespace gui {

void TPressControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  auto alive = Watch();
  TCustomControl::MouseDown(button, shift, x, y);
  if (!alive || button != mbLeft || !Enabled()) return;
  if (!Focused() && CanFocus()) SetFocus();
  // A handler of the focus change may have freed the control or kept the focus elsewhere.
  if (!alive || !Focused()) return;
  if (FPress.MouseDown() != paNothing) PressChanged();
}

void TPressControl::MouseMove(TShiftState shift, int x, int y) {
  auto alive = Watch();
  TCustomControl::MouseMove(shift, x, y);
  if (alive && FPress.MouseMove(ClientRect().Contains({x, y})) != paNothing) PressChanged();
}

void TPressControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  auto alive = Watch();
  if (FRules.MouseUpEventFirst) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (!alive) return;
  }
  if (FPress.MouseHeld() && (button == mbLeft || FRules.AnyButtonReleases)) {
    Released(FPress.MouseUp(ClientRect().Contains({x, y})));
    if (!alive) return;
  } else if (FPress.MouseHeld()) {
    // The left button is still down: the moves and its release must keep coming here.
    SetMouseCapture(true);
  }
  if (!FRules.MouseUpEventFirst) TCustomControl::MouseUp(button, shift, x, y);
}

void TPressControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  auto alive = Watch();
  if (FRules.KeyDownEventFirst) {
    // The handler may take the key away by clearing it.
    TCustomControl::KeyDown(key, shift);
    if (!alive) return;
  }
  if (TakesPressKeys() && PressKey(key, shift) != paNothing) {
    PressChanged();
    if (!alive) return;
  }
  if (!FRules.KeyDownEventFirst) TCustomControl::KeyDown(key, shift);
}

TPressAnswer TPressControl::PressKey(std::uint16_t key, TShiftState shift) {
  if (key == VK_SPACE && (FRules.AltSpace || !shift.Contains(ssAlt)) &&
      (FRules.SpaceDuringMouse || !FPress.MouseHeld()))
    return FPress.KeyDown();
  if (key == VK_ESCAPE && FRules.EscapeDisarms) return FPress.Disarm();
  return paNothing;
}

void TPressControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  auto alive = Watch();
  if (FRules.KeyUpEventFirst) {
    TCustomControl::KeyUp(key, shift);
    if (!alive) return;
  }
  // One press, one click: a Space release that no Space press on this control armed (the
  // second release of a key held through Alt+Space, say) clicks nothing.
  if (key == VK_SPACE && TakesPressKeys()) {
    Released(FPress.KeyUp());
    if (!alive) return;
  }
  if (!FRules.KeyUpEventFirst) TCustomControl::KeyUp(key, shift);
}

void TPressControl::Released(TPressAnswer answer) {
  if (answer == paClick) {
    auto alive = Watch();
    PressClick();
    if (!alive) return;
  }
  if (answer != paNothing) PressChanged();
}

TPressAnswer TPressControl::PressFocusLost() {
  const TPressAnswer dropped = FRules.FocusLossDropsMouse ? FPress.DropMouse() : paNothing;
  const TPressAnswer disarmed = FPress.Disarm();
  return dropped != paNothing ? dropped : disarmed;
}

void TPressControl::CancelPress() {
  // The release will go elsewhere (another window took the input, or this control was disabled
  // or hidden): a press left held would click on some later, unrelated release.
  TCustomControl::CancelPress();
  if (FPress.DropMouse() != paNothing) PressChanged();
}

}  // namespace gui
