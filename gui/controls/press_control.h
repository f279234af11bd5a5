#pragma once

// The base of every button kind (plain button, glyph push buttons, check box): a custom control
// whose mouse and key handlers feed its TPressTracker and act on the answers, written once.
// The kinds differ only by their TPressRules and by what their look does with a change.
//
// clang-format off
//   event                             the press                                       then
//   left button down                  takes the focus; held if the focus came here    PressChanged
//   pointer moves while held          the pressed look follows inside / outside       PressChanged on a change
//   left button up while held         ends; a click when released inside              PressClick if so; PressChanged
//   other button up while held        as the left one if AnyButtonReleases, else
//                                       nothing but the capture taken back
//   Space down                        armed; not while held unless SpaceDuringMouse,  PressChanged on a change
//                                       not with Alt unless AltSpace
//   Escape down                       disarmed, if EscapeDisarms                      PressChanged on a change
//   Space up                          a click if armed; the arm is used up            PressClick if so; PressChanged
//   focus lost (PressFocusLost)       disarmed; the mouse press dropped too if        the answer, to the kind
//                                       FocusLossDropsMouse
//   capture cut off (CancelPress)     the mouse press dropped, no click               PressChanged on a change
// clang-format on
//
// The control's own events (OnMouseUp, OnKeyDown, OnKeyUp) come before or after the press's step
// as its rules say; OnMouseDown always comes first. A handler may free the control at any step.

#include "gui/controls/custom_control.h"
#include "gui/controls/press_tracker.h"

namespace gui {

// How a kind of button takes its presses: the data by which the kinds differ.
struct TPressRules {
  // Which mouse button's release ends a press: any, and a release inside clicks whichever button
  // it was (the widget set); or only the left one (the classic button), which keeps the pointer
  // captured through the release of another button, since the window ends its capture then.
  bool AnyButtonReleases = true;
  // Space pressed while the mouse holds the press arms a click of its own (the widget set); the
  // classic button takes no Space until the mouse lets go.
  bool SpaceDuringMouse = true;
  // Space with Alt held presses too; the push buttons leave Alt+Space to the window.
  bool AltSpace = false;
  // Escape while Space is held takes the press back, so that the release clicks nothing.
  bool EscapeDisarms = false;
  // Losing the focus ends a mouse press without a click, not only a held Space.
  bool FocusLossDropsMouse = false;
  // Whether OnKeyDown, OnKeyUp and OnMouseUp are raised before the press handles the event
  // (a handler can then take a key away by clearing it) rather than after it.
  bool KeyDownEventFirst = false;
  bool KeyUpEventFirst = false;
  bool MouseUpEventFirst = true;
};

class TPressControl : public TCustomControl {
 public:
  TPressControl(TComponent* owner, const TPressRules& rules) : TCustomControl(owner), FRules(rules) {}

  const TPressTracker& Press() const { return FPress; }
  void CancelPress() override;

 protected:
  void SetPressRules(const TPressRules& rules) { FRules = rules; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void KeyUp(std::uint16_t& key, TShiftState shift) override;
  // The focus left: what changed, for the kind to show at its own point of its exit step.
  TPressAnswer PressFocusLost();
  // Everything dropped without a click or an answer.
  void ResetPress() { FPress.Reset(); }

  // The press moved on: the kind repaints and tells a listener.
  virtual void PressChanged() = 0;
  // A completed mouse or Space press.
  virtual void PressClick() = 0;
  // Whether keys press the control now (a read-only check box takes none).
  virtual bool TakesPressKeys() const { return true; }

 private:
  // Space or Escape went down: what it does to the press.
  TPressAnswer PressKey(std::uint16_t key, TShiftState shift);
  // A release of the press answered `answer`: the click, then the look, unless a handler freed
  // the control in between.
  void Released(TPressAnswer answer);

  TPressRules FRules;
  TPressTracker FPress;
};

}  // namespace gui
