#pragma once

// What makes a control a push button for its form, whatever it looks like: Enter presses the
// active one, Escape the Cancel one, its access key clicks it, and its ModalResult is handed to
// the form when it is clicked, which ends a modal form's loop. A button kind inherits it beside
// its control base; the form and the other buttons recognise it by this one type.

#include <cstdint>

#include "gui/controls/control_types.h"

namespace gui {

class TControl;
class TWinControl;

class TPushButton {
 public:
  // Enter presses this button while the focus is on no push button.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  // Escape presses this button.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }

  // Whether Enter presses this button while `focused` has the focus: it is this button, or this
  // is the Default button and the focus is on something that is not a push button.
  bool ActiveFor(const TControl* focused) const;
  static bool IsPushButton(const TControl* control);

 protected:
  // `self` is the control that is this button; `blockers` are the modifiers with which Enter and
  // Escape press nothing.
  TPushButton(TWinControl& self, TShiftState blockers) : FSelf(self), FBlockers(blockers) {}
  ~TPushButton() = default;
  TPushButton(const TPushButton&) = delete;
  TPushButton& operator=(const TPushButton&) = delete;

  // The button's own part of its click, before OnClick: ModalResult to the form.
  void PassModalResult();
  // The dialog-key and dialog-character stages: true when the key or the access key clicked
  // the button. `active` is whether Enter presses it now.
  bool ClickByDialogKey(std::uint16_t key, TShiftState shift, bool active);
  bool ClickByAccel(char ch);
  // Default changed; the look may follow.
  virtual void DefaultChanged() {}

 private:
  TWinControl& FSelf;
  TShiftState FBlockers;
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = mrNone;
};

}  // namespace gui
