#pragma once

// The press of a pressable control (push button, glyph button, check box), as a value fed with
// the control's pointer and key events. It answers what the control must do; TPressControl
// (press_control.h) decides which events count for a kind of button and in which order the
// control's own handlers run around them.
//
// clang-format off
//   event                           state afterwards                       answer
//   mouse press counted             held, inside, shown                    repaint
//   pointer moves while held        inside and shown follow the pointer    repaint on a change
//   release while held              nothing held, nothing shown            click when inside, else repaint
//   press key down (Space)          armed, shown                           repaint on a change
//   press key up                    shown cleared; the arm is used up      click when armed, else repaint on a change
//   disarm (Escape, focus lost)     not armed, not shown                   repaint on a change
//   drop the mouse (capture lost)   nothing held, not shown                repaint on a change
// clang-format on
//
// `Shown` is the pressed look as the last event left it; a control that wants another rule
// (the classic button: held inside, or armed) builds it from `MouseHeld`, `Inside` and `Armed`.

#include <cstdint>

namespace gui {

enum TPressAnswer : std::uint8_t { paNothing, paRepaint, paClick };

class TPressTracker {
 public:
  bool MouseHeld() const { return FMouseHeld; }
  bool Inside() const { return FInside; }
  bool Armed() const { return FArmed; }
  bool Shown() const { return FShown; }

  TPressAnswer MouseDown();
  TPressAnswer MouseMove(bool inside);
  TPressAnswer MouseUp(bool inside);
  TPressAnswer KeyDown();
  TPressAnswer KeyUp();
  TPressAnswer Disarm();
  TPressAnswer DropMouse();
  // Everything dropped without a click or an answer: the control repaints anyway.
  void Reset() { *this = {}; }

 private:
  // Sets the fields and answers whether any of them changed.
  TPressAnswer Become(bool held, bool inside, bool armed, bool shown);

  bool FMouseHeld = false;
  bool FInside = false;
  bool FArmed = false;
  bool FShown = false;
};

}  // namespace gui
