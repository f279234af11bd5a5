#pragma once

// The classic push button: raised bevel, a black frame while it is the button that Enter presses,
// a sunken look while pressed, a dotted focus box, an embossed grey caption when disabled.
// A click happens on a left release inside after a press on it, or on Space released; Enter and
// Esc reach the default and cancel buttons through the form's dialog-key stage. A button with a
// ModalResult hands it to its form before OnClick runs, which ends a modal form's loop.

#include "gui/controls/press_control.h"
#include "gui/std/push_button.h"

namespace gui {

class TButton : public TPressControl, public TPushButton {
 public:
  explicit TButton(TComponent* owner);

  // Whether the button shows the default frame now: it has the focus, or it is the Default button
  // and the focus is not on another push button.
  bool ActiveDefault() const;
  // The classic look: held by the mouse with the pointer inside, or Space held.
  bool Pressed() const { return (Press().MouseHeld() && Press().Inside()) || Press().Armed(); }

  void Click() override;
  bool DialogKey(std::uint16_t key, TShiftState shift) override;
  bool DialogChar(char ch, TShiftState shift) override;
  bool WantsChars() const override { return false; }
  void FocusChanged(TControl* focused) override;

  TAccRole AccRole() const override { return arPushButton; }
  TAccStates AccStates() const override;
  bool AccPressable() const override { return true; }
  bool AccPress() override;

 protected:
  std::string AccDefaultName() const override { return StripAccelChars(Caption()); }
  void Paint(TCanvas& canvas) override;
  void EraseBackground(TCanvas&) override {}
  void DoExit() override;
  void EnabledChanged() override;
  void DefaultChanged() override { Invalidate(); }
  // The press moved on: repaints, and tells a listener when the pressed look came or went.
  void PressChanged() override;
  // The unpressed look is on the screen and told before the click's handler runs.
  void PressClick() override;

 private:
  void AccPressedChanged();

  bool FAccPressed = false;  // the pressed look a listener was last told of
  bool FShownDefault = false;
  bool FShownFocused = false;
};

}  // namespace gui
